#include "settings/about.h"

TF_About* F_About = nullptr;

namespace {

ui::TFormParams AboutParams() {
  ui::TFormParams params;
  params.ClassName = "TF_About";
  params.Caption = "About - Velmarind";
  params.ClientWidth = 300;
  params.ClientHeight = 200;
  params.BorderStyle = ui::TBorderStyle::bsSingle;
  params.MinimizeBox = false;
  params.MaximizeBox = false;
  return params;
}

}  // namespace

TF_About::TF_About() : ui::TForm(AboutParams()) {
  Name = "F_About";
}
