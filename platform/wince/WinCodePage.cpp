#include "WinCodePage.h"

#include <string>

#include "CodePage.h"

namespace {

// The iconv name of a code page number; empty for the ANSI code page.
std::string EncodingName(unsigned codePage) {
  if (codePage == CP_ACP) return std::string();
  if (codePage == CP_UTF8) return "UTF-8";
  return "CP" + std::to_string(codePage);
}

bool ToBytes(const std::string& encoding, const unsigned short* src, size_t units, std::string& out) {
  if (encoding.empty()) {
    qel_cp::Utf16ToAnsi(src, units, out);
    return true;
  }
  return qel_cp::Utf16ToEncoding(encoding.c_str(), src, units, out);
}

size_t UnitsOfChar(const unsigned short* s, size_t available) {
  return available >= 2 && s[0] >= 0xD800 && s[0] <= 0xDBFF && s[1] >= 0xDC00 && s[1] <= 0xDFFF ? 2 : 1;
}

}  // namespace

int WideCharToMultiByte(unsigned codePage, unsigned long, const unsigned short* wide, int wideCount, char* mb,
                        int mbSize, const char*, int* usedDefault) {
  if (usedDefault) *usedDefault = 0;
  if (!wide || mbSize < 0) return 0;
  size_t units = 0;
  if (wideCount < 0) {
    while (wide[units]) ++units;
    ++units;  // the terminator
  } else {
    units = static_cast<size_t>(wideCount);
  }
  const std::string encoding = EncodingName(codePage);
  std::string out;
  if (!ToBytes(encoding, wide, units, out)) return 0;
  if (!mb || mbSize == 0) return static_cast<int>(out.size());
  if (out.size() <= static_cast<size_t>(mbSize)) {
    out.copy(mb, out.size());
    return static_cast<int>(out.size());
  }
  // Too small: the whole characters that fit are written, and the answer is 0.
  size_t written = 0;
  for (size_t i = 0; i < units;) {
    const size_t span = UnitsOfChar(wide + i, units - i);
    std::string one;
    ToBytes(encoding, wide + i, span, one);
    if (written + one.size() > static_cast<size_t>(mbSize)) break;
    one.copy(mb + written, one.size());
    written += one.size();
    i += span;
  }
  return 0;
}

int MultiByteToWideChar(unsigned codePage, unsigned long, const char* mb, int mbCount, unsigned short* wide,
                        int wideSize) {
  if (!mb || wideSize < 0) return 0;
  const size_t bytes = mbCount < 0 ? std::char_traits<char>::length(mb) + 1 : static_cast<size_t>(mbCount);
  const std::string encoding = EncodingName(codePage);
  std::u16string out;
  if (encoding.empty())
    qel_cp::AnsiToUtf16(mb, bytes, out);
  else if (!qel_cp::EncodingToUtf16(encoding.c_str(), mb, bytes, out))
    return 0;
  if (!wide || wideSize == 0) return static_cast<int>(out.size());
  if (out.size() > static_cast<size_t>(wideSize)) return 0;
  for (size_t i = 0; i < out.size(); ++i) wide[i] = out[i];
  return static_cast<int>(out.size());
}
