// Helpers of every test: readable failure output for the system's strings, a scoped ANSI code
// page, and a private temporary folder that is removed with everything in it at the end of a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "CodePage.h"
#include "WinMessageBox.h"
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

// Switches the ANSI code page for one test and back to UTF-8 at its end, also when it fails.
class AnsiCodePageScope {
 public:
  explicit AnsiCodePageScope(const char* encoding) { m_ok = qel_cp::SetAnsiCodePage(encoding); }
  ~AnsiCodePageScope() { qel_cp::SetAnsiCodePage(nullptr); }
  AnsiCodePageScope(const AnsiCodePageScope&) = delete;
  AnsiCodePageScope& operator=(const AnsiCodePageScope&) = delete;
  AnsiCodePageScope(AnsiCodePageScope&&) = delete;
  AnsiCodePageScope& operator=(AnsiCodePageScope&&) = delete;
  bool Ok() const { return m_ok; }

 private:
  bool m_ok;
};

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qeltest-XXXXXX").string();
    if (mkdtemp(&pattern[0])) m_path = pattern;
    EXPECT_FALSE(m_path.empty());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  TempDir(TempDir&&) = delete;
  TempDir& operator=(TempDir&&) = delete;

  const std::string& Path() const { return m_path; }
  std::string Path(const std::string& name) const { return m_path + "/" + name; }
  // The same as UTF-16 text (file names in tests are ASCII or UTF-8).
  CQelString WPath() const { return Wide(m_path); }
  CQelString WPath(const std::string& name) const { return Wide(Path(name)); }

  // Writes the bytes as they stand and returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path(name), std::ios::binary);
    out << bytes;
    return Path(name);
  }
  void MakeFolder(const std::string& name) const { std::filesystem::create_directories(Path(name)); }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }

  static CQelString Wide(const std::string& utf8) {
    std::u16string w;
    qel_cp::EncodingToUtf16("UTF-8", utf8.data(), utf8.size(), w);
    return CQelString(reinterpret_cast<const unsigned short*>(w.data()), static_cast<int>(w.size()));
  }
  // UTF-8 text as UTF-16 bytes in either byte order, without byte-order mark.
  static std::string Utf16Bytes(const std::string& utf8, bool littleEndian) {
    std::u16string w;
    qel_cp::EncodingToUtf16("UTF-8", utf8.data(), utf8.size(), w);
    std::string bytes;
    for (char16_t c : w) {
      char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
      bytes += littleEndian ? lo : hi;
      bytes += littleEndian ? hi : lo;
    }
    return bytes;
  }

 private:
  std::string m_path;
};

// Central European time with its summer rule, set by a test itself and undone afterwards, for
// tests of local-time conversions.
class CentralEuropeanTime : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("TZ");
    m_hadOld = old != nullptr;
    if (old) m_old = old;
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
  void TearDown() override {
    if (m_hadOld)
      setenv("TZ", m_old.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  bool m_hadOld = false;
  std::string m_old;
};

// Installs itself as the process-wide question handler, records what it is asked and answers
// with answer; the handler is removed when the object goes.
class QuestionRecorder {
 public:
  QuestionRecorder() { SetQuestionHandler(Record, this); }
  ~QuestionRecorder() { SetQuestionHandler(nullptr, nullptr); }
  QuestionRecorder(const QuestionRecorder&) = delete;
  QuestionRecorder& operator=(const QuestionRecorder&) = delete;
  QuestionRecorder(QuestionRecorder&&) = delete;
  QuestionRecorder& operator=(QuestionRecorder&&) = delete;

  int answer = IDYES;
  int calls = 0;
  CQelString text;
  unsigned style = 0;

 private:
  static int Record(void* context, const unsigned short* text, unsigned style) {
    auto* self = static_cast<QuestionRecorder*>(context);
    ++self->calls;
    self->text = text;
    self->style = style;
    return self->answer;
  }
};
