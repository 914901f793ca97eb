// CIECodeValues: one code as applied to one object: the code's description, the attribute values
// in the order of the description's attributes, code strings and two control codes.
#pragma once

#include <memory>

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
  CIECodeValues(const CIECodeValues& other);
  CIECodeValues& operator=(const CIECodeValues& other);
  virtual ~CIECodeValues() = default;

  CIECodeDescription* GetDescription() const { return m_pDescription; }

  void AddAttr(const CQelString& value) { m_attrValues.Add(value); }
  // Takes the text over instead of copying it, unless it carries much spare room.
  void AddAttr(CQelString&& value);
  // The empty string for an index outside the values.
  const CQelString& GetAttrAt(int index) const;
  int GetNumberOfAttrs() const { return m_attrValues.GetSize(); }
  // The value of the description's first attribute with exactly this name; empty when there is
  // none or no value was given for it yet.
  const CQelString& GetAttrByName(const CQelString& name) const;

  void AddCodeString(const CQelString& text);
  void AddCodeString(CQelString&& text);
  int GetNumberOfTheCodeStrings() const;
  const CQelString& GetCodeStringAt(int index) const;

  void SetControlCode(ECodeControlCode which, const CQelString& text);
  void SetControlCode(ECodeControlCode which, CQelString&& text);
  const CQelString& GetControlCode(ECodeControlCode which) const;
  // True when either control code equals the text exactly.
  bool DoesCodeHasControlCode(const CQelString& text) const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  // Code strings and control codes: few codes carry any, so they share one block that is made
  // when the first of them is set.
  struct TCodeTexts {
    qel_templ::CQelArray<CQelString> codeStrings;
    CQelString controlCodes[2];

    QEL_DECLARE_SHARED_ALLOCATION()
  };

  static bool IsValid(ECodeControlCode which) { return which == CONTROL_CODE_1 || which == CONTROL_CODE_2; }
  // The block of code strings and control codes, made when there is none.
  TCodeTexts& CodeTexts();

  qel_templ::CQelArray<CQelString> m_attrValues;
  CIECodeDescription* m_pDescription;
  std::unique_ptr<TCodeTexts> m_pCodeTexts;
};
