#include "hotkeys/hotkey_handler_form.h"

#include "app/main_form.h"
#include "os/os.h"

TF_HotkeyHandler* F_HotkeyHandler = nullptr;

TF_HotkeyHandler::TF_HotkeyHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_HotkeyHandler",
                                .Caption = "Hotkeys - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
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
