// Text and number helpers of the shapefile plug-in: the code page of a dBASE table, and number
// text that never follows the process locale.
#pragma once

#include <cstdint>
#include <string>

#include "SystemPath.h"
#include "qel_text.h"

// Bytes in the process code page as text.
CQelString AnsiBytesToText(const char* bytes, int count);
// The text in the process code page, cut to at most maxBytes without splitting a character. The
// first form returns the bytes written and adds a zero byte when there is room for it.
size_t TextToAnsi(const CQelString& text, char* out, size_t maxBytes);
void TextToAnsi(const CQelString& text, int maxBytes, std::string& out);

// The code page text recorded for a table created now: the process code page, with Windows code
// pages written by number ("1252") as other programs expect in a .cpg file.
std::string CodePageForNewTable();
// The encoding (an iconv name) that a table's declared code page stands for: the text of its .cpg
// file or "LDID/n" from its language byte. Empty when the table declares none or one that is
// not known, so that the process code page applies.
std::string EncodingOfDeclaredCodePage(const char* declared);

// Decodes the bytes of one table: with its declared encoding, else the process code page.
class CDbfTextDecoder {
 public:
  explicit CDbfTextDecoder(const char* declaredCodePage);
  CQelString Decode(const char* bytes) const;
  // Whether the bytes decode to exactly this text.
  bool Reads(const char* bytes, const char16_t* text) const;

 private:
  CQelString Convert(const char* bytes, size_t n) const;

  std::string m_strEncoding;
  // The encoding reads every 7-bit byte as that character: text of such bytes needs no conversion.
  bool m_bAsciiAsIs = false;
};

// Numbers in dBASE fields and in text, with '.' as the decimal point whatever the locale.
// Leading blanks and a sign are accepted, trailing characters ignored; false when no number starts
// the text.
bool ParseLeadingDouble(const char* text, double& value);
bool ParseLeadingInteger(const char* text, int64_t& value);
bool ParseLeadingDouble(const CQelString& text, double& value);
bool ParseLeadingInteger(const CQelString& text, int64_t& value);
// Fixed notation with the decimals when it fits into width characters, else the shortest exact
// exponent form; empty for values that are not finite.
void FormatFieldNumber(double value, int decimals, int width, std::string& out);
