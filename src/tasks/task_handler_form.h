// The task list window, which holds the task list: run, create, edit and
// delete tasks.
#pragma once

#include "tasks/task_list.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/lists.h"

class TF_TaskHandler : public ui::TForm, public TaskListListener {
 public:
  // Loads tasklist.ini, giving every task its item in the tray menu.
  TF_TaskHandler();

  // The task names, sorted by the list box. An entry is only a name: every
  // action looks its task up again.
  ui::TListBox LB_Tasks;
  ui::TButton B_Execute;
  ui::TButton B_New;
  ui::TButton B_Edit;
  ui::TButton B_Delete;
  ui::TButton B_Close;
  ui::TStatusBar StatusBar;

  CTaskHandler TaskHandler;

  // The buttons that need a selected task, and the status bar's comment,
  // follow the list box's selection.
  void UpdateSelection();
  void RefreshTaskList() override;
  void MoveTaskEntry(const common::ListEntry& before, const common::ListEntry& after) override;
  void UpdateTaskList() override;

  // Click handler of every task's tray item: runs the task its caption names.
  void TaskMenuItemClick(ui::TObject* sender);
  // True on the NT family, where ending the session needs the shutdown privilege.
  static bool IsWindowsNT();

  void LB_TasksClick(ui::TObject* sender);
  void LB_TasksDblClick(ui::TObject* sender);
  void B_ExecuteClick(ui::TObject* sender);
  void B_NewClick(ui::TObject* sender);
  void B_EditClick(ui::TObject* sender);
  void B_DeleteClick(ui::TObject* sender);
  void B_CloseClick(ui::TObject* sender);

 private:
  void WireEvents();
  // The caption's count, and the buttons and status bar for the selection.
  void ShowCountAndSelection();
  void FormShow(ui::TObject* sender);
};

extern TF_TaskHandler* F_TaskHandler;
