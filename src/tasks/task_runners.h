// One run of a task and what each operation does with it; the engine
// defines them, task_operations.cpp names them.
#pragma once

#include <functional>
#include <string>

#include "tasks/task_list.h"

// One run of a task: the record as it was when the run began and its three
// expanded fields.
struct TaskRun {
  explicit TaskRun(const CTask& record) : task(record) {}
  const CTask& task;
  std::string file;
  std::string directory;
  std::string parameters;
  // Runs a task that a Multi Launch list names; false when no task has that name.
  std::function<bool(const std::string&)> runListedTask;
};

namespace runners {

// Any other operation text is a verb for the shell: "Open", "Edit",
// "Explore", "Find", "Print".
int OpenWithShell(const TaskRun& run);
int SystemCommand(const TaskRun& run);
int ShutdownComputer(const TaskRun& run);
int RebootComputer(const TaskRun& run);
int Logoff(const TaskRun& run);
int AddToClipboard(const TaskRun& run);
int PlaySound(const TaskRun& run);
int SendWindowsMessage(const TaskRun& run);
int StartAlarm(const TaskRun& run);
int MultiLaunch(const TaskRun& run);
int SaveMemo(const TaskRun& run);
int SetVolume(const TaskRun& run);
int MouseClick(const TaskRun& run);
int CloseProgram(const TaskRun& run);

}  // namespace runners
