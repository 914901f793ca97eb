#include "IEJobInfo.h"

namespace {
// Calendar date of a day count since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long doe = days - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}
}  // namespace

void TIEJobInfo::SetCreateTime(FILETIME time) {
  m_createTime = time;
  m_nPresence |= HAS_CREATE_TIME;
}

bool TIEJobInfo::GetCreateTime(FILETIME& time) const {
  if (!Has(HAS_CREATE_TIME)) return false;
  time = m_createTime;
  return true;
}

bool TIEJobInfo::GetCreateTimeStr(CQelString& date, CQelString& time) const {
  FILETIME local;
  if (!Has(HAS_CREATE_TIME) || !FileTimeToLocalFileTime(&m_createTime, &local)) return false;
  const long long seconds = static_cast<long long>(FileTimeToTime(local));
  long long days = seconds / 86400;
  long long rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  int year = 0, month = 0, day = 0;
  CivilFromDays(days, year, month, day);
  date.Format(u"%02d/%02d/%02d", day, month, ((year % 100) + 100) % 100);
  time.Format(u"%02d:%02d:%02d", static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
              static_cast<int>(rest % 60));
  return true;
}

void TIEJobInfo::SetEllToGridScaleAndElevation(double scale, double elevation) {
  m_dEllToGridScale = scale;
  m_dElevation = elevation;
  m_nPresence |= HAS_SCALE_AND_ELEVATION;
}

bool TIEJobInfo::GetEllToGridScaleAndElevation(double& scale, double& elevation) const {
  if (!Has(HAS_SCALE_AND_ELEVATION)) return false;
  scale = m_dEllToGridScale;
  elevation = m_dElevation;
  return true;
}

void TIEJobInfo::SetDistUnits(EDIST_UNITS units) {
  m_eDistUnits = units;
  m_nPresence |= HAS_DIST_UNITS;
}

bool TIEJobInfo::GetDistUnits(EDIST_UNITS& units) const {
  if (!Has(HAS_DIST_UNITS)) return false;
  units = m_eDistUnits;
  return true;
}

EDIST_UNITS TIEJobInfo::GetDistUnits() const {
  return Has(HAS_DIST_UNITS) ? m_eDistUnits : EDIST_UNITS::ANY_UNITS;
}

void TIEJobInfo::SetAngleUnits(EANGLE_UNITS units) {
  m_eAngleUnits = units;
  m_nPresence |= HAS_ANGLE_UNITS;
}

bool TIEJobInfo::GetAngleUnits(EANGLE_UNITS& units) const {
  if (!Has(HAS_ANGLE_UNITS)) return false;
  units = m_eAngleUnits;
  return true;
}

EANGLE_UNITS TIEJobInfo::GetAngleUnits() const {
  return Has(HAS_ANGLE_UNITS) ? m_eAngleUnits : EANGLE_UNITS::DECDEG;
}

void TIEJobInfo::SetTemperature(double value, ETEMPERATURE_UNITS units) {
  m_dTemperature = value;
  m_eTemperatureUnits = units;
  m_nPresence |= HAS_TEMPERATURE;
}

bool TIEJobInfo::GetTemperature(double& value, ETEMPERATURE_UNITS& units) const {
  if (!Has(HAS_TEMPERATURE)) return false;
  value = m_dTemperature;
  units = m_eTemperatureUnits;
  return true;
}

void TIEJobInfo::SetPressure(double value, EPRESSURE_UNITS units) {
  m_dPressure = value;
  m_ePressureUnits = units;
  m_nPresence |= HAS_PRESSURE;
}

bool TIEJobInfo::GetPressure(double& value, EPRESSURE_UNITS& units) const {
  if (!Has(HAS_PRESSURE)) return false;
  value = m_dPressure;
  units = m_ePressureUnits;
  return true;
}
