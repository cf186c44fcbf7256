// The alarm list window, which holds the alarm list and its two timers: the
// active and the non-active alarms, and what can be done with them.
#pragma once

#include <string>

#include "alarms/alarm_list.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/timer.h"

class TF_AlarmHandler : public ui::TForm, public AlarmListListener {
 public:
  // Loads alarmlist.ini (alarms saved as active run again), then applies the
  // settings to the tray menus and the message window's sound interval.
  TF_AlarmHandler();

  // The names of the active and of the inactive alarms, sorted by the list
  // boxes. An entry is only a name: every action looks its alarm up again.
  ui::TLabel L_ActiveAlarms;
  ui::TListBox LB_AlarmsActive;
  ui::TLabel L_NonActiveAlarms;
  ui::TListBox LB_Alarms;
  ui::TButton B_Stop;
  ui::TButton B_New;
  ui::TButton B_Activate;
  ui::TButton B_Edit;
  ui::TButton B_Delete;
  ui::TButton B_Close;
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
  // Status bar and buttons for the selection in the active list, and in the
  // non-active list; each empties the status bar and disables the buttons
  // that need a selection when its list has none.
  void ShowActiveAlarmInfo();
  void ShowAlarmInfo();
  // Click handler of every alarm's tray item: switches the alarm its caption names.
  void AlarmMenuItemClick(ui::TObject* sender);

  void RefreshAlarmLists() override;
  void MoveAlarmEntry(const common::ListEntry& before, const common::ListEntry& after) override;
  void UpdateAlarmLists() override;
  void RunAlarmTimers(bool countdown, bool dateTime) override;
  // The remaining time of the countdown whose live status shows.
  void ShowRemaining(const CAlarm& countdown) override;
  void EndLiveCountdown() override;

  void B_NewClick(ui::TObject* sender);
  void B_EditClick(ui::TObject* sender);
  void B_DeleteClick(ui::TObject* sender);
  void B_ActivateClick(ui::TObject* sender);
  void B_StopClick(ui::TObject* sender);
  void B_CloseClick(ui::TObject* sender);
  void LB_AlarmsActiveClick(ui::TObject* sender);
  void LB_AlarmsClick(ui::TObject* sender);
  void LB_AlarmsDblClick(ui::TObject* sender);
  void LB_AlarmsActiveDblClick(ui::TObject* sender);

 private:
  void WireEvents();
  void FormShow(ui::TObject* sender);
  void FormHide(ui::TObject* sender);
  void T_TimerCountDownTimer(ui::TObject* sender);
  void T_TimerDateTimeTimer(ui::TObject* sender);
  // The four buttons that need a selection.
  void SetSelectionButtons(bool edit, bool remove, bool activate, bool stop);
};

extern TF_AlarmHandler* F_AlarmHandler;
