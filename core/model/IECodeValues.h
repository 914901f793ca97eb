// CIECodeValues: one code as applied to one object: the code's description, the attribute values
// in the order of the description's attributes, code strings and two control codes.
#pragma once

#include "IECodeDescription.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIECodeValues {
 public:
  enum ECodeControlCode : int { CONTROL_CODE_1 = 0, CONTROL_CODE_2 = 1 };

  // The description is not owned; it belongs to the code library.
  explicit CIECodeValues(CIECodeDescription* desc);
  // Copies every member; the description is shared.
  CIECodeValues(const CIECodeValues&) = default;
  CIECodeValues& operator=(const CIECodeValues&) = default;
  virtual ~CIECodeValues() = default;

  CIECodeDescription* GetDescription() const { return m_pDescription; }

  void AddAttr(const CQelString& value) { m_attrValues.Add(value); }
  // The empty string for an index outside the values.
  const CQelString& GetAttrAt(int index) const;
  int GetNumberOfAttrs() const { return m_attrValues.GetSize(); }
  // The value of the description's first attribute with exactly this name; empty when there is
  // none or no value was given for it yet.
  const CQelString& GetAttrByName(const CQelString& name) const;

  void AddCodeString(const CQelString& text) { m_codeStrings.Add(text); }
  int GetNumberOfTheCodeStrings() const { return m_codeStrings.GetSize(); }
  const CQelString& GetCodeStringAt(int index) const;

  void SetControlCode(ECodeControlCode which, const CQelString& text);
  const CQelString& GetControlCode(ECodeControlCode which) const;
  // True when either control code equals the text exactly.
  bool DoesCodeHasControlCode(const CQelString& text) const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  static bool IsValid(ECodeControlCode which) { return which == CONTROL_CODE_1 || which == CONTROL_CODE_2; }

  qel_templ::CQelArray<CQelString> m_attrValues;
  CIECodeDescription* m_pDescription;
  qel_templ::CQelArray<CQelString> m_codeStrings;
  CQelString m_strControlCodes[2];
};
