// CIEObject: the base of every drawable object of a dataset's main list. It carries state, kind,
// name, codes, layer, draw properties and photo notes, and the virtual protocol for copying
// (clone, copyCommonData) and for transforming coordinates (ShiftCoords).
#pragma once

#include "IECodesDataInterface.h"
#include "IEDrawProperties.h"
#include "IEInterfaces.h"
#include "IEPhotoNotes.h"
#include "IEPositions.h"
#include "IEStation.h"
#include "QelAlloc.h"

class CIELayer;

namespace IEModelDetail {
// Assigns source to target; when target had a name and source has none, target keeps its name.
void AssignStationKeepingName(CIEStation& target, const CIEStation& source);
}  // namespace IEModelDetail

class CIEObject : public IIEStateInterface,
                  public IIEObjInterface,
                  public CIECodesDataInterface,
                  public IIENameInterface {
 public:
  enum EGroupType : int { GROUP_POINT = 0, GROUP_SHEET_POINT = 1, GROUP_LINE = 2 };

  CIEObject() = default;
  // Objects are duplicated with clone only: a plain copy would share what the object owns.
  CIEObject(const CIEObject&) = delete;
  CIEObject& operator=(const CIEObject&) = delete;
  ~CIEObject() override;

  void SetStateType(ECurrentState state) override { m_eState = state; }
  ECurrentState GetStateType() const override { return m_eState; }
  // A new object of the same class with the same content; the caller owns it. Null when memory
  // runs out.
  virtual CIEObject* clone() const = 0;
  // The similarity transformation (scale, move to origin, rotate about it) of the object's own
  // coordinates.
  virtual void ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) = 0;
  virtual EGroupType GetGroupType() const = 0;

 protected:
  // Copies codes, layer, object-list name, draw properties, state and photo notes into target.
  virtual void copyCommonData(CIEObject* target) const;

 public:
  // The object's own draw properties, null when it has none.
  virtual const IIEDrawProperties* GetDrawProperties() const = 0;
  // The object owns the given properties; those held before are deleted.
  virtual void SetDrawProperties(IIEDrawProperties* props) = 0;

  // The layer belongs to the draw dictionary; the object only points to it.
  CIELayer* GetLayer() const { return m_pLayer; }
  void SetLayer(CIELayer* layer) { m_pLayer = layer; }
  // Names the object list the object belongs to; not owned.
  IIENameInterface* GetIEObjectListName() const { return m_pExtras ? m_pExtras->pObjectListName : nullptr; }
  void SetIEObjectListName(IIENameInterface* name);
  const CIEPhotoNotes* GetPhotoNotes() const { return m_pExtras ? m_pExtras->pPhotoNotes : nullptr; }
  // The object owns the notes; those held before are deleted.
  void SetPhotoNotes(CIEPhotoNotes* notes);

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  // Storage of the draw properties for the concrete classes' Get/SetDrawProperties.
  const IIEDrawProperties* GetOwnDrawProperties() const {
    return m_pExtras ? m_pExtras->pDrawProps : nullptr;
  }
  void SetOwnDrawProperties(IIEDrawProperties* props);

 private:
  // What few objects carry: the object-list name (not owned), the photo notes and the draw
  // properties (owned). An object gets this block when the first of them is set, so that the many
  // objects without any pay one pointer.
  struct TExtras {
    IIENameInterface* pObjectListName = nullptr;
    CIEPhotoNotes* pPhotoNotes = nullptr;
    IIEDrawProperties* pDrawProps = nullptr;

    QEL_DECLARE_SHARED_ALLOCATION()
  };

  // The block of rare data, made when there is none.
  TExtras& Extras();

  CIELayer* m_pLayer = nullptr;
  ECurrentState m_eState = STATE_ACTIVE;
  TExtras* m_pExtras = nullptr;
};
