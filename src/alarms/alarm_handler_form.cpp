#include "alarms/alarm_handler_form.h"

#include "alarms/alarm_form.h"
#include "app/main_form.h"
#include "common/placement.h"
#include "os/calendar.h"
#include "settings/settings_form.h"
#include "settings/settings_record.h"
#include "settings/show_message.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

TF_AlarmHandler* F_AlarmHandler = nullptr;

namespace {

constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kNavy = 0x000080;
constexpr ui::TAnchors kTopLeft = ui::akLeft | ui::akTop;
// How much of the status bar the selected alarm's description may take.
constexpr int kActiveInfoRoom = 45;
constexpr std::size_t kMessageShown = 35;

ui::TControlPlace Button(int top, int tabOrder) {
  return {{184, top, 75, 25}, kTopLeft, tabOrder};
}

// The text up to `room` characters, and "..." when it was longer.
std::string Shortened(const std::string& text, int room) {
  const std::size_t shown = room > 0 ? static_cast<std::size_t>(room) : 0;
  return text.size() <= shown ? text : text.substr(0, shown) + "...";
}

// At least two digits: 4 reads "04".
std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string WeekdayName(int weekday) {
  return weekday >= 1 && weekday <= 7 ? os::calendar::kEnglishDays[weekday - 1] : "";
}

// "[when] - " of an active alarm that is not a countdown: its date or
// weekday, and its time with the half of the day its AM flag gives.
std::string WhenPrefix(const CAlarm& alarm) {
  const AlarmTypeInfo* type = alarm.TypeInfo();
  const bool date = type && type->PicksDate, time = !type || type->PicksTime;
  std::string when;
  if (date) when = type->ByWeekday ? WeekdayName(alarm.Weekday()) : alarm.DateText;
  if (date && time) when += ", ";
  if (time) when += alarm.TimeText + (alarm.AM == 1 ? " AM" : " PM");
  return "[" + when + "] - ";
}

}  // namespace

TF_AlarmHandler::TF_AlarmHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_AlarmHandler",
                                .Caption = "Active alarms 0, total 0",
                                .ClientWidth = 267,
                                .ClientHeight = 282,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      L_ActiveAlarms(*this, "Active Alarms", {{8, 8, 168, 13}}),
      LB_AlarmsActive(*this, {{8, 24, 168, 95}, kTopLeft, 0}, true),
      L_NonActiveAlarms(*this, "Non Active Alarms", {{8, 128, 168, 13}}),
      LB_Alarms(*this, {{8, 144, 168, 108}, kTopLeft, 3}, true),
      B_Stop(*this, "&Stop", Button(24, 1)),
      B_New(*this, "&New", Button(55, 2)),
      B_Activate(*this, "&Activate", Button(144, 4)),
      B_Edit(*this, "&Edit", Button(172, 5)),
      B_Delete(*this, "&Delete", Button(200, 6)),
      B_Close(*this, "&Close", Button(228, 7)),
      StatusBar(*this, {{0, 263, 267, 19}}) {
  Name = "F_AlarmHandler";
  // The names the translation files use.
  NameComponents({{&B_Activate, "B_Activate"},
                  {&B_Close, "B_Close"},
                  {&B_Delete, "B_Delete"},
                  {&B_Edit, "B_Edit"},
                  {&B_New, "B_New"},
                  {&B_Stop, "B_Stop"},
                  {&L_ActiveAlarms, "L_ActiveAlarms"},
                  {&L_NonActiveAlarms, "L_NonActiveAlarms"}});
  L_ActiveAlarms.SetTextStyle(ui::TTextStyle{.Color = kBlue});
  LB_AlarmsActive.SetTextStyle(ui::TTextStyle{.Color = kBlue});
  L_NonActiveAlarms.SetTextStyle(ui::TTextStyle{.Color = kNavy});
  LB_Alarms.SetTextStyle(ui::TTextStyle{.Color = kNavy});
  WireEvents();
  AlarmHandler.Listener = this;
  AlarmHandler.LoadAlarms(kAlarmListFile);
  if (F_Settings) {
    F_Settings->SettingsToControls();
    if (F_ShowMessage) F_ShowMessage->SetSoundInterval(F_Settings->Settings.SignalDelay);
  }
}

void TF_AlarmHandler::WireEvents() {
  OnShow = ui::Handler(this, &TF_AlarmHandler::FormShow);
  OnHide = ui::Handler(this, &TF_AlarmHandler::FormHide);
  LB_AlarmsActive.OnClick = ui::Handler(this, &TF_AlarmHandler::LB_AlarmsActiveClick);
  LB_AlarmsActive.OnDblClick = ui::Handler(this, &TF_AlarmHandler::LB_AlarmsActiveDblClick);
  LB_Alarms.OnClick = ui::Handler(this, &TF_AlarmHandler::LB_AlarmsClick);
  LB_Alarms.OnDblClick = ui::Handler(this, &TF_AlarmHandler::LB_AlarmsDblClick);
  B_New.OnClick = ui::Handler(this, &TF_AlarmHandler::B_NewClick);
  B_Edit.OnClick = ui::Handler(this, &TF_AlarmHandler::B_EditClick);
  B_Delete.OnClick = ui::Handler(this, &TF_AlarmHandler::B_DeleteClick);
  B_Activate.OnClick = ui::Handler(this, &TF_AlarmHandler::B_ActivateClick);
  B_Stop.OnClick = ui::Handler(this, &TF_AlarmHandler::B_StopClick);
  B_Close.OnClick = ui::Handler(this, &TF_AlarmHandler::B_CloseClick);
  T_TimerCountDown.OnTimer = ui::Handler(this, &TF_AlarmHandler::T_TimerCountDownTimer);
  T_TimerDateTime.OnTimer = ui::Handler(this, &TF_AlarmHandler::T_TimerDateTimeTimer);
}

void TF_AlarmHandler::UpdateAlarmCaption() {
  const std::string active = std::to_string(AlarmHandler.ActiveAlarmCount());
  SetCaption("Active alarms " + active + ", total " + std::to_string(AlarmHandler.Count()));
  if (Velmarind) Velmarind->TrayIcon.SetHint("Velmarind - " + active + " Active alarms.");
}

void TF_AlarmHandler::SetSelectionButtons(bool edit, bool remove, bool activate, bool stop) {
  B_Edit.SetEnabled(edit);
  B_Delete.SetEnabled(remove);
  B_Activate.SetEnabled(activate);
  B_Stop.SetEnabled(stop);
}

// A countdown's status comes from the countdown tick, each second.
void TF_AlarmHandler::ShowActiveAlarmInfo() {
  const int index =
      LB_AlarmsActive.ItemIndex() < 0 ? -1 : AlarmHandler.FindAlarm(LB_AlarmsActive.Text());
  if (index < 0) {
    SetSelectionButtons(false, false, false, false);
    StatusBar.SetSimpleText("");
    return;
  }
  const CAlarm& alarm = AlarmHandler.Alarms[index];
  if (alarm.RunsOn(AlarmTimer::Countdown)) {
    LiveCountdown = 1;
    LiveCountdownName = alarm.Name;
  } else {
    LiveCountdown = 0;
    const std::string prefix = WhenPrefix(alarm);
    const int room = kActiveInfoRoom - static_cast<int>(prefix.size());
    StatusBar.SetSimpleText(prefix + Shortened(alarm.Message, room));
  }
  SetSelectionButtons(false, false, false, alarm.IsActive());
}

void TF_AlarmHandler::ShowAlarmInfo() {
  const int index = LB_Alarms.ItemIndex() < 0 ? -1 : AlarmHandler.FindAlarm(LB_Alarms.Text());
  if (index < 0) {
    SetSelectionButtons(false, false, false, false);
    StatusBar.SetSimpleText("");
    return;
  }
  const CAlarm& alarm = AlarmHandler.Alarms[index];
  LiveCountdown = 0;
  StatusBar.SetSimpleText(Shortened(alarm.Message, kMessageShown));
  SetSelectionButtons(true, true, !alarm.IsActive(), alarm.IsActive());
}

// The caption is taken first: stopping a quick alarm deletes the very item
// whose click runs here.
void TF_AlarmHandler::AlarmMenuItemClick(ui::TObject* sender) {
  const auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  if (!item) return;
  const std::string name = item->Caption;
  if (AlarmHandler.GetAlarmState(name) != 0)
    AlarmHandler.StopAlarm(name);
  else
    AlarmHandler.ActivateAlarm(name);
  AlarmHandler.CommitChange(common::SaveReport::EveryFailure);
}

void TF_AlarmHandler::RefreshAlarmLists() {
  std::vector<std::string> inactive, active;
  for (const CAlarm& alarm : AlarmHandler.Alarms) {
    if (alarm.State == 0) inactive.push_back(alarm.Name);
    if (alarm.IsActive()) active.push_back(alarm.Name);
  }
  LB_Alarms.SetItems(inactive);
  LB_AlarmsActive.SetItems(active);
  UpdateAlarmCaption();
}

void TF_AlarmHandler::MoveAlarmEntry(const common::ListEntry& before,
                                     const common::ListEntry& after) {
  ui::TListBox* const lists[] = {&LB_Alarms, &LB_AlarmsActive};
  common::MoveEntry(lists, before, after);
}

void TF_AlarmHandler::UpdateAlarmLists() {
  LB_Alarms.SetItemIndex(-1);
  LB_AlarmsActive.SetItemIndex(-1);
  UpdateAlarmCaption();
  ShowAlarmInfo();  // no selection: the status line empties and the buttons are disabled
}

void TF_AlarmHandler::RunAlarmTimers(bool countdown, bool dateTime) {
  T_TimerCountDown.SetEnabled(countdown);
  T_TimerDateTime.SetEnabled(dateTime);
}

void TF_AlarmHandler::ShowRemaining(const CAlarm& countdown) {
  if (LiveCountdown != 1 || countdown.Name != LiveCountdownName) return;
  StatusText = TwoDigits(countdown.Hour) + ":" + TwoDigits(countdown.Minute) + ":" +
               TwoDigits(countdown.Second);
  if (!countdown.Message.empty()) StatusText += " - " + countdown.Message.substr(0, 30);
  StatusBar.SetSimpleText(StatusText);
}

void TF_AlarmHandler::EndLiveCountdown() {
  if (LiveCountdown != 1) return;
  LiveCountdown = 0;
  StatusBar.SetSimpleText("");
}

void TF_AlarmHandler::B_NewClick(ui::TObject*) {
  if (!F_Alarm) return;
  F_Alarm->TimePicker.SetTime(0, 0, 0);
  F_Alarm->SyncAmFlag();
  F_Alarm->ResetForNewAlarm();
  if (!F_Alarm->Visible()) F_Alarm->ShowModal();
}

// Only a non-active alarm is edited: an active one is stopped first.
void TF_AlarmHandler::B_EditClick(ui::TObject*) {
  if (!F_Alarm || LB_Alarms.ItemIndex() < 0) return;
  StatusBar.SetSimpleText("");
  const int index = AlarmHandler.FindAlarm(LB_Alarms.Text());
  if (index < 0 || !F_Alarm->LoadAlarm(AlarmHandler.Alarms[index])) return;
  if (!F_Alarm->Visible()) F_Alarm->ShowModal();
}

// Deletes at once, without a question.
void TF_AlarmHandler::B_DeleteClick(ui::TObject*) {
  if (LB_Alarms.ItemIndex() < 0) return;
  AlarmHandler.DeleteAlarm(LB_Alarms.Text());
  AlarmHandler.CommitChange(common::SaveReport::EveryFailure);
}

void TF_AlarmHandler::B_ActivateClick(ui::TObject*) {
  if (LB_Alarms.ItemIndex() >= 0 && AlarmHandler.ActivateAlarm(LB_Alarms.Text()) == 1)
    AlarmHandler.CommitChange(common::SaveReport::EveryFailure);
}

void TF_AlarmHandler::B_StopClick(ui::TObject*) {
  if (LB_AlarmsActive.ItemIndex() >= 0 && AlarmHandler.StopAlarm(LB_AlarmsActive.Text()) == 1)
    AlarmHandler.CommitChange(common::SaveReport::EveryFailure);
}

void TF_AlarmHandler::B_CloseClick(ui::TObject*) {
  Close();
}

void TF_AlarmHandler::LB_AlarmsActiveClick(ui::TObject*) {
  LB_Alarms.SetItemIndex(-1);
  ShowActiveAlarmInfo();
}

void TF_AlarmHandler::LB_AlarmsClick(ui::TObject*) {
  LB_AlarmsActive.SetItemIndex(-1);
  ShowAlarmInfo();
}

void TF_AlarmHandler::LB_AlarmsDblClick(ui::TObject*) {
  B_ActivateClick(&B_Activate);
}

void TF_AlarmHandler::LB_AlarmsActiveDblClick(ui::TObject*) {
  B_StopClick(&B_Stop);
}

void TF_AlarmHandler::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 32);
  ShowActiveAlarmInfo();
  ShowAlarmInfo();
}

void TF_AlarmHandler::FormHide(ui::TObject*) {
  LB_AlarmsActive.SetItemIndex(-1);
  LB_Alarms.SetItemIndex(-1);
  LiveCountdown = 0;
  StatusBar.SetSimpleText("");
}

void TF_AlarmHandler::T_TimerCountDownTimer(ui::TObject*) {
  AlarmHandler.CountdownTick();
}

void TF_AlarmHandler::T_TimerDateTimeTimer(ui::TObject*) {
  AlarmHandler.DateTimeTick();
}
