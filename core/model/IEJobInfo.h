// TIEJobInfo: what is known about a job's data: creation time, units, the ellipsoid-to-grid scale
// with its elevation, temperature, pressure and descriptive texts. A value counts only while its
// presence bit is set.
#pragma once

#include <cstdint>

#include "IEDefs.h"
#include "QelAlloc.h"
#include "WinTime.h"
#include "qel_text.h"

struct TIEJobInfo {
  enum EPresence : uint32_t {
    HAS_CREATE_TIME = 0x01,
    HAS_DIST_UNITS = 0x02,
    HAS_ANGLE_UNITS = 0x04,
    HAS_SCALE_AND_ELEVATION = 0x08,
    HAS_TEMPERATURE = 0x10,
    HAS_PRESSURE = 0x20
  };

  TIEJobInfo() = default;
  TIEJobInfo(const TIEJobInfo&) = default;
  TIEJobInfo& operator=(const TIEJobInfo&) = default;
  virtual ~TIEJobInfo() = default;

  void SetCreateTime(FILETIME time);
  bool GetCreateTime(FILETIME& time) const;
  // Local date "dd/mm/yy" and time "hh:mm:ss"; false when the time is unset or cannot be
  // converted.
  bool GetCreateTimeStr(CQelString& date, CQelString& time) const;
  void SetEllToGridScaleAndElevation(double scale, double elevation);
  bool GetEllToGridScaleAndElevation(double& scale, double& elevation) const;
  void SetDistUnits(EDIST_UNITS units);
  bool GetDistUnits(EDIST_UNITS& units) const;
  // ANY_UNITS while unset.
  EDIST_UNITS GetDistUnits() const;
  void SetAngleUnits(EANGLE_UNITS units);
  bool GetAngleUnits(EANGLE_UNITS& units) const;
  // DECDEG while unset.
  EANGLE_UNITS GetAngleUnits() const;
  void SetTemperature(double value, ETEMPERATURE_UNITS units);
  bool GetTemperature(double& value, ETEMPERATURE_UNITS& units) const;
  void SetPressure(double value, EPRESSURE_UNITS units);
  bool GetPressure(double& value, EPRESSURE_UNITS& units) const;

  // Descriptive values carried for the formats; no library operation reads them.
  CQelString m_strDescTexts[9];
  int m_nDescNumber1 = 0;
  CQelString m_strDescText;
  int m_nDescNumber2 = 0;
  bool m_bDescFlag = false;

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  bool Has(uint32_t bit) const { return (m_nPresence & bit) != 0; }

  uint32_t m_nPresence = 0;
  FILETIME m_createTime;
  EDIST_UNITS m_eDistUnits = EDIST_UNITS::ANY_UNITS;
  EANGLE_UNITS m_eAngleUnits = EANGLE_UNITS::DECDEG;
  ETEMPERATURE_UNITS m_eTemperatureUnits = TEMPERATURE_CELSIUS;
  EPRESSURE_UNITS m_ePressureUnits = PRESSURE_HPA;
  double m_dEllToGridScale = 0.0;
  double m_dElevation = 0.0;
  double m_dTemperature = 0.0;
  double m_dPressure = 0.0;
};
