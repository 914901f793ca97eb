// CIEDataDictionary: the job's code library, code descriptions by name in ascending order of the
// string's Compare, with one enumeration position for step-by-step walks. It owns the
// descriptions; the code values of objects point into it.
#pragma once

#include "IECodeDescription.h"
#include "IEOrderedMapByName.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEDataDictionary {
 public:
  CIEDataDictionary() = default;
  // Deep copy: every description is copied; the copy's enumeration position is null. Code values
  // of objects keep pointing to the source's descriptions.
  CIEDataDictionary(const CIEDataDictionary& other);
  CIEDataDictionary& operator=(const CIEDataDictionary& other);
  virtual ~CIEDataDictionary();

  // Stores the description under its current name; null is ignored. A description already held
  // under that name leaves the map but stays alive until the dictionary is destroyed, since code
  // values may still point to it; callers look the name up first.
  void AddCodeDescription(CIECodeDescription* desc);
  const CIECodeDescription* FindCodeDiscription(const CQelString& name) const;
  CIECodeDescription* FindCodeDiscription(const CQelString& name);
  int GetSize() const { return m_codes.GetCount(); }

  // The description at that place in name order; null for a negative index or one not below the
  // size. The non-const form also leaves the enumeration position just past the answer (at the
  // first entry when the answer is null).
  const CIECodeDescription* GetCodeDescriptionAt(int index) const;
  CIECodeDescription* GetCodeDescriptionAt(int index);

  // Enumeration: Reset moves to the first entry; each GetNextCodeDescription answers the entry at
  // the position and moves on, null once the position is past the last entry.
  void Reset() const { m_enumPos = m_codes.GetStartPosition(); }
  const CIECodeDescription* GetNextCodeDescription() const;
  CIECodeDescription* GetNextCodeDescription();

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  void DeleteAll();
  // Walks from the first entry to index; pos ends past the answer, or at the first entry when the
  // index is outside.
  CIECodeDescription* WalkTo(int index, qel_templ::QelTemplPosition& pos) const;

  CIEOrderedMapByName<CIECodeDescription*> m_codes;
  mutable qel_templ::QelTemplPosition m_enumPos = nullptr;
  // Descriptions that a later one of the same name replaced in the map.
  qel_templ::CQelArray<CIECodeDescription*> m_replaced;
};
