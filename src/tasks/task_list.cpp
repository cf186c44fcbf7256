#include "tasks/task_list.h"

#include <algorithm>

#include "app/main_form.h"
#include "common/record_file.h"
#include "common/record_list.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

namespace {

// A task in tasklist.ini. The comment comes before the operation, the
// reverse of the record's order.
constexpr common::Field<CTask> kTaskFields[] = {
    &CTask::Name,    &CTask::Directory, &CTask::File,        &CTask::Parameters,
    &CTask::Comment, &CTask::Operation, &CTask::ShowCommand, &CTask::Reserved,
};

// The next task of the file, under a name no task before it has.
CTask ReadTask(common::LineReader& reader, common::NameKeeper& names) {
  CTask task;
  common::ReadRecord(reader, task, kTaskFields);
  names.Claim(task.Name);
  return task;
}

}  // namespace

int CTaskHandler::LoadTasks(const std::string& fileName) {
  auto text = ReadProgramFile(fileName);
  if (!text) {
    RefreshList();
    return 0;
  }
  common::LineReader reader(std::move(*text));
  // No limit here: the records past the most tasks are counted for the notice.
  const int count = common::ReadRecordCount<CTask>(reader, kTaskFields);
  const int loaded = std::min(count, kMaxTasks - Count());
  common::NameKeeper names;
  Tasks.reserve(Tasks.size() + loaded);
  for (int i = 0; i < loaded; ++i) AddTask(ReadTask(reader, names), false);
  if (count > loaded && Velmarind)
    Velmarind->ShowNoticeLater(common::NotLoadedNotice(count - loaded, kMaxTasks, "task"),
                               ui::MB_ICONINFORMATION);
  RefreshList();
  return 1;
}

int CTaskHandler::SaveTasks(const std::string& fileName) {
  const auto path = ProgramFile(fileName);
  return path && common::SaveSortedList(*path, Tasks, kTaskFields) ? 1 : 0;
}

void CTaskHandler::SaveTaskList(common::SaveReport report) {
  const bool saved = SaveTasks(kTaskListFile) == 1;
  saves_.Took(saved, ProgramFile(kTaskListFile).value_or(kTaskListFile), report);
}

void CTaskHandler::SaveIfUnsaved() {
  if (saves_.Unsaved()) SaveTaskList(common::SaveReport::OncePerFailure);
}

int CTaskHandler::AddTask(CTask task, bool refresh) {
  if (common::RefuseWhenFull(Tasks.size(), kMaxTasks, "task")) return 0;
  task.MenuItem = AddRecordMenuItem(&TVelmarind::M_Run, task.Name, [](ui::TObject* sender) {
    if (F_TaskHandler) F_TaskHandler->TaskMenuItemClick(sender);
  });
  Tasks.push_back(std::move(task));
  if (refresh) ShowChange({}, {0, Tasks.back().Name});
  return 1;
}

int CTaskHandler::FindTask(const std::string& name) const {
  return common::FindByName(Tasks, name);
}

int CTaskHandler::IsTaskNameFree(const std::string& name, int editIndex) const {
  return common::IsNameFree(Tasks, name, editIndex) ? 1 : 0;
}

int CTaskHandler::DeleteTask(const std::string& name) {
  const int index = FindTask(name);
  if (index < 0) return -1;
  common::RemoveAt(Tasks, index);
  ShowChange({0, name}, {});
  return 1;
}

int CTaskHandler::RefreshList() {
  if (Listener) Listener->RefreshTaskList();
  return 1;
}

void CTaskHandler::ShowChange(const common::ListEntry& before, const common::ListEntry& after) {
  if (!Listener) return;
  if (before != after) Listener->MoveTaskEntry(before, after);
  Listener->UpdateTaskList();
}
