// The six alarm types and the three signals. What a type means (which timer
// drives it, which texts it needs, whether it stops when it fires, which
// working values it loads, when it is due) is one row of one table.
#pragma once

#include <cstdint>

#include "os/os.h"

class CAlarm;

// The rows of the editor's type list, in its order. A type is stored as 1
// shifted left by its row.
enum class AlarmType { Countdown, DateAndTime, Date, Time, DayAndTime, Day };
constexpr int kAlarmTypeCount = 6;

constexpr std::int16_t TypeValue(AlarmType type) {
  return static_cast<std::int16_t>(1 << static_cast<int>(type));
}

// The bits of CAlarm::Signals, freely combined.
namespace alarm_signal {
inline constexpr std::int16_t kShowMessage = 64;
inline constexpr std::int16_t kPlaySound = 128;
inline constexpr std::int16_t kRunTask = 256;
}  // namespace alarm_signal

enum class AlarmTimer { Countdown, DateTime };

// The working values (CAlarm::Hour, Minute, Second) that are loaded from the
// alarm's time text.
enum WorkingValue : unsigned { kHourValue = 1, kMinuteValue = 2, kSecondValue = 4 };
constexpr unsigned kAllWorkingValues = kHourValue | kMinuteValue | kSecondValue;

// What a due rule compares: this tick's clock and the previous tick's (or
// the timer's start).
struct DueClock {
  os::ClockReading Now;
  os::ClockReading Previous;
};

struct AlarmTypeInfo {
  AlarmType Type;
  const char* Name;  // in the editor's type list
  AlarmTimer Timer;
  bool PicksDate;             // the editor's date picker gives its date,
  bool ByWeekday;             // or only the weekday of that date (shown as "dddd")
  bool PicksTime;             // the editor's time picker gives its time or length
  bool OneShot;               // stops when it fires, whatever Repeat says
  unsigned ActivationValues;  // loaded when it is activated
  unsigned FiringValues;      // loaded again after it fired
  // Whether it is due now; a Day alarm keeps its fired-today guard here.
  bool (*IsDue)(CAlarm& alarm, const DueClock& clock);

  // The texts that must read for it to run.
  bool NeedsDate() const { return PicksDate && !ByWeekday; }
  bool NeedsTime() const { return PicksTime; }
};

extern const AlarmTypeInfo kAlarmTypes[kAlarmTypeCount];

// The row of a stored type value; null for a value outside the six.
const AlarmTypeInfo* FindAlarmType(std::int16_t value);

// When the working values are loaded from the time text.
enum class LoadPoint { Activation, Firing };
// Activation: the values of the type's ActivationValues, a Day alarm's guard
// cleared, a time of day's 12 o'clock stored as 0, a countdown's deadline
// set. Firing: the type's FiringValues and the deadline, when the time text
// was read. Needs the alarm's texts read (CAlarm::ParseTexts).
void LoadWorkingValues(CAlarm& alarm, LoadPoint point, std::int64_t nowMs);
