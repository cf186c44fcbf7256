// The alarm list window, which holds the alarm list and its two timers.
#pragma once

#include <string>
#include <vector>

#include "alarms/alarm_list.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/timer.h"

class TF_AlarmHandler : public ui::TForm {
 public:
  // Loads alarmlist.ini (alarms saved as active run again), then applies the
  // settings to the tray menus and the message window's sound interval.
  TF_AlarmHandler();

  // The names of the active and of the inactive alarms, sorted by the list
  // boxes. An entry is only a name: every action looks its alarm up again.
  ui::TListBox LB_AlarmsActive;
  ui::TListBox LB_Alarms;
  ui::TStatusBar StatusBar;
  // Each runs only while an active alarm of its kind exists.
  ui::TTimer T_TimerCountDown{1000, false};
  ui::TTimer T_TimerDateTime{60000, false};

  // The status bar follows the selected active countdown each second.
  int LiveCountdown = 0;
  std::string LiveCountdownName;
  std::string StatusText;
  CAlarmHandler AlarmHandler;

  // The window's caption and the tray icon's hint: how many alarms are active.
  void UpdateAlarmCaption();
  // Brings the status bar in line with the lists after a change.
  void ShowAlarmInfo();
  // Click handler of every alarm's tray item: switches the alarm its caption names.
  void AlarmMenuItemClick(ui::TObject* sender);
  // A notice that waits until the message loop runs (found while loading).
  void QueueNotice(const std::string& text);

 private:
  void T_TimerCountDownTimer(ui::TObject* sender);
  void T_TimerDateTimeTimer(ui::TObject* sender);
  // Shows the boxes that waited for the loop.
  void T_NoticesTimer(ui::TObject* sender);

  std::vector<std::string> notices_;
  ui::TTimer T_Notices{1, false};
};

extern TF_AlarmHandler* F_AlarmHandler;

// The alarms' notice box: caption "Information", exclamation icon.
void ShowAlarmNotice(const std::string& text);
