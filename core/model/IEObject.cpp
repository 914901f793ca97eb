#include "IEObject.h"

#include <cstdlib>

void IEModelDetail::AssignStationKeepingName(CIEStation& target, const CIEStation& source) {
  if (target.GetName().IsEmpty() || !source.GetName().IsEmpty()) {
    target = source;
    return;
  }
  CQelString name = target.GetName();
  target = source;
  target.SetName(name);
}

CIEObject::~CIEObject() {
  if (!m_pExtras) return;
  delete m_pExtras->pDrawProps;
  delete m_pExtras->pPhotoNotes;
  delete m_pExtras;
}

CIEObject::TExtras& CIEObject::Extras() {
  if (!m_pExtras) {
    m_pExtras = new TExtras();
    // Out of memory here is as fatal as in the arrays of the model.
    if (!m_pExtras) std::abort();
  }
  return *m_pExtras;
}

void CIEObject::SetIEObjectListName(IIENameInterface* name) {
  if (name || m_pExtras) Extras().pObjectListName = name;
}

void CIEObject::SetPhotoNotes(CIEPhotoNotes* notes) {
  if (notes == GetPhotoNotes()) return;
  TExtras& extras = Extras();
  delete extras.pPhotoNotes;
  extras.pPhotoNotes = notes;
}

void CIEObject::SetOwnDrawProperties(IIEDrawProperties* props) {
  if (props == GetOwnDrawProperties()) return;
  TExtras& extras = Extras();
  delete extras.pDrawProps;
  extras.pDrawProps = props;
}

void CIEObject::copyCommonData(CIEObject* target) const {
  if (!target || target == this) return;
  copyCodesData(target);
  target->m_pLayer = m_pLayer;
  target->SetIEObjectListName(GetIEObjectListName());
  const IIEDrawProperties* props = GetDrawProperties();
  target->SetDrawProperties(props ? props->clone() : nullptr);
  target->SetStateType(GetStateType());
  const CIEPhotoNotes* notes = GetPhotoNotes();
  if (!notes)
    target->SetPhotoNotes(nullptr);
  else if (!target->GetPhotoNotes())
    target->SetPhotoNotes(new CIEPhotoNotes(*notes));
  else
    *target->m_pExtras->pPhotoNotes = *notes;
}
