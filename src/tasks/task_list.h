// The task record, the task list and its file tasklist.ini. The list lives
// in F_TaskHandler; running a task is the task engine (task_engine.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/record_list.h"

namespace ui {
class TMenuItem;
}

// One named, stored action. A plain record copied by value; a new one starts
// with empty texts and zero numbers.
class CTask {
 public:
  std::string Name;
  std::string Directory;   // "Send Windows Message": the message number
  std::string File;        // what is opened or run; the argument of the other operations
  std::string Parameters;  // "Send Windows Message": the two numbers sent with it
  std::string Operation;   // one of the eighteen operation names
  std::string Comment;
  std::int16_t ShowCommand = 0;       // position in the editor's show-command list
  std::int16_t Reserved = 0;          // kept as read, used by nothing
  ui::TMenuItem* MenuItem = nullptr;  // its item in the tray "Tasks" submenu; the menu owns it
};

// The list window's side of a change to the list.
class TaskListListener {
 public:
  // Refills the window's list; the caption counts again and the buttons
  // follow the selection, which a refill leaves empty.
  virtual void RefreshTaskList() = 0;
  // Moves one task's entry without refilling the list: `before` goes and
  // `after` comes (list 0 is the window's only one).
  virtual void MoveTaskEntry(const common::ListEntry& before, const common::ListEntry& after) = 0;
  // After a change whose entry moved as it happened: the list is left without
  // a selection and the caption counts again, as after a refill.
  virtual void UpdateTaskList() = 0;

 protected:
  ~TaskListListener() = default;
};

// The list's file in the program folder.
inline constexpr char kTaskListFile[] = "tasklist.ini";

class CTaskHandler {
 public:
  // tasklist.ini keeps the count in 16 bits.
  static constexpr int kMaxTasks = 65535;

  // File order after loading, name order after every save.
  std::vector<CTask> Tasks;
  int Count() const { return static_cast<int>(Tasks.size()); }

  // The list window, told of every change; none until it says so.
  TaskListListener* Listener = nullptr;

  // Reads the program folder's file and adds its tasks, each under a name no
  // task before it has; 0 when it cannot be read (the list is then left as
  // it was). Records beyond the most the list holds are left out, and a
  // notice says how many once the message loop runs.
  int LoadTasks(const std::string& fileName);
  // Sorts the list by name and writes it whole, atomically; 0 when nothing
  // was written (the old file and the list's order stay as they were).
  int SaveTasks(const std::string& fileName);
  // Writes tasklist.ini after a change; a failure is told as `report` asks,
  // and until a save works the list is written again at its next change and
  // at exit (SaveIfUnsaved).
  void SaveTaskList(common::SaveReport report);
  void SaveIfUnsaved();
  // Appends a copy of the task and gives it a tray item; with `refresh` its
  // entry shows in the window at once (a file's tasks are listed by
  // RefreshList). 0 with an "Error" box when the list is full.
  int AddTask(CTask task, bool refresh);
  // Index of the task with exactly that name, or -1.
  int FindTask(const std::string& name) const;
  // 1 when no task but the one being edited (its index, -1 for a new task)
  // has that name, else 0.
  int IsTaskNameFree(const std::string& name, int editIndex = -1) const;
  // Removes the task, its tray item and its entry in the window; -1 when no
  // task has that name.
  int DeleteTask(const std::string& name);
  // Fills the window's list with every task's name; the caption counts them.
  int RefreshList();
  // Shows a change of one task without refilling the list: the entry `before`
  // goes and `after` comes; the list is left without a selection and the
  // caption counts again, as RefreshList leaves them.
  void ShowChange(const common::ListEntry& before, const common::ListEntry& after);

  // Runs a task by name: 1 done, 0 failed, refused or cancelled at a prompt,
  // -1 no such task or the shutdown privilege was refused.
  int ExecuteTask(const std::string& name);
  // Runs the task at that index when there is one.
  void ExecuteTaskAt(long long index);
  // Fills in a field's prompts ("[Label|default]") and clipboard marks
  // ("<c>"); 0 when the user cancelled a prompt (`expanded` is then unchanged).
  static int ExpandField(const std::string& text, std::string& expanded);
  // Reads up to two blank-separated numbers into `first` and `second`
  // (preset to 0 by the caller). Throws std::invalid_argument when a number
  // does not fit an int.
  static void ParseTwoNumbers(const std::string& text, int& first, int& second);
  // Asks the top-level window with exactly that title to close.
  static void CloseProgram(const std::string& title);

 private:
  // `chain`: the tasks of the Multi Launch runs that led here, outermost first.
  int RunTask(std::string name, std::vector<std::string> chain);

  common::FileSaves saves_;
};
