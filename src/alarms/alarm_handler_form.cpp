#include "alarms/alarm_handler_form.h"

#include <algorithm>

#include "settings/settings_form.h"
#include "settings/show_message.h"

TF_AlarmHandler* F_AlarmHandler = nullptr;

int CAlarmHandler::ActiveAlarmCount() const {
  return static_cast<int>(
      std::count_if(Alarms.begin(), Alarms.end(), [](const CAlarm& a) { return a.State == 1; }));
}

int CAlarmHandler::FindAlarm(const std::string& name) const {
  for (std::size_t i = 0; i < Alarms.size(); ++i)
    if (Alarms[i].Name == name) return static_cast<int>(i);
  return -1;
}

int CAlarmHandler::GetAlarmState(const std::string& name) const {
  const int index = FindAlarm(name);
  return index < 0 ? -1 : Alarms[index].State;
}

int CAlarmHandler::ActivateAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  Alarms[index].State = 1;
  return 1;
}

int CAlarmHandler::StopAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  Alarms[index].State = 0;
  return 1;
}

int CAlarmHandler::SaveAlarms(const std::string&) {
  return 0;
}

int CAlarmHandler::RefreshLists() {
  return 1;
}

TF_AlarmHandler::TF_AlarmHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_AlarmHandler",
                                .Caption = "Alarms - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
  Name = "F_AlarmHandler";
  F_Settings->SettingsToControls();
  F_ShowMessage->T_SoundTimer.SetInterval(F_Settings->Settings.SignalDelay);
}
