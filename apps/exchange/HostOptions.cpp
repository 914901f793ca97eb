#include "HostOptions.h"

#include <algorithm>
#include <cctype>

#include "HostText.h"
#include "IECatalogue.h"
#include "IERounding.h"

int ParseKeyword(const std::string& option, IEKeywords::EMaskKind kind, const std::string& text) {
  std::string upper = text;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  const int value = IEKeywords::FindKeyword(kind, FromUtf8(upper));
  if (value < 0) throw CUsageError("option '--" + option + "' does not know '" + text + "'");
  return value;
}

TIEMask ParseKeywordList(const CCommandLine& line, const std::string& option, IEKeywords::EMaskKind kind) {
  TIEMask mask = 0;
  if (line.Has(option))
    for (const std::string& item : SplitList(option, line.Value(option)))
      mask |= IEUtils::ToFlag(ParseKeyword(option, kind, item));
  return mask;
}

void ReadSettingsOption(const CCommandLine& line) {
  if (line.Has("settings")) IntializeIEFormatsDataFromFile(FromUtf8(line.Value("settings")));
}
