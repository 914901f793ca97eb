// Number text of the utility library. Independent of the process locale: the decimal point is
// always '.', whatever LC_NUMERIC says.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "qel_text.h"

namespace qel_formats {

// Text of n bytes of 7-bit ASCII taken as they stand, without the ANSI code page's conversion: for
// digits and other text known to be ASCII.
CQelString AsciiToString(const char* text, size_t n);
// Decimal text of an integer.
CQelString IntToString(int value);
// decimals < 0: the shortest text that reads back as the same double ("0.1", "1234.5", "1e+300");
// otherwise fixed notation with that many decimals (at most 40). "-0" style results lose the sign.
CQelString DoubleToString(double value, int decimals = -1);
// The same text as bytes, into out, for callers that write 8-bit text.
void DoubleToAscii(double value, int decimals, std::string& out);
// Writes the text in the ANSI code page to an open stream; true when every byte was written.
bool WriteString(FILE* file, const CQelString& text);

// scanf on UTF-16 text with the C locale. Characters above U+007F are seen as 0x7F, which no
// numeric conversion accepts. Returns what vsscanf returns (-1 for empty input).
int ScanText(const unsigned short* text, const char* format, ...);
// The wide string-to-number conversions of the C runtime (leading white space skipped, trailing
// characters ignored, 0 when nothing converts), in the C locale. end receives the position after
// the number when not null.
double WideToDouble(const unsigned short* text, const unsigned short** end = nullptr);
long WideToLong(const unsigned short* text, const unsigned short** end = nullptr, int base = 10);

}  // namespace qel_formats
