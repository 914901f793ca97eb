#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CodePage.h"
#include "TextFile.h"
#include "support/TestSupport.h"

namespace {

std::vector<CQelString> ReadAll(CTextFile& file) {
  std::vector<CQelString> lines;
  CQelString line;
  while (file.ReadLine(line)) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(TextFile, EncodingTests) {
  TempDir dir;
  struct Case {
    const char* label;
    std::string bytes;
    bool utf8, utf16;
  } cases[] = {
      {"UTF-16LE BOM",
       std::string("\xFF\xFE"
                   "a\0",
                   4),
       false, true},
      {"UTF-16BE BOM", std::string("\xFE\xFF\0a", 4), false, true},
      {"UTF-16LE, no BOM", std::string("<\0?\0", 4), false, true},
      {"UTF-16BE, no BOM", std::string("\0<\0?", 4), false, true},
      {"UTF-16LE, no BOM, CR LF first", std::string("\r\0\n\0", 4), false, true},
      {"UTF-8 BOM", "\xEF\xBB\xBFx", true, false},
      {"UTF-8 BOM, then invalid bytes", "\xEF\xBB\xBF\xFF", true, false},
      {"ASCII", "plain text\r\n", true, false},
      {"one byte", "A", true, false},
      {"UTF-8",
       "Gr\xC3\xB6\xC3\x9F"
       "e \xF0\x9F\x93\x8D",
       true, false},
      {"CP1252",
       "Gr\xF6\xDF"
       "e",
       false, false},
      {"overlong", "a\xC0\xAF", false, false},
      {"surrogate", "a\xED\xA0\x80", false, false},
      {"above U+10FFFF", "a\xF4\x90\x80\x80", false, false},
      {"cut at the end", "a\xE2\x82", false, false},
      {"zero byte", std::string("abc\0def", 7), false, false},
      {"empty", "", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    dir.Write("t.txt", c.bytes);
    EXPECT_EQ(c.utf8, CTextFile::IsUTF8File(dir.WPath("t.txt")));
    EXPECT_EQ(c.utf16, CTextFile::IsUTF16File(dir.WPath("t.txt")));
  }
  EXPECT_FALSE(CTextFile::IsUTF8File(dir.WPath("missing.txt")));
  EXPECT_FALSE(CTextFile::IsUTF16File(dir.WPath("missing.txt")));
  EXPECT_FALSE(CTextFile::IsUTF8File(TempDir::Wide(dir.Path())));
}

TEST(TextFile, Utf16LittleEndianFileWithByteOrderMark) {
  TempDir dir;
  CTextFile file;
  ASSERT_TRUE(file.Create(dir.WPath("w.xml"), CTextFile::ENCODING_UTF16LE));
  EXPECT_TRUE(file.WriteLine(u"<a\u00E9>"));
  EXPECT_TRUE(file.Write(u"\U0001F4CD"));
  ASSERT_TRUE(file.Close());
  const std::string expected("\xFF\xFE<\0a\0\xE9\0>\0\r\0\n\0\x3D\xD8\xCD\xDC", 18);
  EXPECT_EQ(expected, dir.Read("w.xml"));
}

TEST(TextFile, WrittenLinesReadBackInEveryEncoding) {
  TempDir dir;
  const std::vector<CQelString> lines = {u"first", u"", u"Größe \U0001F4CD 測量", u"  last  "};
  struct Case {
    CTextFile::EEncoding encoding;
    bool bom;
  } cases[] = {{CTextFile::ENCODING_UTF16LE, true},  {CTextFile::ENCODING_UTF16BE, true},
               {CTextFile::ENCODING_UTF16LE, false}, {CTextFile::ENCODING_UTF8, true},
               {CTextFile::ENCODING_UTF8, false},    {CTextFile::ENCODING_ANSI, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.encoding << (c.bom ? " with BOM" : " without BOM"));
    CTextFile out(16);
    ASSERT_TRUE(out.Create(dir.WPath("lines.txt"), c.encoding, c.bom));
    for (const CQelString& l : lines) ASSERT_TRUE(out.WriteLine(l));
    ASSERT_TRUE(out.Close());
    CTextFile in(16);
    ASSERT_TRUE(in.OpenRead(dir.WPath("lines.txt")));
    EXPECT_EQ(c.encoding == CTextFile::ENCODING_ANSI ? CTextFile::ENCODING_UTF8 : c.encoding,
              in.GetEncoding());
    EXPECT_EQ(lines, ReadAll(in));
  }
}

TEST(TextFile, LineEndsOfEveryKind) {
  TempDir dir;
  dir.Write("ends.txt", "a\nb\r\nc\rd\r\r\ne");
  CTextFile in;
  ASSERT_TRUE(in.OpenRead(dir.WPath("ends.txt")));
  std::vector<CQelString> expected = {u"a", u"b", u"c", u"d", u"", u"e"};
  EXPECT_EQ(expected, ReadAll(in));

  dir.Write("ends16.txt", "\xFF\xFE" + TempDir::Utf16Bytes("a\nb\r\nc\rd\r", true) + "x");  // odd last byte
  ASSERT_TRUE(in.OpenRead(dir.WPath("ends16.txt")));
  expected = {u"a", u"b", u"c", u"d"};
  EXPECT_EQ(expected, ReadAll(in));
}

TEST(TextFile, AnsiCodePageFiles) {
  TempDir dir;
  AnsiCodePageScope cp1252("CP1252");
  ASSERT_TRUE(cp1252.Ok());
  CTextFile out;
  ASSERT_TRUE(out.Create(dir.WPath("ansi.txt"), CTextFile::ENCODING_ANSI));
  out.WriteLine(u"Größe €");
  ASSERT_TRUE(out.Close());
  EXPECT_EQ(
      "Gr\xF6\xDF"
      "e \x80\r\n",
      dir.Read("ansi.txt"));
  CTextFile in;
  ASSERT_TRUE(in.OpenRead(dir.WPath("ansi.txt")));
  EXPECT_EQ(CTextFile::ENCODING_ANSI, in.GetEncoding());
  CQelString line;
  ASSERT_TRUE(in.ReadLine(line));
  EXPECT_EQ(CQelString(u"Größe €"), line);
}

TEST(TextFile, FailuresAreReported) {
  TempDir dir;
  CTextFile file;
  EXPECT_FALSE(file.Create(dir.WPath("no/such/folder.txt"), CTextFile::ENCODING_UTF8));
  EXPECT_FALSE(file.OpenRead(dir.WPath("missing.txt")));
  EXPECT_FALSE(file.OpenRead(TempDir::Wide(dir.Path())));
  EXPECT_FALSE(file.IsOpen());
  EXPECT_FALSE(file.Write(u"x"));
  CQelString line;
  EXPECT_FALSE(file.ReadLine(line));

  // A full device takes the bytes into the buffer but fails on flush: Close must say so.
  ASSERT_TRUE(file.Create(u"/dev/full", CTextFile::ENCODING_UTF8, false));
  file.Write(u"lost");
  EXPECT_FALSE(file.Close());

  dir.Write("r.txt", "x\n");
  ASSERT_TRUE(file.OpenRead(dir.WPath("r.txt")));
  EXPECT_FALSE(file.Write(u"not while reading"));
  char byte = 0;
  EXPECT_EQ(1, file.ReadBytes(&byte, 1));
  EXPECT_EQ('x', byte);
}
