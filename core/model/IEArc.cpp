#include "IEArc.h"

CIEObject* CIEArc::clone() const {
  auto* copy = new CIEArc();
  if (!copy) return nullptr;
  copyCommonData(copy);
  copy->SetStation(m_center);
  for (int i = 0; i < 3; ++i) copy->m_dData[i] = m_dData[i];
  return copy;
}

void CIEArc::ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) {
  if (sx != sy || sy != sz) {
    SetStateType(STATE_INACTIVE);
    return;
  }
  m_center.ShiftCoords(origin, sx, sy, sz, angle);
  m_dData[ARC_RADIUS] *= sx;
}

void CIEArc::SetData(EADataType type, double value) {
  if (IsValid(type)) m_dData[type] = value;
}

double CIEArc::GetData(EADataType type) const { return IsValid(type) ? m_dData[type] : 0.0; }
