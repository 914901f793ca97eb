#include "IEAttrDescription.h"

namespace {
struct TAttrTypeInfo {
  const char16_t* text;
  int size;
  int maxLength;
};
const TAttrTypeInfo kAttrTypes[] = {{u"String", -1, 255}, {u"Bool", 4, 10},   {u"Integer", 4, 10},
                                    {u"Float", 8, 18},    {u"List", -1, 255}, {u"Date-Time", -1, 19}};
const TAttrTypeInfo kUnsupported = {u"NotSupported", -1, 255};
const int kAttrTypesCount = sizeof(kAttrTypes) / sizeof(kAttrTypes[0]);

const TAttrTypeInfo& InfoOf(CIEAttrDescription::EAttributeType type) {
  return type >= 0 && type < kAttrTypesCount ? kAttrTypes[type] : kUnsupported;
}
}  // namespace

void CIEAttrDescription::resetAll() {
  m_nLength = GetMaxLength();
  m_nFracLength = 18;
  m_bFlag1 = true;
  m_bFlag2 = false;
  for (CQelString& text : m_strTexts) text.Empty();
}

void CIEAttrDescription::SetType(EAttributeType type) {
  m_eType = type;
  Update();
}

CQelString CIEAttrDescription::GetTypeAsString() const { return InfoOf(m_eType).text; }

void CIEAttrDescription::SetTypeFromString(const CQelString& text) {
  EAttributeType type = ATTR_STRING;
  for (int i = 0; i < kAttrTypesCount; ++i)
    if (text == kAttrTypes[i].text) type = static_cast<EAttributeType>(i);
  SetType(type);
}

int CIEAttrDescription::GetAttrSize() const { return InfoOf(m_eType).size; }

int CIEAttrDescription::GetMaxLength() const { return InfoOf(m_eType).maxLength; }
