#include "IEPolyLine.h"

CIEPolyLine* CIEPolyLine::FillClone(CIEPolyLine* copy) const {
  if (!copy) return nullptr;
  copyCommonData(copy);
  if (m_bUsingPoints)
    copy->m_points.Append(m_points);
  else
    copy->m_stations.Append(m_stations);
  copy->SetName(GetName());
  return copy;
}

CIEObject* CIEPolyLine::clone() const {
  CIEPolyLine* copy = FillClone(new CIEPolyLine(m_bUsingPoints));
  if (copy) copy->SetCloseStatus(m_bClosed);
  return copy;
}

CIEObject* CIEArea::clone() const {
  CIEPolyLine* copy = FillClone(new CIEArea(IsUsingPoints()));
  if (copy) copy->SetCloseStatus(IsClosed());
  return copy;
}

void CIEPolyLine::ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) {
  for (CIEStation& station : m_stations) station.ShiftCoords(origin, sx, sy, sz, angle);
}

const CIEStation& CIEPolyLine::GetStation(int index) const {
  static const CIEStation outside;
  return m_stations.IsValidIndex(index) ? m_stations[index] : outside;
}

bool CIEPolyLine::RemoveStation(int index) {
  if (!m_stations.IsValidIndex(index)) return false;
  m_stations.RemoveAt(index);
  return true;
}

bool CIEPolyLine::ChangeStation(int index, const CIEStation& station) {
  if (!m_stations.IsValidIndex(index)) return false;
  m_stations[index] = station;
  return true;
}

CIEDesignPoint* const& CIEPolyLine::GetPoint(int index) const {
  static CIEDesignPoint* const outside = nullptr;
  return m_points.IsValidIndex(index) ? m_points[index] : outside;
}

bool CIEPolyLine::RemovePoint(int index) {
  if (!m_points.IsValidIndex(index)) return false;
  m_points.RemoveAt(index);
  return true;
}
