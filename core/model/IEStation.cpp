#include "IEStation.h"

#include <algorithm>

CIEStation::CIEStation(EStationType type) : CIEPosition3D(), m_eStationType(type) { CIEStation::reset(); }

CIEStation::CIEStation(const CIEStation& other) : CIEPosition3D(other), IIENameInterface() { Copy(other); }

CIEStation& CIEStation::operator=(const CIEStation& other) {
  if (this != &other) {
    CIEPosition3D::operator=(other);
    Copy(other);
  }
  return *this;
}

void CIEStation::reset() {
  m_strNotes.Empty();
  m_strTimeStamps.Empty();
  m_strName.Empty();
  m_dGeoidHeight = 0.0;
  m_dBulge = 0.0;
  m_bHeightDefined = true;
}

void CIEStation::ShiftCoords(const CIEPosition3D& origin, double sx, double sy, double sz, double angle) {
  ShiftValues(origin, sx, sy, sz, angle);
  m_dGeoidHeight = m_dGeoidHeight * sz + origin.z;
}

void CIEStation::Copy(const CIEStation& other) {
  m_strNotes = other.m_strNotes;
  m_strTimeStamps = other.m_strTimeStamps;
  SetName(other.GetName());
  m_eStationType = other.m_eStationType;
  m_bHeightDefined = other.m_bHeightDefined;
  m_dGeoidHeight = other.m_dGeoidHeight;
  m_dBulge = other.m_dBulge;
}

bool CIEStation::operator==(const CIEStation& other) const {
  return CIEPosition3D::operator==(other) && m_strNotes == other.m_strNotes &&
         m_strTimeStamps == other.m_strTimeStamps && GetName() == other.GetName() &&
         m_eStationType == other.m_eStationType && m_bHeightDefined == other.m_bHeightDefined &&
         m_dGeoidHeight == other.m_dGeoidHeight && m_dBulge == other.m_dBulge;
}

void CIEStation::SetPosition(const CIEPosition3D& pos) {
  x = pos.x;
  y = pos.y;
  z = pos.z;
}

void CIEStation::SetPosition(double px, double py, double pz, double geoidHeight) {
  x = px;
  y = py;
  z = pz;
  m_dGeoidHeight = geoidHeight;
}

CIEOffsetStation::CIEOffsetStation(EStationType type) : CIEStation(type) {}

CIEOffsetStation::CIEOffsetStation(const CIEOffsetStation& other) : CIEStation(other) { Copy(other); }

CIEOffsetStation& CIEOffsetStation::operator=(const CIEOffsetStation& other) {
  if (this != &other) {
    Copy(other);
    CIEStation::operator=(other);
  }
  return *this;
}

void CIEOffsetStation::Copy(const CIEOffsetStation& other) {
  value1 = other.value1;
  text1 = other.text1;
  value2 = other.value2;
  text2 = other.text2;
  value3 = other.value3;
  std::copy(other.vector3, other.vector3 + 3, vector3);
  std::copy(other.values5, other.values5 + 5, values5);
}
