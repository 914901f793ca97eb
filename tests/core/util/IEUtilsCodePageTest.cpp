#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CodePage.h"
#include "IEHelpers.h"
#include "support/TestSupport.h"

using namespace IEUtils;

namespace {

CQelString W(const std::u16string& s) {
  return CQelString(reinterpret_cast<const unsigned short*>(s.data()), static_cast<int>(s.size()));
}

// Runs a test with the ANSI code page given, and puts the previous one back afterwards.
class CodePageTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    m_previous = qel_cp::GetAnsiCodePage();
    ASSERT_TRUE(qel_cp::SetAnsiCodePage(GetParam()));
  }
  void TearDown() override { qel_cp::SetAnsiCodePage(m_previous.c_str()); }
  bool Utf8() const { return qel_cp::IsAnsiUtf8(); }

 private:
  std::string m_previous;
};

// "a", e-acute, the euro sign and a character outside the BMP (a surrogate pair).
const std::u16string kMixed = u"a\u00E9\u20AC\U0001D11E";

}  // namespace

TEST_P(CodePageTest, LengthAndAllocation) {
  // In CP1252 the euro sign is one byte and the character outside the BMP becomes one '?'.
  const std::string bytes = Utf8() ? "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E" : "a\xE9\x80?";
  EXPECT_EQ(static_cast<int>(bytes.size()), GetMBCSLength(W(kMixed)));
  EXPECT_EQ(0, GetMBCSLength(CQelString()));
  char* copy = AllocateMBCString(W(kMixed));
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(bytes, std::string(copy));
  DeAllocMBCString(copy);
  char* empty = AllocateMBCString(CQelString());
  ASSERT_NE(nullptr, empty);
  EXPECT_EQ('\0', empty[0]);
  DeAllocMBCString(empty);

  std::vector<char> dest(bytes.size() + 1, 'Z');
  ts_tchar2char(W(kMixed), dest.data());
  EXPECT_EQ(bytes, std::string(dest.data()));
  ts_tchar2char(nullptr, dest.data());
  EXPECT_EQ('\0', dest[0]);
}

TEST_P(CodePageTest, ExtractToFitNeverSplitsACharacter) {
  struct Row {
    int budget;
    std::u16string utf8Part, cp1252Part;
  } rows[] = {
      {0, u"", u""},
      {-1, u"", u""},
      {1, u"a", u"a"},
      {2, u"a", u"a\u00E9"},
      {3, u"a\u00E9", u"a\u00E9\u20AC"},
      {5, u"a\u00E9", kMixed},
      {6, u"a\u00E9\u20AC", kMixed},
      {9, u"a\u00E9\u20AC", kMixed},
      {10, kMixed, kMixed},
      {100, kMixed, kMixed},
  };
  for (const Row& r : rows) {
    CQelString text = W(kMixed);
    int left = 12345;
    const std::u16string& expected = Utf8() ? r.utf8Part : r.cp1252Part;
    const CQelString part = StrExtractToFitMBCSBytes(text, r.budget, left);
    EXPECT_EQ(W(expected), part) << r.budget;
    EXPECT_EQ(W(kMixed.substr(expected.size())), text) << r.budget;
    EXPECT_EQ(r.budget - GetMBCSLength(part), left) << r.budget;
    EXPECT_LE(GetMBCSLength(part), r.budget < 0 ? 0 : r.budget);
  }
}

TEST_P(CodePageTest, FixedSizeDestinations) {
  // limit bytes of room: whole characters only, the zero only when it fits as well.
  struct Row {
    int limit;
    std::string utf8, cp1252;  // the bytes written, a trailing "\0" included when written
  } rows[] = {
      {1, std::string("a"), std::string("a")},
      {2, std::string("a\0", 2), std::string("a\xE9")},
      {3, std::string("a\xC3\xA9"), std::string("a\xE9\x80")},
      {4, std::string("a\xC3\xA9\0", 4), std::string("a\xE9\x80?")},
      {7, std::string("a\xC3\xA9\xE2\x82\xAC\0", 7), std::string("a\xE9\x80?\0", 5)},
  };
  for (const Row& r : rows) {
    std::vector<char> dest(r.limit, 'Z');  // exactly limit bytes: overruns show
    String2char(W(kMixed), dest.data(), r.limit);
    const std::string& expected = Utf8() ? r.utf8 : r.cp1252;
    EXPECT_EQ(expected, std::string(dest.data(), expected.size())) << r.limit;
    for (size_t i = expected.size(); i < dest.size(); ++i) EXPECT_EQ('Z', dest[i]) << r.limit;

    std::vector<char> mbs(r.limit, 'Z');
    const size_t written = tcs2mbs(mbs.data(), W(kMixed), r.limit);
    EXPECT_EQ(expected.size() - (expected.back() == '\0' ? 1 : 0), written) << r.limit;
  }
  EXPECT_EQ(static_cast<size_t>(GetMBCSLength(W(kMixed))), tcs2mbs(nullptr, W(kMixed), 0));
  String2char(W(kMixed), nullptr, 5);
  char one = 'Z';
  String2char(W(kMixed), &one, 0);
  EXPECT_EQ('Z', one);
  String2char(CQelString(), &one, 1);
  EXPECT_EQ('\0', one);
}

INSTANTIATE_TEST_SUITE_P(AnsiCodePages, CodePageTest, ::testing::Values("UTF-8", "CP1252"));

TEST(IEUtilsCodePage, LowBytesAndWideCopies) {
  struct Row {
    int limit;
    std::string bytes;
  } rows[] = {
      {10, std::string("a\xE9\xAC\0", 4)},
      {2, std::string("a\xE9\0", 3)},
      {0, std::string("\0", 1)},
      {-3, std::string("\0", 1)},
  };
  for (const Row& r : rows) {
    std::vector<char> dest((r.limit > 3 ? 3 : r.limit < 0 ? 0 : r.limit) + 1, 'Z');
    String2ASCII(W(u"a\u00E9\u20AC"), dest.data(), r.limit);
    EXPECT_EQ(r.bytes, std::string(dest.data(), dest.size())) << r.limit;
  }

  unsigned short copy[8];
  ts_wchar2tchar(reinterpret_cast<const unsigned short*>(u"ab\u00E9"), copy);
  EXPECT_EQ(W(u"ab\u00E9"), CQelString(copy));
  ts_tchar2wchar(reinterpret_cast<const unsigned short*>(u"xyz"), copy);
  EXPECT_EQ(u"xyz", CQelString(copy));
  ts_tchar2wchar(nullptr, copy);
  EXPECT_EQ(0, copy[0]);
}

TEST(IEUtilsTStringA, EmptyAddExtractFill) {
  TStringA s;
  EXPECT_EQ(0, s.length());
  EXPECT_TRUE(s.empty());
  EXPECT_EQ('\0', s.data()[0]);

  s.Add("abcdef");
  TStringA out;
  out.Add("old");
  EXPECT_EQ(4, s.Extract(out, 4));
  EXPECT_STREQ("ef", s.data());
  EXPECT_STREQ("abcd", out.data());
  out.FillWith(10, 0);
  EXPECT_EQ(10, out.length());
  EXPECT_EQ(0, std::string(out.data(), 11).compare(0, 4, "abcd"));
  EXPECT_EQ('\0', out.data()[10]);
  out.FillWith(3, 'x');
  EXPECT_EQ(10, out.length());

  TStringA rest;
  EXPECT_EQ(2, s.Extract(rest, 50));
  EXPECT_STREQ("ef", rest.data());
  EXPECT_TRUE(s.empty());
  EXPECT_EQ(0, rest.Extract(out, -1));
  EXPECT_STREQ("ef", rest.data());
  EXPECT_TRUE(out.empty());
}

TEST(IEUtilsTStringA, AddLeftCopyAndText) {
  TStringA s;
  s.AddLeft('c');
  s.AddLeft("ab");
  s.Add("d");
  s.Add(static_cast<const char*>(nullptr));
  s.AddLeft(static_cast<const char*>(nullptr));
  EXPECT_STREQ("abcd", s.data());
  EXPECT_EQ(4, s.length());
  EXPECT_EQ('\0', s.data()[4]);

  TStringA copy(s);
  copy.Add("e");
  EXPECT_STREQ("abcd", s.data());
  EXPECT_STREQ("abcde", copy.data());
  s = copy;
  EXPECT_STREQ("abcde", s.data());

  const std::string previous = qel_cp::GetAnsiCodePage();
  ASSERT_TRUE(qel_cp::SetAnsiCodePage("UTF-8"));
  TStringA text;
  text.Add(W(u"\u00E9"));
  EXPECT_EQ(2, text.length());
  ASSERT_TRUE(qel_cp::SetAnsiCodePage("CP1252"));
  TStringA latin;
  latin.Add(W(u"\u00E9"));
  EXPECT_STREQ("\xE9", latin.data());
  qel_cp::SetAnsiCodePage(previous.c_str());

  TStringA* heap = new TStringA(copy);
  ASSERT_NE(nullptr, heap);
  EXPECT_EQ(5, heap->length());
  delete heap;
}
