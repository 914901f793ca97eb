#include "CodePage.h"
#include "IEUtilsText.h"
#include "QelAlloc.h"
#include "WinCodePage.h"

namespace IEUtils {
namespace {

int UnitsOf(const unsigned short* text) {
  int n = 0;
  if (text)
    while (text[n]) ++n;
  return n;
}

int AnsiBytes(const unsigned short* text, int units) {
  if (units <= 0) return 0;
  return WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
}

// The number of leading units whose ANSI bytes fit in budget, never splitting a character;
// bytes receives their byte count.
int UnitsFitting(const unsigned short* text, int units, int budget, int& bytes) {
  bytes = 0;
  int i = 0;
  while (i < units) {
    size_t span = 1;
    const int b = static_cast<int>(qel_cp::AnsiBytesOfChar(text + i, static_cast<size_t>(units - i), &span));
    if (bytes + b > budget) break;
    bytes += b;
    i += static_cast<int>(span);
  }
  return i;
}

// Converts the leading units that fit into limit bytes of dest; a zero follows when there is
// room for it. Returns the bytes written without the zero.
int ConvertFitting(const unsigned short* text, int units, char* dest, int limit) {
  int bytes = 0;
  const int fit = UnitsFitting(text, units, limit, bytes);
  if (fit > 0) WideCharToMultiByte(CP_ACP, 0, text, fit, dest, bytes, nullptr, nullptr);
  if (bytes < limit) dest[bytes] = 0;
  return bytes;
}

}  // namespace

int GetMBCSLength(const CQelString& text) { return AnsiBytes(text, text.GetLength()); }

char* AllocateMBCString(const CQelString& text) {
  const int n = GetMBCSLength(text);
  char* bytes = static_cast<char*>(dlmalloc(static_cast<size_t>(n) + 1));
  if (!bytes) return nullptr;
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, text.GetLength(), bytes, n, nullptr, nullptr);
  bytes[n] = 0;
  return bytes;
}

void DeAllocMBCString(char* bytes) { dlfree(bytes); }

CQelString StrExtractToFitMBCSBytes(CQelString& text, int budget, int& bytesLeft) {
  int bytes = 0;
  const int fit = budget > 0 ? UnitsFitting(text, text.GetLength(), budget, bytes) : 0;
  CQelString part = text.Left(fit);
  text.Delete(0, fit);
  bytesLeft = budget - bytes;
  return part;
}

void String2char(const CQelString& text, char* dest, int limit) {
  if (!dest || limit <= 0) return;
  ConvertFitting(text, text.GetLength(), dest, limit);
}

void String2ASCII(const CQelString& text, char* dest, int limit) {
  if (!dest) return;
  int n = text.GetLength();
  if (limit < n) n = limit < 0 ? 0 : limit;
  for (int i = 0; i < n; ++i) dest[i] = static_cast<char>(text[i] & 0xFF);
  dest[n] = 0;
}

void ts_tchar2char(const unsigned short* text, char* dest) {
  if (!dest) return;
  const int units = UnitsOf(text);
  const int n = AnsiBytes(text, units);
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text, units, dest, n, nullptr, nullptr);
  dest[n] = 0;
}

size_t tcs2mbs(char* dest, const unsigned short* text, size_t count) {
  const int units = UnitsOf(text);
  if (!dest) return static_cast<size_t>(AnsiBytes(text, units));
  if (count == 0) return 0;
  const int limit = count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(count);
  return static_cast<size_t>(ConvertFitting(text, units, dest, limit));
}

void ts_wchar2tchar(const unsigned short* source, unsigned short* dest) {
  if (!dest) return;
  int i = 0;
  if (source)
    for (; source[i]; ++i) dest[i] = source[i];
  dest[i] = 0;
}

void ts_tchar2wchar(const unsigned short* source, unsigned short* dest) { ts_wchar2tchar(source, dest); }

}  // namespace IEUtils
