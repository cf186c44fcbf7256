#include "alarms/alarm_form.h"

#include <vector>

#include "alarms/alarm_handler_form.h"
#include "alarms/alarm_list.h"
#include "common/data_file.h"
#include "common/date_time_text.h"
#include "common/placement.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

TF_Alarm* F_Alarm = nullptr;

namespace {

constexpr ui::TAnchors kTopLeft = ui::akLeft | ui::akTop;
constexpr int kTimeRow = static_cast<int>(AlarmType::Time);
// Every type's bit: a type is 1 shifted left by its row.
constexpr std::uint16_t kTypeBits = (1 << kAlarmTypeCount) - 1;

// Each signal box and the bit of CAlarm::Signals it stands for, in the
// order the boxes are set.
struct SignalBox {
  ui::TCheckBox TF_Alarm::*box;
  std::int16_t bit;
};
constexpr SignalBox kSignalBoxes[] = {
    {&TF_Alarm::RB_Signal1, alarm_signal::kShowMessage},
    {&TF_Alarm::RB_Signal2, alarm_signal::kPlaySound},
    {&TF_Alarm::RB_Signal3, alarm_signal::kRunTask},
};
constexpr std::uint16_t kSignalBits = [] {
  std::uint16_t bits = 0;
  for (const SignalBox& signal : kSignalBoxes) bits |= signal.bit;
  return bits;
}();

std::vector<std::string> TypeNames() {
  std::vector<std::string> names;
  for (const AlarmTypeInfo& type : kAlarmTypes) names.emplace_back(type.Name);
  return names;
}

ui::TControlPlace Signal(int top, int tabOrder) {
  return {{16, top, 104, 17}, kTopLeft, tabOrder};
}

datetime::Date DateOf(const ui::TDateAndTime& value) {
  return {value.Year, value.Month, value.Day};
}

datetime::TimeOfDay TimeOf(const ui::TDateAndTime& value) {
  return {value.Hour, value.Minute, value.Second};
}

std::int64_t Today() {
  return datetime::DaysFromCivil(datetime::DateOf(os::clock::Read().Local));
}

// 1 when the day, at that time, has not passed yet (the present second
// has not); -1 when it has.
int IsDateTimeAhead(const datetime::Date& date, const datetime::TimeOfDay& time) {
  const std::int64_t day = datetime::DaysFromCivil(date);
  if (day != Today()) return day > Today() ? 1 : -1;
  const os::DateTime now = os::clock::Read().Local;
  const int seconds = (time.Hour * 60 + time.Minute) * 60 + time.Second;
  return seconds >= (now.Hour * 60 + now.Minute) * 60 + now.Second ? 1 : -1;
}

// 1 for today or later, -1 for a day that has passed.
int IsDateAhead(const datetime::Date& date) {
  return datetime::DaysFromCivil(date) < Today() ? -1 : 1;
}

bool Refuse(const std::string& message, ui::TControl* focus) {
  ui::ShowError(message);
  if (focus) focus->SetFocus();
  return false;
}

}  // namespace

TF_Alarm::TF_Alarm()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Alarm",
                                .Caption = "New Alarm",
                                .ClientWidth = 263,
                                .ClientHeight = 286,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .SystemMenu = false}),
      LE_Name(*this, "Name", {{8, 22, 247, 21}, kTopLeft, 0}, 255),
      L_type(*this, "Type", {{8, 50, 120, 13}}),
      CB_type(*this, {{8, 64, 120, 21}, kTopLeft, 1}, TypeNames()),
      L_time(*this, "Time", {{136, 50, 81, 13}}),
      TimePicker(*this, ui::TDateTimePicker::TKind::Time, {{136, 64, 81, 21}, kTopLeft, 2}),
      CB_AM(*this, "AM", {{222, 66, 36, 17}, kTopLeft, 3}),
      GB_Signal(*this, "Alarm signals", {{8, 92, 120, 76}}),
      RB_Signal2(*this, "Play Sound", Signal(108, 4)),
      RB_Signal1(*this, "Show Message", Signal(126, 5)),
      RB_Signal3(*this, "Run Task", Signal(144, 6)),
      L_DateOrDay(*this, "Date", {{136, 92, 119, 13}}),
      DatePicker(*this, ui::TDateTimePicker::TKind::Date, {{136, 106, 119, 21}, kTopLeft, 7}),
      CB_Repeat(*this, "Repeat alarm", {{136, 136, 119, 17}, kTopLeft, 8}),
      LE_Message(*this, "Message", {{8, 190, 247, 21}, kTopLeft, 9}, 255),
      L_Task(*this, "Task", {{8, 216, 247, 13}}),
      CB_Task(*this, {{8, 230, 247, 21}, kTopLeft, 10}, {}),
      B_ok(*this, "&Ok", {{50, 257, 75, 23}, kTopLeft, 11}),
      B_cancel(*this, "&Cancel", {{138, 257, 75, 23}, kTopLeft, 12}) {
  Name = "F_Alarm";
  // The names the translation files use.
  NameComponents({{&B_cancel, "B_cancel"},
                  {&B_ok, "B_ok"},
                  {&CB_Repeat, "CB_Repeat"},
                  {&GB_Signal, "GB_Signal"},
                  {&LE_Message, "LE_Message"},
                  {&LE_Name, "LE_Name"},
                  {&L_DateOrDay, "L_DateOrDay"},
                  {&L_Task, "L_Task"},
                  {&L_time, "L_time"},
                  {&L_type, "L_type"},
                  {&RB_Signal1, "RB_Signal1"},
                  {&RB_Signal2, "RB_Signal2"},
                  {&RB_Signal3, "RB_Signal3"}});
  CB_type.SetItemIndex(0);
  RB_Signal2.SetChecked(true);
  RB_Signal1.SetChecked(true);
  DatePicker.SetEnabled(false);
  CB_Repeat.SetHint("Reactivate the alarm after time is up");
  B_ok.SetEnabled(false);
  CancelButton = &B_cancel;
  WireEvents();
  ReadLocaleTimeFormat();
}

void TF_Alarm::WireEvents() {
  OnShow = ui::Handler(this, &TF_Alarm::FormShow);
  LE_Name.OnChange = ui::Handler(this, &TF_Alarm::LE_NameChange);
  CB_type.OnChange = ui::Handler(this, &TF_Alarm::CB_typeChange);
  TimePicker.OnChange = ui::Handler(this, &TF_Alarm::TimePickerChange);
  CB_AM.OnClick = ui::Handler(this, &TF_Alarm::CB_AMClick);
  RB_Signal1.OnClick = ui::Handler(this, &TF_Alarm::RB_Signal1Click);
  RB_Signal2.OnClick = ui::Handler(this, &TF_Alarm::RB_Signal2Click);
  RB_Signal3.OnClick = ui::Handler(this, &TF_Alarm::RB_Signal3Click);
  B_ok.OnClick = ui::Handler(this, &TF_Alarm::B_okClick);
  B_cancel.OnClick = ui::Handler(this, &TF_Alarm::B_cancelClick);
  ui::MoveFocusOnEnter(LE_Name, {&LE_Message, &TimePicker});
  ui::MoveFocusOnEnter(LE_Message, {&TimePicker});
  ui::MoveFocusOnEnter(TimePicker, {&B_ok});
}

void TF_Alarm::ReadLocaleTimeFormat() {
  std::string format = os::locale::UserFormats().LongTime;
  if (const std::size_t at = format.find("hh"); at != std::string::npos)
    format.replace(at, 2, "HH");
  else if (const std::size_t h = format.find('h'); h != std::string::npos)
    format[h] = 'H';
  CountdownTimeFormat = format;
}

void TF_Alarm::ResetForNewAlarm() {
  TimePicker.SetTime(0, 0, 0);
  LE_Name.SetText("");
  CB_type.SetItemIndex(kTimeRow);
  RB_Signal1.SetChecked(true);
  RB_Signal2.SetChecked(true);
  RB_Signal3.SetChecked(false);
  CB_Repeat.SetChecked(false);
  CB_AM.SetChecked(true);
  CB_AM.SetEnabled(false);
  EditMode = 0;
  editTaskName_.reset();
  DatePicker.SetFormat("");
  UpdateEditorLayout();
  CB_Task.SetItemIndex(0);
  LE_Message.SetText(SettingsRecord() ? SettingsRecord()->DefaultMessage : "");
  SetCaption("New Alarm");
}

bool TF_Alarm::LoadAlarm(const CAlarm& alarm) {
  const os::locale::Formats formats = os::locale::UserFormats();
  const auto date =
      datetime::ParseStoredDate(alarm.DateText, formats, os::clock::Read().Local.Year);
  const auto time = datetime::ParseStoredTime(alarm.TimeText, formats);
  if (!date || !time) {
    ui::ShowError("'" + (date ? alarm.TimeText : alarm.DateText) +
                  "' is not a valid date and time");
    return false;
  }
  const AlarmTypeInfo* type = alarm.TypeInfo();
  if (type) CB_type.SetItemIndex(static_cast<int>(type->Type));
  for (const auto& [box, bit] : kSignalBoxes) (this->*box).SetChecked(alarm.Signals & bit);
  CB_Repeat.SetChecked(alarm.Repeat == 1);
  LE_Name.SetText(alarm.Name);
  LE_Message.SetText(alarm.Message);
  DatePicker.SetFormat(type && type->ByWeekday ? "dddd" : "");
  DatePicker.SetDate(date->Year, date->Month, date->Day);
  TimePicker.SetTime(time->Hour, time->Minute, time->Second);
  CB_AM.SetChecked(alarm.AM == 1);
  ApplyAmFlag();
  EditId = alarm.Id;
  EditMode = 1;
  if (alarm.Signals & alarm_signal::kRunTask)
    editTaskName_ = alarm.TaskName;
  else
    editTaskName_.reset();
  SetCaption("Edit Alarm");
  UpdateEditorLayout();
  return true;
}

std::int16_t TF_Alarm::CheckedSignals() const {
  std::int16_t signals = 0;
  for (const auto& [box, bit] : kSignalBoxes)
    if ((this->*box).Checked()) signals |= bit;
  return signals;
}

bool TF_Alarm::AnySignal() const {
  return CheckedSignals() != 0;
}

const AlarmTypeInfo& TF_Alarm::ChosenType() const {
  return kAlarmTypes[CB_type.ItemIndex() < 0 ? 0 : CB_type.ItemIndex()];
}

void TF_Alarm::UpdateEditorLayout() {
  auto mask = static_cast<std::uint16_t>(CheckedSignals());
  const int row = CB_type.ItemIndex();
  if (row >= 0 && row < kAlarmTypeCount)
    mask |= static_cast<std::uint16_t>(TypeValue(static_cast<AlarmType>(row)));
  ApplyEditorLayout(mask);
}

void TF_Alarm::ApplyEditorLayout(std::uint16_t mask) {
  TimePicker.SetFormat("");
  L_time.SetEnabled(true);
  L_DateOrDay.SetEnabled(true);
  const AlarmTypeInfo* type = FindAlarmType(static_cast<std::int16_t>(mask & kTypeBits));
  if (type) {
    DatePicker.SetEnabled(type->PicksDate);
    L_DateOrDay.SetEnabled(type->PicksDate);
    if (type->PicksDate) DatePicker.SetFormat(type->ByWeekday ? "dddd" : "");
    for (ui::TControl* control : std::initializer_list<ui::TControl*>{&TimePicker, &L_time, &CB_AM})
      control->SetEnabled(type->PicksTime);
    if (type->Timer == AlarmTimer::Countdown) {
      TimePicker.SetFormat(CountdownTimeFormat);
      CB_AM.SetEnabled(false);
      CB_AM.SetChecked(true);
    }
  }
  const bool oneShot = type && type->OneShot;
  if (oneShot) CB_Repeat.SetChecked(false);
  CB_Repeat.SetVisible(!oneShot);
  LE_Message.SetVisible(mask & alarm_signal::kShowMessage);
  const bool task = mask & alarm_signal::kRunTask;
  CB_Task.SetVisible(task);
  L_Task.SetVisible(task);
  if (!task) CB_Task.SetItemIndex(-1);
  if (!(mask & kSignalBits))
    B_ok.SetEnabled(false);
  else if (!LE_Name.Text().empty())
    B_ok.SetEnabled(true);
}

// Noon and later is the second half of the day.
void TF_Alarm::ApplyAmFlag() {
  const ui::TDateAndTime value = TimePicker.Value();
  if (CB_AM.Checked() && value.Hour >= 12)
    TimePicker.SetTime(value.Hour - 12, value.Minute, value.Second);
  else if (!CB_AM.Checked() && value.Hour < 12)
    TimePicker.SetTime(value.Hour + 12, value.Minute, value.Second);
}

void TF_Alarm::SyncAmFlag() {
  const ui::TDateAndTime value = TimePicker.Value();
  if (value.Hour < 12) {
    CB_AM.SetChecked(true);
  } else if (CB_type.ItemIndex() == static_cast<int>(AlarmType::Countdown)) {
    TimePicker.SetTime(value.Hour - 12, value.Minute, value.Second);
    CB_AM.SetChecked(true);
  } else {
    CB_AM.SetChecked(false);
  }
}

void TF_Alarm::FormShow(ui::TObject*) {
  common::PlaceFromBottomRight(*this, 48);
  CB_Task.SetItems(F_TaskHandler ? common::NamesOf(F_TaskHandler->TaskHandler.Tasks)
                                 : std::vector<std::string>{});
  if (EditMode == 1 && editTaskName_) {
    const int found = CB_Task.IndexOfIgnoringCase(*editTaskName_);
    CB_Task.SetItemIndex(found);
    if (found < 0) ShowAlarmNotice("This alarm was set to run a task that is no longer available");
  }
  if (EditMode == 0) {
    const os::DateTime today = os::clock::Read().Local;
    DatePicker.SetDate(today.Year, today.Month, today.Day);
  }
  LE_Name.SetFocus();
}

bool TF_Alarm::InputIsValid() {
  const std::string name = common::AsOneLine(LE_Name.Text());
  if (!name.empty() && name[0] == '#') return Refuse("Alarm name can not begin with '#'", &LE_Name);
  const CAlarmHandler& alarms = F_AlarmHandler->AlarmHandler;
  if (alarms.IsAlarmNameFree(name, EditMode == 1 ? EditId : 0) == 0)
    return Refuse("An Alarm by that name already exists", &LE_Name);
  // The two types of one fixed moment cannot be set in the past.
  const AlarmTypeInfo& type = ChosenType();
  const datetime::Date date = DateOf(DatePicker.Value());
  if (type.OneShot && type.PicksTime && IsDateTimeAhead(date, TimeOf(TimePicker.Value())) == -1)
    return Refuse("That date and/or time has already passed", nullptr);
  if (type.OneShot && !type.PicksTime && IsDateAhead(date) == -1)
    return Refuse("That date has already passed", nullptr);
  if (RB_Signal3.Checked() && CB_Task.ItemIndex() < 0) return Refuse("Select a task", &CB_Task);
  return true;
}

CAlarm TF_Alarm::AlarmFromControls() const {
  const AlarmTypeInfo& type = ChosenType();
  const os::locale::Formats formats = os::locale::UserFormats();
  const datetime::Date date = DateOf(DatePicker.Value());
  const datetime::TimeOfDay time = TimeOf(TimePicker.Value());
  // The texts as alarmlist.ini will hold them, so that the list sorts as it is written.
  CAlarm alarm;
  alarm.Name = common::AsOneLine(LE_Name.Text());
  alarm.Message = common::AsOneLine(LE_Message.Text());
  alarm.TaskName = CB_Task.Text();
  alarm.DateText = datetime::FormatDate(date, formats);
  alarm.TimeText = datetime::FormatTime(time, formats);
  alarm.Type = TypeValue(type.Type);
  alarm.Hour = static_cast<std::uint16_t>(time.Hour);
  alarm.Minute = static_cast<std::uint16_t>(time.Minute);
  alarm.Second =
      static_cast<std::uint16_t>(type.ByWeekday ? datetime::DayOfWeek(date) : time.Second);
  if (type.Type == AlarmType::Day) alarm.SetFiredToday(false);
  alarm.Repeat = CB_Repeat.Checked() ? 1 : 0;
  alarm.AM = type.Timer == AlarmTimer::Countdown || time.Hour < 12 ? 1 : 0;
  alarm.Signals = CheckedSignals();
  return alarm;
}

// The edited alarm is found again by its identity: the editor's own loop
// may have let timers, hotkeys and the tray change the list meanwhile.
bool TF_Alarm::StoreAlarm() {
  CAlarmHandler& alarms = F_AlarmHandler->AlarmHandler;
  const CSettings* settings = SettingsRecord();
  CAlarm alarm = AlarmFromControls();
  if (EditMode == 0) {
    if (alarms.Count() >= CAlarmHandler::kMaxAlarms) return Refuse("Too many alarms", nullptr);
    if (settings && settings->AutoActivateNew == 1) alarm.State = 1;  // AddAlarm activates it
    alarms.AddAlarm(alarm, true);
  } else {
    const int index = alarms.FindAlarmById(EditId);
    if (index < 0) {
      ui::ShowError("The alarm being edited no longer exists");
      return true;  // nothing is left to change: the editor closes
    }
    // Activated meanwhile: stopped first, so that its timer and counts agree.
    if (alarms.Alarms[index].IsActive()) alarms.StopAlarm(alarms.Alarms[index].Name);
    CAlarm& stored = alarms.Alarms[index];
    alarm.Id = stored.Id;
    alarm.MenuItem = stored.MenuItem;
    if (alarm.MenuItem) alarm.MenuItem->Caption = alarm.Name;
    const common::ListEntry listed = alarms.EntryOf(stored);
    stored = alarm;
    alarms.MoveEntry(listed, alarms.EntryOf(stored));
    if (settings && settings->AutoActivateEdited == 1) alarms.ActivateAlarm(alarm.Name);
  }
  alarms.CommitChange(common::SaveReport::EveryFailure);
  return true;
}

void TF_Alarm::B_okClick(ui::TObject*) {
  if (!F_AlarmHandler || !InputIsValid() || !StoreAlarm()) return;
  ModalResult = ui::mrOk;
  Close();
}

void TF_Alarm::B_cancelClick(ui::TObject*) {
  Close();
}

void TF_Alarm::LE_NameChange(ui::TObject*) {
  if (LE_Name.Text().empty())
    B_ok.SetEnabled(false);
  else if (AnySignal())
    B_ok.SetEnabled(true);
}

void TF_Alarm::CB_typeChange(ui::TObject*) {
  UpdateEditorLayout();
}

void TF_Alarm::TimePickerChange(ui::TObject*) {
  SyncAmFlag();
}

void TF_Alarm::CB_AMClick(ui::TObject*) {
  ApplyAmFlag();
}

void TF_Alarm::RB_Signal1Click(ui::TObject*) {
  UpdateEditorLayout();
}

void TF_Alarm::RB_Signal2Click(ui::TObject*) {
  UpdateEditorLayout();
}

void TF_Alarm::RB_Signal3Click(ui::TObject*) {
  UpdateEditorLayout();
}
