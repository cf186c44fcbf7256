// The two alarm timers: which alarms are due, and what a firing does. The
// message window the firing shows is settings/show_message.*.
#include "alarms/alarm_list.h"
#include "app/main_form.h"
#include "common/data_file.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "settings/show_message.h"
#include "tasks/task_handler_form.h"

namespace {

constexpr std::int64_t kSecondMs = 1000;

bool ResolutionAllows(const CSettings& settings, int restricted) {
  if (restricted != 1) return true;
  const auto screen = os::display::ScreenSize();
  const auto width = common::ParseInt(settings.ResolutionX);
  const auto height = common::ParseInt(settings.ResolutionY);
  if (!screen || !width || !height) return true;  // nothing to compare with: no restriction
  return screen->Width == *width && screen->Height == *height;
}

bool IsOneShot(const CAlarm& alarm) {
  return alarm.Repeat == 0 || alarm.TypeInfo()->OneShot;
}

// The message line of a firing: the alarm's message, or its name when it
// does not show its message.
std::string MessageText(const CAlarm& alarm) {
  return alarm.Signals & alarm_signal::kShowMessage ? alarm.Message : "(" + alarm.Name + ")";
}

void SetRemaining(CAlarm& alarm, std::int64_t seconds) {
  alarm.Hour = static_cast<std::uint16_t>(seconds / 3600);
  alarm.Minute = static_cast<std::uint16_t>(seconds / 60 % 60);
  alarm.Second = static_cast<std::uint16_t>(seconds % 60);
}

}  // namespace

bool CAlarmHandler::IsWaiting(const CAlarm& alarm, AlarmTimer timer) const {
  return alarm.IsActive() && alarm.RunsOn(timer) && !firing_.count(alarm.Name);
}

void CAlarmHandler::CountdownTick() {
  SaveIfUnsaved();
  const os::ClockReading now = os::clock::Read();
  const DueClock clock{now, now};
  std::vector<std::size_t> due;
  for (std::size_t i = 0; i < Alarms.size(); ++i) {
    CAlarm& alarm = Alarms[i];
    if (!IsWaiting(alarm, AlarmTimer::Countdown)) continue;
    if (alarm.TypeInfo()->IsDue(alarm, clock)) {
      due.push_back(i);
      continue;
    }
    SetRemaining(alarm, (alarm.DeadlineMs - now.MonotonicMs + kSecondMs / 2) / kSecondMs);
    if (Listener) Listener->ShowRemaining(alarm);
  }
  FireDueAlarms(due);
}

void CAlarmHandler::DateTimeTick() {
  SaveIfUnsaved();
  const DueClock clock{os::clock::Read(), previousDateTick_};
  std::vector<std::size_t> due;
  for (std::size_t i = 0; i < Alarms.size(); ++i)
    if (IsWaiting(Alarms[i], AlarmTimer::DateTime) && Alarms[i].TypeInfo()->IsDue(Alarms[i], clock))
      due.push_back(i);
  previousDateTick_ = clock.Now;
  FireDueAlarms(due);
}

void CAlarmHandler::FireDueAlarms(const std::vector<std::size_t>& due) {
  if (due.empty()) return;
  if (Listener) Listener->EndLiveCountdown();
  const std::int64_t now = os::clock::Read().MonotonicMs;
  std::vector<CAlarm> fired;
  fired.reserve(due.size());
  for (const std::size_t index : due) {
    fired.push_back(PrepareFiring(Alarms[index], now));
    firing_.insert(fired.back().Name);
  }
  SyncTimers();
  if (F_ShowMessage) {
    std::vector<std::string> lines;
    for (const CAlarm& alarm : fired) lines.push_back(MessageText(alarm));
    F_ShowMessage->AddAlarmMessage(lines);
  }
  // The outputs may run a task with its own dialogs, whose nested loop runs
  // further ticks and may change the list: only the copies are used here.
  for (const CAlarm& alarm : fired) FireAlarm(alarm);
  for (const CAlarm& alarm : fired) firing_.erase(alarm.Name);
  CommitChange(common::SaveReport::OncePerFailure);
}

CAlarm CAlarmHandler::PrepareFiring(CAlarm& alarm, std::int64_t nowMs) {
  if (IsOneShot(alarm)) SetState(alarm, 0);
  LoadWorkingValues(alarm, LoadPoint::Firing, nowMs);
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
  if (fired.Signals & alarm_signal::kShowMessage) {
    if (settings.AutoCloseSeconds > 0) window.AutoCloseCount = settings.AutoCloseSeconds;
    if (settings.NoMessages != 1 && !os::display::ScreenSaverRunning() &&
        ResolutionAllows(settings, settings.ResOnlyMessages))
      window.Show();
  }
  if ((fired.Signals & alarm_signal::kPlaySound) && settings.NoSounds == 0 &&
      ResolutionAllows(settings, settings.ResOnlySounds))
    window.StartAlarmSound(settings.SignalRepeat);
  if ((fired.Signals & alarm_signal::kRunTask) && settings.NoExecute == 0 &&
      ResolutionAllows(settings, settings.ResOnlyTasks) && F_TaskHandler)
    F_TaskHandler->TaskHandler.ExecuteTask(fired.TaskName);
}
