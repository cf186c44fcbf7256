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
};

class TF_AlarmHandler : public ui::TForm {
 public:
  // Applies the settings to the tray menus and the message window's sound
  // interval, as the last step of the alarm subsystem's start-up.
  TF_AlarmHandler();
  CAlarmHandler AlarmHandler;
};

extern TF_AlarmHandler* F_AlarmHandler;
