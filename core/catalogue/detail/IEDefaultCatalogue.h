// The built-in catalogue: the data types and the exchange formats in catalogue order. Adding a
// format is adding a row to the table in IEDefaultCatalogue.cpp; nothing else needs to know.
#pragma once

#include "IEDataType.h"
#include "IEFormat.h"
#include "qel_templ.h"

namespace IEDefaultCatalogue {

// Appends a new descriptor for each data type, in table order; the caller owns them.
void AppendDataTypes(qel_templ::CQelArray<CIEDataType*>& types);
// Appends a new format for each row whose GUID text parses (every built-in row does), in table
// order, so that a row's position is its catalogue index; the caller owns them.
void AppendFormats(qel_templ::CQelArray<CIEFormat*>& formats);

}  // namespace IEDefaultCatalogue
