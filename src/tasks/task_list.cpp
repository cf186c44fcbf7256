#include "tasks/task_list.h"

#include "app/main_form.h"
#include "common/record_file.h"
#include "common/record_list.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"

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
  const int count = common::ReadRecordCount<CTask>(reader, kTaskFields, kMaxTasks);
  common::NameKeeper names;
  Tasks.reserve(Tasks.size() + count);
  for (int i = 0; i < count; ++i) AddTask(ReadTask(reader, names), false);
  RefreshList();
  return 1;
}

int CTaskHandler::SaveTasks(const std::string& fileName) {
  const auto path = ProgramFile(fileName);
  return path && common::SaveSortedList(*path, Tasks, kTaskFields) ? 1 : 0;
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
  if (!F_TaskHandler) return 1;
  F_TaskHandler->LB_Tasks.Clear();
  for (const CTask& task : Tasks) F_TaskHandler->LB_Tasks.Add(task.Name);
  ShowCountAndSelection();
  return 1;
}

void CTaskHandler::ShowChange(const common::ListEntry& before, const common::ListEntry& after) {
  if (!F_TaskHandler) return;
  ui::TListBox* const lists[] = {&F_TaskHandler->LB_Tasks};
  common::MoveEntry(lists, before, after);
  F_TaskHandler->LB_Tasks.SetItemIndex(-1);
  ShowCountAndSelection();
}

// Without a selection the buttons that need one are disabled.
void CTaskHandler::ShowCountAndSelection() {
  F_TaskHandler->SetCaption("Tasks [" + std::to_string(Count()) + "]");
  F_TaskHandler->UpdateSelection();
}
