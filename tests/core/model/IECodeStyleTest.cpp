#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "IECodeStyle.h"
#include "IECodesDataInterface.h"

namespace {

using namespace IEAsciiFields;

class IECodeStyleTest : public ::testing::Test {
 protected:
  IECodeStyleTest() : tree(u"TREE"), wall(u"WALL") {
    tree.AddAttrDescription(new CIEAttrDescription(u"KIND"));
    tree.AddAttrDescription(new CIEAttrDescription(u"HEIGHT"));
    style.m_strCodeSeparator = u"/";
    style.m_strStringSeparator = u"#";
    style.m_strControlCodeSeparator = u":";
    style.m_strNoteSeparator = u";";
    style.m_strGeneralPrefix = u"@";
    style.m_strAttrNameSeparator = u"[";
    style.m_strAttrValueSeparator = u"=";
    style.m_strControlCodeTexts[TIECodeStyle::CC_BEG_LINE] = u"B";
    style.m_strControlCodeTexts[TIECodeStyle::CC_C] = u"CL";
  }
  void Order(std::vector<EType> fields) {
    style.m_fieldOrder.RemoveAll();
    for (EType f : fields) style.m_fieldOrder.Add(f);
  }
  CIECodeValues* Tree() {
    auto* code = new CIECodeValues(&tree);
    code->AddAttr(u"Oak");
    code->AddAttr(u"12");
    return code;
  }
  CIECodeDescription tree, wall;
  TIECodeStyle style;
};

TEST_F(IECodeStyleTest, UserControlCodes) {
  EXPECT_TRUE(CIECodesDataInterface::GetUserControlCode(nullptr, u"BEG_LINE") == u"BEG_LINE");
  EXPECT_TRUE(CIECodesDataInterface::GetUserControlCode(&style, u"BEG_LINE") == u"B");
  EXPECT_TRUE(CIECodesDataInterface::GetUserControlCode(&style, u"AS").IsEmpty());
  EXPECT_TRUE(CIECodesDataInterface::GetUserControlCode(&style, u"beg_line") == u"beg_line");
}

TEST_F(IECodeStyleTest, NoCodes) {
  CIECodesDataInterface codes;
  EXPECT_TRUE(codes.GetCodesAsCodeStyle(nullptr, u"n").IsEmpty());
  struct Case {
    std::vector<EType> order;
    const char16_t* note;
    const char16_t* expected;
  } cases[] = {{{}, u"note", u"note"},
               {{CS_CODE}, u"note", u"note"},
               {{CS_NOTE, CS_NOTE_SEPARATOR}, u"note", u"note;"},
               {{CS_NOTE_SEPARATOR, CS_NOTE}, u"note", u";note"},
               {{CS_NOTE_SEPARATOR, CS_NOTE}, u"", u""},
               {{CS_NOTE_SEPARATOR}, u"note", u""}};
  for (const Case& c : cases) {
    Order(c.order);
    EXPECT_TRUE(codes.GetCodesAsCodeStyle(&style, c.note) == c.expected) << c.expected;
  }
}

TEST_F(IECodeStyleTest, CodesJoinedByTheFieldOrder) {
  CIECodesDataInterface codes;
  CIECodeValues* t = Tree();
  t->AddCodeString(u"1");
  t->SetControlCode(CIECodeValues::CONTROL_CODE_1, u"BEG_LINE");
  t->SetControlCode(CIECodeValues::CONTROL_CODE_2, u"C");
  codes.AddCode(t);
  codes.AddCode(new CIECodeValues(&wall));
  struct Case {
    std::vector<EType> order;
    const char16_t* expected;
  } cases[] = {
      {{}, u""},
      {{CS_CODE, CS_CODE_SEPARATOR}, u"TREE/WALL"},
      {{CS_GENERAL_PREFIX, CS_CODE, CS_CODE_STRING, CS_STRING_SEPARATOR}, u"@TREE1#@WALL"},
      {{CS_CODE, CS_CONTROL_CODE_SEPARATOR, CS_CONTROL_CODE, CS_CODE_SEPARATOR}, u"TREE:B:CL/WALL"},
      {{CS_CODE, CS_NOTE_SEPARATOR, CS_NOTE}, u"TREEWALL;n"},
      {{CS_CODE, CS_ATTRIBUTE_NAME_SEPARATOR, CS_ATTRIBUTE_NAME, CS_ATTRIBUTE_VALUE_SEPARATOR,
        CS_ATTRIBUTE_VALUE, CS_CODE_SEPARATOR},
       u"TREE[KIND=Oak[HEIGHT=12/WALL"},
      {{CS_ATTRIBUTE_VALUE, CS_CODE, CS_ATTRIBUTE_NAME}, u"KINDOakHEIGHT12TREEWALL"},
      {{static_cast<EType>(0), CS_CODE}, u"TREEWALL"},
  };
  for (const Case& c : cases) {
    Order(c.order);
    EXPECT_TRUE(codes.GetCodesAsCodeStyle(&style, u"n") == c.expected) << c.expected;
  }
}

TEST_F(IECodeStyleTest, StyleCopiesMemberByMember) {
  Order({CS_CODE, CS_NOTE});
  auto* copy = new TIECodeStyle(style);
  std::unique_ptr<TIECodeStyle> owner(copy);
  EXPECT_EQ(2, copy->m_fieldOrder.GetSize());
  EXPECT_EQ(CS_NOTE, copy->m_fieldOrder[1]);
  EXPECT_TRUE(copy->m_strControlCodeTexts[TIECodeStyle::CC_BEG_LINE] == u"B");
}

}  // namespace
