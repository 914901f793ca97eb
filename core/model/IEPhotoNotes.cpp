#include "IEPhotoNotes.h"

void CIEPhotoNote::SetData(EPhotoPropertyDataType type, double value) {
  if (IsValid(type)) m_dData[type] = value;
}

double CIEPhotoNote::GetData(EPhotoPropertyDataType type) const {
  return IsValid(type) ? m_dData[type] : 0.0;
}

void CIEPhotoNote::reset() {
  for (double& d : m_dData) d = 0.0;
  m_strFileName.Empty();
}

void CIEPhotoNote::clone(const CIEPhotoNote& other) {
  if (this == &other) return;
  for (int i = 0; i < 3; ++i) m_dData[i] = other.m_dData[i];
  m_strFileName = other.m_strFileName;
}

CIEPhotoNotes& CIEPhotoNotes::operator=(const CIEPhotoNotes& other) {
  if (this != &other) {
    DeleteNotes();
    clone(other);
  }
  return *this;
}

void CIEPhotoNotes::AddPhotoNote(CIEPhotoNote* note) {
  if (note) m_notes.Add(note);
}

void CIEPhotoNotes::clone(const CIEPhotoNotes& other) {
  if (this == &other) return;
  m_notes.Reserve(m_notes.GetSize() + other.m_notes.GetSize());
  for (const CIEPhotoNote* note : other.m_notes) AddPhotoNote(new CIEPhotoNote(*note));
}

void CIEPhotoNotes::DeleteNotes() {
  for (CIEPhotoNote* note : m_notes) delete note;
  m_notes.RemoveAll();
}
