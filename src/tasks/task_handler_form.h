// The task list window and the task list it holds.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

class CTask {
 public:
  std::string Name;
};

class CTaskHandler {
 public:
  std::vector<CTask> Tasks;
  int Count() const { return static_cast<int>(Tasks.size()); }
  // Runs the task at a list index; -1 when there is no task there.
  int ExecuteTaskAt(long long index);
  // Runs a task by name: 1 done, 0 failed or cancelled, -1 no such task.
  int ExecuteTask(const std::string& name);
};

class TF_TaskHandler : public ui::TForm {
 public:
  TF_TaskHandler();
  CTaskHandler TaskHandler;
};

extern TF_TaskHandler* F_TaskHandler;
