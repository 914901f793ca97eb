#include <gtest/gtest.h>

#include "WinGuid.h"
#include "support/TestSupport.h"

namespace {
const GUID kSample = {0x00112233, 0x4455, 0x6677, {0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}};
}

TEST(WinGuid, ParsesTheRegistryFormInAnyCase) {
  for (const char16_t* text :
       {u"{00112233-4455-6677-8899-AABBCCDDEEFF}", u"{00112233-4455-6677-8899-aabbccddeeff}",
        u"{00112233-4455-6677-8899-aAbBcCdDeEfF}"}) {
    GUID g = {};
    ASSERT_TRUE(GuidFromString(text, g)) << ::testing::PrintToString(CQelString(text));
    EXPECT_EQ(kSample, g);
    EXPECT_EQ(0x00112233u, g.Data1);
    EXPECT_EQ(0x4455u, g.Data2);
    EXPECT_EQ(0x88u, g.Data4[0]);
    EXPECT_EQ(0xFFu, g.Data4[7]);
    EXPECT_EQ(CQelString(u"{00112233-4455-6677-8899-AABBCCDDEEFF}"), GuidToString(g));
  }
}

TEST(WinGuid, RefusesAnythingElseAndKeepsTheTarget) {
  const char16_t* bad[] = {
      u"",
      u"00112233-4455-6677-8899-AABBCCDDEEFF",
      u"{00112233-4455-6677-8899-AABBCCDDEEF}",
      u"{00112233-4455-6677-8899-AABBCCDDEEFF}x",
      u"{00112233-4455-6677-8899-AABBCCDDEEFF ",
      u"(00112233-4455-6677-8899-AABBCCDDEEFF)",
      u"{0011223-34455-6677-8899-AABBCCDDEEFF}",
      u"{00112233-4455-6677-8899_AABBCCDDEEFF}",
      u"{00112233-4455-6677-8899-AABBCCDDEEFG}",
      u"{ 0112233-4455-6677-8899-AABBCCDDEEFF}",
      u"{+0112233-4455-6677-8899-AABBCCDDEEFF}",
      u"{00112233-4455-6677-8899-AABBCCDD\uFF25EFF}",
  };
  for (const char16_t* text : bad) {
    GUID g = kSample;
    EXPECT_FALSE(GuidFromString(text, g)) << ::testing::PrintToString(CQelString(text));
    EXPECT_EQ(kSample, g);
  }
  GUID g = kSample;
  EXPECT_FALSE(GuidFromString(static_cast<const unsigned short*>(nullptr), g));
}

TEST(WinGuid, FormatsWithUpperCaseDigitsAndLeadingZeros) {
  const GUID g = {0xA, 0xB, 0xC, {0, 1, 2, 3, 4, 5, 6, 0xF}};
  CQelString text = GuidToString(g);
  EXPECT_EQ(38, text.GetLength());
  EXPECT_EQ(CQelString(u"{0000000A-000B-000C-0001-02030405060F}"), text);
  GUID back = {};
  ASSERT_TRUE(GuidFromString(text, back));
  EXPECT_EQ(g, back);
}

TEST(WinGuid, ComparisonIsByValue) {
  GUID a = kSample, b = kSample;
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  EXPECT_FALSE(a < b);
  b.Data4[7] = 0;
  EXPECT_TRUE(a != b);
  EXPECT_TRUE(b < a);
  b = kSample;
  b.Data1 = 0xFFFFFFFF;
  EXPECT_TRUE(a < b);
  EXPECT_FALSE(b < a);
}
