// The hotkey list window and the hotkey list it holds.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

class CHotkey {
 public:
  std::string Name;
  int Enabled = 0;
  int Id = 0;  // registration id with Windows, 1 to 9000
};

class CHotkeyHandler {
 public:
  std::vector<CHotkey> Hotkeys;
};

class TF_HotkeyHandler : public ui::TForm {
 public:
  TF_HotkeyHandler();
  CHotkeyHandler HotkeyHandler;

  // Runs the enabled hotkey registered under `id`; an unknown id does nothing.
  void ExecuteHotkey(int id);
  // Unregisters every enabled hotkey; the enabled flags stay for the next start.
  void UnregisterAllHotkeys();
};

extern TF_HotkeyHandler* F_HotkeyHandler;
