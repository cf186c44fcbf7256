#include "tasks/task_handler_form.h"

#include "ui/menu.h"

TF_TaskHandler* F_TaskHandler = nullptr;

TF_TaskHandler::TF_TaskHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_TaskHandler",
                                .Caption = "Tasks [0]",
                                .ClientWidth = 267,
                                .ClientHeight = 216}) {
  Name = "F_TaskHandler";
  TaskHandler.LoadTasks("tasklist.ini");
}

void TF_TaskHandler::TaskMenuItemClick(ui::TObject* sender) {
  if (const auto* item = dynamic_cast<ui::TMenuItem*>(sender))
    TaskHandler.ExecuteTask(item->Caption);
}
