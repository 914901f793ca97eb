#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdio>
#include <limits>
#include <string>

#include "qel_formats.h"
#include "support/TestSupport.h"

using namespace qel_formats;

namespace {
const unsigned short* W(const char16_t* s) { return reinterpret_cast<const unsigned short*>(s); }

// Runs the test body under a German locale, where printf would write "1,5".
class QelFormatsGerman : public ::testing::Test {
 protected:
  void SetUp() override {
    m_old = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, m_old.c_str()); }

 private:
  std::string m_old;
};
}  // namespace

TEST_F(QelFormatsGerman, IntToString) {
  EXPECT_EQ(CQelString(u"0"), IntToString(0));
  EXPECT_EQ(CQelString(u"-1"), IntToString(-1));
  EXPECT_EQ(CQelString(u"1234567"), IntToString(1234567));
  EXPECT_EQ(CQelString(u"-2147483648"), IntToString(INT_MIN));
  EXPECT_EQ(CQelString(u"2147483647"), IntToString(INT_MAX));
}

// ASCII text keeps its characters whatever the ANSI code page would make of the bytes.
TEST(QelFormats, AsciiToStringTakesTheBytesAsTheyStand) {
  AnsiCodePageScope ebcdic("IBM037");
  ASSERT_TRUE(ebcdic.Ok());
  EXPECT_EQ(CQelString(u"-12.5"), AsciiToString("-12.50", 5));
  EXPECT_TRUE(AsciiToString("x", 0).IsEmpty());
  EXPECT_TRUE(AsciiToString(nullptr, 3).IsEmpty());
}

TEST_F(QelFormatsGerman, DoubleToString) {
  struct Case {
    double value;
    int decimals;
    const char16_t* expected;
  } cases[] = {
      {0.1, -1, u"0.1"},       {1234.5, -1, u"1234.5"}, {1.0, -1, u"1"},     {1e300, -1, u"1e+300"},
      {5e-324, -1, u"5e-324"}, {-2.5, -1, u"-2.5"},     {-0.0, -1, u"0"},    {1.5, 0, u"2"},
      {2.5, 0, u"2"},          {1.005, 2, u"1.00"},  // 1.005 is a little below in binary
      {-0.0001, 2, u"0.00"},   {-0.0, 3, u"0.000"},     {-1.25, 1, u"-1.2"}, {3.0, 3, u"3.000"},
  };
  std::string bytes = "old";
  for (const Case& c : cases) {
    EXPECT_EQ(CQelString(c.expected), DoubleToString(c.value, c.decimals)) << c.value;
    DoubleToAscii(c.value, c.decimals, bytes);
    EXPECT_EQ(CQelString(c.expected), AsciiToString(bytes.data(), bytes.size())) << c.value;
  }
  EXPECT_EQ(42, DoubleToString(1.0, 99).GetLength());  // at most 40 decimals
  EXPECT_EQ(CQelString(u"inf"), DoubleToString(std::numeric_limits<double>::infinity()));
  EXPECT_EQ(CQelString(u"1e+308"), DoubleToString(1e308));
  EXPECT_EQ(350, DoubleToString(1e308, 40).GetLength());
}

TEST_F(QelFormatsGerman, ScanText) {
  double d = 0;
  int i = 0;
  EXPECT_EQ(2, ScanText(W(u"  12.5 7"), "%lf %d", &d, &i));
  EXPECT_DOUBLE_EQ(12.5, d);
  EXPECT_EQ(7, i);
  unsigned r = 0, g = 0, b = 0;
  EXPECT_EQ(3, ScanText(W(u"FF8000"), "%2X%2X%2X", &r, &g, &b));
  EXPECT_EQ(0xFFu, r);
  EXPECT_EQ(0x80u, g);
  EXPECT_EQ(0u, b);
  EXPECT_EQ(0, ScanText(W(u"１２"), "%d", &i));  // full-width digits are not digits
  EXPECT_EQ(-1, ScanText(W(u""), "%d", &i));
  EXPECT_EQ(-1, ScanText(nullptr, "%d", &i));
}

TEST_F(QelFormatsGerman, WideToNumberStopsAtTrailingCharacters) {
  struct Case {
    const char16_t* text;
    double value;
    int used;
  } cases[] = {
      {u"1.5", 1.5, 3}, {u"  -2.25e2xyz", -225.0, 9}, {u"1,5", 1.0, 1}, {u"abc", 0.0, 0}, {u"", 0.0, 0},
      {u".5m", 0.5, 2}, {u"1.5\u00B0", 1.5, 3},
  };
  for (const Case& c : cases) {
    const unsigned short* end = nullptr;
    EXPECT_DOUBLE_EQ(c.value, WideToDouble(W(c.text), &end)) << ::testing::PrintToString(CQelString(c.text));
    EXPECT_EQ(c.used, end - W(c.text)) << ::testing::PrintToString(CQelString(c.text));
  }
  EXPECT_DOUBLE_EQ(0.0, WideToDouble(nullptr));
  const unsigned short* text = W(u" 42abc");
  const unsigned short* end = nullptr;
  EXPECT_EQ(42, WideToLong(text, &end));
  EXPECT_EQ(3, end - text);
  EXPECT_EQ(-17, WideToLong(W(u"-17.9")));
  EXPECT_EQ(26, WideToLong(W(u"1A"), nullptr, 16));
  EXPECT_EQ(26, WideToLong(W(u"0x1A"), nullptr, 0));
  EXPECT_EQ(0, WideToLong(W(u"x")));
  EXPECT_EQ(LONG_MAX, WideToLong(W(u"99999999999999999999999")));
}

TEST(QelFormats, WriteString) {
  TempDir dir;
  FILE* f = std::fopen(dir.Path("w.txt").c_str(), "wb");
  ASSERT_NE(nullptr, f);
  EXPECT_TRUE(WriteString(f, u"Größe;"));
  EXPECT_TRUE(WriteString(f, CQelString()));
  std::fclose(f);
  EXPECT_EQ(
      "Gr\xC3\xB6\xC3\x9F"
      "e;",
      dir.Read("w.txt"));
  EXPECT_FALSE(WriteString(nullptr, u"x"));
}
