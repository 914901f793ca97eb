#include "IECodesDataInterface.h"

CIECodesDataInterface::CIECodesDataInterface(const CIECodesDataInterface& other) { other.copyCodesData(this); }

CIECodesDataInterface& CIECodesDataInterface::operator=(const CIECodesDataInterface& other) {
  if (this != &other) {
    RemoveAllCodes();
    other.copyCodesData(this);
  }
  return *this;
}

void CIECodesDataInterface::AddCode(CIECodeValues* code) {
  if (code) m_codes.Add(code);
}

int CIECodesDataInterface::GetCodePos(const CQelString& codeName) const {
  for (int i = 0; i < m_codes.GetSize(); ++i) {
    const CIECodeDescription* desc = m_codes[i]->GetDescription();
    if (desc && desc->GetName() == codeName) return i;
  }
  return -1;
}

CIECodeValues* CIECodesDataInterface::FindCode(const CQelString& text, bool withStrings) const {
  for (CIECodeValues* code : m_codes) {
    const CIECodeDescription* desc = code->GetDescription();
    if (!desc) continue;
    const CQelString& name = desc->GetName();
    if (withStrings) {
      for (int s = 0; s < code->GetNumberOfTheCodeStrings(); ++s)
        if (text == name + code->GetCodeStringAt(s)) return code;
    }
    if (text == name) return code;
  }
  return nullptr;
}

CQelString CIECodesDataInterface::GetCodeAttrValue(const CQelString& codeName, const CQelString& attrName) const {
  const CIECodeValues* code = FindCode(codeName, false);
  return code ? code->GetAttrByName(attrName) : CQelString();
}

bool CIECodesDataInterface::RemoveCode(const CQelString& codeName) {
  const int pos = GetCodePos(codeName);
  if (pos < 0) return false;
  delete m_codes[pos];
  m_codes.RemoveAt(pos);
  return true;
}

void CIECodesDataInterface::RemoveAllCodes() {
  for (CIECodeValues* code : m_codes) delete code;
  m_codes.RemoveAll();
}

void CIECodesDataInterface::copyCodesData(CIECodesDataInterface* target) const {
  if (!target || target == this) return;
  target->m_codes.Reserve(target->m_codes.GetSize() + m_codes.GetSize());
  for (const CIECodeValues* code : m_codes) target->AddCode(new CIECodeValues(*code));
}
