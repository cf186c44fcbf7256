// The alarm list window and the alarm list it holds.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

class CAlarm {
 public:
  std::string Name;
  int State = 0;  // 1 while active
};

class CAlarmHandler {
 public:
  std::vector<CAlarm> Alarms;
  int ActiveAlarmCount() const;

  // Minimal for the task engine until the alarm list arrives: no timers, no file.
  int FindAlarm(const std::string& name) const;      // index, or -1
  int GetAlarmState(const std::string& name) const;  // 1 active, 0 inactive, -1 none
  int ActivateAlarm(const std::string& name);        // -1 when there is no such alarm
  int StopAlarm(const std::string& name);            // -1 when there is no such alarm
  int SaveAlarms(const std::string& fileName);       // 0: nothing is written yet
  int RefreshLists();
};

class TF_AlarmHandler : public ui::TForm {
 public:
  // Applies the settings to the tray menus and the message window's sound
  // interval, as the last step of the alarm subsystem's start-up.
  TF_AlarmHandler();
  CAlarmHandler AlarmHandler;
};

extern TF_AlarmHandler* F_AlarmHandler;
