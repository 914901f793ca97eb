#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "CodePage.h"
#include "qel_text.h"
#include "support/TestSupport.h"

using qel_text::CQelStringT;

namespace {
const unsigned short* W(const char16_t* s) { return reinterpret_cast<const unsigned short*>(s); }
}  // namespace

TEST(QelString, EmptyAndBasics) {
  CQelString s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(0, s.GetLength());
  EXPECT_EQ(0, s.GetAt(0));
  EXPECT_EQ(0, static_cast<const unsigned short*>(s)[0]);
  s = u"Hello";
  s += u" World";
  EXPECT_EQ(11, s.GetLength());
  EXPECT_EQ(6, s.Find(u"World"));
  EXPECT_EQ(-1, s.Find(u"world"));
  EXPECT_EQ(0, s.CompareNoCase(u"hello world"));
  EXPECT_EQ(u"Hello", s.Left(5));
  EXPECT_EQ(u"World", s.Right(5));
  EXPECT_EQ(u"lo W", s.Mid(3, 4));
  EXPECT_EQ(u"", s.Mid(40));
  EXPECT_EQ(9, s.ReverseFind('l'));
  EXPECT_EQ(2, s.FindOneOf(W(u"xl")));
  s.Empty();
  EXPECT_TRUE(s.IsEmpty());
}

TEST(QelString, Construction) {
  EXPECT_EQ(CQelString(u"abc"), CQelString(W(u"abcdef"), 3));
  EXPECT_EQ(CQelString(), CQelString(W(u"abc"), 0));
  EXPECT_EQ(CQelString(), CQelString(W(u"abc"), -2));
  EXPECT_EQ(CQelString(), CQelString(static_cast<const unsigned short*>(nullptr)));
  EXPECT_EQ(CQelString(), CQelString(static_cast<const char*>(nullptr)));
  EXPECT_EQ(CQelString(u"xxxx"), CQelString('x', 4));
  EXPECT_EQ(CQelString(), CQelString('x', 0));
  EXPECT_EQ(CQelString(), CQelString('x', -1));
  EXPECT_EQ(CQelString(u"Größe"), CQelString("Gr\xC3\xB6\xC3\x9F"
                                             "e"));  // 8-bit text in the ANSI code page
  EXPECT_EQ(CQelString(u"Gr"), CQelString("Gr\xC3\xB6", 2));
  CQelStringA narrow(W(u"Größe \U0001F4CD"));
  EXPECT_EQ(std::string("Gr\xC3\xB6\xC3\x9F"
                        "e \xF0\x9F\x93\x8D"),
            std::string(narrow));
  EXPECT_EQ(12, narrow.GetLength());
  EXPECT_EQ(CQelString(u"Größe \U0001F4CD"), CQelString(static_cast<const char*>(narrow)));
}

TEST(QelString, ValueSemantics) {
  CQelString a(u"one");
  CQelString b(a);
  b.SetAt(0, 'O');
  EXPECT_EQ(CQelString(u"one"), a);
  EXPECT_EQ(CQelString(u"One"), b);
  CQelString c(std::move(b));
  EXPECT_EQ(CQelString(u"One"), c);
  EXPECT_TRUE(b.IsEmpty());  // NOLINT: a moved-from string is empty
  a = a;
  EXPECT_EQ(CQelString(u"one"), a);
  a += a;
  EXPECT_EQ(CQelString(u"oneone"), a);
  a = a.c_str() + 3;  // a pointer into the string itself
  EXPECT_EQ(CQelString(u"one"), a);
  a.Append(a.c_str() + 1, 2);
  EXPECT_EQ(CQelString(u"onene"), a);
  a = 'z';
  EXPECT_EQ(CQelString(u"z"), a);
  a = "narrow";
  EXPECT_EQ(CQelString(u"narrow"), a);
  EXPECT_EQ(CQelString(u"ab"), CQelString(u"a") + CQelString(u"b"));
  EXPECT_EQ(CQelString(u"ab"), u"a" + CQelString(u"b"));
  EXPECT_EQ(CQelString(u"ab"), CQelString(u"a") + u"b");
  EXPECT_EQ(CQelString(u"ab"), CQelString(u"a") + static_cast<unsigned short>('b'));
}

TEST(QelString, Comparison) {
  EXPECT_EQ(0, CQelString(u"abc").Compare(u"abc"));
  EXPECT_LT(CQelString(u"abc").Compare(u"abd"), 0);
  EXPECT_GT(CQelString(u"abc").Compare(u"ab"), 0);
  EXPECT_LT(CQelString(u"B").Compare(u"a"), 0);  // code unit order
  EXPECT_GT(CQelString(u"\u00E9").Compare(u"z"), 0);
  EXPECT_EQ(0, CQelString().Compare(static_cast<const unsigned short*>(nullptr)));
  EXPECT_NE(0, CQelString(u"GRÖSSE").CompareNoCase(u"größe"));  // no multi-character folding
  EXPECT_EQ(0, CQelString(u"ÄPFEL").CompareNoCase(u"äpfel"));
  EXPECT_LT(CQelString(u"a").CompareNoCase(u"B"), 0);
  EXPECT_TRUE(CQelString(u"x") < CQelString(u"y"));
  EXPECT_TRUE(CQelString(u"x") != CQelString(u"x\u0301"));
}

TEST(QelString, SearchGivesMinusOneWhenAbsent) {
  CQelString s(u"a.b.c");
  EXPECT_EQ(1, s.Find('.'));
  EXPECT_EQ(3, s.Find('.', 2));
  EXPECT_EQ(-1, s.Find('.', 4));
  EXPECT_EQ(-1, s.Find('x'));
  EXPECT_EQ(1, s.Find('.', -5));
  EXPECT_EQ(2, s.Find(u"b.c"));
  EXPECT_EQ(-1, s.Find(u"b.c", 3));
  EXPECT_EQ(-1, s.Find(u"a", 99));
  EXPECT_EQ(5, s.Find(u"", 5));
  EXPECT_EQ(3, s.ReverseFind('.'));
  EXPECT_EQ(-1, s.ReverseFind('x'));
  EXPECT_EQ(-1, s.FindOneOf(W(u"xyz")));
  EXPECT_EQ(-1, s.FindOneOf(static_cast<const unsigned short*>(nullptr)));
  EXPECT_EQ(-1, CQelString().Find('a'));
}

TEST(QelString, PiecesOutOfRange) {
  CQelString s(u"abcdef");
  struct Case {
    int first, count;
    const char16_t* mid;
  } mids[] = {{0, 3, u"abc"}, {4, 10, u"ef"}, {-3, 2, u"ab"}, {6, 1, u""},
              {99, 1, u""},   {2, -1, u""},   {2, 0, u""}};
  for (const Case& c : mids)
    EXPECT_EQ(CQelString(c.mid), s.Mid(c.first, c.count)) << c.first << "," << c.count;
  EXPECT_EQ(CQelString(u"cdef"), s.Mid(2));
  EXPECT_EQ(CQelString(u"abcdef"), s.Mid(-1));
  EXPECT_EQ(CQelString(u""), s.Left(-1));
  EXPECT_EQ(CQelString(u"abcdef"), s.Left(99));
  EXPECT_EQ(CQelString(u""), s.Right(0));
  EXPECT_EQ(CQelString(u"abcdef"), s.Right(99));
  EXPECT_EQ(0, s.GetAt(-1));
  EXPECT_EQ(0, s.GetAt(6));
  EXPECT_EQ('f', s[5]);
  s.SetAt(6, 'x');
  s.SetAt(-1, 'x');
  EXPECT_EQ(CQelString(u"abcdef"), s);
}

TEST(QelString, EditingOutOfRange) {
  struct Case {
    const char* label;
    int index, count;
    const char16_t* afterDelete;
  } deletes[] = {{"middle", 2, 2, u"abef"},       {"past the end", 4, 99, u"abcd"},
                 {"at the end", 6, 1, u"abcdef"}, {"negative index", -2, 1, u"bcdef"},
                 {"zero count", 1, 0, u"abcdef"}, {"negative count", 1, -3, u"abcdef"}};
  for (const Case& c : deletes) {
    CQelString s(u"abcdef");
    int len = s.Delete(c.index, c.count);
    EXPECT_EQ(CQelString(c.afterDelete), s) << c.label;
    EXPECT_EQ(s.GetLength(), len) << c.label;
  }
  struct InsertCase {
    int index;
    const char16_t* result;
  } inserts[] = {{0, u"XYabc"}, {1, u"aXYbc"}, {3, u"abcXY"}, {99, u"abcXY"}, {-5, u"XYabc"}};
  for (const InsertCase& c : inserts) {
    CQelString s(u"abc");
    EXPECT_EQ(5, s.Insert(c.index, u"XY"));
    EXPECT_EQ(CQelString(c.result), s) << c.index;
  }
  CQelString s(u"abc");
  EXPECT_EQ(4, s.Insert(1, static_cast<unsigned short>('-')));
  EXPECT_EQ(CQelString(u"a-bc"), s);
  EXPECT_EQ(4, s.Insert(1, u""));
  s.Insert(0, s.c_str() + 2);  // text of the string itself
  EXPECT_EQ(CQelString(u"bca-bc"), s);

  CQelString r(u"a,b,,c");
  EXPECT_EQ(3, r.Remove(','));
  EXPECT_EQ(CQelString(u"abc"), r);
  EXPECT_EQ(0, r.Remove('x'));
  CQelString p(u"a.b.c");
  EXPECT_EQ(2, p.Replace('.', '/'));
  EXPECT_EQ(CQelString(u"a/b/c"), p);
  EXPECT_EQ(2, p.Replace(u"/", u"::"));
  EXPECT_EQ(CQelString(u"a::b::c"), p);
  EXPECT_EQ(2, p.Replace(u"::", u""));
  EXPECT_EQ(CQelString(u"abc"), p);
  EXPECT_EQ(0, p.Replace(u"", u"x"));
  EXPECT_EQ(1, p.Replace(u"abc", u"abcabc"));
  EXPECT_EQ(CQelString(u"abcabc"), p);
}

TEST(QelString, Trimming) {
  CQelString s(u" \t\r\n text \n");
  EXPECT_EQ(CQelString(u"text \n"), CQelString(s).TrimLeft());
  EXPECT_EQ(CQelString(u" \t\r\n text"), CQelString(s).TrimRight());
  EXPECT_EQ(CQelString(u"text"), CQelString(s).Trim());
  EXPECT_EQ(CQelString(u"b--"), CQelString(u"--b--").TrimLeft('-'));
  EXPECT_EQ(CQelString(u"--b"), CQelString(u"--b--").TrimRight('-'));
  EXPECT_EQ(CQelString(u"b"), CQelString(u"-+b+-").TrimLeft(u"+-").TrimRight(u"-+"));
  EXPECT_EQ(CQelString(u""), CQelString(u"   ").Trim());
  EXPECT_EQ(CQelString(u"x"), CQelString(u"x").TrimLeft(static_cast<const unsigned short*>(nullptr)));
  CQelString m(u"aBc\u00E9");
  m.MakeUpper();
  EXPECT_EQ(CQelString(u"ABC\u00E9"), m);
  m.MakeLower();
  EXPECT_EQ(CQelString(u"abc\u00E9"), m);
}

TEST(QelString, BufferAccess) {
  CQelString s(u"abc");
  unsigned short* p = s.GetBuffer(10);
  EXPECT_EQ('a', p[0]);
  EXPECT_EQ(0, p[3]);
  p[3] = 'd';
  p[4] = 'e';
  s.ReleaseBuffer();  // measured up to the first zero
  EXPECT_EQ(CQelString(u"abcde"), s);
  p = s.GetBuffer(0);
  p[1] = 'X';
  s.ReleaseBuffer(2);
  EXPECT_EQ(CQelString(u"aX"), s);
  p = s.GetBufferSetLength(4);
  EXPECT_EQ(4, s.GetLength());
  p[2] = 'y';
  p[3] = 'z';
  EXPECT_EQ(CQelString(u"aXyz"), s);
  s.GetBuffer(2);
  s.ReleaseBuffer(1000);  // beyond the buffer: cut to what the buffer holds
  EXPECT_GE(s.GetLength(), 4);
  s.GetBufferSetLength(1);
  EXPECT_EQ(CQelString(u"a"), s);
  CQelString e;
  e.ReleaseBuffer();
  EXPECT_TRUE(e.IsEmpty());
  unsigned short* q = e.GetBuffer(3);
  q[0] = 'q';
  e.ReleaseBuffer();
  EXPECT_EQ(CQelString(u"q"), e);
  EXPECT_TRUE(CQelString().GetBufferSetLength(-3) != nullptr);
}

TEST(QelString, AllocLengthShowsSpareRoom) {
  EXPECT_EQ(0, CQelString().GetAllocLength());
  CQelString s(u"abcdef");
  EXPECT_EQ(6, s.GetAllocLength());
  s.TrimRight(W(u"ef"));  // shorter text, same block
  EXPECT_EQ(4, s.GetLength());
  EXPECT_EQ(6, s.GetAllocLength());
  EXPECT_EQ(4, CQelString(s).GetAllocLength());  // a copy is sized to the text
  s.Empty();
  EXPECT_EQ(0, s.GetAllocLength());
}

TEST(QelString, FormatWide) {
  CQelString arg(u"Größe");
  struct Case {
    CQelString got;
    const char16_t* expected;
  } cases[] = {
      {[] {
         CQelString s;
         s.Format(u"%d|%5d|%-5d|%05d|%+d", 42, 42, 42, 42, 42);
         return s;
       }(),
       u"42|   42|42   |00042|+42"},
      {[] {
         CQelString s;
         s.Format(u"%i %u %x %X %o %c", -7, 4000000000u, 255, 255, 8, 'Q');
         return s;
       }(),
       u"-7 4000000000 ff FF 10 Q"},
      {[] {
         CQelString s;
         s.Format(u"%ld %lld %I64d %zu %hd", -5L, -6LL, 1LL << 40, size_t{9}, 70000);
         return s;
       }(),
       u"-5 -6 1099511627776 9 4464"},
      {[] {
         CQelString s;
         s.Format(u"%f %.2f %10.3f %-8.1f|", 1.5, 2.345, 3.14159, -0.25);
         return s;
       }(),
       u"1.500000 2.35      3.142 -0.2    |"},  // 2.345 and -0.25 round as the binary values say
      {[] {
         CQelString s;
         s.Format(u"%e %.2E %g %g %G", 12345.678, 0.000123, 0.0001, 1e20, 1e-10);
         return s;
       }(),
       u"1.234568e+04 1.23E-04 0.0001 1e+20 1E-10"},
      {[] {
         CQelString s;
         s.Format(u"%*d|%-*d|%.*f|%*.*f", 4, 7, 4, 7, 1, 2.25, 6, 2, 1.0);
         return s;
       }(),
       u"   7|7   |2.2|  1.00"},
      {[] {
         CQelString s;
         s.Format(u"%*d|%.*f", -4, 7, -1, 0.5);
         return s;
       }(),
       u"7   |0.500000"},
      {[&] {
         CQelString s;
         s.Format(u"[%s] [%8s] [%-8s] [%.3s]", arg.c_str(), W(u"ab"), W(u"ab"), arg.c_str());
         return s;
       }(),
       u"[Größe] [      ab] [ab      ] [Grö]"},
      {[] {
         CQelString s;
         s.Format(u"%S|%hs|%ls",
                  "Gr\xC3\xB6\xC3\x9F"
                  "e",
                  "n", W(u"w"));
         return s;
       }(),
       u"Größe|n|w"},
      {[&] {
         CQelString s;
         s.Format(u"%s and %S", arg, CQelStringA("bytes"));
         return s;
       }(),
       u"Größe and bytes"},
      {[] {
         CQelString s;
         s.Format(u"%5c|%-3c|%c", 'x', 'y', 0x20AC);
         return s;
       }(),
       u"    x|y  |€"},
      {[] {
         CQelString s;
         s.Format(u"100%% %n %k %s", static_cast<const unsigned short*>(nullptr));
         return s;
       }(),
       u"100% %n %k (null)"},
      {[] {
         CQelString s;
         s.Format(u"trailing %");
         return s;
       }(),
       u"trailing %"},
      {[] {
         CQelString s;
         s.Format(u"%Lf", 0.5L);
         return s;
       }(),
       u"0.500000"},
  };
  for (const Case& c : cases) EXPECT_EQ(CQelString(c.expected), c.got);

  CQelString wide;
  wide.Format(u"%600d", 1);
  EXPECT_EQ(600, wide.GetLength());
  EXPECT_EQ('1', wide.GetAt(599));
  wide.Format(u"%.300f", 1.0);
  EXPECT_EQ(302, wide.GetLength());
  wide.Format(u"%999999999999d|", 1);  // an absurd width is capped, not obeyed or overflowed
  EXPECT_EQ(100001, wide.GetLength());
  CQelString self(u"abc");
  self.Format(u"<%s>", self.c_str());
  EXPECT_EQ(CQelString(u"<abc>"), self);
}

TEST(QelString, FormatNarrow) {
  CQelStringA s;
  s.Format("%s=%d %.3f %S %ls", "x", 5, 0.125, W(u"Grö"), W(u"ß"));
  EXPECT_EQ(std::string("x=5 0.125 Gr\xC3\xB6 \xC3\x9F"), std::string(s));
  CQelStringA other("y");
  s.Format("%s %S", other, CQelString(u"wide"));
  EXPECT_EQ(std::string("y wide"), std::string(s));
  s.Format("%-4s|%c", "ab", 'z');
  EXPECT_EQ(std::string("ab  |z"), std::string(s));
}

// Number text must not follow LC_NUMERIC: under a German locale "1.5" stays "1.5".
TEST(QelString, FormatIgnoresTheProcessLocale) {
  std::string old = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  EXPECT_STREQ("1,5", probe);  // the locale is really in force
  CQelString s;
  s.Format(u"%.1f %g %e %f", 1.5, 2.5, 1000.0, 0.25);
  CQelStringA a;
  a.Format("%.2f", 3.25);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(CQelString(u"1.5 2.5 1.000000e+03 0.250000"), s);
  EXPECT_EQ(std::string("3.25"), std::string(a));
}
