#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "IEAttrDescription.h"
#include "IECodeDescription.h"
#include "IECodeValues.h"
#include "IECodesDataInterface.h"
#include "IEDataDictionary.h"
#include "IELayer.h"

namespace {

CIECodeDescription* MakeCode(const char16_t* name, std::vector<const char16_t*> attrs = {}) {
  auto* desc = new CIECodeDescription(name);
  for (const char16_t* a : attrs) desc->AddAttrDescription(new CIEAttrDescription(a));
  return desc;
}

TEST(IEAttrDescriptionTest, DefaultsAndTypeTable) {
  CIEAttrDescription attr(u"HEIGHT");
  EXPECT_EQ(CIEAttrDescription::ATTR_STRING, attr.GetType());
  EXPECT_EQ(255, attr.m_nLength);
  EXPECT_EQ(18, attr.m_nFracLength);
  EXPECT_TRUE(attr.m_bFlag1);
  EXPECT_FALSE(attr.m_bFlag2);
  EXPECT_EQ(0, attr.GetMaxFracLength());

  struct Row {
    int type;
    const char16_t* text;
    int size, maxLength;
  };
  const Row rows[] = {{0, u"String", -1, 255},       {1, u"Bool", 4, 10},           {2, u"Integer", 4, 10},
                      {3, u"Float", 8, 18},          {4, u"List", -1, 255},         {5, u"Date-Time", -1, 19},
                      {6, u"NotSupported", -1, 255}, {-1, u"NotSupported", -1, 255}};
  for (const Row& r : rows) {
    attr.SetType(static_cast<CIEAttrDescription::EAttributeType>(r.type));
    EXPECT_TRUE(attr.GetTypeAsString() == r.text) << r.type;
    EXPECT_EQ(r.size, attr.GetAttrSize()) << r.type;
    EXPECT_EQ(r.maxLength, attr.GetMaxLength()) << r.type;
    EXPECT_EQ(r.maxLength, attr.m_nLength) << r.type;
    EXPECT_EQ(r.type == 3 ? 18 : 0, attr.GetMaxFracLength()) << r.type;
  }
}

TEST(IEAttrDescriptionTest, TypeFromTextIsCaseSensitive) {
  CIEAttrDescription attr;
  attr.SetTypeFromString(u"Date-Time");
  EXPECT_EQ(CIEAttrDescription::ATTR_DATE_TIME, attr.GetType());
  EXPECT_EQ(19, attr.m_nLength);
  for (const char16_t* text : {u"float", u"Real", u""}) {
    attr.SetTypeFromString(text);
    EXPECT_EQ(CIEAttrDescription::ATTR_STRING, attr.GetType());
  }
}

TEST(IEAttrDescriptionTest, ResetAllKeepsTypeNameAndList) {
  CIEAttrDescription attr(u"KIND");
  attr.SetType(CIEAttrDescription::ATTR_LIST);
  attr.m_listValues.Add(u"Oak");
  attr.m_nLength = 3;
  attr.m_nFracLength = 2;
  attr.m_bFlag1 = false;
  attr.m_bFlag2 = true;
  attr.m_strTexts[2] = u"x";
  CIEAttrDescription copy(attr);
  attr.resetAll();
  EXPECT_EQ(CIEAttrDescription::ATTR_LIST, attr.GetType());
  EXPECT_TRUE(attr.m_strName == u"KIND");
  EXPECT_EQ(1, attr.m_listValues.GetSize());
  EXPECT_EQ(255, attr.m_nLength);
  EXPECT_EQ(18, attr.m_nFracLength);
  EXPECT_TRUE(attr.m_bFlag1);
  EXPECT_FALSE(attr.m_bFlag2);
  EXPECT_TRUE(attr.m_strTexts[2].IsEmpty());
  EXPECT_EQ(3, copy.m_nLength);
  EXPECT_TRUE(copy.m_strTexts[2] == u"x");
}

TEST(IECodeDescriptionTest, OnlyCodeNameUntilAnythingIsGiven) {
  CIECodeDescription desc(u"TREE");
  EXPECT_TRUE(desc.IsOnlyCodeNameDefined());
  EXPECT_FALSE(desc.IsDrawPropertiesWasDefined());
  void (*changes[])(CIECodeDescription&) = {
      [](CIECodeDescription& d) { d.SetCodeType(CIECodeDescription::CODE_POINT); },
      [](CIECodeDescription& d) {
        d.SetAttribPromptType(static_cast<CIECodeDescription::EIEAttribPromptType>(0));
      },
      [](CIECodeDescription& d) { d.SetDescCodeName(u"a tree"); },
      [](CIECodeDescription& d) { d.AddAttrDescription(new CIEAttrDescription()); },
      [](CIECodeDescription& d) {
        d.SetDrawProperties(IIEDrawProperties::DRAW_AREA, new CIEDrawAreaProperties());
      },
      [](CIECodeDescription& d) {
        static CIELayer layer;
        d.SetLayer(&layer);
      },
  };
  for (auto change : changes) {
    CIECodeDescription d(u"X");
    change(d);
    EXPECT_FALSE(d.IsOnlyCodeNameDefined());
  }
}

TEST(IECodeDescriptionTest, AttributesAndDrawProperties) {
  std::unique_ptr<CIECodeDescription> desc(MakeCode(u"TREE", {u"KIND", u"HEIGHT", u"KIND"}));
  EXPECT_EQ(3, desc->GetSize());
  EXPECT_EQ(0, desc->FindAttrDescriptionIndex(u"KIND"));
  EXPECT_EQ(-1, desc->FindAttrDescriptionIndex(u"kind"));
  EXPECT_EQ(desc->GetAttrDescriptionAt(1), desc->FindAttrDescription(u"HEIGHT"));
  EXPECT_EQ(nullptr, desc->GetAttrDescriptionAt(3));
  EXPECT_EQ(nullptr, desc->GetAttrDescriptionAt(-1));
  std::unique_ptr<IIEDrawProperties> point(CIECodeDescription::CreateDrawPropertiesFromString(u"point"));
  EXPECT_EQ(nullptr, point);
  desc->SetDrawProperties(IIEDrawProperties::DRAW_LINE,
                          CIECodeDescription::CreateDrawPropertiesFromString(u"Line"));
  EXPECT_TRUE(desc->IsDrawPropertiesWasDefined());
  desc->SetDrawProperties(IIEDrawProperties::DRAW_LINE, nullptr);
  EXPECT_FALSE(desc->IsDrawPropertiesWasDefined());
  EXPECT_EQ(nullptr, desc->GetDrawProperties(static_cast<IIEDrawProperties::EIEDrawType>(3)));
}

TEST(IECodeDescriptionTest, CopyIsDeepAndSharesTheLayer) {
  CIELayer layer;
  auto* desc = MakeCode(u"TREE", {u"KIND"});
  desc->SetLayer(&layer);
  desc->SetDrawProperties(IIEDrawProperties::DRAW_POINT, new CIEDrawPointProperties());
  desc->SetCodeType(CIECodeDescription::CODE_POINT);
  CIECodeDescription copy(*desc);
  CIECodeDescription assigned(u"OTHER");
  assigned = *desc;
  EXPECT_NE(desc->GetAttrDescriptionAt(0), copy.GetAttrDescriptionAt(0));
  delete desc;
  for (const CIECodeDescription* d : {&copy, &assigned}) {
    EXPECT_TRUE(d->GetName() == u"TREE");
    ASSERT_EQ(1, d->GetSize());
    EXPECT_TRUE(d->GetAttrDescriptionAt(0)->m_strName == u"KIND");
    EXPECT_NE(nullptr, d->GetDrawProperties(IIEDrawProperties::DRAW_POINT));
    EXPECT_EQ(&layer, d->GetLayer());
    EXPECT_EQ(CIECodeDescription::CODE_POINT, d->GetCodeType());
  }
}

class IEDataDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char16_t* n : {u"WALL", u"FENCE", u"TREE"}) dict.AddCodeDescription(MakeCode(n));
  }
  std::vector<CQelString> Walk() {
    std::vector<CQelString> names;
    while (const CIECodeDescription* d = dict.GetNextCodeDescription()) names.push_back(d->GetName());
    return names;
  }
  CIEDataDictionary dict;
};

TEST_F(IEDataDictionaryTest, EnumerationNeedsResetAndRunsInNameOrder) {
  EXPECT_EQ(nullptr, dict.GetNextCodeDescription());
  dict.Reset();
  EXPECT_EQ((std::vector<CQelString>{u"FENCE", u"TREE", u"WALL"}), Walk());
  EXPECT_EQ(nullptr, dict.GetNextCodeDescription());
  CIEDataDictionary empty;
  empty.Reset();
  EXPECT_EQ(nullptr, empty.GetNextCodeDescription());
}

TEST_F(IEDataDictionaryTest, IndexedAccessMovesTheEnumerationPosition) {
  const CIEDataDictionary& constDict = dict;
  EXPECT_TRUE(constDict.GetCodeDescriptionAt(2)->GetName() == u"WALL");
  EXPECT_EQ(nullptr, dict.GetNextCodeDescription());  // the const form leaves the position alone

  EXPECT_TRUE(dict.GetCodeDescriptionAt(1)->GetName() == u"TREE");
  EXPECT_EQ((std::vector<CQelString>{u"WALL"}), Walk());
  for (int outside : {3, -1}) {
    EXPECT_EQ(nullptr, dict.GetCodeDescriptionAt(outside));
    EXPECT_EQ((std::vector<CQelString>{u"FENCE", u"TREE", u"WALL"}), Walk());
  }
  EXPECT_EQ(nullptr, constDict.GetCodeDescriptionAt(3));
}

TEST_F(IEDataDictionaryTest, SameNameReplacesTheMapEntryWithoutLosingTheOldDescription) {
  CIECodeDescription* first = dict.FindCodeDiscription(u"TREE");
  CIECodeValues stillPointing(first);
  auto* second = MakeCode(u"TREE", {u"KIND"});
  dict.AddCodeDescription(second);
  dict.AddCodeDescription(nullptr);
  EXPECT_EQ(3, dict.GetSize());
  EXPECT_EQ(second, dict.FindCodeDiscription(u"TREE"));
  EXPECT_TRUE(stillPointing.GetDescription()->GetName() == u"TREE");  // alive until the dictionary goes
  dict.AddCodeDescription(first);  // back in the map: owned once, not twice
  dict.AddCodeDescription(first);
  EXPECT_EQ(first, dict.FindCodeDiscription(u"TREE"));
  EXPECT_EQ(nullptr, dict.FindCodeDiscription(u"tree"));
}

TEST_F(IEDataDictionaryTest, CopyIsDeep) {
  dict.Reset();
  CIEDataDictionary copy(dict);
  EXPECT_EQ(nullptr, copy.GetNextCodeDescription());
  EXPECT_EQ(3, copy.GetSize());
  EXPECT_NE(dict.FindCodeDiscription(u"WALL"), copy.FindCodeDiscription(u"WALL"));
  CIEDataDictionary assigned;
  assigned.AddCodeDescription(MakeCode(u"GONE"));
  assigned = copy;
  EXPECT_EQ(nullptr, assigned.FindCodeDiscription(u"GONE"));
  EXPECT_TRUE(assigned.GetCodeDescriptionAt(0)->GetName() == u"FENCE");
}

TEST(IECodeValuesTest, ValuesByIndexAndName) {
  std::unique_ptr<CIECodeDescription> desc(MakeCode(u"TREE", {u"KIND", u"HEIGHT", u"GIRTH"}));
  CIECodeValues values(desc.get());
  values.AddAttr(u"Oak");
  values.AddAttr(u"12.5");
  EXPECT_TRUE(values.GetAttrAt(1) == u"12.5");
  EXPECT_TRUE(values.GetAttrAt(2).IsEmpty());
  EXPECT_TRUE(values.GetAttrAt(-1).IsEmpty());
  EXPECT_TRUE(values.GetAttrByName(u"HEIGHT") == u"12.5");
  EXPECT_TRUE(values.GetAttrByName(u"GIRTH").IsEmpty());
  EXPECT_TRUE(values.GetAttrByName(u"SPREAD").IsEmpty());
  EXPECT_TRUE(CIECodeValues(nullptr).GetAttrByName(u"KIND").IsEmpty());

  values.AddCodeString(u"1");
  EXPECT_EQ(1, values.GetNumberOfTheCodeStrings());
  EXPECT_TRUE(values.GetCodeStringAt(1).IsEmpty());
  values.SetControlCode(CIECodeValues::CONTROL_CODE_2, u"BEG_LINE");
  values.SetControlCode(static_cast<CIECodeValues::ECodeControlCode>(2), u"X");
  EXPECT_TRUE(values.DoesCodeHasControlCode(u"BEG_LINE"));
  EXPECT_FALSE(values.DoesCodeHasControlCode(u"X"));
  EXPECT_TRUE(values.GetControlCode(static_cast<CIECodeValues::ECodeControlCode>(2)).IsEmpty());

  CIECodeValues copy(values);
  EXPECT_EQ(desc.get(), copy.GetDescription());
  EXPECT_TRUE(copy.GetAttrAt(0) == u"Oak");
  EXPECT_TRUE(copy.GetControlCode(CIECodeValues::CONTROL_CODE_2) == u"BEG_LINE");
}

// Code strings and control codes live apart from the attribute values; copies must carry them,
// or their absence, all the same.
TEST(IECodeValuesTest, CodeStringsAndControlCodesFollowCopyAndAssignment) {
  std::unique_ptr<CIECodeDescription> desc(MakeCode(u"TREE", {u"KIND"}));
  CIECodeValues bare(desc.get());
  bare.SetControlCode(CIECodeValues::CONTROL_CODE_1, u"");
  EXPECT_EQ(0, bare.GetNumberOfTheCodeStrings());
  EXPECT_TRUE(bare.GetCodeStringAt(0).IsEmpty());
  EXPECT_TRUE(bare.GetControlCode(CIECodeValues::CONTROL_CODE_2).IsEmpty());
  EXPECT_TRUE(bare.DoesCodeHasControlCode(u""));
  EXPECT_FALSE(bare.DoesCodeHasControlCode(u"AS"));

  auto* rich = new CIECodeValues(desc.get());
  rich->AddAttr(u"Oak");
  rich->AddCodeString(u"1");
  rich->SetControlCode(CIECodeValues::CONTROL_CODE_1, u"AS");
  CIECodeValues copy(*rich);
  CIECodeValues assigned(bare);
  assigned = *rich;
  const CIECodeValues& self = assigned;
  assigned = self;
  delete rich;
  for (const CIECodeValues* values : {&copy, &assigned}) {
    ASSERT_EQ(1, values->GetNumberOfTheCodeStrings());
    EXPECT_TRUE(values->GetCodeStringAt(0) == u"1");
    EXPECT_TRUE(values->DoesCodeHasControlCode(u"AS"));
    EXPECT_TRUE(values->GetControlCode(CIECodeValues::CONTROL_CODE_1) == u"AS");
    EXPECT_TRUE(values->GetAttrAt(0) == u"Oak");
  }
  copy = bare;
  EXPECT_EQ(0, copy.GetNumberOfTheCodeStrings());
  EXPECT_TRUE(copy.GetControlCode(CIECodeValues::CONTROL_CODE_1).IsEmpty());
  EXPECT_EQ(0, copy.GetNumberOfAttrs());
}

// A text handed over as a temporary is taken as it is, unless its block has spare room that a
// copy would not keep.
TEST(IECodeValuesTest, HandedOverTextsAreTakenOrCopiedToSize) {
  struct TCase {
    const char* what;
    std::function<void(CIECodeValues&, CQelString&&)> hand;
    std::function<const CQelString&(const CIECodeValues&)> read;
  };
  const TCase cases[] = {
      {"attribute", [](CIECodeValues& v, CQelString&& t) { v.AddAttr(std::move(t)); },
       [](const CIECodeValues& v) -> const CQelString& { return v.GetAttrAt(0); }},
      {"code string", [](CIECodeValues& v, CQelString&& t) { v.AddCodeString(std::move(t)); },
       [](const CIECodeValues& v) -> const CQelString& { return v.GetCodeStringAt(0); }},
      {"control code",
       [](CIECodeValues& v, CQelString&& t) {
         v.SetControlCode(CIECodeValues::CONTROL_CODE_2, std::move(t));
       },
       [](const CIECodeValues& v) -> const CQelString& {
         return v.GetControlCode(CIECodeValues::CONTROL_CODE_2);
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    CIECodeValues exact(nullptr), padded(nullptr);
    CQelString text(u"Oak tree");
    c.hand(exact, std::move(text));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(c.read(exact) == u"Oak tree");
    CQelString field(u"Ash                             ");
    field.TrimRight();
    c.hand(padded, std::move(field));
    EXPECT_TRUE(c.read(padded) == u"Ash");
    EXPECT_EQ(3, c.read(padded).GetAllocLength());
  }
}

class IECodesDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dict.AddCodeDescription(MakeCode(u"TREE", {u"KIND"}));
    dict.AddCodeDescription(MakeCode(u"WALL"));
  }
  CIECodeValues* Code(const char16_t* name, const char16_t* value = nullptr) {
    auto* code = new CIECodeValues(dict.FindCodeDiscription(name));
    if (value) code->AddAttr(value);
    return code;
  }
  CIEDataDictionary dict;
};

TEST_F(IECodesDataTest, FindCodeWithAndWithoutCodeStrings) {
  CIECodesDataInterface codes;
  EXPECT_EQ(nullptr, codes.FindCode(u"TREE", false));
  codes.AddCode(Code(u"WALL"));
  CIECodeValues* tree = Code(u"TREE", u"Oak");
  tree->AddCodeString(u"2");
  tree->AddCodeString(u"1");
  codes.AddCode(tree);
  codes.AddCode(nullptr);
  codes.AddCode(new CIECodeValues(nullptr));
  EXPECT_EQ(3, codes.GetNumberOfCodes());
  EXPECT_EQ(tree, codes.FindCode(u"TREE1", true));
  EXPECT_EQ(nullptr, codes.FindCode(u"TREE1", false));
  EXPECT_EQ(tree, codes.FindCode(u"TREE", true));
  EXPECT_EQ(1, codes.GetCodePos(u"TREE"));
  EXPECT_EQ(-1, codes.GetCodePos(u"tree"));
  EXPECT_TRUE(codes.GetCodeAttrValue(u"TREE", u"KIND") == u"Oak");
  EXPECT_TRUE(codes.GetCodeAttrValue(u"BUSH", u"KIND").IsEmpty());
  EXPECT_EQ(nullptr, codes.GetCode(3));
  EXPECT_EQ(nullptr, codes.GetCode(-1));
}

// One code sits in the object itself, more in a block: order and removal must not depend on that.
TEST_F(IECodesDataTest, CodesKeepTheirOrderFromOneToManyAndBack) {
  CIEDataDictionary local;
  const char16_t* names[] = {u"C0", u"C1", u"C2", u"C3", u"C4"};
  for (const char16_t* name : names) local.AddCodeDescription(MakeCode(name));
  for (int count = 1; count <= 5; ++count) {
    for (int removed = 0; removed < count; ++removed) {
      SCOPED_TRACE(testing::Message() << count << " codes, removing " << removed);
      CIECodesDataInterface codes;
      std::vector<const CIECodeValues*> expected;
      for (int i = 0; i < count; ++i) {
        auto* code = new CIECodeValues(local.FindCodeDiscription(names[i]));
        codes.AddCode(code);
        expected.push_back(code);
      }
      EXPECT_TRUE(codes.RemoveCode(names[removed]));
      expected.erase(expected.begin() + removed);
      auto* last = new CIECodeValues(local.FindCodeDiscription(names[removed]));
      codes.AddCode(last);
      expected.push_back(last);
      ASSERT_EQ(count, codes.GetNumberOfCodes());
      for (int i = 0; i < count; ++i) EXPECT_EQ(expected[i], codes.GetCode(i));
      EXPECT_EQ(nullptr, codes.GetCode(count));
      EXPECT_EQ(count - 1, codes.GetCodePos(names[removed]));
      CIECodesDataInterface copy(codes);
      ASSERT_EQ(count, copy.GetNumberOfCodes());
      for (int i = 0; i < count; ++i)
        EXPECT_EQ(expected[i]->GetDescription(), copy.GetCode(i)->GetDescription());
    }
  }
}

TEST_F(IECodesDataTest, RemoveAndCopy) {
  CIECodesDataInterface codes;
  codes.AddCode(Code(u"TREE", u"Oak"));
  codes.AddCode(Code(u"WALL"));
  CIECodesDataInterface target;
  target.AddCode(Code(u"WALL"));
  codes.copyCodesData(&target);
  codes.copyCodesData(nullptr);
  ASSERT_EQ(3, target.GetNumberOfCodes());
  EXPECT_NE(codes.GetCode(0), target.GetCode(1));
  EXPECT_EQ(codes.GetCode(0)->GetDescription(), target.GetCode(1)->GetDescription());

  CIECodesDataInterface copy(codes);
  EXPECT_TRUE(codes.RemoveCode(u"TREE"));
  EXPECT_FALSE(codes.RemoveCode(u"TREE"));
  EXPECT_EQ(1, codes.GetNumberOfCodes());
  EXPECT_TRUE(copy.GetCodeAttrValue(u"TREE", u"KIND") == u"Oak");
  copy = codes;
  EXPECT_EQ(1, copy.GetNumberOfCodes());
  codes.RemoveAllCodes();
  EXPECT_EQ(0, codes.GetNumberOfCodes());
  EXPECT_EQ(1, copy.GetNumberOfCodes());
}

}  // namespace
