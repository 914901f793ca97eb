// CIEDesignPoint: a surveyed or designed point, one embedded station whose name is the point's.
// CIEPTLPoint: a point located relative to a line through reference points.
#pragma once

#include "IEObject.h"
#include "IEStation.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEDesignPoint : public CIEObject {
 public:
  CIEDesignPoint() = default;

  EIEObjectsType GetType() const override { return IE_DESIGN_POINT; }
  EGroupType GetGroupType() const override { return GROUP_POINT; }
  CIEObject* clone() const override;
  void ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) override {
    m_station.ShiftCoords(origin, sx, sy, sz, angle);
  }
  const IIEDrawProperties* GetDrawProperties() const override { return GetOwnDrawProperties(); }
  void SetDrawProperties(IIEDrawProperties* props) override { SetOwnDrawProperties(props); }
  void SetName(const CQelString& name) override { m_station.SetName(name); }
  const CQelString& GetName() const override { return m_station.GetName(); }

  const CIEStation& GetStation() const { return m_station; }
  // Takes the station; a station without a name keeps the point's name.
  void SetStation(const CIEStation& station) { IEModelDetail::AssignStationKeepingName(m_station, station); }
  void SetCoords(double px, double py, double pz, double geoidHeight) {
    m_station.SetPosition(px, py, pz, geoidHeight);
  }

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  // The common data, then the station and the auxiliary texts.
  void copyCommonData(CIEObject* target) const override;

 private:
  CIEStation m_station;

 public:
  // Carried for the formats that fill it; nothing in the library reads it.
  qel_templ::CQelArray<CQelString> auxiliaryTexts;
};

class CIEPTLPoint : public CIEDesignPoint {
 public:
  // Stored and copied only.
  enum ECOORD_TYPE : int { COORD_TYPE_DEFAULT = 1 };

  CIEPTLPoint() = default;
  CIEPTLPoint(const CQelString& firstIDs, const CQelString& secondIDs, ECOORD_TYPE coordType);

  EIEObjectsType GetType() const override { return IE_PTL_POINT; }
  CIEObject* clone() const override;

  void SetPTLParams(const CQelString& firstIDs, const CQelString& secondIDs, ECOORD_TYPE coordType);
  ECOORD_TYPE GetCoordType() const { return m_eCoordType; }
  const CQelString& GetFirstReferencePointIDs() const { return m_strFirstIDs; }
  const CQelString& GetSecondReferencePointIDs() const { return m_strSecondIDs; }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  CQelString m_strFirstIDs;
  CQelString m_strSecondIDs;
  ECOORD_TYPE m_eCoordType = COORD_TYPE_DEFAULT;
};
