#include "hotkeys/hotkey_handler_form.h"

#include "app/main_form.h"
#include "hotkeys/key_table.h"
#include "os/os.h"
#include "ui/dialogs.h"
#include "ui/menu.h"

TF_HotkeyHandler* F_HotkeyHandler = nullptr;

TF_HotkeyHandler::TF_HotkeyHandler()
    : ui::TForm(ui::TFormParams{.ClassName = "TF_HotkeyHandler",
                                .Caption = "Hotkeys - Velmarind",
                                .ClientWidth = 300,
                                .ClientHeight = 300}) {
  Name = "F_HotkeyHandler";
  HotkeyHandler.LoadHotkeys("hotkeylist.ini");
}

bool TF_HotkeyHandler::RegisterGlobalHotkey(int id, const std::string& modifier, int key,
                                            bool showError) {
  const int virtualKey = KeyIndexToVirtualKey(key);
  if (virtualKey < 0 || !Velmarind) return false;
  if (os::hotkeys::Register(Velmarind->Handle(), id, hotkeys::ModifierFlags(modifier), virtualKey))
    return true;
  if (showError) ui::ShowError("The hotkey is already in use.");
  return false;
}

bool TF_HotkeyHandler::UnregisterGlobalHotkey(int id) {
  return Velmarind && os::hotkeys::Unregister(Velmarind->Handle(), id);
}

int TF_HotkeyHandler::KeyIndexToVirtualKey(int key) {
  return hotkeys::VirtualKeyAt(key);
}

void TF_HotkeyHandler::UnregisterAllHotkeys() {
  for (const CHotkey& hotkey : HotkeyHandler.Hotkeys)
    if (hotkey.Enabled == 1) UnregisterGlobalHotkey(hotkey.Id);
}

void TF_HotkeyHandler::HotkeyMenuItemClick(ui::TObject* sender) {
  const auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  const int index = item ? HotkeyHandler.FindHotkeyById(item->Tag) : -1;
  if (index >= 0) {
    if (HotkeyHandler.Hotkeys[index].Enabled == 1)
      HotkeyHandler.DisableHotkeyAt(index);
    else
      HotkeyHandler.EnableHotkeyAt(index, true);  // a refusal says so
  }
  HotkeyHandler.SaveHotkeys("hotkeylist.ini");
  HotkeyHandler.RefreshHotkeyLists();
}
