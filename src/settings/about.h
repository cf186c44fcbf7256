// The About window.
#pragma once

#include "ui/form.h"

class TF_About : public ui::TForm {
 public:
  TF_About();
};

extern TF_About* F_About;
