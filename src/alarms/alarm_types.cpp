#include "alarms/alarm_types.h"

#include <algorithm>
#include <optional>

#include "alarms/alarm_list.h"
#include "common/date_time_text.h"
#include "os/calendar.h"

namespace {

constexpr std::int64_t kSecondMs = 1000;
constexpr std::int64_t kMinuteMs = 60 * kSecondMs;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;
constexpr std::int64_t kDayMs = 24 * kHourMs;
// A time alarm whose moment the clock passed longer ago than this (the
// machine slept, the loop was held) is left for its next day.
constexpr std::int64_t kLatestFiring = 5 * kMinuteMs;
// The largest forward jump of the wall clock taken for daylight saving.
constexpr std::int64_t kLongestDaylightJump = 2 * kHourMs;
// A repeating time alarm fires at most once in this time, so a clock set
// back, or the hour repeated when daylight saving ends, cannot fire it twice.
constexpr std::int64_t kRefireGuard = 12 * kHourMs;

std::int64_t LengthMs(const datetime::TimeOfDay& t) {
  return t.Hour * kHourMs + t.Minute * kMinuteMs + t.Second * kSecondMs;
}

// The hour of a 12-hour alarm time on the 24-hour clock: the AM flag picks
// the half of the day, and anything but 1 means after noon.
int HourOfDay(int hour, int am) {
  return hour % 12 + (am == 1 ? 0 : 12);
}

enum class DayIs { Ahead, Today, Past };

DayIs CompareAlarmDate(const datetime::Date& date, const os::DateTime& now) {
  const std::int64_t today = datetime::DaysFromCivil(datetime::DateOf(now));
  const std::int64_t day = datetime::DaysFromCivil(date);
  return today > day ? DayIs::Past : today == day ? DayIs::Today : DayIs::Ahead;
}

// Shown rounded to the second: a countdown with less than half a second left is due.
bool CountdownIsDue(CAlarm& alarm, const DueClock& clock) {
  return alarm.DeadlineMs - clock.Now.MonotonicMs < kSecondMs / 2;
}

// Due from the first tick on its day once its time has come, or on any later day.
bool DateAndTimeIsDue(CAlarm& alarm, const DueClock& clock) {
  const os::DateTime& now = clock.Now.Local;
  switch (CompareAlarmDate(*alarm.ParsedDate, now)) {
    case DayIs::Ahead:
      return false;
    case DayIs::Past:
      return true;
    case DayIs::Today:
      break;
  }
  const datetime::TimeOfDay t = *alarm.ParsedTime;
  const std::int64_t moment =
      HourOfDay(t.Hour, alarm.AM) * kHourMs + t.Minute * kMinuteMs + t.Second * kSecondMs;
  return moment <= LengthMs(datetime::TimeOf(now)) + now.Millisecond;
}

bool DateIsDue(CAlarm& alarm, const DueClock& clock) {
  return CompareAlarmDate(*alarm.ParsedDate, clock.Now.Local) != DayIs::Ahead;
}

// Due when the wall clock passed the alarm's moment, on any day or on its
// weekday (1 Sunday), since the previous tick, at most kLatestFiring ago. A
// forward jump of the clock up to kLongestDaylightJump (daylight saving) is
// taken to have happened just now, so a moment it skipped fires once; a
// longer one (the clock or the time zone set by hand) is taken to have
// happened at the previous tick, so nothing it skipped is due. A clock going
// back makes nothing due.
bool MomentPassed(const CAlarm& alarm, const DueClock& clock, std::optional<int> weekday) {
  const os::ClockReading &now = clock.Now, &previous = clock.Previous;
  if (alarm.LastFiredMs && now.MonotonicMs - *alarm.LastFiredMs < kRefireGuard) return false;
  const std::int64_t elapsed = now.MonotonicMs - previous.MonotonicMs;
  // Local wall times, counted from 1970-01-01 00:00 local.
  const std::int64_t after = os::calendar::MsFromCivil(now.Local);
  std::int64_t before = os::calendar::MsFromCivil(previous.Local);
  if (after - before - elapsed > kLongestDaylightJump) before = after - elapsed;
  const std::int64_t ranUntil = std::min(after, before + elapsed);
  const std::int64_t timeOfDay =
      HourOfDay(alarm.Hour, alarm.AM) * kHourMs + alarm.Minute * kMinuteMs;
  const std::int64_t today = after / kDayMs;
  for (std::int64_t day = today - 1; day <= today; ++day) {
    if (weekday && datetime::DayOfWeek(datetime::CivilFromDays(day)) != *weekday) continue;
    const std::int64_t moment = day * kDayMs + timeOfDay;
    if (before < moment && moment <= after && ranUntil - moment <= kLatestFiring) return true;
  }
  return false;
}

bool TimeIsDue(CAlarm& alarm, const DueClock& clock) {
  return MomentPassed(alarm, clock, std::nullopt);
}

bool DayAndTimeIsDue(CAlarm& alarm, const DueClock& clock) {
  return MomentPassed(alarm, clock, alarm.Weekday());
}

// Once on its weekday: the guard is cleared on any other day.
bool DayIsDue(CAlarm& alarm, const DueClock& clock) {
  if (clock.Now.Local.DayOfWeek != alarm.Weekday()) {
    alarm.SetFiredToday(false);
    return false;
  }
  if (alarm.FiredToday()) return false;
  alarm.SetFiredToday(true);
  return true;
}

constexpr unsigned kHourAndMinute = kHourValue | kMinuteValue;

}  // namespace

// clang-format off
const AlarmTypeInfo kAlarmTypes[kAlarmTypeCount] = {
  // type                    name             timer                  date   weekday time   one shot activation        firing             due
  {AlarmType::Countdown,   "Countdown",     AlarmTimer::Countdown, false, false,  true,  false, kAllWorkingValues, kAllWorkingValues, CountdownIsDue},
  {AlarmType::DateAndTime, "Date and Time", AlarmTimer::DateTime,  true,  false,  true,  true,  kAllWorkingValues, kAllWorkingValues, DateAndTimeIsDue},
  {AlarmType::Date,        "Date",          AlarmTimer::DateTime,  true,  false,  false, true,  kAllWorkingValues, kAllWorkingValues, DateIsDue},
  {AlarmType::Time,        "Time",          AlarmTimer::DateTime,  false, false,  true,  false, kAllWorkingValues, kAllWorkingValues, TimeIsDue},
  {AlarmType::DayAndTime,  "Day and Time",  AlarmTimer::DateTime,  true,  true,   true,  false, kHourAndMinute,    kHourAndMinute,    DayAndTimeIsDue},
  {AlarmType::Day,         "Day",           AlarmTimer::DateTime,  true,  true,   false, false, 0,                 kHourValue,        DayIsDue},
};
// clang-format on

const AlarmTypeInfo* FindAlarmType(std::int16_t value) {
  for (const AlarmTypeInfo& info : kAlarmTypes)
    if (TypeValue(info.Type) == value) return &info;
  return nullptr;
}

void LoadWorkingValues(CAlarm& alarm, LoadPoint point, std::int64_t nowMs) {
  const AlarmTypeInfo* type = FindAlarmType(alarm.Type);
  if (!type) return;
  // Firing reloads only what it can read; activation has read the texts it needs.
  if (point == LoadPoint::Firing && !alarm.ParsedTime) return;
  const datetime::TimeOfDay t = alarm.ParsedTime.value_or(datetime::TimeOfDay{});
  const unsigned values =
      point == LoadPoint::Activation ? type->ActivationValues : type->FiringValues;
  if (values & kHourValue) alarm.Hour = static_cast<std::uint16_t>(t.Hour);
  if (values & kMinuteValue) alarm.Minute = static_cast<std::uint16_t>(t.Minute);
  if (values & kSecondValue) alarm.Second = static_cast<std::uint16_t>(t.Second);
  alarm.DeadlineMs = nowMs + LengthMs(t);
  if (point == LoadPoint::Firing) return;
  if (type->Type == AlarmType::Day) alarm.SetFiredToday(false);
  // A time of day's 12 o'clock is 0 on the 12-hour dial; a countdown's 12
  // hours stay 12 hours.
  if (type->Timer == AlarmTimer::DateTime && alarm.Hour == 12) alarm.Hour = 0;
}
