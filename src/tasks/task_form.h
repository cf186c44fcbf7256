// The task editor.
#pragma once

#include "ui/form.h"

class TF_Task : public ui::TForm {
 public:
  TF_Task();
};

extern TF_Task* F_Task;
