// Time values of the platform: CTime (whole seconds since 1970, UTC, shown in the process time
// zone) and FILETIME (100-nanosecond ticks since 1601, UTC).
#pragma once

#include <cstdint>
#include <ctime>

#include "QelAlloc.h"

struct FILETIME {
  uint32_t dwLowDateTime = 0;
  uint32_t dwHighDateTime = 0;
};

// Ticks between 1601-01-01 and 1970-01-01.
constexpr uint64_t kFileTimeEpochOffset = 116444736000000000ull;

class CTime {
 public:
  CTime() noexcept = default;
  explicit CTime(time_t t) noexcept : m_time(t) {}
  // Local date and time; out-of-range fields are normalised as mktime does. DST -1 lets the
  // time zone decide.
  CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1) noexcept;
  // From a FILETIME (UTC), truncated to whole seconds.
  explicit CTime(const FILETIME& ft) noexcept;

  static CTime GetCurrentTime() noexcept { return CTime(std::time(nullptr)); }
  time_t GetTime() const noexcept { return m_time; }

  // Local-time fields.
  int GetYear() const noexcept { return Local().tm_year + 1900; }
  int GetMonth() const noexcept { return Local().tm_mon + 1; }
  int GetDay() const noexcept { return Local().tm_mday; }
  int GetHour() const noexcept { return Local().tm_hour; }
  int GetMinute() const noexcept { return Local().tm_min; }
  int GetSecond() const noexcept { return Local().tm_sec; }
  int GetDayOfWeek() const noexcept { return Local().tm_wday + 1; }

  bool operator==(const CTime& o) const noexcept { return m_time == o.m_time; }
  bool operator!=(const CTime& o) const noexcept { return m_time != o.m_time; }
  bool operator<(const CTime& o) const noexcept { return m_time < o.m_time; }
  bool operator>(const CTime& o) const noexcept { return m_time > o.m_time; }
  bool operator<=(const CTime& o) const noexcept { return m_time <= o.m_time; }
  bool operator>=(const CTime& o) const noexcept { return m_time >= o.m_time; }

  QEL_DECLARE_SHARED_ALLOCATION()

 private:
  struct tm Local() const noexcept;
  time_t m_time = 0;
};

// FILETIME helpers of the platform.
FILETIME TimeToFileTime(time_t t) noexcept;
time_t FileTimeToTime(const FILETIME& ft) noexcept;
// UTC ticks to local ticks with the process time zone; true on success.
bool FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) noexcept;
