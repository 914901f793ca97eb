#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "WinTime.h"
#include "support/TestSupport.h"

namespace {

uint64_t Ticks(const FILETIME& ft) {
  return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}
FILETIME FromTicks(uint64_t t) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<uint32_t>(t);
  ft.dwHighDateTime = static_cast<uint32_t>(t >> 32);
  return ft;
}

}  // namespace

TEST_F(CentralEuropeanTime, LocalFieldsFollowTheTimeZone) {
  CTime summer(2024, 7, 1, 12, 0, 0);
  EXPECT_EQ(1719828000, summer.GetTime());  // 10:00 UTC
  EXPECT_EQ(2024, summer.GetYear());
  EXPECT_EQ(7, summer.GetMonth());
  EXPECT_EQ(1, summer.GetDay());
  EXPECT_EQ(12, summer.GetHour());
  EXPECT_EQ(0, summer.GetMinute());
  EXPECT_EQ(2, summer.GetDayOfWeek());  // Monday; Sunday is 1
  CTime winter(2024, 1, 15, 8, 30, 15);
  EXPECT_EQ(1705303815, winter.GetTime());  // 07:30:15 UTC
  EXPECT_EQ(15, winter.GetSecond());
  CTime normalised(2024, 2, 30, 0, 0, 0);  // out-of-range day rolls over as mktime does
  EXPECT_EQ(3, normalised.GetMonth());
  EXPECT_EQ(1, normalised.GetDay());
  EXPECT_TRUE(winter < summer);
  EXPECT_TRUE(summer >= winter);
  EXPECT_TRUE(CTime(summer.GetTime()) == summer);
}

TEST_F(CentralEuropeanTime, FileTimes) {
  FILETIME epoch = TimeToFileTime(0);
  EXPECT_EQ(kFileTimeEpochOffset, Ticks(epoch));
  EXPECT_EQ(0, FileTimeToTime(epoch));
  FILETIME ft = TimeToFileTime(1719828000);
  EXPECT_EQ(1719828000, CTime(ft).GetTime());
  EXPECT_EQ(1719828000, FileTimeToTime(FromTicks(Ticks(ft) + 9999999)));  // truncated to seconds
  EXPECT_EQ(-1, FileTimeToTime(FromTicks(kFileTimeEpochOffset - 1)));     // before 1970: towards the past
  EXPECT_EQ(-11644473600LL, static_cast<long long>(FileTimeToTime(FromTicks(0))));
  EXPECT_EQ(static_cast<long long>((UINT64_MAX - kFileTimeEpochOffset) / 10000000),
            static_cast<long long>(FileTimeToTime(FromTicks(UINT64_MAX))));

  FILETIME local;
  ASSERT_TRUE(FileTimeToLocalFileTime(&ft, &local));
  EXPECT_EQ(Ticks(ft) + 2ull * 3600 * 10000000, Ticks(local));  // summer: UTC+2
  FILETIME winter = TimeToFileTime(1705303815);
  ASSERT_TRUE(FileTimeToLocalFileTime(&winter, &local));
  EXPECT_EQ(Ticks(winter) + 1ull * 3600 * 10000000, Ticks(local));
  EXPECT_FALSE(FileTimeToLocalFileTime(nullptr, &local));
  EXPECT_FALSE(FileTimeToLocalFileTime(&ft, nullptr));
}
