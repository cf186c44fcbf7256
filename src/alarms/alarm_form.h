// The alarm editor.
#pragma once

#include "ui/form.h"

class TF_Alarm : public ui::TForm {
 public:
  TF_Alarm();
};

extern TF_Alarm* F_Alarm;
