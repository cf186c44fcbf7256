#include "tasks/task_list.h"

#include <algorithm>

#include "app/main_form.h"
#include "common/data_file.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

namespace {

// The eight lines of a task in tasklist.ini: six texts, then two numbers.
// The comment comes before the operation, the reverse of the record's order.
constexpr std::string CTask::*kTextLines[] = {&CTask::Name,    &CTask::Directory,
                                              &CTask::File,    &CTask::Parameters,
                                              &CTask::Comment, &CTask::Operation};
constexpr std::int16_t CTask::*kNumberLines[] = {&CTask::ShowCommand, &CTask::Reserved};

CTask ReadTask(common::LineReader& reader) {
  CTask task;
  for (auto text : kTextLines) task.*text = reader.Next();
  for (auto number : kNumberLines)
    task.*number = static_cast<std::int16_t>(common::ReadInt(reader.Next()));
  return task;
}

void AppendTask(std::string& file, const CTask& task) {
  for (auto text : kTextLines) common::AppendLine(file, task.*text);
  for (auto number : kNumberLines) common::AppendLine(file, task.*number);
}

// The program folder, or nullptr while the settings window does not exist.
const std::string* ProgramDir() {
  return SettingsRecord() ? &SettingsRecord()->ProgramDir : nullptr;
}

// A new item at the end of the tray's "Tasks" submenu whose click runs the
// task named by its caption.
ui::TMenuItem* AddTaskMenuItem(const std::string& name) {
  if (!Velmarind) return nullptr;
  ui::TMenuItem* submenu = Velmarind->MainMenu.Items.Find(Velmarind->M_Run.Caption);
  if (!submenu) return nullptr;
  ui::TMenuItem* item = submenu->AddNew(name);
  item->OnClick = [](ui::TObject* sender) {
    if (F_TaskHandler) F_TaskHandler->TaskMenuItemClick(sender);
  };
  return item;
}

}  // namespace

int CTaskHandler::LoadTasks(const std::string& fileName) {
  const std::string* folder = ProgramDir();
  const auto text = folder ? os::files::Read(*folder + fileName) : std::nullopt;
  if (!text) {
    RefreshList();
    return 0;
  }
  common::LineReader reader(*text);
  const int count = common::ReadInt(reader.Next());
  if (count >= 0 && count <= kMaxTasks) {
    for (int i = 0; i < count; ++i) AddTask(ReadTask(reader), false);
  } else {
    // A count the program never writes: take the records that are there.
    while (!reader.AtEnd() && Count() < kMaxTasks) AddTask(ReadTask(reader), false);
  }
  RefreshList();
  return 1;
}

int CTaskHandler::SaveTasks(const std::string& fileName) {
  const std::string* folder = ProgramDir();
  return folder && common::SaveSortedList(*folder + fileName, Tasks, AppendTask) ? 1 : 0;
}

int CTaskHandler::AddTask(const CTask& task, bool refresh) {
  if (Count() >= kMaxTasks) {
    ui::ShowError("The task list is full: it holds at most " + std::to_string(kMaxTasks) +
                  " tasks.");
    return 0;
  }
  CTask added = task;
  added.MenuItem = AddTaskMenuItem(task.Name);
  Tasks.push_back(std::move(added));
  if (refresh) RefreshList();
  return 1;
}

int CTaskHandler::FindTask(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (Tasks[i].Name == name) return i;
  return -1;
}

int CTaskHandler::IsTaskNameFree(const std::string& name, int editIndex) const {
  for (int i = 0; i < Count(); ++i)
    if (i != editIndex && Tasks[i].Name == name) return 0;
  return 1;
}

int CTaskHandler::DeleteTask(const std::string& name) {
  const int index = FindTask(name);
  if (index < 0) return -1;
  ui::TMenuItem* item = Tasks[index].MenuItem;
  if (item && item->Parent()) item->Parent()->Remove(item);
  Tasks.erase(Tasks.begin() + index);
  return 1;
}

// A refilled list box has no selection, so the window's buttons and status
// bar are brought in line with it too.
int CTaskHandler::RefreshList() {
  if (!F_TaskHandler) return 1;
  F_TaskHandler->LB_Tasks.Clear();
  for (const CTask& task : Tasks) F_TaskHandler->LB_Tasks.Add(task.Name);
  F_TaskHandler->SetCaption("Tasks [" + std::to_string(Count()) + "]");
  F_TaskHandler->UpdateSelection();
  return 1;
}
