// What "exchange info" prints about an imported data root: a short text summary, or the whole
// model as JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "IEDefs.h"

class CIEData;

// "IE_RESULT_OK" and so on; "IE_RESULT_<n>" for a value without a name.
const char* ResultName(EIEResult result);

nlohmann::ordered_json ModelToJson(const CIEData& data, EIEResult result);
void PrintSummary(std::ostream& out, const CIEData& data, EIEResult result);
