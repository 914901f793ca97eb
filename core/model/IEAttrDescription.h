// CIEAttrDescription: one attribute of a code (name, type, limits and list choices). Its members
// are public; the importers of code libraries fill them directly.
#pragma once

#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEAttrDescription {
 public:
  enum EAttributeType : int {
    ATTR_STRING = 0,
    ATTR_BOOL = 1,
    ATTR_INTEGER = 2,
    ATTR_FLOAT = 3,
    ATTR_LIST = 4,
    ATTR_DATE_TIME = 5
  };

  CIEAttrDescription() : m_nLength(GetMaxLength()) {}
  explicit CIEAttrDescription(const CQelString& name) : m_strName(name), m_nLength(GetMaxLength()) {}
  CIEAttrDescription(const CIEAttrDescription&) = default;
  CIEAttrDescription& operator=(const CIEAttrDescription&) = default;
  virtual ~CIEAttrDescription() = default;

  // Everything but type, name and list values back to the defaults.
  void resetAll();
  // The length back to the type's maximum.
  void Update() { m_nLength = GetMaxLength(); }
  EAttributeType GetType() const { return m_eType; }
  void SetType(EAttributeType type);
  // "String", "Bool", "Integer", "Float", "List", "Date-Time"; "NotSupported" for other values.
  CQelString GetTypeAsString() const;
  // Exact, case-sensitive keyword; any other text gives ATTR_STRING.
  void SetTypeFromString(const CQelString& text);
  // Bytes of a binary value: 4 or 8, -1 for the text types.
  int GetAttrSize() const;
  int GetMaxLength() const;
  // The fraction length for ATTR_FLOAT, 0 for every other type.
  int GetMaxFracLength() const { return m_eType == ATTR_FLOAT ? m_nFracLength : 0; }

  EAttributeType m_eType = ATTR_STRING;
  CQelString m_strName;
  qel_templ::CQelArray<CQelString> m_listValues;
  int m_nLength;
  int m_nFracLength = 18;
  bool m_bFlag1 = true;
  bool m_bFlag2 = false;
  CQelString m_strTexts[3];

  QEL_DECLARE_SHARED_ALLOCATION()
};
