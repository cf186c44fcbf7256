// The hotkey editor.
#pragma once

#include "ui/form.h"

class TF_Hotkey : public ui::TForm {
 public:
  TF_Hotkey();
};

extern TF_Hotkey* F_Hotkey;
