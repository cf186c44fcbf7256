#include <windows.h>

#include "os/os.h"

namespace os::clock {

namespace {

DateTime FromSystemTime(const SYSTEMTIME& t) {
  return DateTime{t.wYear,   t.wMonth,  t.wDay,          t.wHour,
                  t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek + 1};  // 0 is Sunday
}

// Milliseconds since Windows started, time asleep or hibernating included, so that countdowns
// go on across a sleep as the wall clock does. The performance counter is documented to count
// sleep only on recent Windows; the tick count always does. GetTickCount64 is missing on XP,
// where the 32-bit count is widened here: it wraps after 49 days, and the program reads the
// clock many times a day.
std::int64_t MonotonicMs() {
  using TickCount64 = ULONGLONG(WINAPI*)();
  static const auto tickCount64 = reinterpret_cast<TickCount64>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
  if (tickCount64) return static_cast<std::int64_t>(tickCount64());
  static DWORD previous = 0;
  static std::int64_t wraps = 0;
  const DWORD now = GetTickCount();
  if (now < previous) ++wraps;
  previous = now;
  return (wraps << 32) + now;
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
