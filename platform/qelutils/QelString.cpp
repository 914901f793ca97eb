#include <locale.h>
#include <wctype.h>

#include <cstdio>
#include <string>

#include "CodePage.h"
#include "detail/CLocale.h"
#include "qel_text.h"

namespace qel_detail {
locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}
}  // namespace qel_detail

namespace qel_text {
namespace detail {

namespace {
// Length 0, capacity 0, then a zero character wide enough for either form.
struct EmptyBlock {
  StringHeader header;
  unsigned short zero[2];
};
const EmptyBlock g_emptyBlock = {{0, 0}, {0, 0}};

locale_t CaseLocale() {
  static locale_t loc = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return l ? l : qel_detail::CLocale();
  }();
  return loc;
}
}  // namespace

const StringHeader* const g_emptyHeader = &g_emptyBlock.header;

bool IsSpace(unsigned c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

unsigned FoldCase(unsigned c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  return static_cast<unsigned>(towlower_l(static_cast<wint_t>(c), CaseLocale()));
}

void ConvertToWide(const char* src, size_t n, CQelStringT<unsigned short>& out) {
  std::u16string w;
  if (src && n) qel_cp::AnsiToUtf16(src, n, w);
  out.Empty();
  out.Append(reinterpret_cast<const unsigned short*>(w.data()), static_cast<int>(w.size()));
}

void ConvertToNarrow(const unsigned short* src, size_t n, CQelStringT<char>& out) {
  std::string a;
  if (src && n) qel_cp::Utf16ToAnsi(src, n, a);
  out.Empty();
  out.Append(a.data(), static_cast<int>(a.size()));
}

namespace {

template <class T>
void AppendPadded(CQelStringT<T>& out, const T* s, int n, int width, bool left) {
  if (!left)
    for (int i = n; i < width; ++i) out += T(' ');
  out.Append(s, n);
  if (left)
    for (int i = n; i < width; ++i) out += T(' ');
}

template <class T>
void AppendAscii(CQelStringT<T>& out, const char* s, int n) {
  for (int i = 0; i < n; ++i) out += static_cast<T>(static_cast<unsigned char>(s[i]));
}

// A string argument of the other form, converted to this one.
template <class T>
CQelStringT<T> FromOther(const void* p);
template <>
CQelStringT<unsigned short> FromOther<unsigned short>(const void* p) {
  return CQelStringT<unsigned short>(static_cast<const char*>(p));
}
template <>
CQelStringT<char> FromOther<char>(const void* p) {
  return CQelStringT<char>(static_cast<const unsigned short*>(p));
}

// Appends what snprintf makes of one conversion, of any length.
template <class T, class V>
void AppendPrintf(CQelStringT<T>& out, const std::string& conversion, V value) {
  int n = std::snprintf(nullptr, 0, conversion.c_str(), value);
  if (n <= 0) return;
  std::string text(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(&text[0], text.size(), conversion.c_str(), value);
  AppendAscii(out, text.data(), n);
}

// Widths and precisions beyond this are taken as this; nobody formats more by intent.
constexpr int kMaxFieldWidth = 100000;

template <class T>
int ReadCount(const T*& p) {
  int v = 0;
  while (*p >= '0' && *p <= '9') {
    v = v * 10 + (*p++ - '0');
    if (v > kMaxFieldWidth) v = kMaxFieldWidth;
  }
  return v;
}

}  // namespace

template <class T>
void FormatInto(CQelStringT<T>& out, const T* fmt, va_list argsIn) {
  va_list args;
  va_copy(args, argsIn);
  CQelStringT<T> result;
  qel_detail::CLocaleScope cLocale;
  const T* p = fmt;
  while (p && *p) {
    if (*p != '%') {
      result += *p++;
      continue;
    }
    const T* specStart = p++;
    if (*p == '%') {
      result += T('%');
      ++p;
      continue;
    }
    std::string flags;
    bool left = false;
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') {
      if (*p == '-') left = true;
      flags += static_cast<char>(*p++);
    }
    int width = -1, precision = -1;
    if (*p == '*') {
      ++p;
      width = va_arg(args, int);
      if (width < 0) {
        left = true;
        flags += '-';
        width = width < -kMaxFieldWidth ? kMaxFieldWidth : -width;
      } else if (width > kMaxFieldWidth) {
        width = kMaxFieldWidth;
      }
    } else if (*p >= '0' && *p <= '9') {
      width = ReadCount(p);
    }
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        ++p;
        precision = va_arg(args, int);  // negative: as if none was given
        if (precision > kMaxFieldWidth) precision = kMaxFieldWidth;
      } else {
        precision = ReadCount(p);
      }
    }
    // The conversion for snprintf, rebuilt from the clamped values.
    std::string conversion = "%" + flags;
    if (width >= 0) conversion += std::to_string(width);
    if (precision >= 0) conversion += "." + std::to_string(precision);
    enum { NONE, SHORT, LONG, LONGLONG, SIZE, LONGDOUBLE } len = NONE;
    bool forceWide = false, forceNarrow = false;
    for (;;) {
      if (*p == 'h') {
        len = SHORT;
        forceNarrow = true;
      } else if (*p == 'l') {
        len = len == LONG ? LONGLONG : LONG;
        forceWide = true;
      } else if (*p == 'z') {
        len = SIZE;
      } else if (*p == 'L') {
        len = LONGDOUBLE;
      } else if (*p == 'I' && p[1] == '6' && p[2] == '4') {
        len = LONGLONG;
        p += 2;
      } else {
        break;
      }
      ++p;
    }
    T conv = *p;
    if (!conv) {
      result.Append(specStart, static_cast<int>(p - specStart));
      break;
    }
    ++p;
    switch (conv) {
      case 'd':
      case 'i': {
        long long v;
        if (len == LONG)
          v = va_arg(args, long);
        else if (len == LONGLONG)
          v = va_arg(args, long long);
        else if (len == SIZE)
          v = static_cast<long long>(static_cast<ptrdiff_t>(va_arg(args, size_t)));
        else if (len == SHORT)
          v = static_cast<short>(va_arg(args, int));
        else
          v = va_arg(args, int);
        AppendPrintf(result, conversion + "lld", v);
        break;
      }
      case 'u':
      case 'x':
      case 'X':
      case 'o': {
        unsigned long long v;
        if (len == LONG)
          v = va_arg(args, unsigned long);
        else if (len == LONGLONG)
          v = va_arg(args, unsigned long long);
        else if (len == SIZE)
          v = va_arg(args, size_t);
        else if (len == SHORT)
          v = static_cast<unsigned short>(va_arg(args, unsigned));
        else
          v = va_arg(args, unsigned);
        AppendPrintf(result, conversion + "ll" + static_cast<char>(conv), v);
        break;
      }
      case 'e':
      case 'E':
      case 'f':
      case 'F':
      case 'g':
      case 'G':
      case 'a':
      case 'A':
        if (len == LONGDOUBLE)
          AppendPrintf(result, conversion + "L" + static_cast<char>(conv), va_arg(args, long double));
        else
          AppendPrintf(result, conversion + static_cast<char>(conv), va_arg(args, double));
        break;
      case 'p':
        AppendPrintf(result, std::string("%p"), va_arg(args, void*));
        break;
      case 'c':
      case 'C': {
        T ch = static_cast<T>(va_arg(args, int));
        AppendPadded(result, &ch, 1, width, left);
        break;
      }
      case 's':
      case 'S': {
        bool other = (conv == 'S');
        if (forceWide) other = sizeof(T) == 1;
        if (forceNarrow) other = sizeof(T) == 2;
        const void* arg = va_arg(args, const void*);
        CQelStringT<T> text;
        if (!arg)
          text = CQelStringT<T>("(null)", 6);
        else
          text = other ? FromOther<T>(arg) : CQelStringT<T>(static_cast<const T*>(arg));
        int count = text.GetLength();
        if (precision >= 0 && precision < count) count = precision;
        AppendPadded(result, static_cast<const T*>(text), count, width, left);
        break;
      }
      default:
        // Unknown conversion (also %n): kept as written, no argument taken.
        result.Append(specStart, static_cast<int>(p - specStart));
        break;
    }
  }
  va_end(args);
  out = std::move(result);
}

template void FormatInto<unsigned short>(CQelStringT<unsigned short>&, const unsigned short*, va_list);
template void FormatInto<char>(CQelStringT<char>&, const char*, va_list);

}  // namespace detail
}  // namespace qel_text
