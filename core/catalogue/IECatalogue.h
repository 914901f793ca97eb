// The formats catalogue family of exchcore: format and data-type descriptors, the catalogue with
// its settings file, the settings-file keywords and the XML reader the catalogue opens files with.
#pragma once

#include "IECommonType.h"
#include "IEDataType.h"
#include "IEFormat.h"
#include "IEFormatsData.h"
#include "IEKeywords.h"
#include "IEXMLParser.h"
#include "ITextFile.h"
