// Photographs taken at a survey object: CIEPhotoNote names one image file with the camera's
// azimuth and tilts; CIEPhotoNotes is the owned list an object carries.
#pragma once

#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEPhotoNote {
 public:
  enum EPhotoPropertyDataType : int { PHOTO_AZIMUTH = 0, PHOTO_TILT_X = 1, PHOTO_TILT_Y = 2 };

  CIEPhotoNote() { reset(); }
  CIEPhotoNote(const CIEPhotoNote& other) { clone(other); }
  CIEPhotoNote& operator=(const CIEPhotoNote& other) {
    clone(other);
    return *this;
  }
  virtual ~CIEPhotoNote() = default;

  // Values are stored unchanged, without a unit; a type outside 0..2 is ignored (reads give 0.0).
  void SetData(EPhotoPropertyDataType type, double value);
  double GetData(EPhotoPropertyDataType type) const;
  void SetFileName(const CQelString& name) { m_strFileName = name; }
  const CQelString& GetFileName() const { return m_strFileName; }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  static bool IsValid(EPhotoPropertyDataType type) { return type >= 0 && type <= PHOTO_TILT_Y; }
  void reset();
  void clone(const CIEPhotoNote& other);

  double m_dData[3];
  CQelString m_strFileName;
};

class CIEPhotoNotes {
 public:
  CIEPhotoNotes() = default;
  // A new list holding copies of the source's notes.
  CIEPhotoNotes(const CIEPhotoNotes& other) { clone(other); }
  // Own notes are deleted and replaced by copies of the source's.
  CIEPhotoNotes& operator=(const CIEPhotoNotes& other);
  virtual ~CIEPhotoNotes() { DeleteNotes(); }

  // Appended and owned; null is ignored.
  void AddPhotoNote(CIEPhotoNote* note);
  int GetNumberOfPhotoNotes() const { return m_notes.GetSize(); }
  const CIEPhotoNote* GetPhotoNote(int index) const {
    return m_notes.IsValidIndex(index) ? m_notes[index] : nullptr;
  }
  // Appends copies of the source's notes (nothing when the source is this list).
  void clone(const CIEPhotoNotes& other);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  void DeleteNotes();

  qel_templ::CQelArray<CIEPhotoNote*> m_notes;
};
