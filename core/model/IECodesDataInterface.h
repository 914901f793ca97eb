// CIECodesDataInterface: the codes an object carries, as owned code values in the order added; a
// base of every drawable object and of total-station raw records.
#pragma once

#include "IECodeValues.h"
#include "QelAlloc.h"
#include "detail/IECodeList.h"
#include "qel_text.h"

struct TIECodeStyle;

class CIECodesDataInterface {
 public:
  CIECodesDataInterface() = default;
  // Deep copy: the code values are copied, their descriptions shared.
  CIECodesDataInterface(const CIECodesDataInterface& other);
  CIECodesDataInterface& operator=(const CIECodesDataInterface& other);
  virtual ~CIECodesDataInterface() { RemoveAllCodes(); }

  // Appended and owned; null is ignored.
  void AddCode(CIECodeValues* code);
  int GetNumberOfCodes() const { return m_codes.GetSize(); }
  const CIECodeValues* GetCode(int index) const {
    return m_codes.IsValidIndex(index) ? m_codes[index] : nullptr;
  }
  CIECodeValues* GetCode(int index) { return m_codes.IsValidIndex(index) ? m_codes[index] : nullptr; }
  // Index of the first code whose description has exactly this name, or -1.
  int GetCodePos(const CQelString& codeName) const;
  // The first code whose name equals text; with withStrings also one whose name followed by one
  // of its code strings equals text.
  CIECodeValues* FindCode(const CQelString& text, bool withStrings) const;
  // The named attribute of the named code; empty when either is missing.
  CQelString GetCodeAttrValue(const CQelString& codeName, const CQelString& attrName) const;
  // Deletes the first code of that name; false when there is none.
  bool RemoveCode(const CQelString& codeName);
  void RemoveAllCodes();
  // Appends copies of every code value to target, whose own codes stay.
  void copyCodesData(CIECodesDataInterface* target) const;

  // The user's text for a control code keyword of the style, or the code itself.
  static CQelString GetUserControlCode(const TIECodeStyle* style, const CQelString& code);
  // All codes and the note as one text laid out by the style's field order.
  CQelString GetCodesAsCodeStyle(const TIECodeStyle* style, const CQelString& note) const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  IEModelDetail::CIECodeList m_codes;
};
