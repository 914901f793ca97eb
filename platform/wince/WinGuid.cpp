#include "WinGuid.h"

namespace {

// Positions of the dashes in the 38-character registry form.
bool IsDashPosition(int i) { return i == 9 || i == 14 || i == 19 || i == 24; }

int HexValue(unsigned short c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool operator<(const _GUID& a, const _GUID& b) noexcept {
  if (a.Data1 != b.Data1) return a.Data1 < b.Data1;
  if (a.Data2 != b.Data2) return a.Data2 < b.Data2;
  if (a.Data3 != b.Data3) return a.Data3 < b.Data3;
  return std::memcmp(a.Data4, b.Data4, sizeof a.Data4) < 0;
}

bool GuidFromString(const unsigned short* text, GUID& guid) noexcept {
  if (!text) return false;
  // The 32 digits in text order; the fields are read from them afterwards.
  uint8_t digits[32];
  int n = 0;
  for (int i = 0; i < 38; ++i) {
    unsigned short c = text[i];
    if (c == 0) return false;
    if (i == 0) {
      if (c != '{') return false;
    } else if (i == 37) {
      if (c != '}') return false;
    } else if (IsDashPosition(i)) {
      if (c != '-') return false;
    } else {
      int v = HexValue(c);
      if (v < 0) return false;
      digits[n++] = static_cast<uint8_t>(v);
    }
  }
  if (text[38] != 0) return false;
  auto field = [&digits](int first, int count) {
    uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 4) | digits[first + i];
    return v;
  };
  GUID g;
  g.Data1 = field(0, 8);
  g.Data2 = static_cast<uint16_t>(field(8, 4));
  g.Data3 = static_cast<uint16_t>(field(12, 4));
  for (int i = 0; i < 8; ++i) g.Data4[i] = static_cast<uint8_t>(field(16 + 2 * i, 2));
  guid = g;
  return true;
}

CQelString GuidToString(const GUID& guid) {
  static const char kHex[] = "0123456789ABCDEF";
  CQelString out;
  unsigned short* p = out.GetBufferSetLength(38);
  int pos = 0;
  auto put = [&](uint32_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) p[pos++] = kHex[(value >> shift) & 0xF];
  };
  p[pos++] = '{';
  put(guid.Data1, 8);
  p[pos++] = '-';
  put(guid.Data2, 4);
  p[pos++] = '-';
  put(guid.Data3, 4);
  p[pos++] = '-';
  put(guid.Data4[0], 2);
  put(guid.Data4[1], 2);
  p[pos++] = '-';
  for (int i = 2; i < 8; ++i) put(guid.Data4[i], 2);
  p[pos++] = '}';
  return out;
}
