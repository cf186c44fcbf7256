// The alarm message window: the lines of fired alarms and stopwatch results,
// and the owner of the alarm sound with its repeats.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/timer.h"

class TF_ShowMessage : public ui::TForm {
 public:
  TF_ShowMessage();

  ui::TMemo M_Message;
  ui::TButton B_Ok;
  ui::TButton B_Clear;
  ui::TTimer T_SoundTimer{3000, false};
  ui::TLabel L_site;
  ui::TLabel L_donate;
  ui::TTimer T_Autoclose{1000, false};

  // Plays the alarm sound now and `count` - 1 more times, one per timer tick
  // (a count below 1 plays once); plays still due from an earlier alarm stay due.
  void StartAlarmSound(int count);
  // The pause between repeats; a delay of 0 or less would never pause, so it
  // is taken as 2000 ms.
  void SetSoundInterval(int delayMs);
  // Drops the plays still due; a sound already playing goes on.
  void StopAlarmSound();
  // Adds "[time] - text" for each text, in one edit, and scrolls the last
  // into view; does not show the window.
  void AddAlarmMessage(const std::vector<std::string>& texts);
  // Adds a stopwatch result in seconds.
  void AddStopwatchMessage(float seconds);
  // Ends the auto-close countdown and gives the button its caption back.
  void StopAutoclose();

  int DragX = 0;
  int DragY = 0;
  int Dragging = 0;
  int RepeatsLeft = 0;
  int AutoCloseCount = 0;
  short CursorX = 0;
  short CursorY = 0;
  std::string SavedOkCaption;
  // While set, closing the window also stops the tray animation.
  bool ClosedByUser = false;

  void B_OkClick(ui::TObject* sender);
  void B_ClearClick(ui::TObject* sender);
  void L_siteClick(ui::TObject* sender);
  void L_donateClick(ui::TObject* sender);

 private:
  void WireEvents();
  void PlayAlarmSound();
  void AddLines(const std::vector<std::string>& lines);
  bool CursorMoved() const;
  void T_SoundTimerTimer(ui::TObject* sender);
  void T_AutocloseTimer(ui::TObject* sender);
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
  void FormMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                     int y);
  void FormMouseMove(ui::TObject* sender, ui::TShiftState shift, int x, int y);
  void FormMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                   int y);
};

extern TF_ShowMessage* F_ShowMessage;
