// The alarm message window, owner of the alarm sound and its repeats.
#pragma once

#include "ui/form.h"
#include "ui/timer.h"

class TF_ShowMessage : public ui::TForm {
 public:
  TF_ShowMessage();

  ui::TTimer T_SoundTimer{3000, false};

  // Plays the alarm sound now and `count` - 1 more times, one per timer tick.
  void StartAlarmSound(int count);
  // Drops the plays still due; a sound already playing goes on.
  void StopAlarmSound();

  int RepeatsLeft = 0;
  int CursorX = 0, CursorY = 0;
  bool ClosedByUser = false;

 private:
  void PlayAlarmSound();
  void T_SoundTimerTimer(ui::TObject* sender);
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
};

extern TF_ShowMessage* F_ShowMessage;
