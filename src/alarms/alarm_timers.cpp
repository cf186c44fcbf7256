// The two alarm timers: which alarms are due, and what a firing does.
#include <algorithm>
#include <cstdio>

#include "alarms/alarm_handler_form.h"
#include "alarms/alarm_list.h"
#include "app/main_form.h"
#include "common/data_file.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "settings/show_message.h"
#include "tasks/task_handler_form.h"

namespace {

constexpr std::int64_t kSecondMs = 1000;
constexpr std::int64_t kMinuteMs = 60 * kSecondMs;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;
constexpr std::int64_t kDayMs = 24 * kHourMs;
// A time alarm whose moment the clock passed longer ago than this (the
// machine slept, the loop was held) is left for its next day.
constexpr std::int64_t kLatestFiring = 5 * kMinuteMs;
// A repeating time alarm fires at most once in this time, so a clock set
// back, or the hour repeated when daylight saving ends, cannot fire it twice.
constexpr std::int64_t kRefireGuard = 12 * kHourMs;

std::int64_t LengthMs(const datetime::TimeOfDay& t) {
  return t.Hour * kHourMs + t.Minute * kMinuteMs + t.Second * kSecondMs;
}

// Local wall time as milliseconds since 1970-01-01 00:00 local.
std::int64_t WallMs(const os::DateTime& t) {
  return datetime::DaysFromCivil(datetime::DateOf(t)) * kDayMs + LengthMs(datetime::TimeOf(t)) +
         t.Millisecond;
}

// The hour of a 12-hour alarm time on the 24-hour clock: the AM flag picks
// the half of the day, and anything but 1 means after noon.
int HourOfDay(int hour, int am) {
  return hour % 12 + (am == 1 ? 0 : 12);
}

// 2 the date is today, 1 it has passed, 0 it lies ahead.
int CompareAlarmDate(const datetime::Date& date, const os::DateTime& now) {
  const std::int64_t today = datetime::DaysFromCivil(datetime::DateOf(now));
  const std::int64_t day = datetime::DaysFromCivil(date);
  return today > day ? 1 : today == day ? 2 : 0;
}

// A Date and Time alarm on its day: due once its time has come.
bool CheckDateTimeDue(const CAlarm& alarm, const os::DateTime& now) {
  const datetime::TimeOfDay t = *alarm.ParsedTime;
  const std::int64_t moment =
      HourOfDay(t.Hour, alarm.AM) * kHourMs + t.Minute * kMinuteMs + t.Second * kSecondMs;
  return moment <= LengthMs(datetime::TimeOf(now)) + now.Millisecond;
}

bool ResolutionAllows(const CSettings& settings, int restricted) {
  if (restricted != 1) return true;
  const auto screen = os::display::ScreenSize();
  const auto width = common::ParseInt(settings.ResolutionX);
  const auto height = common::ParseInt(settings.ResolutionY);
  if (!screen || !width || !height) return true;  // nothing to compare with: no restriction
  return screen->Width == *width && screen->Height == *height;
}

bool IsOneShot(const CAlarm& alarm) {
  return alarm.Repeat == 0 || alarm.Type == kDateAndTime || alarm.Type == kDateOnly;
}

// At least two digits: 4 reads "04".
std::string TwoDigits(std::int64_t n) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(n));
  return text;
}

void SetRemaining(CAlarm& alarm, std::int64_t seconds) {
  alarm.Hour = static_cast<std::uint16_t>(seconds / 3600);
  alarm.Minute = static_cast<std::uint16_t>(seconds / 60 % 60);
  alarm.Second = static_cast<std::uint16_t>(seconds % 60);
}

}  // namespace

void CAlarmHandler::CountdownTick() {
  TF_AlarmHandler& window = *F_AlarmHandler;
  window.StatusText.clear();
  const std::int64_t now = os::clock::Read().MonotonicMs;
  std::vector<std::string> due;
  for (CAlarm& alarm : Alarms) {
    if (alarm.State != 1 || alarm.Type != kCountdown || firing_.count(alarm.Name)) continue;
    const std::int64_t left = alarm.DeadlineMs - now;
    if (left < kSecondMs / 2) {  // shown rounded to the second: 0 is due
      due.push_back(alarm.Name);
      continue;
    }
    SetRemaining(alarm, (left + kSecondMs / 2) / kSecondMs);
    if (window.LiveCountdown != 1 || alarm.Name != window.LiveCountdownName) continue;
    window.StatusText =
        TwoDigits(alarm.Hour) + ":" + TwoDigits(alarm.Minute) + ":" + TwoDigits(alarm.Second);
    if (!alarm.Message.empty()) window.StatusText += " - " + alarm.Message.substr(0, 30);
    window.StatusBar.SetSimpleText(window.StatusText);
  }
  if (!due.empty()) window.StatusBar.SetSimpleText("");
  FireDueAlarms(due);
}

void CAlarmHandler::DateTimeTick() {
  const os::ClockReading now = os::clock::Read();
  std::vector<std::string> due;
  for (CAlarm& alarm : Alarms) {
    if (alarm.State != 1 || firing_.count(alarm.Name)) continue;
    bool isDue = false;
    switch (alarm.Type) {
      case kDateAndTime: {
        const int day = CompareAlarmDate(*alarm.ParsedDate, now.Local);
        isDue = day == 1 || (day == 2 && CheckDateTimeDue(alarm, now.Local));
        break;
      }
      case kDateOnly:
        isDue = CompareAlarmDate(*alarm.ParsedDate, now.Local) != 0;
        break;
      case kTimeOfDay:
      case kDayAndTime:
        isDue = TimeIsDue(alarm, now);
        break;
      case kDayOnly:
        if (now.Local.DayOfWeek != alarm.Second) {
          alarm.Minute = 0;  // due again on its next weekday
        } else if (alarm.Minute == 0) {
          alarm.Minute = 1;
          isDue = true;
        }
        break;
    }
    if (isDue) due.push_back(alarm.Name);
  }
  previousDateTick_ = now;
  FireDueAlarms(due);
}

// Due when the wall clock passed the alarm's moment since the previous tick,
// at most kLatestFiring ago. A forward jump of the clock (daylight saving, or
// set by hand) is taken to have happened just now, so a moment it skipped
// fires; a clock going back makes nothing due.
bool CAlarmHandler::TimeIsDue(const CAlarm& alarm, const os::ClockReading& now) const {
  if (alarm.LastFiredMs && now.MonotonicMs - *alarm.LastFiredMs < kRefireGuard) return false;
  const std::int64_t before = WallMs(previousDateTick_.Local);
  const std::int64_t after = WallMs(now.Local);
  const std::int64_t ranUntil =
      std::min(after, before + (now.MonotonicMs - previousDateTick_.MonotonicMs));
  const std::int64_t timeOfDay =
      HourOfDay(alarm.Hour, alarm.AM) * kHourMs + alarm.Minute * kMinuteMs;
  const std::int64_t today = after / kDayMs;
  for (std::int64_t day = today - 1; day <= today; ++day) {
    if (alarm.Type == kDayAndTime &&
        datetime::DayOfWeek(datetime::CivilFromDays(day)) != alarm.Second)
      continue;
    const std::int64_t moment = day * kDayMs + timeOfDay;
    if (before < moment && moment <= after && ranUntil - moment <= kLatestFiring) return true;
  }
  return false;
}

void CAlarmHandler::FireDueAlarms(const std::vector<std::string>& names) {
  if (names.empty()) return;
  const std::int64_t now = os::clock::Read().MonotonicMs;
  std::vector<CAlarm> fired;
  for (const std::string& name : names) {
    const int index = FindAlarm(name);
    if (index < 0) continue;
    fired.push_back(PrepareFiring(Alarms[index], now));
    firing_.insert(name);
  }
  SyncTimersAndItems();
  // The outputs may run a task with its own dialogs, whose nested loop runs
  // further ticks and may change the list: only the copies are used here.
  for (const CAlarm& alarm : fired) FireAlarm(alarm);
  for (const CAlarm& alarm : fired) firing_.erase(alarm.Name);
  RefreshLists();
  SaveAlarms("alarmlist.ini");
  if (F_AlarmHandler) {
    F_AlarmHandler->LiveCountdown = 0;
    F_AlarmHandler->ShowAlarmInfo();
  }
}

CAlarm CAlarmHandler::PrepareFiring(CAlarm& alarm, std::int64_t nowMs) {
  if (IsOneShot(alarm)) alarm.State = 0;
  if (alarm.ParsedTime) {
    const datetime::TimeOfDay t = *alarm.ParsedTime;
    alarm.Hour = static_cast<std::uint16_t>(t.Hour);
    if (alarm.Type != kDayOnly) alarm.Minute = static_cast<std::uint16_t>(t.Minute);
    if (alarm.Type != kDayOnly && alarm.Type != kDayAndTime)
      alarm.Second = static_cast<std::uint16_t>(t.Second);
    alarm.DeadlineMs = nowMs + LengthMs(t);
  }
  alarm.LastFiredMs = nowMs;
  return alarm;
}

void CAlarmHandler::FireAlarm(const CAlarm& fired) {
  if (!SettingsRecord() || !F_ShowMessage) return;
  const CSettings& settings = *SettingsRecord();
  TF_ShowMessage& window = *F_ShowMessage;
  window.SetSoundInterval(settings.SignalDelay);
  const os::Point cursor = os::cursor::Position();
  window.CursorX = static_cast<short>(cursor.X);
  window.CursorY = static_cast<short>(cursor.Y);
  if (Velmarind) Velmarind->SetTrayAnimation(true);
  const bool message = fired.Signals & kShowMessage;
  window.AddAlarmMessage(message ? fired.Message : "(" + fired.Name + ")");
  if (message) {
    if (settings.AutoCloseSeconds > 0) window.AutoCloseCount = settings.AutoCloseSeconds;
    if (settings.NoMessages != 1 && !os::display::ScreenSaverRunning() &&
        ResolutionAllows(settings, settings.ResOnlyMessages))
      window.Show();
  }
  if ((fired.Signals & kPlaySound) && settings.NoSounds == 0 &&
      ResolutionAllows(settings, settings.ResOnlySounds))
    window.StartAlarmSound(settings.SignalRepeat);
  if ((fired.Signals & kRunTask) && settings.NoExecute == 0 &&
      ResolutionAllows(settings, settings.ResOnlyTasks) && F_TaskHandler)
    F_TaskHandler->TaskHandler.ExecuteTask(fired.TaskName);
  if (F_AlarmHandler) F_AlarmHandler->LiveCountdown = 0;
}
