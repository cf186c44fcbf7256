#include "tasks/task_handler_form.h"

TF_TaskHandler* F_TaskHandler = nullptr;

int CTaskHandler::ExecuteTaskAt(long long index) {
  if (index < 0 || index >= Count()) return -1;
  return ExecuteTask(Tasks[static_cast<std::size_t>(index)].Name);
}

int CTaskHandler::ExecuteTask(const std::string& name) {
  for (const CTask& task : Tasks)
    if (task.Name == name) return 0;  // the operations arrive with the task engine
  return -1;
}

TF_TaskHandler::TF_TaskHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_TaskHandler",
                                .Caption = "Tasks [0]",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
  Name = "F_TaskHandler";
}
