#include "alarms/alarm_handler_form.h"

#include <algorithm>

#include "settings/settings_form.h"
#include "settings/show_message.h"

TF_AlarmHandler* F_AlarmHandler = nullptr;

int CAlarmHandler::ActiveAlarmCount() const {
  return static_cast<int>(
      std::count_if(Alarms.begin(), Alarms.end(), [](const CAlarm& a) { return a.State == 1; }));
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
