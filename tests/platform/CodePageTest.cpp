#include <gtest/gtest.h>

#include <string>

#include "CodePage.h"
#include "support/TestSupport.h"

namespace {
std::u16string FromUtf8(const std::string& bytes) {
  std::u16string out;
  EXPECT_TRUE(qel_cp::EncodingToUtf16("UTF-8", bytes.data(), bytes.size(), out));
  return out;
}
std::string ToEncoding(const char* encoding, const std::u16string& text) {
  std::string out;
  EXPECT_TRUE(qel_cp::Utf16ToEncoding(encoding, reinterpret_cast<const unsigned short*>(text.data()),
                                      text.size(), out));
  return out;
}
}  // namespace

TEST(CodePage, Utf8ToUtf16ReplacesEveryInvalidByte) {
  struct Case {
    const char* label;
    std::string bytes;
    std::u16string expected;
  } cases[] = {
      {"ASCII and two-byte", "a\xC3\xA9", u"a\u00E9"},
      {"four bytes make a surrogate pair", "\xF0\x9F\x93\x8D", u"\U0001F4CD"},
      {"lone continuation byte", "a\x80z", u"a\uFFFDz"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"lead byte F5", "\xF5\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"lead byte FF",
       "\xFF"
       "a",
       u"\uFFFDa"},
      {"cut at the end", "a\xE2\x82", u"a\uFFFD\uFFFD"},
      {"cut by ASCII",
       "\xE2\x82"
       "b",
       u"\uFFFD\uFFFDb"},
      {"zero byte kept", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, FromUtf8(c.bytes)) << c.label;
}

TEST(CodePage, Utf16ToUtf8MarksLoneSurrogates) {
  EXPECT_EQ("\xF0\x9F\x93\x8D", ToEncoding("UTF-8", u"\U0001F4CD"));
  EXPECT_EQ("a?b", ToEncoding("UTF-8", std::u16string(u"a\xD83D"
                                                      u"b")));
  EXPECT_EQ("a?b", ToEncoding("UTF-8", std::u16string(u"a\xDCCD"
                                                      u"b")));
  EXPECT_EQ("a?", ToEncoding("UTF-8", std::u16string(u"a\xD83D")));
  EXPECT_EQ("??", ToEncoding("UTF-8", std::u16string(u"\xDCCD\xD83D")));
  EXPECT_EQ("\xE2\x82\xAC", ToEncoding("utf8", u"€"));  // spelling variants of UTF-8
}

TEST(CodePage, Cp1252AsTheAnsiCodePage) {
  EXPECT_TRUE(qel_cp::IsAnsiUtf8());
  AnsiCodePageScope scope("CP1252");
  ASSERT_TRUE(scope.Ok());
  EXPECT_FALSE(qel_cp::IsAnsiUtf8());
  EXPECT_EQ("CP1252", qel_cp::GetAnsiCodePage());
  CQelStringA narrow(reinterpret_cast<const unsigned short*>(u"Größe € 測 \U0001F4CD \xD800!"));
  EXPECT_EQ(std::string("Gr\xF6\xDF"
                        "e \x80 ? ? ?!"),
            std::string(narrow));
  EXPECT_EQ(CQelString(u"Größe €"), CQelString("Gr\xF6\xDF"
                                               "e \x80"));
  EXPECT_EQ(CQelString(u"a\uFFFDb"), CQelString("a\x81"
                                                "b"));  // a byte CP1252 leaves undefined
  size_t units = 0;
  EXPECT_EQ(1u, qel_cp::AnsiBytesOfChar(reinterpret_cast<const unsigned short*>(u"é"), 1, &units));
  EXPECT_EQ(1u, units);
}

TEST(CodePage, UnknownEncodingsAreRefused) {
  EXPECT_FALSE(qel_cp::SetAnsiCodePage("x-no-such-encoding"));
  EXPECT_TRUE(qel_cp::IsAnsiUtf8());
  EXPECT_EQ("UTF-8", qel_cp::GetAnsiCodePage());
  std::string narrow = "left alone";
  EXPECT_FALSE(qel_cp::Utf16ToEncoding("x-no-such-encoding", reinterpret_cast<const unsigned short*>(u"a"), 1,
                                       narrow));
  EXPECT_TRUE(narrow.empty());
  std::u16string wide = u"left alone";
  EXPECT_FALSE(qel_cp::EncodingToUtf16("x-no-such-encoding", "a", 1, wide));
  EXPECT_TRUE(wide.empty());
  EXPECT_TRUE(qel_cp::SetAnsiCodePage(""));  // empty means UTF-8
  EXPECT_TRUE(qel_cp::IsAnsiUtf8());
}

TEST(CodePage, BytesOfOneCharacterInUtf8) {
  struct Case {
    const char16_t* text;
    size_t bytes, units;
  } cases[] = {{u"a", 1, 1}, {u"é", 2, 1}, {u"€", 3, 1}, {u"\U0001F4CD", 4, 2}, {u"\xD800", 1, 1}};
  for (const Case& c : cases) {
    size_t units = 0;
    const auto* p = reinterpret_cast<const unsigned short*>(c.text);
    EXPECT_EQ(c.bytes, qel_cp::AnsiBytesOfChar(p, std::char_traits<char16_t>::length(c.text), &units));
    EXPECT_EQ(c.units, units);
  }
  size_t units = 9;
  EXPECT_EQ(0u, qel_cp::AnsiBytesOfChar(reinterpret_cast<const unsigned short*>(u"a"), 0, &units));
  // A high surrogate whose partner lies beyond the available units is alone.
  EXPECT_EQ(1u, qel_cp::AnsiBytesOfChar(reinterpret_cast<const unsigned short*>(u"\U0001F4CD"), 1, &units));
}
