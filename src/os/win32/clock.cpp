#include <windows.h>

#include "os/os.h"

namespace os::clock {

namespace {

DateTime FromSystemTime(const SYSTEMTIME& t) {
  return DateTime{t.wYear,   t.wMonth,  t.wDay,          t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek + 1};  // 0 is Sunday
}

// Milliseconds of the performance counter, which never goes back (GetTickCount64
// is missing on XP and GetTickCount wraps after 49 days).
std::int64_t MonotonicMs() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  const std::int64_t perSecond = frequency.QuadPart;
  // Split so that count * 1000 cannot overflow.
  return count.QuadPart / perSecond * 1000 + count.QuadPart % perSecond * 1000 / perSecond;
}

}  // namespace

ClockReading Read() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const std::int64_t monotonic = MonotonicMs();
  SYSTEMTIME utc, local;
  FileTimeToSystemTime(&now, &utc);
  // Converts with the zone's rules for that date, daylight saving included.
  SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
  return ClockReading{FromSystemTime(local), FromSystemTime(utc), monotonic};
}

}  // namespace os::clock
