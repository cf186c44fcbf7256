// The task list window, which holds the task list.
#pragma once

#include "tasks/task_list.h"
#include "ui/form.h"

class TF_TaskHandler : public ui::TForm {
 public:
  // Loads tasklist.ini, giving every task its item in the tray menu.
  TF_TaskHandler();
  CTaskHandler TaskHandler;

  // Click handler of every task's tray item: runs the task its caption names.
  void TaskMenuItemClick(ui::TObject* sender);
  // True on the NT family, where ending the session needs the shutdown privilege.
  static bool IsWindowsNT();
};

extern TF_TaskHandler* F_TaskHandler;
