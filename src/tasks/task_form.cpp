#include "tasks/task_form.h"

TF_Task* F_Task = nullptr;

namespace {

ui::TFormParams TaskParams() {
  ui::TFormParams params;
  params.ClassName = "TF_Task";
  params.Caption = "Task - Velmarind";
  params.ClientWidth = 300;
  params.ClientHeight = 300;
  return params;
}

}  // namespace

TF_Task::TF_Task() : ui::TForm(TaskParams()) {
  Name = "F_Task";
}
