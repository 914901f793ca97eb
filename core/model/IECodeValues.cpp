#include "IECodeValues.h"

namespace {
const CQelString& EmptyText() {
  static const CQelString empty;
  return empty;
}
}  // namespace

CIECodeValues::CIECodeValues(CIECodeDescription* desc) : m_pDescription(desc) {
  // Values come one per attribute of the description: one allocation holds them all.
  if (desc) m_attrValues.Reserve(desc->GetSize());
}

const CQelString& CIECodeValues::GetAttrAt(int index) const {
  return m_attrValues.IsValidIndex(index) ? m_attrValues[index] : EmptyText();
}

const CQelString& CIECodeValues::GetAttrByName(const CQelString& name) const {
  return m_pDescription ? GetAttrAt(m_pDescription->FindAttrDescriptionIndex(name)) : EmptyText();
}

const CQelString& CIECodeValues::GetCodeStringAt(int index) const {
  return m_codeStrings.IsValidIndex(index) ? m_codeStrings[index] : EmptyText();
}

void CIECodeValues::SetControlCode(ECodeControlCode which, const CQelString& text) {
  if (IsValid(which)) m_strControlCodes[which] = text;
}

const CQelString& CIECodeValues::GetControlCode(ECodeControlCode which) const {
  return IsValid(which) ? m_strControlCodes[which] : EmptyText();
}

bool CIECodeValues::DoesCodeHasControlCode(const CQelString& text) const {
  return m_strControlCodes[CONTROL_CODE_1] == text || m_strControlCodes[CONTROL_CODE_2] == text;
}
