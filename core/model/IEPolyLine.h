// CIEPolyLine: a line whose vertices are either stations stored by value or references to design
// points held elsewhere in the dataset (chosen at construction). CIEArea: a closed polyline.
#pragma once

#include "IEDesignPoint.h"
#include "IEObject.h"
#include "IEStation.h"
#include "QelAlloc.h"
#include "qel_templ.h"
#include "qel_text.h"

class CIEPolyLine : public CIEObject {
 public:
  explicit CIEPolyLine(bool usingPoints = false) : m_bUsingPoints(usingPoints) {}

  EIEObjectsType GetType() const override { return IE_POLYLINE; }
  EGroupType GetGroupType() const override { return GROUP_LINE; }
  CIEObject* clone() const override;
  // Transforms the stored stations; referenced design points are objects of their own.
  void ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) override;
  const IIEDrawProperties* GetDrawProperties() const override { return GetOwnDrawProperties(); }
  void SetDrawProperties(IIEDrawProperties* props) override { SetOwnDrawProperties(props); }
  void SetName(const CQelString& name) override { m_strName = name; }
  const CQelString& GetName() const override { return m_strName; }

  int GetNumberOfStations() const { return m_stations.GetSize(); }
  // A default station for an index outside the stations.
  const CIEStation& GetStation(int index) const;
  void AddStation(const CIEStation& station) { m_stations.Add(station); }
  // Makes room for count stations in all, so that an importer that knows the vertex count grows
  // the list once instead of step by step.
  void ReserveStations(int count) { m_stations.Reserve(count); }
  bool RemoveStation(int index);
  bool ChangeStation(int index, const CIEStation& station);

  int GetNumberOfPoints() const { return m_points.GetSize(); }
  // The stored reference; a null pointer for an index outside the points.
  CIEDesignPoint* const& GetPoint(int index) const;
  void AddPoint(CIEDesignPoint* const& point) { m_points.Add(point); }
  // Removes the reference; the point is not deleted.
  bool RemovePoint(int index);

  void SetCloseStatus(bool closed) { m_bClosed = closed; }
  bool IsClosed() const { return m_bClosed; }
  bool IsUsingPoints() const { return m_bUsingPoints; }

  QEL_DECLARE_SHARED_ALLOCATION()

 protected:
  // Fills a new line of this kind: common data, the vertices (point references or stations) and
  // the name. The closed flag is left to the caller.
  CIEPolyLine* FillClone(CIEPolyLine* copy) const;

 private:
  qel_templ::CQelArray<CIEStation> m_stations;
  qel_templ::CQelArray<CIEDesignPoint*> m_points;
  bool m_bClosed = false;
  bool m_bUsingPoints;
  CQelString m_strName;
};

class CIEArea : public CIEPolyLine {
 public:
  explicit CIEArea(bool usingPoints = false) : CIEPolyLine(usingPoints) { SetCloseStatus(true); }

  EIEObjectsType GetType() const override { return IE_AREA; }
  CIEObject* clone() const override;

  QEL_DECLARE_SHARED_ALLOCATION()
};
