#include "settings/about.h"

TF_About* F_About = nullptr;

TF_About::TF_About()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_About",
                                .Caption = "About - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 200,
                                .BorderStyle = ui::TBorderStyle::bsSingle,
                                .MinimizeBox = false,
                                .MaximizeBox = false}) {
  Name = "F_About";
}
