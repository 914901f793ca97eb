#include "IEDataDictionary.h"

CIEDataDictionary::CIEDataDictionary(const CIEDataDictionary& other) { *this = other; }

CIEDataDictionary& CIEDataDictionary::operator=(const CIEDataDictionary& other) {
  if (this != &other) {
    DeleteAll();
    for (auto pos = other.m_codes.GetStartPosition(); pos;) {
      const CQelString* key = nullptr;
      const CIECodeDescription* desc = other.m_codes.GetNextAssoc(pos, &key);
      if (CIECodeDescription* copy = new CIECodeDescription(*desc)) m_codes.SetAt(*key, copy);
    }
  }
  return *this;
}

CIEDataDictionary::~CIEDataDictionary() { DeleteAll(); }

void CIEDataDictionary::DeleteAll() {
  for (auto pos = m_codes.GetStartPosition(); pos;) delete m_codes.GetNextAssoc(pos);
  m_codes.RemoveAll();
  for (CIECodeDescription* desc : m_replaced) delete desc;
  m_replaced.RemoveAll();
  m_enumPos = nullptr;
}

void CIEDataDictionary::AddCodeDescription(CIECodeDescription* desc) {
  if (!desc) return;
  for (int i = 0; i < m_replaced.GetSize(); ++i)
    if (m_replaced[i] == desc) m_replaced.RemoveAt(i--);
  CIECodeDescription* old = nullptr;
  if (m_codes.SetAt(desc->GetName(), desc, &old) && old != desc) m_replaced.Add(old);
}

const CIECodeDescription* CIEDataDictionary::FindCodeDiscription(const CQelString& name) const {
  CIECodeDescription* const* found = m_codes.Find(name);
  return found ? *found : nullptr;
}

CIECodeDescription* CIEDataDictionary::FindCodeDiscription(const CQelString& name) {
  CIECodeDescription** found = m_codes.Find(name);
  return found ? *found : nullptr;
}

CIECodeDescription* CIEDataDictionary::WalkTo(int index, qel_templ::QelTemplPosition& pos) const {
  pos = m_codes.GetStartPosition();
  if (index < 0 || index >= m_codes.GetCount()) return nullptr;
  CIECodeDescription* desc = nullptr;
  for (int i = 0; i <= index; ++i) desc = m_codes.GetNextAssoc(pos);
  return desc;
}

const CIECodeDescription* CIEDataDictionary::GetCodeDescriptionAt(int index) const {
  qel_templ::QelTemplPosition pos = nullptr;
  return WalkTo(index, pos);
}

CIECodeDescription* CIEDataDictionary::GetCodeDescriptionAt(int index) { return WalkTo(index, m_enumPos); }

const CIECodeDescription* CIEDataDictionary::GetNextCodeDescription() const {
  return m_enumPos ? m_codes.GetNextAssoc(m_enumPos) : nullptr;
}

CIECodeDescription* CIEDataDictionary::GetNextCodeDescription() {
  return m_enumPos ? m_codes.GetNextAssoc(m_enumPos) : nullptr;
}
