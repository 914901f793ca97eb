#include "IESheetPoint.h"

CIESheetPoint::~CIESheetPoint() {
  for (CIEOffsetStation* station : m_stations) delete station;
}

CIEObject* CIESheetPoint::clone() const {
  auto* copy = new CIESheetPoint();
  if (!copy) return nullptr;
  copyCommonData(copy);
  copy->m_stations.Reserve(m_stations.GetSize());
  for (const CIEOffsetStation* station : m_stations) {
    auto* added = new CIEOffsetStation();
    if (!added) continue;
    *added = *station;
    copy->AddStation(added);
  }
  copy->SetName(GetName());
  return copy;
}

void CIESheetPoint::ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) {
  for (CIEOffsetStation* station : m_stations) station->ShiftCoords(origin, sx, sy, sz, angle);
}

void CIESheetPoint::AddStation(CIEOffsetStation* station) {
  if (station) m_stations.Add(station);
}

bool CIESheetPoint::RemoveStation(int index) {
  if (!m_stations.IsValidIndex(index)) return false;
  delete m_stations[index];
  m_stations.RemoveAt(index);
  return true;
}

bool CIESheetPoint::ChangeStation(int index, const CIEOffsetStation& station) {
  if (!m_stations.IsValidIndex(index)) return false;
  *m_stations[index] = station;
  return true;
}
