#include "IECodesDataInterface.h"

#include "IECodeStyle.h"

CIECodesDataInterface::CIECodesDataInterface(const CIECodesDataInterface& other) {
  other.copyCodesData(this);
}

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

CQelString CIECodesDataInterface::GetCodeAttrValue(const CQelString& codeName,
                                                   const CQelString& attrName) const {
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

CQelString CIECodesDataInterface::GetUserControlCode(const TIECodeStyle* style, const CQelString& code) {
  if (!style) return code;
  static const char16_t* const kKeywords[TIECodeStyle::CONTROL_CODE_TEXTS] = {
      u"AS", u"AE", u"R", u"C", u"BEG_LINE", u"END_LINE"};
  for (int i = 0; i < TIECodeStyle::CONTROL_CODE_TEXTS; ++i)
    if (code == kKeywords[i]) return style->m_strControlCodeTexts[i];
  return code;
}

namespace {
bool HasField(const TIECodeStyle& style, IEAsciiFields::EType field) {
  for (IEAsciiFields::EType f : style.m_fieldOrder)
    if (f == field) return true;
  return false;
}
}  // namespace

CQelString CIECodesDataInterface::GetCodesAsCodeStyle(const TIECodeStyle* style,
                                                      const CQelString& note) const {
  using namespace IEAsciiFields;
  CQelString out;
  if (!style) return out;
  const int n = m_codes.GetSize();
  if (n == 0) {
    if (!HasField(*style, CS_NOTE_SEPARATOR)) {
      out += note;
    } else if (HasField(*style, CS_NOTE) && !note.IsEmpty()) {
      for (EType f : style->m_fieldOrder) {
        if (f == CS_NOTE_SEPARATOR)
          out += style->m_strNoteSeparator;
        else if (f == CS_NOTE)
          out += note;
      }
    }
    return out;
  }
  if (style->m_fieldOrder.IsEmpty()) return out;
  const bool withAttrName = HasField(*style, CS_ATTRIBUTE_NAME);
  const bool withAttrNameSep = HasField(*style, CS_ATTRIBUTE_NAME_SEPARATOR);
  const bool withAttrValue = HasField(*style, CS_ATTRIBUTE_VALUE);
  const bool withAttrValueSep = HasField(*style, CS_ATTRIBUTE_VALUE_SEPARATOR);
  for (int i = 0; i < n; ++i) {
    const CIECodeValues* code = m_codes[i];
    const CIECodeDescription* desc = code->GetDescription();
    if (!desc) continue;
    const bool last = i == n - 1;
    const CQelString& control1 = code->GetControlCode(CIECodeValues::CONTROL_CODE_1);
    const CQelString& control2 = code->GetControlCode(CIECodeValues::CONTROL_CODE_2);
    const bool hasStrings = code->GetNumberOfTheCodeStrings() > 0;
    bool attributesWritten = false;
    for (EType f : style->m_fieldOrder) {
      switch (f) {
        case CS_GENERAL_PREFIX:
          out += style->m_strGeneralPrefix;
          break;
        case CS_CODE:
          out += desc->GetName();
          break;
        case CS_CODE_SEPARATOR:
          if (n > 1 && !last) out += style->m_strCodeSeparator;
          break;
        case CS_CONTROL_CODE:
          out += GetUserControlCode(style, control1);
          if (!control2.IsEmpty()) {
            out += style->m_strControlCodeSeparator;
            out += GetUserControlCode(style, control2);
          }
          break;
        case CS_CONTROL_CODE_SEPARATOR:
          if (!control1.IsEmpty()) out += style->m_strControlCodeSeparator;
          break;
        case CS_CODE_STRING:
          if (hasStrings) out += code->GetCodeStringAt(0);
          break;
        case CS_STRING_SEPARATOR:
          if (hasStrings) out += style->m_strStringSeparator;
          break;
        case CS_NOTE:
          if (last) out += note;
          break;
        case CS_NOTE_SEPARATOR:
          if (last && !note.IsEmpty()) out += style->m_strNoteSeparator;
          break;
        case CS_ATTRIBUTE_NAME:
        case CS_ATTRIBUTE_NAME_SEPARATOR:
        case CS_ATTRIBUTE_VALUE:
        case CS_ATTRIBUTE_VALUE_SEPARATOR:
          if (attributesWritten) break;
          attributesWritten = true;
          for (int j = 0; j < desc->GetSize(); ++j) {
            if (withAttrNameSep) out += style->m_strAttrNameSeparator;
            if (withAttrName) out += desc->GetAttrDescriptionAt(j)->m_strName;
            if (withAttrValueSep) out += style->m_strAttrValueSeparator;
            if (withAttrValue) out += code->GetAttrAt(j);
          }
          break;
        default:
          break;
      }
    }
  }
  return out;
}
