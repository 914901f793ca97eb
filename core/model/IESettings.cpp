#include "IESettings.h"

#include "IECodeStyle.h"
#include "IIECoordinateSystemCatalog.h"
#include "IIEMessageBox.h"

namespace {
template <class T>
T* CopyOf(const T* source) {
  return source ? new T(*source) : nullptr;
}
}  // namespace

void TIESettings::reset() {
  m_nDataTypes = 0;
  m_pMessageBox = nullptr;
  m_eDistUnits = EDIST_UNITS::ANY_UNITS;
  m_eAngleUnits = EANGLE_UNITS::ANY_UNITS;
  m_nValue1 = 1;
  for (int& v : m_nValues3) v = 3;
  m_pFormatRecord = nullptr;
  for (bool& f : m_bFlags2) f = true;
  m_pCoordSystemCatalog = nullptr;
  m_pCodeStyle = nullptr;
  m_pBlock = nullptr;
  for (bool& f : m_bFlags7) f = false;
  m_nValue2 = 2;
  m_hNotifyWnd = nullptr;
}

TIESettings::TIESettings(const TIESettings& other) {
  reset();
  *this = other;
}

TIESettings& TIESettings::operator=(const TIESettings& other) {
  if (this == &other) return *this;
  m_nDataTypes = other.m_nDataTypes;
  m_eDistUnits = other.m_eDistUnits;
  m_eAngleUnits = other.m_eAngleUnits;
  m_nValue1 = other.m_nValue1;
  for (int i = 0; i < 3; ++i) m_nValues3[i] = other.m_nValues3[i];
  for (int i = 0; i < 2; ++i) m_bFlags2[i] = other.m_bFlags2[i];
  for (int i = 0; i < 7; ++i) m_bFlags7[i] = other.m_bFlags7[i];
  m_nValue2 = other.m_nValue2;
  m_hNotifyWnd = other.m_hNotifyWnd;
  DeleteOwned();
  m_pMessageBox = other.m_pMessageBox ? other.m_pMessageBox->Duplicate() : nullptr;
  m_pCoordSystemCatalog = other.m_pCoordSystemCatalog ? other.m_pCoordSystemCatalog->clone() : nullptr;
  m_pFormatRecord = CopyOf(other.m_pFormatRecord);
  m_pCodeStyle = CopyOf(other.m_pCodeStyle);
  m_pBlock = CopyOf(other.m_pBlock);
  return *this;
}

TIESettings::~TIESettings() { DeleteOwned(); }

void TIESettings::DeleteOwned() {
  delete m_pFormatRecord;
  m_pFormatRecord = nullptr;
  delete m_pMessageBox;
  m_pMessageBox = nullptr;
  delete m_pCodeStyle;
  m_pCodeStyle = nullptr;
  delete m_pBlock;
  m_pBlock = nullptr;
  delete m_pCoordSystemCatalog;
  m_pCoordSystemCatalog = nullptr;
}

bool TIESettings::HasOnlyThisDataType(EIEDataType type) const {
  const TIEMask allTypes = IEUtils::ToFlag(EIEDataType_COUNT) - 1;
  return (m_nDataTypes & allTypes) == Bit(type) && Bit(type) != 0;
}
