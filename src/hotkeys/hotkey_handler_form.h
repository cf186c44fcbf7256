// The hotkey list window, which holds the hotkey list: the enabled and the
// disabled hotkeys and what can be done with them; it registers the hotkeys
// with Windows on the main window and runs the one pressed.
#pragma once

#include <cstdint>
#include <string>

#include "hotkeys/hotkey_list.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"

class TF_HotkeyHandler : public ui::TForm, public HotkeyListListener {
 public:
  // Loads hotkeylist.ini: every hotkey gets its tray item, the enabled ones
  // are registered.
  TF_HotkeyHandler();

  // The names of the enabled and the disabled hotkeys, sorted by the list
  // boxes. An entry is only a name: every action looks its hotkey up again.
  ui::TLabel L_enabledhotkeys;
  ui::TListBox LB_enabled;
  ui::TLabel L_disabledhotkeys;
  ui::TListBox LB_disabled;
  ui::TButton B_new;
  ui::TButton B_disable;
  ui::TButton B_enable;
  ui::TButton B_edit;
  ui::TButton B_delete;
  ui::TButton B_close;
  ui::TStatusBar StatusBar;

  CHotkeyHandler HotkeyHandler;

  // Both lists refilled, without a selection, and the caption "Enabled
  // Hotkeys n, Total m".
  void RefreshHotkeyLists() override;
  void MoveHotkeyEntry(const common::ListEntry& before, const common::ListEntry& after) override;
  void UpdateHotkeyLists() override;
  // The four buttons that need a selection, and the summary, follow the
  // lists' selections.
  void UpdateHotkeyButtons() override;
  // The summary of the hotkey at that index in the status bar; nothing for -1.
  void ShowHotkeyInfo(int index);
  // The text of a key list position; "" outside the list.
  static std::string HotkeyKeyName(int key);

  void LB_enabledClick(ui::TObject* sender);
  void LB_disabledClick(ui::TObject* sender);
  void LB_enabledDblClick(ui::TObject* sender);
  void LB_disabledDblClick(ui::TObject* sender);
  void B_newClick(ui::TObject* sender);
  void B_enableClick(ui::TObject* sender);
  void B_disableClick(ui::TObject* sender);
  void B_editClick(ui::TObject* sender);
  void B_deleteClick(ui::TObject* sender);
  void B_closeClick(ui::TObject* sender);

  // Registers the combination under `id` on the main window. False, and
  // silent, for a key outside the key list; false when Windows refuses, with
  // "The hotkey is already in use." when showError is set.
  static bool RegisterGlobalHotkey(int id, const std::string& modifier, int key, bool showError);
  static bool UnregisterGlobalHotkey(int id);
  // The virtual-key code of a key list position; -1 for none.
  static int KeyIndexToVirtualKey(int key);
  // Unregisters every enabled hotkey at exit; flags, check marks and file
  // stay, so the next start registers them again.
  void UnregisterAllHotkeys();
  // Click handler of every hotkey's tray item: toggles the hotkey whose id
  // the item carries in its Tag, then saves.
  void HotkeyMenuItemClick(ui::TObject* sender);

  // The dispatcher (hotkey_dispatcher.cpp): runs the enabled hotkey
  // registered under `id`, then the confirmation sound when it calls for it.
  // An unknown id or a disabled hotkey does nothing.
  void ExecuteHotkey(int id);
  // The first press starts the stopwatch, the next adds the time between them
  // to the message window.
  void ToggleStopwatch();
  // Wave device 0 a tenth of full volume up or down, both channels set from
  // the left one.
  void RaiseVolume();
  void LowerVolume();
  // Sends a command to the media player's window when it runs; a player
  // that does not answer is given up after a while.
  void SendWinampCommand(int command);

 private:
  void WireEvents();
  void FormShow(ui::TObject* sender);
  void FormHide(ui::TObject* sender);
  // After a change made here: save, update the lists, follow with the buttons.
  void ListChanged();
  void ShowHotkeyCount();
  // Whether the confirmation sound follows.
  bool RunHotkeyFunction(int function, const std::string& param);
  bool ActivateAlarm(const std::string& name);
  void ChangeVolume(float step);

  bool StopwatchRunning = false;
  std::int64_t StopwatchStart = 0;  // the monotonic clock, ms
};

extern TF_HotkeyHandler* F_HotkeyHandler;
