#include "qel_formats.h"

#include <charconv>
#include <cstdarg>
#include <cstdlib>
#include <string>

#include "detail/CLocale.h"

namespace qel_formats {

namespace {
// The text as 7-bit ASCII for the C library's number readers; anything else becomes 0x7F.
std::string Narrow(const unsigned short* text) {
  std::string s;
  if (!text) return s;
  for (const unsigned short* p = text; *p; ++p) s += static_cast<char>(*p < 0x80 ? *p : 0x7F);
  return s;
}

bool IsNegativeZeroText(const char* b, const char* e) {
  if (e - b < 2 || *b != '-') return false;
  for (const char* p = b + 1; p < e; ++p)
    if (*p != '0' && *p != '.') return false;
  return true;
}
}  // namespace

CQelString AsciiToString(const char* text, size_t n) {
  CQelString r;
  if (!text || n == 0) return r;
  unsigned short* p = r.GetBufferSetLength(static_cast<int>(n));
  for (size_t i = 0; i < n; ++i) p[i] = static_cast<unsigned char>(text[i]);
  return r;
}

CQelString IntToString(int value) {
  char buf[16];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return AsciiToString(buf, r.ptr - buf);
}

namespace {
// The text of DoubleToString in buffer, from the returned start up to end; null when it does not
// fit.
const char* FormatDouble(double value, int decimals, char (&buffer)[400], const char*& end) {
  std::to_chars_result r;
  if (decimals < 0) {
    r = std::to_chars(buffer, buffer + sizeof buffer, value);
  } else {
    if (decimals > 40) decimals = 40;
    r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  }
  if (r.ec != std::errc()) return nullptr;
  end = r.ptr;
  return IsNegativeZeroText(buffer, r.ptr) ? buffer + 1 : buffer;
}
}  // namespace

CQelString DoubleToString(double value, int decimals) {
  char buffer[400];
  const char* end = nullptr;
  const char* begin = FormatDouble(value, decimals, buffer, end);
  return begin ? AsciiToString(begin, static_cast<size_t>(end - begin)) : CQelString();
}

void DoubleToAscii(double value, int decimals, std::string& out) {
  char buffer[400];
  const char* end = nullptr;
  const char* begin = FormatDouble(value, decimals, buffer, end);
  if (begin)
    out.assign(begin, end);
  else
    out.clear();
}

bool WriteString(FILE* file, const CQelString& text) {
  if (!file) return false;
  CQelStringA bytes(static_cast<const unsigned short*>(text), text.GetLength());
  size_t n = static_cast<size_t>(bytes.GetLength());
  return n == 0 || std::fwrite(static_cast<const char*>(bytes), 1, n, file) == n;
}

int ScanText(const unsigned short* text, const char* format, ...) {
  std::string s = Narrow(text);
  qel_detail::CLocaleScope cLocale;
  va_list args;
  va_start(args, format);
  int r = std::vsscanf(s.c_str(), format, args);
  va_end(args);
  return r;
}

double WideToDouble(const unsigned short* text, const unsigned short** end) {
  std::string s = Narrow(text);
  char* e = nullptr;
  double v = strtod_l(s.c_str(), &e, qel_detail::CLocale());
  if (end) *end = text ? text + (e - s.c_str()) : text;
  return v;
}

long WideToLong(const unsigned short* text, const unsigned short** end, int base) {
  std::string s = Narrow(text);
  char* e = nullptr;
  long v = strtol_l(s.c_str(), &e, base, qel_detail::CLocale());
  if (end) *end = text ? text + (e - s.c_str()) : text;
  return v;
}

}  // namespace qel_formats
