// TIESettings: what the host decides for one exchange job: the data types to exchange, unit
// overrides, its question dialog and coordinate-system catalogue, the code style of text writers
// and the window told when the job ends. Copies own copies of everything the settings own.
#pragma once

#include <cstdint>

#include "IEDefs.h"
#include "IERounding.h"
#include "QelAlloc.h"
#include "WinTypes.h"
#include "qel_templ.h"

class IIEMessageBox;
class IIECoordinateSystemCatalog;
struct TIECodeStyle;

// A format record the host passes through: a 16-bit value, two 8-bit values and a list of ints.
struct TIEFormatRecord {
  TIEFormatRecord() = default;
  TIEFormatRecord(const TIEFormatRecord&) = default;
  TIEFormatRecord& operator=(const TIEFormatRecord&) = default;
  virtual ~TIEFormatRecord() = default;

  uint16_t m_nValue = 0;
  uint8_t m_nByte1 = 0;
  uint8_t m_nByte2 = 0;
  qel_templ::CQelArray<int> m_values;

  QEL_DECLARE_SHARED_ALLOCATION()
};

// A plain 24-byte block the host passes through; the drawing plug-in reads one flag from it.
struct TIESettingsBlock {
  static constexpr int DRAWING_FLAG_BYTE = 9;
  unsigned char m_bytes[24] = {};

  QEL_DECLARE_SHARED_ALLOCATION()
};

struct TIESettings {
  // Index in m_bFlags7 of the flag that makes the shapefile exporter write the code description.
  static constexpr int FLAG_WRITE_CODE_DESCRIPTION = 3;

  TIESettings() { reset(); }
  TIESettings(const TIESettings& other);
  TIESettings& operator=(const TIESettings& other);
  virtual ~TIESettings();

  bool HasDataType(EIEDataType type) const { return (m_nDataTypes & Bit(type)) != 0; }
  // True when exactly one of the types 0 to 20 is set, and it is this one.
  bool HasOnlyThisDataType(EIEDataType type) const;
  void AddDataType(EIEDataType type) { m_nDataTypes |= Bit(type); }
  void RemoveDataType(EIEDataType type) { m_nDataTypes &= ~Bit(type); }
  void RemoveAllDataTypes() { m_nDataTypes = 0; }

  // Bit n stands for the data type of value n.
  TIEMask m_nDataTypes;
  // Owned: the host's question dialog before files are overwritten.
  IIEMessageBox* m_pMessageBox;
  // ANY_UNITS: the units of the job info apply.
  EDIST_UNITS m_eDistUnits;
  EANGLE_UNITS m_eAngleUnits;
  int m_nValue1;
  int m_nValues3[3];
  // Owned and carried.
  TIEFormatRecord* m_pFormatRecord;
  bool m_bFlags2[2];
  // Owned: the host's catalogue, used for projection files.
  IIECoordinateSystemCatalog* m_pCoordSystemCatalog;
  // Owned: how text writers render codes.
  TIECodeStyle* m_pCodeStyle;
  // Owned and carried.
  TIESettingsBlock* m_pBlock;
  bool m_bFlags7[7];
  int m_nValue2;
  // Receives the completion message of a job run on a worker thread.
  HWND m_hNotifyWnd;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  static TIEMask Bit(EIEDataType type) { return IEUtils::ToFlag(static_cast<uint64_t>(type)); }
  // Defaults for a new object; owns nothing afterwards.
  void reset();
  // Frees everything the settings own.
  void DeleteOwned();
};
