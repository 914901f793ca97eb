// CIESheetPoint: a point that carries several offset stations; the dataset can turn it into one
// design point per station.
#pragma once

#include "IEObject.h"
#include "IEStation.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIESheetPoint : public CIEObject {
 public:
  CIESheetPoint() = default;
  CIESheetPoint(const CIESheetPoint&) = delete;
  CIESheetPoint& operator=(const CIESheetPoint&) = delete;
  ~CIESheetPoint() override;

  EIEObjectsType GetType() const override { return IE_SHEET_POINT; }
  EGroupType GetGroupType() const override { return GROUP_SHEET_POINT; }
  CIEObject* clone() const override;
  // Transforms every station; the offset members stay as they are.
  void ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) override;
  const IIEDrawProperties* GetDrawProperties() const override { return GetOwnDrawProperties(); }
  void SetDrawProperties(IIEDrawProperties* props) override { SetOwnDrawProperties(props); }
  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  int GetNumberOfStations() const { return m_stations.GetSize(); }
  // Null for an index outside the stations.
  const CIEOffsetStation* GetStation(int index) const {
    return m_stations.IsValidIndex(index) ? m_stations[index] : nullptr;
  }
  // Appended and owned; null is ignored.
  void AddStation(CIEOffsetStation* station);
  // Deletes the station; false for an index outside the stations.
  bool RemoveStation(int index);
  // Assigns the given station's content to the stored one; the argument stays the caller's.
  bool ChangeStation(int index, const CIEOffsetStation& station);

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  qel_templ::CQelArray<CIEOffsetStation*> m_stations;
  CQelString m_strName;
};
