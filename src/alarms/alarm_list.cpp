#include "alarms/alarm_list.h"

#include <algorithm>

#include "alarms/alarm_handler_form.h"
#include "app/main_form.h"
#include "common/data_file.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

namespace {

constexpr int kLinesPerAlarm = 13;

// The thirteen lines of an alarm in alarmlist.ini: five texts, then eight numbers.
constexpr std::string CAlarm::*kTextLines[] = {&CAlarm::Name, &CAlarm::DateText, &CAlarm::TimeText,
                                               &CAlarm::TaskName, &CAlarm::Message};
constexpr std::uint16_t CAlarm::*kUnsignedLines[] = {&CAlarm::Hour, &CAlarm::Minute,
                                                     &CAlarm::Second};
constexpr std::int16_t CAlarm::*kSignedLines[] = {&CAlarm::Type, &CAlarm::Signals, &CAlarm::State,
                                                  &CAlarm::Repeat, &CAlarm::AM};

CAlarm ReadAlarm(common::LineReader& reader) {
  CAlarm alarm;
  for (auto text : kTextLines) alarm.*text = reader.Next();
  for (auto number : kUnsignedLines)
    alarm.*number = static_cast<std::uint16_t>(common::ReadInt(reader.Next()));
  for (auto number : kSignedLines)
    alarm.*number = static_cast<std::int16_t>(common::ReadInt(reader.Next()));
  return alarm;
}

void AppendAlarm(std::string& file, const CAlarm& alarm) {
  for (auto text : kTextLines) common::AppendLine(file, alarm.*text);
  for (auto number : kUnsignedLines) common::AppendLine(file, alarm.*number);
  for (auto number : kSignedLines) common::AppendLine(file, alarm.*number);
}

// Whole records after the count line: a cut-off record does not count.
int RecordsIn(const std::string& text) {
  common::LineReader reader(text);
  int lines = 0;
  for (reader.Next(); !reader.AtEnd(); reader.Next()) ++lines;
  return lines / kLinesPerAlarm;
}

const std::string* ProgramDir() {
  return SettingsRecord() ? &SettingsRecord()->ProgramDir : nullptr;
}

// A new item at the end of the tray's "Alarms" submenu, showing the name as
// it is, whose click toggles the alarm named by its caption.
ui::TMenuItem* AddAlarmMenuItem(const std::string& name) {
  if (!Velmarind) return nullptr;
  ui::TMenuItem* item = Velmarind->M_Timer.AddNew(name);
  item->Verbatim = true;
  item->OnClick = [](ui::TObject* sender) {
    if (F_AlarmHandler) F_AlarmHandler->AlarmMenuItemClick(sender);
  };
  return item;
}

bool TaskExists(const std::string& name) {
  return F_TaskHandler && F_TaskHandler->TaskHandler.FindTask(name) >= 0;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

bool CAlarm::IsDateType() const {
  return Type == kDateAndTime || Type == kDateOnly || Type == kTimeOfDay || Type == kDayAndTime ||
         Type == kDayOnly;
}

bool CAlarm::ParseTexts() {
  const os::locale::Formats formats = os::locale::UserFormats();
  const int year = os::clock::Read().Local.Year;
  ParsedDate = datetime::ParseStoredDate(DateText, formats, year);
  ParsedTime = datetime::ParseStoredTime(TimeText, formats);
  switch (Type) {
    case kCountdown:
    case kTimeOfDay:
    case kDayAndTime:
      return ParsedTime.has_value();
    case kDateAndTime:
      return ParsedDate && ParsedTime;
    case kDateOnly:
      return ParsedDate.has_value();
    default:
      return true;
  }
}

int CAlarmHandler::ActiveCountdowns() const {
  return static_cast<int>(std::count_if(Alarms.begin(), Alarms.end(), [](const CAlarm& a) {
    return a.State == 1 && a.Type == kCountdown;
  }));
}

int CAlarmHandler::ActiveDateAlarms() const {
  return static_cast<int>(std::count_if(Alarms.begin(), Alarms.end(), [](const CAlarm& a) {
    return a.State == 1 && a.IsDateType();
  }));
}

int CAlarmHandler::LoadAlarms(const std::string& fileName) {
  const std::string* folder = ProgramDir();
  const auto text = folder ? os::files::Read(*folder + fileName) : std::nullopt;
  if (!text) {
    RefreshLists();
    return 0;
  }
  common::LineReader reader(*text);
  // A count the program never writes (not a number, negative, more than the
  // file holds): take the whole records that are there.
  const std::optional<int> stated = common::ParseInt(reader.Next());
  const int present = RecordsIn(*text);
  const bool trusted = stated && *stated >= 0 && *stated <= present;
  const int count = std::min(trusted ? *stated : present, kMaxAlarms);
  std::string unreadable;
  loading_ = true;
  for (int i = 0; i < count; ++i) {
    CAlarm alarm = ReadAlarm(reader);
    if (alarm.Name.empty()) continue;
    if (alarm.State == 1 && !alarm.ParseTexts()) {
      alarm.State = 0;
      unreadable += "\n" + alarm.Name;
    }
    AddAlarm(alarm, false);
  }
  if (!unreadable.empty())
    Notify("These alarms could not be read and are not active:" + unreadable, "Information");
  loading_ = false;
  SyncTimersAndItems();
  RefreshLists();
  return 1;
}

int CAlarmHandler::SaveAlarms(const std::string& fileName) {
  const std::string* folder = ProgramDir();
  return folder && common::SaveSortedList(*folder + fileName, Alarms, AppendAlarm) ? 1 : 0;
}

int CAlarmHandler::AddAlarm(const CAlarm& alarm, bool refresh) {
  if (Count() >= kMaxAlarms) {
    ui::ShowError("The alarm list is full: it holds at most " + std::to_string(kMaxAlarms) +
                  " alarms.");
    return 0;
  }
  CAlarm added = alarm;
  added.MenuItem = AddAlarmMenuItem(alarm.Name);
  added.State = alarm.State == 1 ? 0 : alarm.State;
  Alarms.push_back(std::move(added));
  if (alarm.State == 1) ActivateAlarm(alarm.Name);
  if (refresh) RefreshLists();
  return 1;
}

int CAlarmHandler::RefreshLists() {
  for (int i = 0; i < Count();) {
    const std::string name = Alarms[i].Name;
    if (Alarms[i].State == 0 && name.starts_with("#"))
      DeleteAlarm(name);
    else
      ++i;
  }
  if (!F_AlarmHandler) return 1;
  std::vector<std::string> inactive, active;
  for (const CAlarm& alarm : Alarms) {
    if (alarm.State == 0) inactive.push_back(alarm.Name);
    if (alarm.State == 1) active.push_back(alarm.Name);
  }
  F_AlarmHandler->LB_Alarms.SetItems(inactive);
  F_AlarmHandler->LB_AlarmsActive.SetItems(active);
  F_AlarmHandler->UpdateAlarmCaption();
  return 1;
}

int CAlarmHandler::FindAlarm(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Alarms[i].Name == name) return i;
  return -1;
}

int CAlarmHandler::GetAlarmState(const std::string& name) const {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  const int state = Alarms[index].State;
  return state == 0 || state == 1 ? state : -1;
}

int CAlarmHandler::IsAlarmNameFree(const std::string& name, int editIndex) const {
  for (int i = 0; i < Count(); ++i)
    if (i != editIndex && Alarms[i].Name == name) return 0;
  return 1;
}

int CAlarmHandler::DeleteAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  ui::TMenuItem* item = Alarms[index].MenuItem;
  if (item && item->Parent()) item->Parent()->Remove(item);
  Alarms.erase(Alarms.begin() + index);
  SyncTimersAndItems();
  return 1;
}

int CAlarmHandler::ActivateAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  CAlarm& alarm = Alarms[index];
  if ((alarm.Signals & kRunTask) && !TaskExists(alarm.TaskName)) {
    Notify(Quoted(name) + " was set to run the task " + Quoted(alarm.TaskName) +
               ", that task is no longer available, alarm was not activated.",
           "Information");
    return -1;
  }
  if (alarm.State == 1) return 0;
  if (alarm.Type != kCountdown && !alarm.IsDateType()) return -1;
  if (!alarm.ParseTexts()) {
    ui::ShowError(Quoted(name) + ": its date or time could not be read, alarm was not activated.");
    return -1;
  }
  const datetime::TimeOfDay time = alarm.ParsedTime.value_or(datetime::TimeOfDay{});
  if (alarm.Type == kDayOnly) {
    alarm.Minute = 0;  // the fired-today guard
  } else {
    alarm.Hour = static_cast<std::uint16_t>(time.Hour);
    alarm.Minute = static_cast<std::uint16_t>(time.Minute);
    if (alarm.Type != kDayAndTime) alarm.Second = static_cast<std::uint16_t>(time.Second);
  }
  // A time of day's 12 o'clock is 0 on the 12-hour dial; a countdown's 12
  // hours stay 12 hours.
  if (alarm.Type != kCountdown && alarm.Hour == 12) alarm.Hour = 0;
  alarm.DeadlineMs =
      os::clock::Read().MonotonicMs + ((time.Hour * 60LL + time.Minute) * 60 + time.Second) * 1000;
  alarm.LastFiredMs.reset();
  alarm.State = 1;
  SyncTimersAndItems();
  return 1;
}

int CAlarmHandler::StopAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  CAlarm& alarm = Alarms[index];
  if (alarm.State == 0) return 0;
  alarm.State = 0;
  SyncTimersAndItems();
  return alarm.Type == kCountdown || alarm.IsDateType() ? 1 : -1;
}

void CAlarmHandler::SyncTimersAndItems() {
  if (loading_) return;  // once, when the whole file is read
  for (const CAlarm& alarm : Alarms)
    if (alarm.MenuItem) alarm.MenuItem->Checked = alarm.State == 1;
  if (!F_AlarmHandler) return;
  F_AlarmHandler->T_TimerCountDown.SetEnabled(ActiveCountdowns() > 0);
  ui::TTimer& dateTimer = F_AlarmHandler->T_TimerDateTime;
  const bool dateAlarms = ActiveDateAlarms() > 0;
  if (dateAlarms && !dateTimer.Enabled()) previousDateTick_ = os::clock::Read();
  dateTimer.SetEnabled(dateAlarms);
}

void CAlarmHandler::Notify(const std::string& text, const std::string& caption) {
  if (loading_ && F_AlarmHandler)
    F_AlarmHandler->QueueNotice(text, caption);
  else
    ui::MessageBox(text, caption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}
