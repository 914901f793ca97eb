#include "IEDesignPoint.h"

CIEObject* CIEDesignPoint::clone() const {
  auto* copy = new CIEDesignPoint();
  if (copy) copyCommonData(copy);
  return copy;
}

void CIEDesignPoint::copyCommonData(CIEObject* target) const {
  CIEObject::copyCommonData(target);
  auto* point = dynamic_cast<CIEDesignPoint*>(target);
  if (!point || point == this) return;
  point->SetStation(m_station);
  point->auxiliaryTexts = auxiliaryTexts;
}

CIEPTLPoint::CIEPTLPoint(const CQelString& firstIDs, const CQelString& secondIDs, ECOORD_TYPE coordType)
    : m_strFirstIDs(firstIDs), m_strSecondIDs(secondIDs), m_eCoordType(coordType) {}

CIEObject* CIEPTLPoint::clone() const {
  auto* copy = new CIEPTLPoint(m_strFirstIDs, m_strSecondIDs, m_eCoordType);
  if (copy) copyCommonData(copy);
  return copy;
}

void CIEPTLPoint::SetPTLParams(const CQelString& firstIDs, const CQelString& secondIDs,
                               ECOORD_TYPE coordType) {
  m_strFirstIDs = firstIDs;
  m_strSecondIDs = secondIDs;
  m_eCoordType = coordType;
}
