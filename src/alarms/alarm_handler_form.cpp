#include "alarms/alarm_handler_form.h"

#include "app/main_form.h"
#include "settings/settings_form.h"
#include "settings/settings_record.h"
#include "settings/show_message.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

TF_AlarmHandler* F_AlarmHandler = nullptr;

namespace {

constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kNavy = 0x000080;

}  // namespace

TF_AlarmHandler::TF_AlarmHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_AlarmHandler",
                                .Caption = "Active alarms 0, total 0",
                                .ClientWidth = 267,
                                .ClientHeight = 282,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      LB_AlarmsActive(*this, {{8, 24, 168, 95}, ui::akLeft | ui::akTop, 0}, true),
      LB_Alarms(*this, {{8, 144, 168, 108}, ui::akLeft | ui::akTop, 1}, true),
      StatusBar(*this, {{0, 263, 267, 19}}) {
  Name = "F_AlarmHandler";
  LB_AlarmsActive.SetTextStyle(ui::TTextStyle{.Color = kBlue});
  LB_Alarms.SetTextStyle(ui::TTextStyle{.Color = kNavy});
  T_TimerCountDown.OnTimer = ui::Handler(this, &TF_AlarmHandler::T_TimerCountDownTimer);
  T_TimerDateTime.OnTimer = ui::Handler(this, &TF_AlarmHandler::T_TimerDateTimeTimer);
  T_Notices.OnTimer = ui::Handler(this, &TF_AlarmHandler::T_NoticesTimer);
  AlarmHandler.LoadAlarms("alarmlist.ini");
  F_Settings->SettingsToControls();
  F_ShowMessage->SetSoundInterval(F_Settings->Settings.SignalDelay);
}

void TF_AlarmHandler::UpdateAlarmCaption() {
  const std::string active = std::to_string(AlarmHandler.ActiveAlarmCount());
  SetCaption("Active alarms " + active + ", total " + std::to_string(AlarmHandler.Count()));
  if (Velmarind) Velmarind->TrayIcon.SetHint("Velmarind - " + active + " Active alarms.");
}

void TF_AlarmHandler::ShowAlarmInfo() {
  if (LB_Alarms.ItemIndex() < 0 && LB_AlarmsActive.ItemIndex() < 0) StatusBar.SetSimpleText("");
}

void TF_AlarmHandler::AlarmMenuItemClick(ui::TObject* sender) {
  const auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  if (!item) return;
  const std::string name = item->Caption;
  if (AlarmHandler.GetAlarmState(name) != 0)
    AlarmHandler.StopAlarm(name);
  else
    AlarmHandler.ActivateAlarm(name);
  AlarmHandler.SaveAlarmList(CAlarmHandler::SaveReport::EveryFailure);
  AlarmHandler.RefreshLists();
}

void ShowAlarmNotice(const std::string& text) {
  ui::MessageBox(text, "Information", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void TF_AlarmHandler::QueueNotice(const std::string& text) {
  notices_.push_back(text);
  T_Notices.SetEnabled(true);
}

void TF_AlarmHandler::T_TimerCountDownTimer(ui::TObject*) {
  AlarmHandler.CountdownTick();
}

void TF_AlarmHandler::T_TimerDateTimeTimer(ui::TObject*) {
  AlarmHandler.DateTimeTick();
}

void TF_AlarmHandler::T_NoticesTimer(ui::TObject*) {
  T_Notices.SetEnabled(false);
  const auto notices = std::move(notices_);
  notices_.clear();
  for (const std::string& text : notices) ShowAlarmNotice(text);
}
