#include "hotkeys/hotkey_form.h"

TF_Hotkey* F_Hotkey = nullptr;

namespace {

ui::TFormParams HotkeyParams() {
  ui::TFormParams params;
  params.ClassName = "TF_Hotkey";
  params.Caption = "Hotkey - Velmarind";
  params.ClientWidth = 300;
  params.ClientHeight = 300;
  return params;
}

}  // namespace

TF_Hotkey::TF_Hotkey() : ui::TForm(HotkeyParams()) {
  Name = "F_Hotkey";
}
