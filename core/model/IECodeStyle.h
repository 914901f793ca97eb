// TIECodeStyle: how an output format writes an object's codes as one text: the pieces of one
// code in order, the separators and the user's texts for the control-code keywords.
#pragma once

#include "IEAsciiFields.h"
#include "QelAlloc.h"
#include "qel_text.h"

struct TIECodeStyle {
  // The control-code keywords "AS", "AE", "R", "C", "BEG_LINE", "END_LINE", in this order.
  enum EControlCodeText { CC_AS, CC_AE, CC_R, CC_C, CC_BEG_LINE, CC_END_LINE, CONTROL_CODE_TEXTS };

  TIECodeStyle() = default;
  TIECodeStyle(const TIECodeStyle&) = default;
  TIECodeStyle& operator=(const TIECodeStyle&) = default;
  virtual ~TIECodeStyle() = default;

  // Not read by the library.
  CQelString m_strFirstText;
  // The pieces of one code's text (the code-style fields of IEAsciiFields), in order.
  IEAsciiFields::CTypesArray m_fieldOrder;
  CQelString m_strCodeSeparator;
  CQelString m_strStringSeparator;
  CQelString m_strControlCodeSeparator;
  CQelString m_strNoteSeparator;
  CQelString m_strGeneralPrefix;
  CQelString m_strAttrNameSeparator;
  CQelString m_strAttrValueSeparator;
  CQelString m_strControlCodeTexts[CONTROL_CODE_TEXTS];

  QEL_DECLARE_SHARED_ALLOCATION()
};
