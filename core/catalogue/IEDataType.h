// CIEDataType: one kind of data the system exchanges (points, lines, roads, raw data...), with
// the directions, configurations and modes in which the host offers it.
#pragma once

#include "IECommonType.h"

class CIEDataType : public CIECommonType {
 public:
  CIEDataType(EIEDataType type, const CQelString& name, EDataDirections direction, TIEMask configurations,
              TIEMask usingModes);
  CIEDataType(const CIEDataType& other) = default;
  CIEDataType& operator=(const CIEDataType&) = delete;
  CIEDataType(CIEDataType&&) = delete;
  CIEDataType& operator=(CIEDataType&&) = delete;
  ~CIEDataType() override;

  EIEDataType GetTypeID() const;
  // Classification by the type identifier alone; MULTIPLE belongs to all three families.
  bool IsPointDataType() const;
  bool IsLineDataType() const;
  bool IsRoadDataType() const;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  EIEDataType m_eType;
};
