// Helpers of the catalogue tests: masks written as lists, UTF-16 settings files read and edited as
// text, and a fixture that builds the catalogue afresh for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "IECatalogue.h"
#include "IERounding.h"
#include "detail/IEFormatsDataInstance.h"
#include "support/TestSupport.h"

template <class... E>
constexpr TIEMask Bits(E... values) {
  return (TIEMask(0) | ... | IEUtils::ToFlag(static_cast<uint64_t>(values)));
}

inline std::u16string Std(const CQelString& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.c_str()), static_cast<size_t>(s.GetLength()));
}

inline std::string Std8(const char16_t* s) {
  std::string utf8;
  const std::u16string text(s);
  qel_cp::Utf16ToEncoding("UTF-8", reinterpret_cast<const unsigned short*>(text.data()), text.size(), utf8);
  return utf8;
}

// Settings-file bytes: byte-order mark FF FE, then UTF-16LE, and back.
inline std::string Utf16FileBytes(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}
inline std::u16string Utf16FileText(const std::string& bytes) {
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  (static_cast<unsigned char>(bytes[i + 1]) << 8));
  return text;
}
inline std::u16string ReadUtf16File(const TempDir& dir, const std::string& name) {
  return Utf16FileText(dir.Read(name));
}
inline void WriteUtf16File(const TempDir& dir, const std::string& name, const std::u16string& text) {
  dir.Write(name, Utf16FileBytes(text));
}

// Replaces the first occurrence of from; fails the test when there is none.
inline void ReplaceFirst(std::u16string& text, const std::u16string& from, const std::u16string& to) {
  const size_t at = text.find(from);
  ASSERT_NE(std::u16string::npos, at);
  text.replace(at, from.size(), to);
}

// Switches a written settings file on and removes its first format, so that a test can tell
// whether the catalogue came from the file.
inline void SwitchOnWithoutFirstFormat(std::u16string& text) {
  ReplaceFirst(text, u"useDataFromFile=\"false\"", u"useDataFromFile=\"true\"");
  const size_t first = text.find(u"<IEFormat ");
  ASSERT_NE(std::u16string::npos, first);
  const std::u16string end = u"</IEFormat>\r\n";
  text.erase(first, text.find(end, first) + end.size() - first);
}

// Each test starts without a catalogue instance and leaves none behind.
class FreshCatalogue : public testing::Test {
 protected:
  void SetUp() override { CIEFormatsDataInstance::Destroy(); }
  void TearDown() override { CIEFormatsDataInstance::Destroy(); }
};
