#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "os/os.h"

namespace {

SYSTEMTIME ToSystemTime(const os::DateTime& t) {
  SYSTEMTIME s{};
  s.wYear = static_cast<WORD>(t.Year);
  s.wMonth = static_cast<WORD>(t.Month);
  s.wDay = static_cast<WORD>(t.Day);
  s.wHour = static_cast<WORD>(t.Hour);
  s.wMinute = static_cast<WORD>(t.Minute);
  s.wSecond = static_cast<WORD>(t.Second);
  s.wMilliseconds = static_cast<WORD>(t.Millisecond);
  return s;
}

// Milliseconds since 1601, the FILETIME epoch.
std::int64_t Ms(const SYSTEMTIME& t) {
  FILETIME f;
  EXPECT_TRUE(SystemTimeToFileTime(&t, &f)) << t.wYear << "-" << t.wMonth << "-" << t.wDay;
  return ((static_cast<std::int64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000;
}

std::int64_t Ms(const os::DateTime& t) {
  return Ms(ToSystemTime(t));
}

// Minutes local time is ahead of UTC now.
int UtcOffsetMinutes() {
  TIME_ZONE_INFORMATION zone;
  const DWORD which = GetTimeZoneInformation(&zone);
  const LONG extra = which == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias;
  return -(zone.Bias + extra);
}

TEST(OsClock, LocalIsUtcPlusTheZoneOffset) {
  // ctest runs these tests in a zone 5:45 ahead of UTC, so a mix-up shows.
  const int offset = UtcOffsetMinutes();
  ASSERT_NE(offset, 0);
  const os::ClockReading now = os::clock::Read();
  // Exact to the millisecond: both come from the same read.
  EXPECT_EQ(Ms(now.Local) - Ms(now.Utc), offset * 60000LL);
}

TEST(OsClock, LocalAgreesWithTheSystem) {
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  const os::ClockReading now = os::clock::Read();
  GetLocalTime(&after);
  EXPECT_GE(Ms(now.Local), Ms(before) - 1000);
  EXPECT_LE(Ms(now.Local), Ms(after) + 1000);
}

TEST(OsClock, DayOfWeekRunsFromSundayOne) {
  const os::ClockReading now = os::clock::Read();
  for (const os::DateTime& t : {now.Local, now.Utc}) {
    // Windows works out the weekday of the date itself.
    SYSTEMTIME day = ToSystemTime(t);
    FILETIME f;
    ASSERT_TRUE(SystemTimeToFileTime(&day, &f));
    ASSERT_TRUE(FileTimeToSystemTime(&f, &day));
    EXPECT_EQ(t.DayOfWeek, day.wDayOfWeek + 1);
    EXPECT_GE(t.DayOfWeek, 1);
    EXPECT_LE(t.DayOfWeek, 7);
  }
}

TEST(OsClock, MonotonicCountNeverGoesBack) {
  std::int64_t previous = os::clock::Read().MonotonicMs;
  for (int i = 0; i < 2000; ++i) {
    const std::int64_t now = os::clock::Read().MonotonicMs;
    ASSERT_GE(now, previous) << "read " << i;
    previous = now;
  }
}

TEST(OsClock, MonotonicCountsMilliseconds) {
  // Longer than a second, so that a count of seconds shows as well.
  const os::ClockReading start = os::clock::Read();
  const DWORD ticksAtStart = GetTickCount();
  Sleep(1500);
  const os::ClockReading end = os::clock::Read();
  const DWORD ticks = GetTickCount() - ticksAtStart;
  const std::int64_t counted = end.MonotonicMs - start.MonotonicMs;
  EXPECT_NEAR(static_cast<double>(counted), ticks, 200);
  EXPECT_NEAR(static_cast<double>(Ms(end.Utc) - Ms(start.Utc)), static_cast<double>(counted), 200);
}

}  // namespace
