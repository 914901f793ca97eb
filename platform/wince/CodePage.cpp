#include "CodePage.h"

#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace qel_cp {
namespace {

std::mutex g_cpMutex;
std::string g_ansi;  // empty until first use
// Read for every character that is measured: kept outside the lock.
std::atomic<bool> g_ansiKnown{false};
std::atomic<bool> g_ansiIsUtf8{true};

bool NameIsUtf8(const std::string& n) {
  std::string u;
  for (char c : n)
    if (c != '-' && c != '_') u += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return u == "UTF8" || u == "CP65001";
}

bool EncodingKnown(const char* name) {
  iconv_t cd = iconv_open("UTF-16LE", name);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv_close(cd);
  return true;
}

void EnsureAnsi() {
  if (g_ansiKnown.load(std::memory_order_acquire)) return;
  std::lock_guard<std::mutex> lock(g_cpMutex);
  if (!g_ansi.empty()) return;
  const char* env = std::getenv("EXCHCORE_CODEPAGE");
  if (env && *env && EncodingKnown(env)) {
    g_ansi = env;
    g_ansiIsUtf8.store(NameIsUtf8(g_ansi), std::memory_order_release);
  } else {
    g_ansi = "UTF-8";
    g_ansiIsUtf8.store(true, std::memory_order_release);
  }
  g_ansiKnown.store(true, std::memory_order_release);
}

// One iconv descriptor per thread and direction, reopened only when the encoding changes.
struct IconvCache {
  std::string from, to;
  iconv_t cd = reinterpret_cast<iconv_t>(-1);
  ~IconvCache() {
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
  iconv_t Get(const char* f, const char* t) {
    if (cd != reinterpret_cast<iconv_t>(-1) && from == f && to == t) {
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      return cd;
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    cd = iconv_open(t, f);
    from = f;
    to = t;
    return cd;
  }
};
thread_local IconvCache t_toEnc;
thread_local IconvCache t_fromEnc;

void AppendUtf8(unsigned cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Reads one character; returns the code point or -1 for a lone surrogate, and sets *units.
long DecodeUtf16(const unsigned short* s, size_t n, size_t* units) {
  unsigned c = s[0];
  *units = 1;
  if (c >= 0xD800 && c <= 0xDBFF) {
    if (n >= 2 && s[1] >= 0xDC00 && s[1] <= 0xDFFF) {
      *units = 2;
      return 0x10000 + ((c - 0xD800) << 10) + (s[1] - 0xDC00);
    }
    return -1;
  }
  if (c >= 0xDC00 && c <= 0xDFFF) return -1;
  return c;
}

void Utf16ToUtf8(const unsigned short* s, size_t n, std::string& out) {
  out.clear();
  out.reserve(n);
  size_t i = 0;
  while (i < n) {
    if (s[i] < 0x80) {
      out += static_cast<char>(s[i++]);
      continue;
    }
    size_t units;
    long cp = DecodeUtf16(s + i, n - i, &units);
    if (cp < 0)
      out += '?';
    else
      AppendUtf8(static_cast<unsigned>(cp), out);
    i += units;
  }
}

void AppendUtf16(unsigned cp, std::u16string& out) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<char16_t>(cp);
  }
}

// Strict UTF-8 decoding: overlong forms, surrogates and truncated sequences give U+FFFD per byte.
void Utf8ToUtf16(const char* src, size_t n, std::u16string& out) {
  out.clear();
  out.reserve(n);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(src);
  size_t i = 0;
  while (i < n) {
    unsigned c = s[i];
    if (c < 0x80) {
      out += static_cast<char16_t>(c);
      ++i;
      continue;
    }
    int len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
    if (len == 0 || i + len > n) {
      out += u'\xFFFD';
      ++i;
      continue;
    }
    unsigned cp = c & (0x7F >> len);
    bool ok = true;
    for (int k = 1; k < len; ++k) {
      if ((s[i + k] & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (ok && ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
               (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))))
      ok = false;
    if (!ok) {
      out += u'\xFFFD';
      ++i;
      continue;
    }
    AppendUtf16(cp, out);
    i += len;
  }
}

bool IconvToEncoding(const char* enc, const unsigned short* s, size_t n, std::string& out) {
  out.clear();
  iconv_t cd = t_toEnc.Get("UTF-16LE", enc);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> in(n * 2);
  for (size_t i = 0; i < n; ++i) {
    in[2 * i] = static_cast<char>(s[i] & 0xFF);
    in[2 * i + 1] = static_cast<char>(s[i] >> 8);
  }
  char* ip = in.data();
  size_t il = in.size();
  char buf[1024];
  while (il > 0) {
    char* op = buf;
    size_t ol = sizeof buf;
    size_t r = iconv(cd, &ip, &il, &op, &ol);
    out.append(buf, op - buf);
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // Unmappable or broken input: one '?' for the character, then go on after it.
      size_t units;
      const unsigned short* at = s + (ip - in.data()) / 2;
      DecodeUtf16(at, n - (at - s), &units);
      out += '?';
      ip += 2 * units;
      il = il >= 2 * units ? il - 2 * units : 0;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  char* op = buf;
  size_t ol = sizeof buf;
  iconv(cd, nullptr, nullptr, &op, &ol);
  out.append(buf, op - buf);
  return true;
}

bool IconvToUtf16(const char* enc, const char* src, size_t n, std::u16string& out) {
  out.clear();
  iconv_t cd = t_fromEnc.Get(enc, "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char* ip = const_cast<char*>(src);
  size_t il = n;
  char buf[1024];
  auto flush = [&](char* end) {
    for (char* p = buf; p + 1 < end; p += 2)
      out +=
          static_cast<char16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
  };
  while (il > 0) {
    char* op = buf;
    size_t ol = sizeof buf;
    size_t r = iconv(cd, &ip, &il, &op, &ol);
    flush(op);
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      out += u'\xFFFD';
      ++ip;
      --il;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return true;
}

}  // namespace

std::string GetAnsiCodePage() {
  EnsureAnsi();
  std::lock_guard<std::mutex> lock(g_cpMutex);
  return g_ansi;
}

bool SetAnsiCodePage(const char* encoding) {
  std::string name = encoding && *encoding ? encoding : "UTF-8";
  if (!NameIsUtf8(name) && !EncodingKnown(name.c_str())) return false;
  std::lock_guard<std::mutex> lock(g_cpMutex);
  g_ansi = name;
  g_ansiIsUtf8.store(NameIsUtf8(name), std::memory_order_release);
  g_ansiKnown.store(true, std::memory_order_release);
  return true;
}

bool IsAnsiUtf8() {
  EnsureAnsi();
  return g_ansiIsUtf8.load(std::memory_order_acquire);
}

bool Utf16ToEncoding(const char* encoding, const unsigned short* src, size_t units, std::string& out) {
  if (!encoding || NameIsUtf8(encoding)) {
    Utf16ToUtf8(src, units, out);
    return true;
  }
  return IconvToEncoding(encoding, src, units, out);
}

bool EncodingToUtf16(const char* encoding, const char* src, size_t bytes, std::u16string& out) {
  if (!encoding || NameIsUtf8(encoding)) {
    Utf8ToUtf16(src, bytes, out);
    return true;
  }
  return IconvToUtf16(encoding, src, bytes, out);
}

void Utf16ToAnsi(const unsigned short* src, size_t units, std::string& out) {
  if (IsAnsiUtf8()) {
    Utf16ToUtf8(src, units, out);
    return;
  }
  IconvToEncoding(GetAnsiCodePage().c_str(), src, units, out);
}

void AnsiToUtf16(const char* src, size_t bytes, std::u16string& out) {
  if (IsAnsiUtf8()) {
    Utf8ToUtf16(src, bytes, out);
    return;
  }
  IconvToUtf16(GetAnsiCodePage().c_str(), src, bytes, out);
}

size_t AnsiBytesOfChar(const unsigned short* src, size_t available, size_t* units) {
  size_t u = 1;
  long cp = available ? DecodeUtf16(src, available, &u) : 0;
  if (units) *units = u;
  if (!available) return 0;
  if (IsAnsiUtf8()) {
    if (cp < 0) return 1;
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
  }
  std::string one;
  Utf16ToAnsi(src, u, one);
  return one.size();
}

}  // namespace qel_cp
