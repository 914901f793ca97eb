// CIEObjectList: a named list of objects that belong to a dataset; the list does not own them.
#pragma once

#include "IEInterfaces.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEObject;

class CIEObjectList : public IIENameInterface {
 public:
  CIEObjectList() = default;
  CIEObjectList(const CIEObjectList&) = default;
  CIEObjectList& operator=(const CIEObjectList&) = default;
  ~CIEObjectList() override = default;

  // Appended; the object stays owned by its dataset.
  void AddObject(CIEObject* object) { m_objects.Add(object); }
  int GetNumberOfObjects() const { return m_objects.GetSize(); }
  // Null for an index outside the list.
  const CIEObject* GetObjectW(int index) const {
    return m_objects.IsValidIndex(index) ? m_objects[index] : nullptr;
  }
  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  qel_templ::CQelArray<CIEObject*> m_objects;
  CQelString m_strName;
};
