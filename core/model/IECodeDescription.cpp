#include "IECodeDescription.h"

CIECodeDescription::CIECodeDescription(const CQelString& name) : m_strName(name) {}

CIECodeDescription::CIECodeDescription(const CIECodeDescription& other) : IIENameInterface() {
  *this = other;
}

CIECodeDescription& CIECodeDescription::operator=(const CIECodeDescription& other) {
  if (this != &other) {
    DeleteAttrs();
    m_attrs.Reserve(other.m_attrs.GetSize());
    for (const CIEAttrDescription* attr : other.m_attrs) AddAttrDescription(new CIEAttrDescription(*attr));
    m_drawProps = other.m_drawProps;
    m_pLayer = other.m_pLayer;
    m_strDescription = other.m_strDescription;
    m_eCodeType = other.m_eCodeType;
    m_eAttribPromptType = other.m_eAttribPromptType;
    SetName(other.GetName());
  }
  return *this;
}

CIECodeDescription::~CIECodeDescription() { DeleteAttrs(); }

void CIECodeDescription::DeleteAttrs() {
  for (CIEAttrDescription* attr : m_attrs) delete attr;
  m_attrs.RemoveAll();
}

void CIECodeDescription::AddAttrDescription(CIEAttrDescription* attr) {
  if (attr) m_attrs.Add(attr);
}

const CIEAttrDescription* CIECodeDescription::FindAttrDescription(const CQelString& name) const {
  return GetAttrDescriptionAt(FindAttrDescriptionIndex(name));
}

CIEAttrDescription* CIECodeDescription::FindAttrDescription(const CQelString& name) {
  return GetAttrDescriptionAt(FindAttrDescriptionIndex(name));
}

int CIECodeDescription::FindAttrDescriptionIndex(const CQelString& name) const {
  for (int i = 0; i < m_attrs.GetSize(); ++i)
    if (m_attrs[i]->m_strName == name) return i;
  return -1;
}

bool CIECodeDescription::IsOnlyCodeNameDefined() const {
  return m_attrs.IsEmpty() && !m_drawProps.IsAnySet() && !m_pLayer && m_strDescription.IsEmpty() &&
         m_eCodeType == CODE_UNDEFINED && m_eAttribPromptType == ATTRIB_PROMPT_NOT_GIVEN;
}
