#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IEHelpers.h"
#include "support/TestSupport.h"

using namespace IEUtils;

namespace {

std::vector<std::u16string> Values(const CIEStringArray& a) {
  std::vector<std::u16string> out;
  for (const CQelString& s : a) out.emplace_back(reinterpret_cast<const char16_t*>(s.c_str()), s.GetLength());
  return out;
}

}  // namespace

TEST(IEUtilsNames, PointCodeAndFileNames) {
  struct Row {
    CQelString text;
    bool point, code, check, file;
  } rows[] = {
      {u"A-1.5_b", true, true, true, true},
      {u"A 1", false, true, true, true},
      {u"A+1", false, true, true, true},
      {u"", false, false, true, true},
      {CQelString(u'x', 50), true, true, true, true},
      {CQelString(u'x', 51), false, false, true, true},
      {u"TREE OAK", false, true, true, true},
      {u"TREE,OAK", false, false, false, true},
      {u"a|b", false, false, false, false},
      {u"{x}", false, false, false, true},
      {u"tab\there", false, false, false, true},
      {u"road:1", true, true, true, false},
      {u"a/b", false, true, true, false},
      {u"a\\b", false, true, true, false},
      {u"Stra\u00DFe", true, true, true, true},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.point, IsValidName(r.text)) << testing::PrintToString(r.text);
    EXPECT_EQ(r.code, IsValidCodeName(r.text)) << testing::PrintToString(r.text);
    EXPECT_EQ(r.check, CheckName(r.text)) << testing::PrintToString(r.text);
    EXPECT_EQ(r.file, IsValidFileName(r.text)) << testing::PrintToString(r.text);
  }

  const std::u16string pointSet = u"! ,?%*@#$^&'\"\\/|~;[]{}()<>`\t\r\n+=";
  EXPECT_EQ(32u, pointSet.size());
  for (char16_t c : pointSet) EXPECT_FALSE(IsAdmisiblePointNameCharacter(c)) << int(c);
  for (char16_t c : std::u16string(u",|{}\t\r\n")) EXPECT_FALSE(IsAdmisibleCodeNameCharacter(c)) << int(c);
  for (char16_t c : std::u16string(u"-._:09azAZ")) EXPECT_TRUE(IsAdmisiblePointNameCharacter(c)) << int(c);
  for (char16_t c : std::u16string(u" !?*()+=;")) EXPECT_TRUE(IsAdmisibleCodeNameCharacter(c)) << int(c);
}

TEST(IEUtilsLists, ParseValues) {
  CIEStringArray a;
  EXPECT_TRUE(ParseValues(u"a, b ,,c,", a, u',', CQelString()));
  EXPECT_EQ((std::vector<std::u16string>{u"a", u"b", u"", u"c", u""}), Values(a));

  CIEStringArray b;
  EXPECT_FALSE(ParseValues(u"a, b ,,c,", b, u',', u"b"));
  EXPECT_EQ((std::vector<std::u16string>{u"a"}), Values(b));

  CIEStringArray c;
  c.Add(u"kept");
  EXPECT_TRUE(ParseValues(u"", c, u';', CQelString()));
  EXPECT_TRUE(ParseValues(u" x\r\n;y\n", c, u';', CQelString()));
  EXPECT_EQ((std::vector<std::u16string>{u"kept", u"", u"x", u"y"}), Values(c));
}

TEST(IEUtilsLists, ParseValuesWithTokenLimit) {
  struct Row {
    const char16_t* text;
    std::vector<std::u16string> apa, sima;
  } rows[] = {
      {u"1,2,3,4,5,6,7", {u"1", u"2", u"3", u"4", u"5"}, {u"1", u"2", u"3", u"4", u"5", u"6"}},
      {u"", {}, {}},
      {u"a,", {u"a"}, {u"a"}},
      {u" a ,,b\r\n", {u"a", u"", u"b"}, {u"a", u"", u"b"}},
      {u",", {u""}, {u""}},
  };
  for (const Row& r : rows) {
    CIEStringArray apa, sima;
    EXPECT_TRUE(ParseValuesForAPAFormat(r.text, apa, u';', u"ignored"));
    EXPECT_TRUE(ParseValuesForSIMAFormat(r.text, sima, u' ', CQelString()));
    EXPECT_EQ(r.apa, Values(apa)) << testing::PrintToString(CQelString(r.text));
    EXPECT_EQ(r.sima, Values(sima)) << testing::PrintToString(CQelString(r.text));
  }
}

TEST(IEUtilsLists, ParseValuesInQuotes) {
  struct Row {
    const char16_t* text;
    char16_t delimiter;
    std::vector<std::u16string> tokens;
  } rows[] = {
      {u"\"Smith, John\",5, x ", u',', {u"\"Smith, John\"", u"5", u"x"}},
      {u"a,\"b,c\",d", u',', {u"a", u"\"b,c\"", u"d"}},
      {u"a  b   \"c d\"", u' ', {u"a", u"b", u"\"c d\""}},
      {u"  a b  ", u' ', {u"a", u"b"}},
      {u"", u',', {u""}},
      {u"a,,b,", u',', {u"a", u"", u"b", u""}},
      {u"x,\"open, never closed", u',', {u"x", u"\"open, never closed"}},
      {u"\"a\"\"b,c\",d", u',', {u"\"a\"\"b,c\"", u"d"}},
      {u"p\r\n;q", u';', {u"p", u"q"}},
  };
  for (const Row& r : rows) {
    CIEStringArray out;
    ParseValuesInQuotes(r.text, out, r.delimiter);
    EXPECT_EQ(r.tokens, Values(out)) << testing::PrintToString(CQelString(r.text));
  }
}

TEST(IEUtilsLists, JoinFindAndQuotes) {
  CIEStringArray a;
  EXPECT_EQ(u"", StringArrayToString(a));
  a.Add(u"x");
  a.Add(u"");
  a.Add(u"Y z");
  EXPECT_EQ(u"x,,Y z", StringArrayToString(a));
  EXPECT_TRUE(IsStringInStringArray(a, u"Y z"));
  EXPECT_TRUE(IsStringInStringArray(a, u""));
  EXPECT_FALSE(IsStringInStringArray(a, u"y z"));
  EXPECT_FALSE(IsStringInStringArray(CIEStringArray(), u""));

  struct Row {
    const char16_t* in;
    const char16_t* out;
  } quotes[] = {
      {u"\"abc\"", u"abc"}, {u"\"abc", u"abc"}, {u"\"a\"b\"", u"a\"b\""}, {u"abc\"", u"abc\""}, {u"\"", u""},
      {u"\"\"", u""},       {u"", u""},         {u"x\"y\"", u"x\"y\""},
  };
  for (const Row& r : quotes) {
    CQelString s(r.in);
    RemoveBorderQuotes(s);
    EXPECT_EQ(r.out, s) << testing::PrintToString(CQelString(r.in));
  }

  struct Delims {
    const char16_t* in;
    const char16_t* out;
  } delims[] = {
      {u";;a;;;b;", u"a;b"}, {u";", u""},    {u";;", u""}, {u"a", u"a"}, {u"", u""},
      {u"a;b", u"a;b"},      {u";a;", u"a"},
  };
  for (const Delims& r : delims) {
    CQelString s(r.in);
    RemoveUnnecessaryDelimiters(s, u';');
    EXPECT_EQ(r.out, s) << testing::PrintToString(CQelString(r.in));
  }
}

TEST(IEUtilsLists, ReportStrings) {
  EXPECT_EQ(u"   ", GetStringOfSpaces(3));
  EXPECT_EQ(u"", GetStringOfSpaces(0));
  EXPECT_EQ(u"", GetStringOfSpaces(-2));

  struct Row {
    char16_t fill;
    int width;
    bool right;
    const char16_t* text;
    bool reserve;
    const char16_t* out;
  } rows[] = {
      {u'*', 5, true, u"ab", false, u"***ab"},  {u'*', 3, false, u"abc", true, u"ab*"},
      {u'*', 5, false, u"ab", true, u"ab***"},  {u' ', 3, true, u"abcdef", false, u"abc"},
      {u'-', 3, true, u"abcdef", true, u"-ab"}, {u'*', 0, true, u"ab", false, u""},
      {u'*', -4, false, u"ab", false, u""},     {u'.', 1, false, u"ab", true, u"."},
      {u'.', 2, false, u"", false, u".."},
  };
  for (const Row& r : rows) {
    const CQelString s = GetReportString(r.fill, r.width, r.right, r.text, r.reserve);
    EXPECT_EQ(r.out, s) << r.width << " " << testing::PrintToString(CQelString(r.text));
    EXPECT_EQ(r.width > 0 ? r.width : 0, s.GetLength());
  }
}

TEST(IEUtilsLists, HtmlColours) {
  uint32_t colour = 0x12345678;
  EXPECT_TRUE(HTML2RGB(u"#FF8000", colour));
  EXPECT_EQ(0x0080FFu, colour);
  EXPECT_EQ(u"#FF8000", RGB2HTML(colour));
  EXPECT_EQ(u"#0A0B0C", RGB2HTML(0xFF0C0B0A));  // the top byte is not part of the colour

  struct Row {
    const char16_t* text;
    bool ok;
    uint32_t colour;
  } rows[] = {
      {u"FF8000", false, 7}, {u"#FF800", false, 7},        {u"#FF80000", false, 7},
      {u"", false, 7},       {u"#ff8000", true, 0x0080FF}, {u"#FF80ZZ", true, 0x80FF},
      {u"#ZZ8000", true, 0}, {u"#-1-1-1", true, 0xFFFFFF},  // each pair stays within its own byte
  };
  for (const Row& r : rows) {
    uint32_t c = 7;
    EXPECT_EQ(r.ok, HTML2RGB(r.text, c)) << testing::PrintToString(CQelString(r.text));
    EXPECT_EQ(r.colour, c) << testing::PrintToString(CQelString(r.text));
  }
  for (uint32_t c : {0x000000u, 0xFFFFFFu, 0x123456u, 0xA0B0C0u}) {
    uint32_t back = 0;
    EXPECT_TRUE(HTML2RGB(RGB2HTML(c), back));
    EXPECT_EQ(c, back);
  }
}

TEST(IEUtilsPaths, FileNameParts) {
  struct Row {
    const char16_t* path;
    int extStart;
    const char16_t* name;        // GetNameFromFileName and CreateNameFromFile
    const char16_t* withoutExt;  // ExtractFileNameWithoutExtFromPathName
  } rows[] = {
      {u"C:\\data\\road.east.txt", 17, u"road.east", u"road.east"},
      {u"/data/sub/road.east.txt", 19, u"road.east", u"road.east"},
      {u"C:\\data/road.east.txt", 17, u"road.east", u"road.east"},
      {u"C:\\data.old\\job", 7, u"job", u""},
      {u"/data.old/job", 5, u"job", u""},
      {u"C:\\out\\job", 10, u"job", u"job"},
      {u"job.xml", 3, u"job", u"job"},
      {u"", 0, u"", u""},
      {u"dir/", 4, u"", u""},
      {u".hidden", 0, u"", u""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.extStart, GetFileExtStart(r.path)) << testing::PrintToString(CQelString(r.path));
    EXPECT_EQ(r.name, GetNameFromFileName(r.path)) << testing::PrintToString(CQelString(r.path));
    EXPECT_EQ(r.name, CreateNameFromFile(r.path)) << testing::PrintToString(CQelString(r.path));
    EXPECT_EQ(r.withoutExt, ExtractFileNameWithoutExtFromPathName(r.path))
        << testing::PrintToString(CQelString(r.path));
  }

  EXPECT_EQ(u"/out/DS1", CreateFileName(u"/out/job.xml", u"DS1", false));
  EXPECT_EQ(u"/out/DS1", CreateFileName(u"/out", u"DS1", true));
  EXPECT_EQ(u"/out/DS1", CreateFileName(u"/out/", u"DS1", true));
  EXPECT_EQ(u"C:\\out\\DS1", CreateFileName(u"C:\\out\\job.xml", u"DS1", false));
  EXPECT_EQ(u"C:\\out\\DS1", CreateFileName(u"C:\\out\\", u"DS1", true));
  EXPECT_EQ(u"DS1", CreateFileName(u"job.xml", u"DS1", false));
  EXPECT_EQ(u"/DS1", CreateFileName(u"", u"DS1", true));

  EXPECT_NE(0, IsDots(reinterpret_cast<const unsigned short*>(u".")));
  EXPECT_NE(0, IsDots(reinterpret_cast<const unsigned short*>(u"..")));
  EXPECT_EQ(0, IsDots(reinterpret_cast<const unsigned short*>(u"...")));
  EXPECT_EQ(0, IsDots(reinterpret_cast<const unsigned short*>(u".a")));
  EXPECT_EQ(0, IsDots(reinterpret_cast<const unsigned short*>(u"")));
  EXPECT_EQ(0, IsDots(nullptr));
}
