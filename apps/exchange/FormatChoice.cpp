#include "FormatChoice.h"

#include <cctype>
#include <vector>

#include "CommandLine.h"
#include "HostText.h"
#include "IECatalogue.h"

namespace {

bool CanGo(const CIEFormat& format, bool exporting) {
  const auto direction = format.GetDataDirections();
  if (direction == CIECommonType::DIRECTION_IMPORT_EXPORT) return true;
  return direction == (exporting ? CIECommonType::DIRECTION_EXPORT : CIECommonType::DIRECTION_IMPORT);
}

// The extension of the last path component, without the dot; empty when it has none.
std::string ExtensionOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
  return path.substr(dot + 1);
}

std::vector<const CIEFormat*> AllFormats() {
  std::vector<const CIEFormat*> formats;
  const CIEFormatsData& catalogue = GetIEFormatsData();
  for (unsigned i = 0; const CIEFormat* format = catalogue.GetFormatByInd(i); ++i) formats.push_back(format);
  return formats;
}

std::string Describe(const CIEFormat& format) {
  return ToUtf8(format.GetTitle()) + " (" + ToUtf8(format.GetName()) + ")";
}

const CIEFormat* ByValue(const std::string& option, const std::string& value) {
  const std::vector<const CIEFormat*> formats = AllFormats();
  bool digits = !value.empty();
  for (char c : value) digits = digits && std::isdigit(static_cast<unsigned char>(c));
  if (digits) {
    const unsigned long index = value.size() <= 9 ? std::stoul(value) : formats.size();
    if (index < formats.size()) return formats[index];
    throw CUsageError("option '--" + option + "': no format has the index " + value);
  }
  if (value[0] == '{') {
    if (const CIEFormat* format = GetIEFormatsData().GetFormatById(FromUtf8(value))) return format;
    throw CUsageError("option '--" + option + "': no format has the GUID " + value);
  }
  std::vector<const CIEFormat*> matches;
  for (const CIEFormat* format : formats)
    if (format->GetTitle().CompareNoCase(FromUtf8(value)) == 0) matches.push_back(format);
  if (matches.size() == 1) return matches[0];
  if (matches.empty())
    throw CUsageError("option '--" + option + "': no format has the title '" + value + "'");
  throw CUsageError("option '--" + option + "': several formats have the title '" + value +
                    "'; give the index or GUID");
}

}  // namespace

const CIEFormat* ChooseFormat(const std::string& option, const std::string& value, const std::string& path,
                              bool exporting) {
  const char* way = exporting ? "export" : "import";
  if (!value.empty()) {
    const CIEFormat* format = ByValue(option, value);
    if (!CanGo(*format, exporting))
      throw CUsageError("option '--" + option + "': " + Describe(*format) + " cannot " + way);
    return format;
  }
  const std::string extension = ExtensionOf(path);
  std::vector<const CIEFormat*> candidates;
  if (!extension.empty())
    for (const CIEFormat* format : AllFormats())
      if (CanGo(*format, exporting) && format->GetExtension(false).CompareNoCase(FromUtf8(extension)) == 0)
        candidates.push_back(format);
  if (candidates.size() == 1) return candidates[0];
  if (candidates.empty())
    throw CUsageError("no format can " + std::string(way) + " '" + path + "' by its extension; use --" +
                      option);
  std::string list;
  for (const CIEFormat* format : candidates) list += (list.empty() ? "" : ", ") + Describe(*format);
  throw CUsageError("the extension of '" + path + "' fits several formats (" + list + "); use --" + option);
}
