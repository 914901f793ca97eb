#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "IEHelpers.h"
#include "WinMessageBox.h"
#include "support/TestSupport.h"

using namespace IEUtils;

namespace {

std::string Utf16Bytes(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

CQelString W(const std::u16string& s) {
  return CQelString(reinterpret_cast<const unsigned short*>(s.data()), static_cast<int>(s.size()));
}

// Opens a fixture file holding the bytes, for reading.
class LineFile {
 public:
  explicit LineFile(const std::string& bytes) {
    m_folder.Write("in.txt", bytes);
    EXPECT_TRUE(m_file.Open(m_folder.WPath("in.txt"), CFile::modeRead));
  }
  CFile& File() { return m_file; }
  bool AtEnd() { return m_file.GetPosition() >= m_file.GetLength(); }

  // Every line up to the end of the file.
  std::vector<CQelString> AllLines(bool utf16, bool skip) {
    std::vector<CQelString> lines;
    while (!AtEnd() && lines.size() < 1000) {
      CQelString line(u"stale");
      ReadLine(m_file, line, utf16, skip);
      lines.push_back(line);
    }
    return lines;
  }

 private:
  TempDir m_folder;
  CFile m_file;
};

std::vector<CQelString> Lines(std::initializer_list<std::u16string> items) {
  std::vector<CQelString> out;
  for (const auto& s : items) out.push_back(W(s));
  return out;
}

}  // namespace

TEST(IEUtilsLines, ReadLineLineEnds) {
  const std::u16string longLine(300, u'x');
  const std::u16string full(128, u'y');
  struct Row {
    std::u16string text;
    bool skip;
    std::vector<CQelString> lines;
  } rows[] = {
      {u"a\r\nb\r\n", false, Lines({u"a", u"b"})},
      {u"a\nb", false, Lines({u"a", u"b"})},
      {u"a\rb\r", false, Lines({u"a", u"b"})},
      {u"a\n\rb", false, Lines({u"a", u"b"})},
      {u"a\r\rb", false, Lines({u"a", u"b"})},
      {u"a\n\nb", false, Lines({u"a", u"b"})},
      {u"a\n\n\nb", false, Lines({u"a", u"", u"b"})},
      {u"a\r\n\r\nb", false, Lines({u"a", u"", u"b"})},
      {u"a\r\n\r\n\n\r\nb", true, Lines({u"a", u"b"})},
      {u" \t \nx\n", false, Lines({u"", u"x"})},
      {u"  pad  \n", false, Lines({u"  pad  "})},
      {longLine + u"\r\nz", false, Lines({longLine, u"z"})},
      {full + u"\r\nz", false, Lines({full, u"z"})},
      {full, false, Lines({full})},
      {u"", false, Lines({})},
  };
  for (const Row& r : rows) {
    for (bool utf16 : {false, true}) {
      std::string bytes;
      if (utf16) {
        bytes = Utf16Bytes(r.text);
      } else {
        for (char16_t c : r.text) bytes += static_cast<char>(c);
      }
      LineFile f(bytes);
      EXPECT_EQ(r.lines, f.AllLines(utf16, r.skip))
          << (utf16 ? "UTF-16 " : "8-bit ") << testing::PrintToString(W(r.text));
    }
  }
}

TEST(IEUtilsLines, ReadLineEncodingsAndOddInput) {
  // A line of two-byte characters longer than the 128-byte chunks: no character is split.
  std::string accents;
  for (int i = 0; i < 200; ++i) accents += "\xC3\xA9";
  LineFile utf8(accents + "\n" + std::string(127, 'a') + "\xC3\xA9" + "b\n");
  const std::vector<CQelString> lines = utf8.AllLines(false, false);
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ(CQelString(u'\u00E9', 200), lines[0]);
  EXPECT_EQ(W(std::u16string(127, u'a') + u"\u00E9b"), lines[1]);

  // An odd final byte cannot form a UTF-16 unit and is ignored.
  LineFile odd(Utf16Bytes(u"ab\ncd") + "x");
  EXPECT_EQ(Lines({u"ab", u"cd"}), odd.AllLines(true, false));

  LineFile pair(Utf16Bytes(u"\U0001D11E!\r\n"));
  EXPECT_EQ(Lines({u"\U0001D11E!"}), pair.AllLines(true, false));

  // Binary input: zero bytes and bytes that are not UTF-8 are read without harm.
  LineFile binary(std::string("a\0b\n\xFF\xFE\x80\nz", 10));
  const std::vector<CQelString> binLines = binary.AllLines(false, false);
  ASSERT_EQ(3u, binLines.size());
  EXPECT_EQ(3, binLines[0].GetLength());
  EXPECT_EQ(W(u"\uFFFD\uFFFD\uFFFD"), binLines[1]);
  EXPECT_EQ(u"z", binLines[2]);

  LineFile trimmed("  value \t\r\nnext");
  CQelString text;
  ReadLineAndTrim(trimmed.File(), text, false, false);
  EXPECT_EQ(u"value", text);

  CFile closed;
  text = u"stale";
  ReadLine(closed, text, true, false);
  EXPECT_EQ(u"", text);
}

TEST(IEUtilsLines, ReadUnicodeStringCounts) {
  struct Row {
    std::u16string text;
    int count;
    bool skip;
    std::vector<std::u16string> reads;  // "<null>" for a null result
  } rows[] = {
      {u"abcdefgh\r\nxy", 5, false, {u"abcde", u"fgh", u"xy", u"<null>"}},
      {u"\r\nab", 5, false, {u"<null>", u"ab", u"<null>"}},
      {u"ab\r\ncd", -5, false, {u"ab\n", u"cd", u"<null>"}},
      {u"abcde\r\nf", -5, false, {u"abcde", u"\n", u"f"}},
      {u"ab\r\n\r\n\r\ncd", 10, true, {u"ab", u"cd", u"<null>"}},
      {u"ab\r\n\r\n\r\ncd", 10, false, {u"ab", u"<null>", u"cd"}},
      {u"", 3, false, {u"<null>"}},
  };
  for (const Row& r : rows) {
    LineFile f(Utf16Bytes(r.text));
    const int n = r.count < 0 ? -r.count : r.count;
    for (const std::u16string& expected : r.reads) {
      std::vector<unsigned short> buffer(n + 1, 0xAAAA);  // exactly |count| + 1: overruns show
      unsigned short* got = ReadUnicodeString(f.File(), buffer.data(), r.count, r.skip);
      if (expected == u"<null>") {
        EXPECT_EQ(nullptr, got) << testing::PrintToString(W(r.text));
      } else {
        ASSERT_EQ(buffer.data(), got) << testing::PrintToString(W(r.text));
        EXPECT_EQ(W(expected), CQelString(got)) << testing::PrintToString(W(r.text));
      }
    }
  }

  LineFile f(Utf16Bytes(u"abc"));
  unsigned short buffer[4] = {};
  EXPECT_EQ(nullptr, ReadUnicodeString(f.File(), buffer, 0, false));
  EXPECT_EQ(0u, f.File().GetPosition());  // a count of 0 reads nothing
  EXPECT_EQ(nullptr, ReadUnicodeString(f.File(), nullptr, 3, false));
  CFile closed;
  EXPECT_EQ(nullptr, ReadUnicodeString(closed, buffer, 3, false));
}

TEST(IEUtilsLines, Read1Line) {
  const std::string longLine(200, 'x');
  struct Row {
    std::string bytes;
    std::vector<std::u16string> lines;
  } rows[] = {
      {"abc\r\ndef", {u"abc", u"def"}},
      {"abc\ndef\r\n", {u"abc\ndef"}},  // a line feed alone does not end the line
      {"ab\rcd", {u"ab", u"cd"}},       // a lone carriage return keeps the next byte
      {longLine, {std::u16string(128, u'x'), std::u16string(72, u'x')}},
      {"\r\nx", {u"", u"x"}},
  };
  for (const Row& r : rows) {
    LineFile f(r.bytes);
    std::vector<CQelString> got;
    while (!f.AtEnd() && got.size() < 10) {
      CQelString line(u"stale");
      Read1Line(f.File(), line);
      got.push_back(line);
    }
    std::vector<CQelString> expected;
    for (const auto& s : r.lines) expected.push_back(W(s));
    EXPECT_EQ(expected, got) << r.bytes;
  }
  LineFile empty("");
  CQelString line(u"stale");
  Read1Line(empty.File(), line);
  EXPECT_EQ(u"", line);
}

TEST(IEUtilsLines, EncodingTests) {
  TempDir folder;
  struct Row {
    std::string bytes;
    bool utf8, utf16;
  } rows[] = {
      {"plain text\r\n", true, false},
      {"\xEF\xBB\xBFwith mark", true, false},
      {"caf\xC3\xA9", true, false},
      {"caf\xE9", false, false},
      {std::string("\xFF\xFE"
                   "a\0",
                   4),
       false, true},
      {std::string("a\0b\0", 4), false, true},
      {"", false, false},
  };
  int n = 0;
  for (const Row& r : rows) {
    const CQelString path = TempDir::Wide(folder.Write("f" + std::to_string(n++), r.bytes));
    EXPECT_EQ(r.utf8, IsUTF8File(path)) << r.bytes;
    EXPECT_EQ(r.utf16, IsUTF16File(path)) << r.bytes;
  }
  EXPECT_FALSE(IsUTF8File(folder.WPath("missing")));
  EXPECT_FALSE(IsUTF16File(folder.WPath("missing")));
}

TEST(IEUtilsLines, WriteUnicodeString) {
  TempDir folder;
  {
    CFile file;
    ASSERT_TRUE(file.Open(folder.WPath("out.txt"), CFile::modeCreate | CFile::modeWrite));
    WriteUnicodeString(file, u"A\u00E9\u20AC");
    WriteUnicodeString(file, u"");
  }
  EXPECT_EQ(std::string("A\0\xE9\0\xAC\x20", 6), folder.Read("out.txt"));
  CFile closed;
  WriteUnicodeString(closed, u"ignored");
}

namespace {

struct Frame {
  std::u16string data;
  char16_t counter;
  std::u16string checksum;
};

// Splits framed output into its frames, checking the fixed characters of each.
std::vector<Frame> Frames(const CQelString& output) {
  std::vector<Frame> frames;
  const std::u16string s(reinterpret_cast<const char16_t*>(output.c_str()), output.GetLength());
  size_t pos = 0;
  while (pos < s.size()) {
    EXPECT_EQ(u'\x02', s[pos]);
    const size_t end = s.find(u'\x03', pos + 130);
    if (end == std::u16string::npos || end + 2 >= s.size() + 1) {
      ADD_FAILURE() << "frame without end";
      break;
    }
    Frame f;
    f.data = s.substr(pos + 1, 128);
    f.counter = s[pos + 129];
    f.checksum = s.substr(pos + 130, end - pos - 130);
    EXPECT_EQ(u"\r\n", s.substr(end + 1, 2));
    frames.push_back(f);
    pos = end + 3;
  }
  return frames;
}

std::u16string ChecksumText(const Frame& f) {
  unsigned x = f.counter;
  for (char16_t c : f.data) x ^= c;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%03u", x & 0xFFFF);
  std::u16string out;
  for (const char* p = buf; *p; ++p) out += static_cast<char16_t>(*p);
  return out;
}

}  // namespace

TEST(IEUtilsBlocks, FramesCountersAndChecksums) {
  std::u16string data;
  for (int i = 0; i < 300; ++i) data += static_cast<char16_t>(u'!' + i % 90);
  CQelString pending, output;
  EXPECT_TRUE(CreateBlockString(W(data), pending, output, false));
  EXPECT_EQ(2 * 136, output.GetLength());
  std::vector<Frame> frames = Frames(output);
  ASSERT_EQ(2u, frames.size());
  EXPECT_EQ(u'0', frames[0].counter);
  EXPECT_EQ(u'1', frames[1].counter);
  EXPECT_EQ(data.substr(0, 128), frames[0].data);
  EXPECT_EQ(data.substr(128, 128), frames[1].data);
  for (const Frame& f : frames) EXPECT_EQ(ChecksumText(f), f.checksum);
  EXPECT_EQ(W(u"2" + data.substr(256)), pending);
  EXPECT_EQ(45, pending.GetLength());

  // Fed in pieces, the same data gives the same frames.
  CQelString pending2, output2;
  for (size_t i = 0; i < data.size(); i += 7)
    CreateBlockString(W(data.substr(i, 7)), pending2, output2, false);
  EXPECT_EQ(output, output2);
  EXPECT_EQ(pending, pending2);

  // Padding sends what is pending.
  CQelString last;
  CreateBlockString(CQelString(), pending, last, true);
  frames = Frames(last);
  ASSERT_EQ(1u, frames.size());
  EXPECT_EQ(u'2', frames[0].counter);
  EXPECT_EQ(data.substr(256) + std::u16string(84, u' '), frames[0].data);
  EXPECT_EQ(ChecksumText(frames[0]), frames[0].checksum);
  EXPECT_EQ(u"3", pending);
}

TEST(IEUtilsBlocks, PaddingWrapAndUnusualInput) {
  struct Row {
    const char16_t* pending;
    std::u16string data;
    bool pad;
    std::vector<char16_t> counters;
    const char16_t* pendingAfter;
  } rows[] = {
      {u"", u"", true, {u'0'}, u"1"},  // nothing pending: a frame of spaces
      {u"", u"", false, {}, u"0"},
      {u"5abc", u"", true, {u'5'}, u"6"},
      {u"9", std::u16string(128, u'q'), false, {u'9'}, u"0"},
      {u"9", std::u16string(128, u'q'), true, {u'9', u'0'}, u"1"},
      {u"x", std::u16string(130, u'q'), false, {u'x'}, u"0qq"},  // a counter that is no digit restarts
  };
  for (const Row& r : rows) {
    CQelString pending(r.pending), output;
    EXPECT_TRUE(CreateBlockString(W(r.data), pending, output, r.pad));
    std::vector<char16_t> counters;
    for (const Frame& f : Frames(output)) {
      counters.push_back(f.counter);
      EXPECT_EQ(ChecksumText(f), f.checksum);
    }
    EXPECT_EQ(r.counters, counters) << testing::PrintToString(CQelString(r.pending));
    EXPECT_EQ(r.pendingAfter, pending) << testing::PrintToString(CQelString(r.pending));
  }

  // Characters above U+007F can make the checksum longer than three digits.
  std::u16string wide(128, u'a');
  wide[5] = u'\u4E00';
  CQelString pending, output;
  CreateBlockString(W(wide), pending, output, false);
  const std::vector<Frame> frames = Frames(output);
  ASSERT_EQ(1u, frames.size());
  EXPECT_EQ(ChecksumText(frames[0]), frames[0].checksum);
  EXPECT_EQ(5u, frames[0].checksum.size());
}

TEST(IEUtilsBlocks, WriteBlockString) {
  TempDir folder;
  FILE* file = std::fopen(folder.Path("blocks.txt").c_str(), "wb");
  ASSERT_NE(nullptr, file);
  CQelString pending;
  EXPECT_TRUE(WriteBlockString(file, u"hello", pending, true));
  std::fclose(file);
  CQelString expectedPending, expected;
  CreateBlockString(u"hello", expectedPending, expected, true);
  EXPECT_EQ(std::string(CQelStringA(expected).c_str()), folder.Read("blocks.txt"));
  EXPECT_EQ(u"1", pending);
  EXPECT_FALSE(WriteBlockString(nullptr, u"x", pending, true));
}

namespace {

std::set<std::string> Names(const CIEFindDataArray& found) {
  std::set<std::string> names;
  for (const WIN32_FIND_DATAW& d : found) names.insert(CQelStringA(CQelString(d.cFileName)).c_str());
  return names;
}

}  // namespace

TEST(IEUtilsFolders, FindAllFilesInFolder) {
  TempDir folder;
  folder.Write("a.txt", "12345");
  folder.Write("b.TXT", "");
  folder.Write("c.dat", "x");
  folder.MakeFolder("sub");
  folder.MakeFolder("dir.txt");

  struct Row {
    int flags;
    const char16_t* pattern;
    std::set<std::string> names;
  } rows[] = {
      {FIND_FILES, nullptr, {"a.txt", "b.TXT", "c.dat"}},
      {FIND_FOLDERS, nullptr, {"sub", "dir.txt"}},
      {FIND_FILES | FIND_FOLDERS, nullptr, {"a.txt", "b.TXT", "c.dat", "sub", "dir.txt"}},
      {FIND_FILES, u".txt", {"a.txt", "b.TXT"}},
      {FIND_FOLDERS, u".txt", {"dir.txt"}},
      {FIND_FILES, u".shp", {}},
      {0, nullptr, {}},
  };
  for (const Row& r : rows) {
    CIEFindDataArray found;
    found.Add(WIN32_FIND_DATAW());
    FindAllFilesInFolder(found, r.flags, folder.WPath(), reinterpret_cast<const unsigned short*>(r.pattern));
    EXPECT_EQ(r.names, Names(found)) << r.flags;
  }

  CIEFindDataArray found;
  FindAllFilesInFolder(found, FIND_FILES | FIND_FOLDERS, folder.WPath() + u"/",
                       reinterpret_cast<const unsigned short*>(u".txt"));
  ASSERT_EQ(3, found.GetSize());
  for (const WIN32_FIND_DATAW& d : found) {
    const std::string name = CQelStringA(CQelString(d.cFileName)).c_str();
    EXPECT_EQ(name == "dir.txt", (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) << name;
    EXPECT_EQ(name == "a.txt" ? 5u : 0u, d.nFileSizeLow) << name;
    EXPECT_NE(0u, d.ftLastWriteTime.dwHighDateTime) << name;
  }

  CQelString backslashed = folder.WPath();
  backslashed.Replace(u'/', u'\\');
  FindAllFilesInFolder(found, FIND_FILES, backslashed, reinterpret_cast<const unsigned short*>(u".dat"));
  EXPECT_EQ((std::set<std::string>{"c.dat"}), Names(found));

  FindAllFilesInFolder(found, FIND_FILES, folder.WPath("missing"), nullptr);
  EXPECT_EQ(0, found.GetSize());
}

TEST(IEUtilsFolders, RootDirIsTheProgramFolder) {
  const CQelString root = GetRootDir();
  ASSERT_FALSE(root.IsEmpty());
  EXPECT_NE(u'/', root[root.GetLength() - 1]);
  const std::string expected = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  EXPECT_EQ(expected, std::string(CQelStringA(root).c_str()));
}

namespace {

class FakeMessageBox : public IIEMessageBox {
 public:
  explicit FakeMessageBox(int answer) : m_answer(answer) {}
  IIEMessageBox* Duplicate() const override { return new FakeMessageBox(*this); }
  int AskQuestion(HWND parent, const CQelString& fileName) override {
    ++asked;
    lastParent = parent;
    lastFile = fileName;
    return m_answer;
  }
  int asked = 0;
  HWND lastParent = nullptr;
  CQelString lastFile;

 private:
  int m_answer;
};

}  // namespace

TEST(IEUtilsFolders, IsExportFileWithSameName) {
  TempDir folder;
  const CQelString missing = folder.WPath("new.shp");
  const CQelString existing = TempDir::Wide(folder.Write("old.shp", "x"));
  HWND parent = reinterpret_cast<HWND>(0x1234);

  FakeMessageBox yes(IDYES), no(IDNO), other(1);
  EXPECT_TRUE(IsExportFileWithSameName(missing, &no, parent));
  EXPECT_EQ(0, no.asked);
  EXPECT_TRUE(IsExportFileWithSameName(existing, &yes, parent));
  EXPECT_EQ(1, yes.asked);
  EXPECT_EQ(parent, yes.lastParent);
  EXPECT_EQ(existing, yes.lastFile);
  EXPECT_FALSE(IsExportFileWithSameName(existing, &no, parent));
  EXPECT_FALSE(IsExportFileWithSameName(existing, &other, parent));

  IIEMessageBox* copy = yes.Duplicate();
  EXPECT_TRUE(IsExportFileWithSameName(existing, copy, nullptr));
  delete copy;

  SetQuestionHandler(nullptr, nullptr);
  EXPECT_FALSE(IsExportFileWithSameName(existing, nullptr, nullptr));  // nobody agreed
  EXPECT_TRUE(IsExportFileWithSameName(missing, nullptr, nullptr));

  QuestionRecorder record;
  EXPECT_TRUE(IsExportFileWithSameName(existing, nullptr, nullptr));
  EXPECT_EQ(1, record.calls);
  EXPECT_EQ(u"File " + existing + u" already exists. Overwrite?", record.text);
  EXPECT_EQ(0x24u, record.style);
  record.answer = IDNO;
  EXPECT_FALSE(IsExportFileWithSameName(existing, nullptr, nullptr));
  // A message box given by the caller takes precedence over the handler.
  EXPECT_TRUE(IsExportFileWithSameName(existing, &yes, nullptr));
  EXPECT_EQ(2, record.calls);
}
