#include "IEDataType.h"

CIEDataType::CIEDataType(EIEDataType type, const CQelString& name, EDataDirections direction,
                         TIEMask configurations, TIEMask usingModes)
    : CIECommonType(name, direction, configurations, usingModes), m_eType(type) {}

CIEDataType::~CIEDataType() = default;

EIEDataType CIEDataType::GetTypeID() const { return m_eType; }

bool CIEDataType::IsPointDataType() const {
  return m_eType == POINTS || m_eType == POINT_LISTS || m_eType == MULTIPLE;
}

bool CIEDataType::IsLineDataType() const { return m_eType == LINES || m_eType == MULTIPLE; }

bool CIEDataType::IsRoadDataType() const {
  switch (m_eType) {
    case PARCELS:
    case H_ALIGNMENTS:
    case V_ALIGNMENTS:
    case X_SECTIONS:
    case ROADS:
    case MULTIPLE:
      return true;
    default:
      return false;
  }
}
