#include "alarms/alarm_list.h"

#include <algorithm>
#include <utility>

#include "alarms/alarm_handler_form.h"
#include "app/main_form.h"
#include "common/record_file.h"
#include "common/record_list.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

namespace {

// An alarm in alarmlist.ini.
constexpr common::Field<CAlarm> kAlarmFields[] = {
    &CAlarm::Name,  &CAlarm::DateText, &CAlarm::TimeText, &CAlarm::TaskName, &CAlarm::Message,
    &CAlarm::Hour,  &CAlarm::Minute,   &CAlarm::Second,   &CAlarm::Type,     &CAlarm::Signals,
    &CAlarm::State, &CAlarm::Repeat,   &CAlarm::AM,
};

bool TaskExists(const std::string& name) {
  return F_TaskHandler && F_TaskHandler->TaskHandler.FindTask(name) >= 0;
}

std::string InQuotes(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

bool CAlarm::ParseTexts() {
  return ParseTexts(os::locale::UserFormats(), os::clock::Read().Local.Year);
}

bool CAlarm::ParseTexts(const os::locale::Formats& formats, int year) {
  ParsedDate = datetime::ParseStoredDate(DateText, formats, year);
  ParsedTime = datetime::ParseStoredTime(TimeText, formats);
  const AlarmTypeInfo* type = TypeInfo();
  return !type || ((ParsedDate || !type->NeedsDate()) && (ParsedTime || !type->NeedsTime()));
}

std::array<int, 2> CAlarmHandler::ActiveOnEachTimer() const {
  std::array<int, 2> counts{};
  for (const CAlarm& alarm : Alarms) {
    const AlarmTypeInfo* type = alarm.TypeInfo();
    if (alarm.IsActive() && type) ++counts[static_cast<int>(type->Timer)];
  }
  return counts;
}

int CAlarmHandler::LoadAlarms(const std::string& fileName) {
  auto text = ReadProgramFile(fileName);
  if (!text) {
    RefreshLists();
    return 0;
  }
  common::LineReader reader(std::move(*text));
  // No limit here: the records past the most alarms are counted for the notice.
  const int count = common::ReadRecordCount<CAlarm>(reader, kAlarmFields);
  common::NameKeeper names;
  std::string unreadable, renamed;
  int notLoaded = 0;
  Alarms.reserve(Alarms.size() + std::min(count, kMaxAlarms));
  // Read once for the whole file: on Windows the formats take dozens of calls.
  const os::locale::Formats formats = os::locale::UserFormats();
  const os::ClockReading now = os::clock::Read();
  loading_ = true;
  for (int i = 0; i < count; ++i) {
    CAlarm alarm;
    common::ReadRecord(reader, alarm, kAlarmFields);
    if (alarm.Name.empty()) continue;
    if (Count() >= kMaxAlarms) {
      ++notLoaded;
      continue;
    }
    if (names.Claim(alarm.Name)) renamed += "\n" + alarm.Name;
    if (alarm.IsActive() && !alarm.ParseTexts(formats, now.Local.Year)) {
      alarm.State = 0;
      unreadable += "\n" + alarm.Name;
    }
    const bool active = alarm.IsActive();
    CAlarm& added = Alarms[AppendAlarm(std::move(alarm))];
    if (active && CheckActivation(added) == 1) StartAlarm(added, now.MonotonicMs);
  }
  ShowLoadNotice(unreadable, renamed, notLoaded);
  loading_ = false;
  SyncTimers();
  RefreshLists();
  return 1;
}

void CAlarmHandler::ShowLoadNotice(const std::string& unreadable, const std::string& renamed,
                                   int notLoaded) {
  std::string notice;
  auto add = [&notice](const std::string& paragraph) {
    notice += (notice.empty() ? "" : "\n\n") + paragraph;
  };
  if (!unreadable.empty()) add("These alarms could not be read and are not active:" + unreadable);
  if (!renamed.empty()) add("These alarms had a name already taken and were renamed:" + renamed);
  if (notLoaded > 0) add(common::NotLoadedNotice(notLoaded, kMaxAlarms, "alarm"));
  if (!notice.empty()) ShowNotice(notice);
}

int CAlarmHandler::SaveAlarms(const std::string& fileName) {
  const auto path = ProgramFile(fileName);
  return path && common::SaveSortedList(*path, Alarms, kAlarmFields) ? 1 : 0;
}

void CAlarmHandler::SaveAlarmList(common::SaveReport report) {
  const bool saved = SaveAlarms(kAlarmListFile) == 1;
  saves_.Took(saved, ProgramFile(kAlarmListFile).value_or(kAlarmListFile), report);
}

void CAlarmHandler::SaveIfUnsaved() {
  if (saves_.Unsaved()) SaveAlarmList(common::SaveReport::OncePerFailure);
}

void CAlarmHandler::CommitChange(common::SaveReport report) {
  DropInactiveQuickAlarms();
  SaveAlarmList(report);
  if (Listener) Listener->UpdateAlarmLists();
}

int CAlarmHandler::AddAlarm(CAlarm alarm, bool refresh) {
  if (common::RefuseWhenFull(Alarms.size(), kMaxAlarms, "alarm")) return 0;
  const bool active = alarm.IsActive();
  const int index = AppendAlarm(std::move(alarm));
  if (refresh) MoveEntry({}, EntryOf(Alarms[index]));
  if (active) ActivateAt(index);
  if (refresh) UpdateLists();
  return 1;
}

int CAlarmHandler::AppendAlarm(CAlarm alarm) {
  alarm.Id = ++lastId_;
  alarm.MenuItem = AddRecordMenuItem(&TVelmarind::M_Timer, alarm.Name, [](ui::TObject* sender) {
    if (F_AlarmHandler) F_AlarmHandler->AlarmMenuItemClick(sender);
  });
  if (alarm.IsActive()) alarm.State = 0;  // the caller activates it, as a new alarm is
  Alarms.push_back(std::move(alarm));
  return Count() - 1;
}

void CAlarmHandler::DropInactiveQuickAlarms() {
  for (int i = 0; i < Count();) {
    if (Alarms[i].State == 0 && Alarms[i].Name.starts_with("#"))
      DeleteAt(i);
    else
      ++i;
  }
}

int CAlarmHandler::RefreshLists() {
  DropInactiveQuickAlarms();
  if (Listener) Listener->RefreshAlarmLists();
  return 1;
}

void CAlarmHandler::UpdateLists() {
  DropInactiveQuickAlarms();
  if (Listener) Listener->UpdateAlarmLists();
}

common::ListEntry CAlarmHandler::EntryOf(const CAlarm& alarm) const {
  const bool listed = !loading_ && (alarm.State == 0 || alarm.State == 1);
  return listed ? common::ListEntry{alarm.State, alarm.Name} : common::ListEntry{};
}

void CAlarmHandler::MoveEntry(const common::ListEntry& before, const common::ListEntry& after) {
  if (Listener && before != after) Listener->MoveAlarmEntry(before, after);
}

void CAlarmHandler::SetState(CAlarm& alarm, std::int16_t state) {
  const common::ListEntry before = EntryOf(alarm);
  alarm.State = state;
  if (alarm.MenuItem) alarm.MenuItem->Checked = alarm.IsActive();
  MoveEntry(before, EntryOf(alarm));
}

int CAlarmHandler::FindAlarm(const std::string& name) const {
  return common::FindByName(Alarms, name);
}

int CAlarmHandler::GetAlarmState(const std::string& name) const {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  const int state = Alarms[index].State;
  return state == 0 || state == 1 ? state : -1;
}

int CAlarmHandler::FindAlarmById(std::uint64_t id) const {
  return common::FindById(Alarms, id);
}

int CAlarmHandler::IsAlarmNameFree(const std::string& name, std::uint64_t editId) const {
  return common::IsNameFree(Alarms, name, editId == 0 ? -1 : FindAlarmById(editId)) ? 1 : 0;
}

int CAlarmHandler::DeleteAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  DeleteAt(index);
  return 1;
}

void CAlarmHandler::DeleteAt(int index) {
  const common::ListEntry listed = EntryOf(Alarms[index]);
  common::RemoveAt(Alarms, index);
  MoveEntry(listed, {});
  SyncTimers();
}

int CAlarmHandler::ActivateAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  return index < 0 ? -1 : ActivateAt(index);
}

// A box is the last thing done here: the list may change in its loop.
int CAlarmHandler::ActivateAt(int index) {
  CAlarm& alarm = Alarms[index];
  if (const int checked = CheckActivation(alarm); checked != 1) return checked;
  if (!alarm.ParseTexts()) {
    ui::ShowError(InQuotes(alarm.Name) +
                  ": its date or time could not be read, alarm was not activated.");
    return -1;
  }
  StartAlarm(alarm, os::clock::Read().MonotonicMs);
  return 1;
}

int CAlarmHandler::CheckActivation(const CAlarm& alarm) {
  if ((alarm.Signals & alarm_signal::kRunTask) && !TaskExists(alarm.TaskName)) {
    ShowNotice(InQuotes(alarm.Name) + " was set to run the task " + InQuotes(alarm.TaskName) +
               ", that task is no longer available, alarm was not activated.");
    return -1;
  }
  if (alarm.IsActive()) return 0;
  return alarm.TypeInfo() ? 1 : -1;
}

void CAlarmHandler::StartAlarm(CAlarm& alarm, std::int64_t nowMs) {
  LoadWorkingValues(alarm, LoadPoint::Activation, nowMs);
  alarm.LastFiredMs.reset();
  SetState(alarm, 1);
  SyncTimers();
}

int CAlarmHandler::StopAlarm(const std::string& name) {
  const int index = FindAlarm(name);
  if (index < 0) return -1;
  CAlarm& alarm = Alarms[index];
  if (alarm.State == 0) return 0;
  SetState(alarm, 0);
  SyncTimers();
  return alarm.TypeInfo() ? 1 : -1;
}

void CAlarmHandler::SyncTimers() {
  // While a file loads: once, when the whole file is read.
  if (loading_) return;
  const std::array<int, 2> active = ActiveOnEachTimer();
  const bool dateAlarms = active[static_cast<int>(AlarmTimer::DateTime)] > 0;
  if (dateAlarms && !dateTimerRuns_) previousDateTick_ = os::clock::Read();
  dateTimerRuns_ = dateAlarms;
  if (Listener)
    Listener->RunAlarmTimers(active[static_cast<int>(AlarmTimer::Countdown)] > 0, dateAlarms);
}

void CAlarmHandler::ShowNotice(const std::string& text) {
  if (loading_ && Velmarind)
    Velmarind->ShowNoticeLater(text, ui::MB_ICONEXCLAMATION);
  else
    ShowAlarmNotice(text);
}

void ShowAlarmNotice(const std::string& text) {
  ui::MessageBox(text, "Information", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}
