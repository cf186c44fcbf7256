#include "hotkeys/hotkey_handler_form.h"

#include "app/main_form.h"
#include "os/os.h"

TF_HotkeyHandler* F_HotkeyHandler = nullptr;

namespace {

ui::TFormParams HotkeyHandlerParams() {
  ui::TFormParams params;
  params.ClassName = "TF_HotkeyHandler";
  params.Caption = "Hotkeys - Velmarind";
  params.ClientWidth = 300;
  params.ClientHeight = 300;
  return params;
}

}  // namespace

TF_HotkeyHandler::TF_HotkeyHandler() : ui::TForm(HotkeyHandlerParams()) {
  Name = "F_HotkeyHandler";
}

void TF_HotkeyHandler::ExecuteHotkey(int id) {
  // The hotkey functions arrive with the hotkey dispatcher; until then no
  // hotkey is ever registered, so no id can match.
  (void)id;
}

void TF_HotkeyHandler::UnregisterAllHotkeys() {
  for (const CHotkey& hotkey : HotkeyHandler.Hotkeys)
    if (hotkey.Enabled == 1) os::hotkeys::Unregister(Velmarind->Handle(), hotkey.Id);
}
