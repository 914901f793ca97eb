#include "ShapeText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "CodePage.h"
#include "IEUtils.h"
#include "qel_formats.h"

namespace {

struct TLanguageDriver {
  int id;
  const char* encoding;
};

// The dBASE language drivers that name a code page unambiguously.
constexpr TLanguageDriver kLanguageDrivers[] = {
    {0x01, "CP437"},  {0x02, "CP850"},  {0x03, "CP1252"}, {0x08, "CP865"}, {0x09, "CP437"},  {0x0A, "CP850"},
    {0x0B, "CP437"},  {0x0D, "CP437"},  {0x0E, "CP850"},  {0x0F, "CP437"}, {0x10, "CP850"},  {0x11, "CP437"},
    {0x12, "CP850"},  {0x13, "CP932"},  {0x14, "CP850"},  {0x15, "CP437"}, {0x16, "CP850"},  {0x17, "CP865"},
    {0x18, "CP437"},  {0x19, "CP437"},  {0x1A, "CP850"},  {0x1B, "CP437"}, {0x1C, "CP863"},  {0x1D, "CP850"},
    {0x1F, "CP852"},  {0x22, "CP852"},  {0x23, "CP852"},  {0x24, "CP860"}, {0x25, "CP850"},  {0x26, "CP866"},
    {0x37, "CP850"},  {0x40, "CP852"},  {0x4D, "CP936"},  {0x4E, "CP949"}, {0x4F, "CP950"},  {0x50, "CP874"},
    {0x57, "CP1252"}, {0x58, "CP1252"}, {0x59, "CP1252"}, {0x64, "CP852"}, {0x65, "CP866"},  {0x66, "CP865"},
    {0x67, "CP861"},  {0x6A, "CP737"},  {0x6B, "CP857"},  {0x7C, "CP874"}, {0x7D, "CP1255"}, {0x7E, "CP1256"},
    {0xC8, "CP1250"}, {0xC9, "CP1251"}, {0xCA, "CP1254"}, {0xCB, "CP1253"}};

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

const char* SkipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

bool IsAscii(const char* bytes, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (static_cast<unsigned char>(bytes[i]) >= 0x80) return false;
  return true;
}

std::string Narrow(const CQelString& text) {
  std::string out;
  for (int i = 0; i < text.GetLength(); ++i) {
    unsigned short c = text[i];
    out += c < 0x80 ? static_cast<char>(c) : '\x7f';
  }
  return out;
}

}  // namespace

CQelString AnsiBytesToText(const char* bytes, int count) {
  std::u16string wide;
  if (count > 0) qel_cp::AnsiToUtf16(bytes, static_cast<size_t>(count), wide);
  return CQelString(reinterpret_cast<const unsigned short*>(wide.data()), static_cast<int>(wide.size()));
}

size_t TextToAnsi(const CQelString& text, char* out, size_t maxBytes) {
  // The text ends at its first zero character, as for the library's converters.
  const unsigned short* units = text.c_str();
  size_t length = 0;
  unsigned short any = 0;
  for (; units[length] != 0; ++length) any |= units[length];
  if (any >= 0x80 || !qel_cp::IsAnsiUtf8()) return IEUtils::tcs2mbs(out, text, maxBytes);
  // 7-bit text is its own UTF-8: one byte per character.
  const size_t n = std::min(length, maxBytes);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>(units[i]);
  if (n < maxBytes) out[n] = 0;
  return n;
}

void TextToAnsi(const CQelString& text, int maxBytes, std::string& out) {
  const size_t room = maxBytes > 0 ? static_cast<size_t>(maxBytes) : 0;
  out.resize(room + 1);
  out.resize(TextToAnsi(text, &out[0], room));
}

std::string CodePageForNewTable() {
  std::string name = Upper(qel_cp::GetAnsiCodePage());
  if (name == "UTF8") return "UTF-8";
  for (const char* prefix : {"CP", "WINDOWS-"}) {
    size_t n = std::strlen(prefix);
    if (name.compare(0, n, prefix) == 0 && AllDigits(name.substr(n))) return name.substr(n);
  }
  return qel_cp::GetAnsiCodePage();
}

std::string EncodingOfDeclaredCodePage(const char* declared) {
  if (!declared) return std::string();
  std::string text(declared);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n')) text.pop_back();
  size_t first = text.find_first_not_of(' ');
  text = first == std::string::npos ? std::string() : text.substr(first);
  if (text.empty()) return std::string();
  std::string upper = Upper(text);
  if (upper.compare(0, 5, "LDID/") == 0) {
    int id = std::atoi(text.c_str() + 5);
    for (const TLanguageDriver& driver : kLanguageDrivers)
      if (driver.id == id) return driver.encoding;
    return std::string();
  }
  if (upper == "UTF-8" || upper == "UTF8" || upper == "65001") return "UTF-8";
  if (upper.compare(0, 4, "8859") == 0 && AllDigits(upper.substr(4))) return "ISO-8859-" + upper.substr(4);
  if (AllDigits(upper)) return "CP" + upper;
  if (upper.compare(0, 5, "ANSI ") == 0 && AllDigits(upper.substr(5))) return "CP" + upper.substr(5);
  std::u16string probe;
  return qel_cp::EncodingToUtf16(text.c_str(), "", 0, probe) ? text : std::string();
}

CDbfTextDecoder::CDbfTextDecoder(const char* declaredCodePage)
    : m_strEncoding(EncodingOfDeclaredCodePage(declaredCodePage)) {
  char ascii[127];
  for (size_t i = 0; i < sizeof ascii; ++i) ascii[i] = static_cast<char>(i + 1);
  m_bAsciiAsIs = Convert(ascii, sizeof ascii) == qel_formats::AsciiToString(ascii, sizeof ascii);
}

CQelString CDbfTextDecoder::Decode(const char* bytes) const {
  if (!bytes || !*bytes) return CQelString();
  const size_t n = std::strlen(bytes);
  if (m_bAsciiAsIs && IsAscii(bytes, n)) return qel_formats::AsciiToString(bytes, n);
  return Convert(bytes, n);
}

bool CDbfTextDecoder::Reads(const char* bytes, const char16_t* text) const {
  if (!bytes) bytes = "";
  if (!m_bAsciiAsIs || !IsAscii(bytes, std::strlen(bytes))) return Decode(bytes) == text;
  for (; *bytes && *text; ++bytes, ++text)
    if (static_cast<unsigned char>(*bytes) != *text) return false;
  return !*bytes && !*text;
}

CQelString CDbfTextDecoder::Convert(const char* bytes, size_t n) const {
  std::u16string wide;
  if (m_strEncoding.empty() || !qel_cp::EncodingToUtf16(m_strEncoding.c_str(), bytes, n, wide))
    qel_cp::AnsiToUtf16(bytes, n, wide);
  return CQelString(reinterpret_cast<const unsigned short*>(wide.data()), static_cast<int>(wide.size()));
}

bool ParseLeadingDouble(const char* text, double& value) {
  value = 0.0;
  if (!text) return false;
  const char* p = SkipBlanks(text);
  if (*p == '+') ++p;
  const char* end = p + std::strlen(p);
  if (std::from_chars(p, end, value, std::chars_format::general).ec == std::errc()) return true;
  value = 0.0;
  return false;
}

bool ParseLeadingInteger(const char* text, int64_t& value) {
  value = 0;
  if (!text) return false;
  const char* p = SkipBlanks(text);
  if (*p == '+') ++p;
  auto result = std::from_chars(p, p + std::strlen(p), value);
  return result.ec == std::errc();
}

bool ParseLeadingDouble(const CQelString& text, double& value) {
  return ParseLeadingDouble(Narrow(text).c_str(), value);
}

bool ParseLeadingInteger(const CQelString& text, int64_t& value) {
  return ParseLeadingInteger(Narrow(text).c_str(), value);
}

void FormatFieldNumber(double value, int decimals, int width, std::string& out) {
  out.clear();
  if (!std::isfinite(value)) return;
  if (std::fabs(value) < 1e40) {
    qel_formats::DoubleToAscii(value, decimals < 0 ? 0 : decimals, out);
    if (static_cast<int>(out.size()) <= width) return;
  }
  char shortest[32];
  auto result = std::to_chars(shortest, shortest + sizeof shortest, value);
  out.assign(shortest, result.ptr);
}
