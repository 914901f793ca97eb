#include "IEObject.h"

void IEModelDetail::AssignStationKeepingName(CIEStation& target, const CIEStation& source) {
  if (target.GetName().IsEmpty() || !source.GetName().IsEmpty()) {
    target = source;
    return;
  }
  CQelString name = target.GetName();
  target = source;
  target.SetName(name);
}

CIEObject::~CIEObject() { delete m_pPhotoNotes; }

void CIEObject::SetPhotoNotes(CIEPhotoNotes* notes) {
  if (notes == m_pPhotoNotes) return;
  delete m_pPhotoNotes;
  m_pPhotoNotes = notes;
}

void CIEObject::copyCommonData(CIEObject* target) const {
  if (!target || target == this) return;
  copyCodesData(target);
  target->m_pLayer = m_pLayer;
  target->m_pObjectListName = m_pObjectListName;
  const IIEDrawProperties* props = GetDrawProperties();
  target->SetDrawProperties(props ? props->clone() : nullptr);
  target->SetStateType(GetStateType());
  if (!m_pPhotoNotes)
    target->SetPhotoNotes(nullptr);
  else if (!target->m_pPhotoNotes)
    target->m_pPhotoNotes = new CIEPhotoNotes(*m_pPhotoNotes);
  else
    *target->m_pPhotoNotes = *m_pPhotoNotes;
}
