// The 16-byte binary GUID that identifies formats, and its registry text form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (braces, groups 8-4-4-4-12 of hexadecimal digits).
#pragma once

#include <cstdint>
#include <cstring>

#include "qel_text.h"

struct _GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};
typedef _GUID GUID;
typedef _GUID CLSID;

// Identity is byte for byte.
inline bool operator==(const _GUID& a, const _GUID& b) noexcept { return std::memcmp(&a, &b, sizeof a) == 0; }
inline bool operator!=(const _GUID& a, const _GUID& b) noexcept { return !(a == b); }
// A total order (Data1, Data2, Data3, then Data4 bytes) for sorted containers.
bool operator<(const _GUID& a, const _GUID& b) noexcept;

// Parses the registry form. Strict: exactly 38 characters, the braces and dashes where they
// belong and hexadecimal digits (either case) everywhere else; nothing may follow. On failure
// (also for null text) returns false and leaves guid unchanged.
bool GuidFromString(const unsigned short* text, GUID& guid) noexcept;
inline bool GuidFromString(const char16_t* text, GUID& guid) noexcept {
  return GuidFromString(reinterpret_cast<const unsigned short*>(text), guid);
}

// The registry form with upper-case digits, always 38 characters; GuidFromString reads it back.
CQelString GuidToString(const GUID& guid);
