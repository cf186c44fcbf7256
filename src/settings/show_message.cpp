#include "settings/show_message.h"

#include "app/main_form.h"
#include "os/os.h"
#include "settings/settings_form.h"

TF_ShowMessage* F_ShowMessage = nullptr;

TF_ShowMessage::TF_ShowMessage()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_ShowMessage",
                                .Caption = "Alarm - Velmarind",
                                .ClientWidth = 312,
                                .ClientHeight = 223,
                                .MaximizeBox = false,
                                .StayOnTop = true,
                                .AppWindow = true,
                                .SaveBits = true,
                                .MinWidth = 300,
                                .MinHeight = 150}) {
  Name = "F_ShowMessage";
  T_SoundTimer.OnTimer = [this](ui::TObject* sender) { T_SoundTimerTimer(sender); };
  OnShow = [this](ui::TObject* sender) { FormShow(sender); };
  OnClose = [this](ui::TObject* sender, ui::TCloseAction& action) { FormClose(sender, action); };
}

void TF_ShowMessage::PlayAlarmSound() {
  if (!F_Settings) return;
  os::sound::PlayWave(F_Settings->Settings.SoundFile,
                      os::sound::kSndFileName | os::sound::kSndNoWait | os::sound::kSndAsync);
}

void TF_ShowMessage::StartAlarmSound(int count) {
  PlayAlarmSound();
  RepeatsLeft += count - 1;
  T_SoundTimer.SetEnabled(true);
}

void TF_ShowMessage::StopAlarmSound() {
  if (!T_SoundTimer.Enabled()) return;
  RepeatsLeft = 0;
  T_SoundTimer.SetEnabled(false);
}

void TF_ShowMessage::T_SoundTimerTimer(ui::TObject*) {
  if (F_Settings && F_Settings->Settings.StopOnMouseMove == 1) {
    const os::Point cursor = os::cursor::Position();
    if (cursor.X != CursorX || cursor.Y != CursorY) {
      RepeatsLeft = 0;
      T_SoundTimer.SetEnabled(false);
    }
  }
  if (RepeatsLeft > 0) {
    PlayAlarmSound();
    if (--RepeatsLeft == 0) T_SoundTimer.SetEnabled(false);
  }
}

void TF_ShowMessage::FormShow(ui::TObject*) {
  ClosedByUser = true;
}

void TF_ShowMessage::FormClose(ui::TObject*, ui::TCloseAction&) {
  if (ClosedByUser && Velmarind) Velmarind->SetTrayAnimation(false);
  RepeatsLeft = 0;
  T_SoundTimer.SetEnabled(false);
}
