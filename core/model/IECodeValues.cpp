#include "IECodeValues.h"

#include <cstdlib>
#include <utility>

namespace {
const CQelString& EmptyText() {
  static const CQelString empty;
  return empty;
}

// The text to keep for a handed-over string: the string itself, or a copy sized to the text when
// its block has more spare room than the allocator's granularity (as a trimmed field has), so that
// taking a text over never keeps more memory than copying it would.
CQelString TakeText(CQelString&& text) {
  const int kSpareCharacters = 8;
  if (text.GetAllocLength() - text.GetLength() < kSpareCharacters) return std::move(text);
  return CQelString(text);
}
}  // namespace

CIECodeValues::CIECodeValues(CIECodeDescription* desc) : m_pDescription(desc) {
  // Values come one per attribute of the description: one allocation holds them all.
  if (desc) m_attrValues.Reserve(desc->GetSize());
}

CIECodeValues::CIECodeValues(const CIECodeValues& other)
    : m_attrValues(other.m_attrValues), m_pDescription(other.m_pDescription) {
  if (other.m_pCodeTexts) CodeTexts() = *other.m_pCodeTexts;
}

CIECodeValues& CIECodeValues::operator=(const CIECodeValues& other) {
  if (this == &other) return *this;
  m_attrValues = other.m_attrValues;
  m_pDescription = other.m_pDescription;
  if (other.m_pCodeTexts)
    CodeTexts() = *other.m_pCodeTexts;
  else
    m_pCodeTexts.reset();
  return *this;
}

CIECodeValues::TCodeTexts& CIECodeValues::CodeTexts() {
  if (!m_pCodeTexts) {
    m_pCodeTexts.reset(new TCodeTexts());
    // Out of memory here is as fatal as in the arrays that hold the texts.
    if (!m_pCodeTexts) std::abort();
  }
  return *m_pCodeTexts;
}

void CIECodeValues::AddAttr(CQelString&& value) { m_attrValues.Add(TakeText(std::move(value))); }

const CQelString& CIECodeValues::GetAttrAt(int index) const {
  return m_attrValues.IsValidIndex(index) ? m_attrValues[index] : EmptyText();
}

const CQelString& CIECodeValues::GetAttrByName(const CQelString& name) const {
  return m_pDescription ? GetAttrAt(m_pDescription->FindAttrDescriptionIndex(name)) : EmptyText();
}

void CIECodeValues::AddCodeString(const CQelString& text) { CodeTexts().codeStrings.Add(text); }

void CIECodeValues::AddCodeString(CQelString&& text) {
  CodeTexts().codeStrings.Add(TakeText(std::move(text)));
}

int CIECodeValues::GetNumberOfTheCodeStrings() const {
  return m_pCodeTexts ? m_pCodeTexts->codeStrings.GetSize() : 0;
}

const CQelString& CIECodeValues::GetCodeStringAt(int index) const {
  return m_pCodeTexts && m_pCodeTexts->codeStrings.IsValidIndex(index) ? m_pCodeTexts->codeStrings[index]
                                                                       : EmptyText();
}

void CIECodeValues::SetControlCode(ECodeControlCode which, const CQelString& text) {
  SetControlCode(which, CQelString(text));
}

void CIECodeValues::SetControlCode(ECodeControlCode which, CQelString&& text) {
  // An empty control code is what a code without the block answers already.
  if (!IsValid(which) || (text.IsEmpty() && !m_pCodeTexts)) return;
  CodeTexts().controlCodes[which] = TakeText(std::move(text));
}

const CQelString& CIECodeValues::GetControlCode(ECodeControlCode which) const {
  return IsValid(which) && m_pCodeTexts ? m_pCodeTexts->controlCodes[which] : EmptyText();
}

bool CIECodeValues::DoesCodeHasControlCode(const CQelString& text) const {
  return GetControlCode(CONTROL_CODE_1) == text || GetControlCode(CONTROL_CODE_2) == text;
}
