#include "CatalogueCommands.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "CommandLine.h"
#include "HostOptions.h"
#include "HostText.h"
#include "IECatalogue.h"
#include "IERounding.h"

namespace {

using Json = nlohmann::ordered_json;
using IEKeywords::EMaskKind;

// Matches every direction in CompareCommonData: used when no --direction is given.
constexpr auto kAnyDirection = static_cast<CIECommonType::EDataDirections>(3);

const char kFormatsHelp[] =
    "Usage: exchange formats [--settings FILE] [--type TYPE] [--direction import|export|both]\n"
    "                        [--config LIST] [--modes LIST] [--json]\n"
    "\n"
    "Lists the exchange formats of the catalogue in catalogue order, one per line: index, GUID,\n"
    "direction, title and name, separated by tabs.\n"
    "\n"
    "  --settings FILE   read the formats settings file FILE first (written when missing or outdated)\n"
    "  --type TYPE       only formats offered for the data type TYPE (POINTS, LINES, STAKE_REPORTS, ...)\n"
    "  --direction DIR   only formats that can import, export or do both\n"
    "  --config LIST     only formats offered in every configuration of LIST\n"
    "                    (comma-separated: REGULAR, ONBOARD, JAPAN, CONTRACTOR)\n"
    "  --modes LIST      using modes that are enabled (EXPORT_IN_JAPAN, ONBOARD_WITH_SCANNING);\n"
    "                    formats that require another mode are left out when filtering\n"
    "  --json            print a JSON array of objects instead of text lines\n"
    "  --help            show this help\n";

const char kTypesHelp[] =
    "Usage: exchange types [--settings FILE] [--direction import|export|both] [--config LIST]\n"
    "                      [--modes LIST] [--json]\n"
    "\n"
    "Lists the data types offered for the request, one per line: type id, keyword, direction and\n"
    "name, separated by tabs. Data types that require a using mode are listed only when --modes\n"
    "enables it.\n"
    "\n"
    "  --settings FILE   read the formats settings file FILE first (written when missing or outdated)\n"
    "  --direction DIR   only data types that can be imported, exported or both\n"
    "  --config LIST     only data types offered in every configuration of LIST\n"
    "                    (comma-separated: REGULAR, ONBOARD, JAPAN, CONTRACTOR)\n"
    "  --modes LIST      using modes that are enabled (EXPORT_IN_JAPAN, ONBOARD_WITH_SCANNING)\n"
    "  --json            print a JSON array of objects instead of text lines\n"
    "  --help            show this help\n";

const std::vector<TOptionSpec> kFilterOptions = {{"settings", true}, {"direction", true}, {"config", true},
                                                 {"modes", true},    {"json", false},     {"help", false}};

// The request of the filtering options.
struct TRequest {
  CIECommonType::EDataDirections direction = kAnyDirection;
  TIEMask configurations = 0;
  TIEMask usingModes = 0;
  bool filtered = false;  // one of --direction, --config, --modes was given
};

TRequest ParseRequest(const CCommandLine& line) {
  TRequest request;
  if (line.Has("direction")) {
    const std::string text = line.Value("direction");
    if (text == "import")
      request.direction = CIECommonType::DIRECTION_IMPORT;
    else if (text == "export")
      request.direction = CIECommonType::DIRECTION_EXPORT;
    else if (text == "both")
      request.direction = CIECommonType::DIRECTION_IMPORT_EXPORT;
    else
      throw CUsageError("option '--direction' takes import, export or both, not '" + text + "'");
  }
  request.configurations = ParseKeywordList(line, "config", IEKeywords::MASK_CONFIGURATIONS);
  request.usingModes = ParseKeywordList(line, "modes", IEKeywords::MASK_USING_MODES);
  request.filtered = line.Has("direction") || line.Has("config") || line.Has("modes");
  return request;
}

// Reads the settings file first when one is given, so that it decides what the catalogue holds.
const CIEFormatsData& OpenCatalogue(const CCommandLine& line) {
  ReadSettingsOption(line);
  return GetIEFormatsData();
}

Json KeywordArray(TIEMask mask, EMaskKind kind) {
  Json array = Json::array();
  for (int v = 0; v < IEKeywords::GetKeywordCount(kind); ++v)
    if (mask & IEUtils::ToFlag(v)) array.push_back(ToUtf8(IEKeywords::GetKeyword(kind, v)));
  return array;
}

std::string DirectionOf(const CIECommonType& entry) {
  return ToUtf8(IEKeywords::GetDirectionKeyword(entry.GetDataDirections()));
}

Json FormatToJson(int index, const CIEFormat& format) {
  Json object;
  object["index"] = index;
  object["guid"] = ToUtf8(format.GetGUIDAsString());
  object["name"] = ToUtf8(format.GetName());
  object["title"] = ToUtf8(format.GetTitle());
  object["direction"] = DirectionOf(format);
  object["importLibrary"] = ToUtf8(format.GetDLLName(false));
  object["exportLibrary"] = ToUtf8(format.GetDLLName(true));
  object["extension"] = ToUtf8(format.GetExtension(false));
  object["filterExtension"] = ToUtf8(format.GetFilterExtension());
  static const std::pair<const char*, EMaskKind> kMasks[] = {
      {"configurations", IEKeywords::MASK_CONFIGURATIONS}, {"usingModes", IEKeywords::MASK_USING_MODES},
      {"dataTypes", IEKeywords::MASK_DATA_TYPES},          {"distanceUnits", IEKeywords::MASK_DISTANCE_UNITS},
      {"angleUnits", IEKeywords::MASK_ANGLE_UNITS},        {"parameters", IEKeywords::MASK_PARAMETERS}};
  for (const auto& mask : kMasks)
    object[mask.first] = KeywordArray(IEKeywords::CollectMask(format, mask.second), mask.second);
  return object;
}

void PrintJson(const Json& json) { std::cout << json.dump(2) << '\n'; }

}  // namespace

int RunFormatsCommand(const std::vector<std::string>& args) {
  std::vector<TOptionSpec> specs = kFilterOptions;
  specs.push_back({"type", true});
  const CCommandLine line(args, specs);
  if (line.Has("help")) {
    std::cout << kFormatsHelp;
    return 0;
  }
  const TRequest request = ParseRequest(line);
  int type = -1;
  if (line.Has("type")) type = ParseKeyword("type", IEKeywords::MASK_DATA_TYPES, line.Value("type"));

  const CIEFormatsData& catalogue = OpenCatalogue(line);
  qel_templ::CQelArray<int> indices;
  if (type >= 0) {
    catalogue.GetSupportedFormatsByDataType(indices, static_cast<EIEDataType>(type), request.direction,
                                            request.configurations, request.usingModes);
  } else {
    for (unsigned i = 0; const CIEFormat* format = catalogue.GetFormatByInd(i); ++i)
      if (!request.filtered ||
          format->CompareCommonData(request.direction, request.configurations, request.usingModes))
        indices.Add(static_cast<int>(i));
  }

  Json json = Json::array();
  for (int index : indices) {
    const CIEFormat& format = *catalogue.GetFormatByInd(static_cast<unsigned>(index));
    if (line.Has("json"))
      json.push_back(FormatToJson(index, format));
    else
      std::cout << index << '\t' << ToUtf8(format.GetGUIDAsString()) << '\t' << DirectionOf(format) << '\t'
                << ToUtf8(format.GetTitle()) << '\t' << ToUtf8(format.GetName()) << '\n';
  }
  if (line.Has("json")) PrintJson(json);
  return 0;
}

int RunTypesCommand(const std::vector<std::string>& args) {
  const CCommandLine line(args, kFilterOptions);
  if (line.Has("help")) {
    std::cout << kTypesHelp;
    return 0;
  }
  const TRequest request = ParseRequest(line);
  const CIEFormatsData& catalogue = OpenCatalogue(line);
  qel_templ::CQelArray<const CIEDataType*> types;
  catalogue.GetDataTypes(types, request.direction, request.configurations, request.usingModes);

  Json json = Json::array();
  for (const CIEDataType* type : types) {
    const int id = type->GetTypeID();
    const std::string keyword = ToUtf8(IEKeywords::GetKeyword(IEKeywords::MASK_DATA_TYPES, id));
    if (line.Has("json")) {
      Json object;
      object["id"] = id;
      object["keyword"] = keyword;
      object["name"] = ToUtf8(type->GetName());
      object["direction"] = DirectionOf(*type);
      object["configurations"] = KeywordArray(IEKeywords::CollectMask(*type, IEKeywords::MASK_CONFIGURATIONS),
                                              IEKeywords::MASK_CONFIGURATIONS);
      object["usingModes"] = KeywordArray(IEKeywords::CollectMask(*type, IEKeywords::MASK_USING_MODES),
                                          IEKeywords::MASK_USING_MODES);
      json.push_back(object);
    } else {
      std::cout << id << '\t' << keyword << '\t' << DirectionOf(*type) << '\t' << ToUtf8(type->GetName())
                << '\n';
    }
  }
  if (line.Has("json")) PrintJson(json);
  return 0;
}
