// CIEArc: a circular arc given by its centre station (whose name is the arc's), radius and start
// and end angles.
#pragma once

#include "IEObject.h"
#include "IEStation.h"
#include "QelAlloc.h"
#include "qel_text.h"

class CIEArc : public CIEObject {
 public:
  enum EADataType : int {
    ARC_RADIUS = 0,       // metres
    ARC_START_ANGLE = 1,  // decimal degrees
    ARC_END_ANGLE = 2     // decimal degrees
  };

  CIEArc() = default;

  EIEObjectsType GetType() const override { return IE_ARC; }
  EGroupType GetGroupType() const override { return GROUP_LINE; }
  CIEObject* clone() const override;
  // Only a uniform scale keeps an arc an arc: with unequal scales the arc is left as it is and
  // made inactive.
  void ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) override;
  const IIEDrawProperties* GetDrawProperties() const override { return GetOwnDrawProperties(); }
  void SetDrawProperties(IIEDrawProperties* props) override { SetOwnDrawProperties(props); }
  void SetName(const CQelString& name) override { m_center.SetName(name); }
  const CQelString& GetName() const override { return m_center.GetName(); }

  const CIEStation& GetStation() const { return m_center; }
  // Takes the centre; a station without a name keeps the arc's name.
  void SetStation(const CIEStation& station) { IEModelDetail::AssignStationKeepingName(m_center, station); }
  void SetCenter(double px, double py, double pz, double geoidHeight) {
    m_center.SetPosition(px, py, pz, geoidHeight);
  }
  // A type of 3 or more is ignored (reads give 0.0).
  void SetData(EADataType type, double value);
  double GetData(EADataType type) const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  static bool IsValid(EADataType type) { return type >= 0 && type <= ARC_END_ANGLE; }

  CIEStation m_center;
  double m_dData[3] = {0.0, 0.0, 0.0};
};
