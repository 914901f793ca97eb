// Lets GoogleTest show the system's strings as text in failure messages.
#pragma once

#include <ostream>

#include "qel_text.h"

namespace qel_text {
inline void PrintTo(const CQelStringT<unsigned short>& s, std::ostream* os) {
  *os << '"';
  for (int i = 0; i < s.GetLength(); ++i) {
    const unsigned c = s[i];
    if (c >= 0x20 && c < 0x7F)
      *os << static_cast<char>(c);
    else
      *os << "\\u{" << std::hex << c << std::dec << '}';
  }
  *os << '"';
}
inline void PrintTo(const CQelStringT<char>& s, std::ostream* os) { *os << '"' << s.c_str() << '"'; }
}  // namespace qel_text
