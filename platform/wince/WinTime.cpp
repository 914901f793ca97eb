#include "WinTime.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) noexcept {
  struct tm t = {};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = dst;
  time_t r = mktime(&t);
  m_time = r == static_cast<time_t>(-1) ? 0 : r;
}

CTime::CTime(const FILETIME& ft) noexcept : m_time(FileTimeToTime(ft)) {}

struct tm CTime::Local() const noexcept {
  struct tm t = {};
  localtime_r(&m_time, &t);
  return t;
}

FILETIME TimeToFileTime(time_t t) noexcept {
  uint64_t ticks = static_cast<uint64_t>(static_cast<int64_t>(t) * 10000000ll +
                                         static_cast<int64_t>(kFileTimeEpochOffset));
  FILETIME ft;
  ft.dwLowDateTime = static_cast<uint32_t>(ticks);
  ft.dwHighDateTime = static_cast<uint32_t>(ticks >> 32);
  return ft;
}

time_t FileTimeToTime(const FILETIME& ft) noexcept {
  uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  // Whole seconds, rounded towards the past on both sides of 1970.
  if (ticks >= kFileTimeEpochOffset) return static_cast<time_t>((ticks - kFileTimeEpochOffset) / 10000000);
  return -static_cast<time_t>((kFileTimeEpochOffset - ticks + 9999999) / 10000000);
}

bool FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) noexcept {
  if (!utc || !local) return false;
  time_t t = FileTimeToTime(*utc);
  struct tm lt = {};
  if (!localtime_r(&t, &lt)) return false;
  uint64_t ticks = (static_cast<uint64_t>(utc->dwHighDateTime) << 32) | utc->dwLowDateTime;
  ticks += static_cast<int64_t>(lt.tm_gmtoff) * 10000000ll;
  local->dwLowDateTime = static_cast<uint32_t>(ticks);
  local->dwHighDateTime = static_cast<uint32_t>(ticks >> 32);
  return true;
}
