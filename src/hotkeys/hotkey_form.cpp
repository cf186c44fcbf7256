#include "hotkeys/hotkey_form.h"

TF_Hotkey* F_Hotkey = nullptr;

TF_Hotkey::TF_Hotkey()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_Hotkey",
                                .Caption = "Hotkey - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
  Name = "F_Hotkey";
}
