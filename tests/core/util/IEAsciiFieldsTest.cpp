#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <vector>

#include "IEHelpers.h"
#include "support/TestSupport.h"

using namespace IEAsciiFields;

namespace {

CTypesArray Types(std::initializer_list<int> values) {
  CTypesArray a;
  for (int v : values) a.Add(static_cast<EType>(v));
  return a;
}

std::vector<int> Values(const CTypesArray& a) { return std::vector<int>(a.begin(), a.end()); }

}  // namespace

TEST(IEAsciiFields, StringToFieldsByOwner) {
  struct Case {
    const char16_t* text;
    EOwner owner;
    std::vector<int> types;
    bool complete;
  } cases[] = {
      {u"Name,Lat(North),Notes", OWNER_POINTS_BASIC, {0, 1}, false},
      {u"Name,Lat(North),Notes", OWNER_POINTS, {0, 1, 5}, true},
      {u" Name , Ht(G) ", OWNER_POINTS_QC, {0, 4}, true},
      {u"Chainage", OWNER_XSECTIONS, {48}, true},
      {u"Chainage", OWNER_STAKE_REPORT, {43}, true},
      {u"Cut,Fill,Code", OWNER_XSECTIONS, {55, 56, 54}, true},
      {u"Cut,Fill", OWNER_STAKE_REPORT, {27, 28}, true},
      {u"Code", OWNER_CODE_STYLE, {58}, true},
      {u"Code", OWNER_CODE_LIBRARY, {58}, true},
      {u"name", OWNER_POINTS, {}, false},
      {u"", OWNER_POINTS, {}, false},
      {u"HDOP,PDOP", OWNER_POINTS, {}, false},
      {u"HDOP,PDOP", OWNER_POINTS_QC, {16, 15}, true},
      {u"Vertical Anglee", OWNER_POINTS_BASIC, {103}, true},
  };
  for (const Case& c : cases) {
    CTypesArray out = Types({99});
    EXPECT_EQ(c.complete, StringToFields(c.text, out, c.owner)) << CQelStringA(CQelString(c.text)).c_str();
    EXPECT_EQ(c.types, Values(out)) << CQelStringA(CQelString(c.text)).c_str();
  }
}

TEST(IEAsciiFields, FieldsToString) {
  EXPECT_EQ(u"General Prefix;Code;Code Separator", FieldsToString(Types({57, 58, 59}), u';'));
  EXPECT_EQ(u"Name,Notes", FieldsToString(Types({0, 300, 5}), u','));
  // An unknown first element still counts as the first: the text starts with the delimiter.
  EXPECT_EQ(u",Name", FieldsToString(Types({-1, 0}), u','));
  EXPECT_EQ(u"", FieldsToString(Types({}), u','));
}

TEST(IEAsciiFields, TypesToStringAndBack) {
  EXPECT_EQ(u"5,7", TypesToString(Types({5, 300, 7})));
  EXPECT_EQ(u"", TypesToString(Types({})));

  struct Case {
    const char16_t* text;
    std::vector<int> types;
  } cases[] = {
      {u"3, 1,x", {3, 1, 0}},
      {u"", {0}},
      {u"121,122,-1,57", {121, 57}},
      {u"16,15", {16, 15}},
  };
  for (const Case& c : cases) {
    CTypesArray out = Types({42});
    StringToTypes(c.text, out);
    EXPECT_EQ(c.types, Values(out)) << CQelStringA(CQelString(c.text)).c_str();
  }

  CTypesArray all;
  for (int owner = OWNER_POINTS; owner <= OWNER_CODE_LIBRARY; ++owner)
    GetSupportedFieldsByOwner(all, static_cast<EOwner>(owner));
  CTypesArray back;
  StringToTypes(TypesToString(all), back);
  EXPECT_TRUE(IsArraysEqual(all, back));
}

TEST(IEAsciiFields, FindAndCompare) {
  CTypesArray a = Types({4, 7, 4});
  EXPECT_EQ(0, FindTypeInArray(HT_G, a));
  EXPECT_EQ(1, FindTypeInArray(CODES_DESCRIPTIONS, a));
  EXPECT_EQ(-1, FindTypeInArray(NAME, a));
  EXPECT_FALSE(IsArraysEqual(Types({1, 2}), Types({2, 1})));
  EXPECT_FALSE(IsArraysEqual(Types({1, 2}), Types({1, 2, 3})));
  EXPECT_TRUE(IsArraysEqual(Types({1, 2}), Types({1, 2})));
  EXPECT_TRUE(IsArraysEqual(Types({}), Types({})));
}

TEST(IEAsciiFields, FieldsOfEachOwnerInTableOrder) {
  const int counts[] = {45, 41, 55, 30, 11, 13, 19};
  for (int owner = OWNER_POINTS; owner <= OWNER_CODE_LIBRARY; ++owner) {
    CTypesArray fields;
    GetSupportedFieldsByOwner(fields, static_cast<EOwner>(owner));
    EXPECT_EQ(counts[owner], fields.GetSize()) << "owner " << owner;
    // Names are unique within an owner, so every field reads back from its own name.
    CTypesArray back;
    EXPECT_TRUE(StringToFields(FieldsToString(fields, u','), back, static_cast<EOwner>(owner)));
    EXPECT_TRUE(IsArraysEqual(fields, back)) << "owner " << owner;
  }

  CTypesArray qc = Types({7});
  GetSupportedFieldsByOwner(qc, OWNER_POINTS_QC);
  const std::vector<int> qcStart = {7, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15, 17};
  EXPECT_EQ(qcStart, std::vector<int>(qc.begin(), qc.begin() + qcStart.size()));

  CTypesArray style;
  GetSupportedFieldsByOwner(style, OWNER_CODE_STYLE);
  EXPECT_EQ((std::vector<int>{57, 59, 58, 63, 62, 61, 60, 65, 64, 67, 66, 69, 68}), Values(style));
}

TEST(IEAsciiFields, EveryValueHasOneEntry) {
  CTypesArray all;
  for (int owner = OWNER_POINTS; owner <= OWNER_CODE_LIBRARY; ++owner)
    GetSupportedFieldsByOwner(all, static_cast<EOwner>(owner));
  std::set<int> distinct(all.begin(), all.end());
  EXPECT_EQ(static_cast<size_t>(kFieldCount), distinct.size());
  EXPECT_EQ(0, *distinct.begin());
  EXPECT_EQ(kFieldCount - 1, *distinct.rbegin());
  for (int v = 0; v < kFieldCount; ++v) EXPECT_FALSE(FieldsToString(Types({v}), u',').IsEmpty()) << v;
}
