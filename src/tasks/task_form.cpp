#include "tasks/task_form.h"

TF_Task* F_Task = nullptr;

TF_Task::TF_Task()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Task",
                                .Caption = "Task - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
  Name = "F_Task";
}
