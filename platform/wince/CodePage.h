// Conversion between UTF-16 and 8-bit encodings: the process-wide "ANSI code page" (UTF-8 unless
// EXCHCORE_CODEPAGE names an iconv encoding such as CP1252) and any other iconv encoding.
// Nothing here depends on the process locale.
#pragma once

#include <cstddef>
#include <string>

namespace qel_cp {

// Encoding name of the ANSI code page ("UTF-8" by default).
std::string GetAnsiCodePage();
// Sets the ANSI code page to an iconv encoding name; null or empty means UTF-8. False (and no
// change) when iconv does not know the encoding. Meant for start-up and tests, before any job.
bool SetAnsiCodePage(const char* encoding);
bool IsAnsiUtf8();

// UTF-16 to an encoding. A character the encoding cannot hold, or a lone surrogate, becomes '?'.
// An unknown encoding gives false and leaves out empty.
bool Utf16ToEncoding(const char* encoding, const unsigned short* src, size_t units, std::string& out);
// An encoding to UTF-16. Bytes that are not valid in the encoding become U+FFFD.
bool EncodingToUtf16(const char* encoding, const char* src, size_t bytes, std::u16string& out);

// The same with the ANSI code page.
void Utf16ToAnsi(const unsigned short* src, size_t units, std::string& out);
void AnsiToUtf16(const char* src, size_t bytes, std::u16string& out);

// Number of bytes one UTF-16 character (one unit, or a surrogate pair starting at src) takes in
// the ANSI code page; *units receives how many UTF-16 units the character spans.
size_t AnsiBytesOfChar(const unsigned short* src, size_t available, size_t* units);

}  // namespace qel_cp
