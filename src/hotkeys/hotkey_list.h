// The hotkey record, the hotkey list and its file hotkeylist.ini. The list
// lives in F_HotkeyHandler, which registers the hotkeys with Windows and runs
// them when they are pressed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/record_list.h"

namespace ui {
class TMenuItem;
}

// The list's file in the program folder.
inline constexpr char kHotkeyListFile[] = "hotkeylist.ini";

// What CHotkey::Function says a hotkey runs; any other value runs nothing.
enum HotkeyFunction { kExecuteTask = 0, kActivateAlarm = 1, kExtraFunction = 2 };

// One named key combination. A plain record copied by value.
class CHotkey {
 public:
  std::string Name;
  std::string Param;     // the task, alarm or extra function it runs
  int Key = 0;           // position in the key list (key_table.h)
  std::string Modifier;  // "WIN", "ALT", "SHIFT" or "CTRL"
  std::string Extra;     // stored and shown, used by nothing
  int Function = 0;      // a HotkeyFunction
  int Enabled = 0;       // 1 while it is registered with Windows and checked in the tray
  int Id = 0;            // registration id, 1 to 9000, unique, kept across runs
  ui::TMenuItem* MenuItem = nullptr;  // its item under the tray's "Hotkeys"; the menu owns it
};

// The list window's side of a change to the list.
class HotkeyListListener {
 public:
  // Refills the window's two lists and its caption.
  virtual void RefreshHotkeyLists() = 0;
  // Moves one hotkey's entry between the window's lists without refilling
  // them: list 0 holds the disabled hotkeys, list 1 the enabled ones.
  virtual void MoveHotkeyEntry(const common::ListEntry& before, const common::ListEntry& after) = 0;
  // After changes, whose entries moved as they happened: the lists are left
  // without a selection and the caption counts again, as after a refill.
  virtual void UpdateHotkeyLists() = 0;
  // Brings the buttons and the summary in line with the lists' selections.
  virtual void UpdateHotkeyButtons() = 0;

 protected:
  ~HotkeyListListener() = default;
};

class CHotkeyHandler {
 public:
  // Ids run from 1 to this; the memo hotkey's 10000 lies beyond.
  static constexpr int kMaxId = 9000;

  // File order after loading, name order after every save.
  std::vector<CHotkey> Hotkeys;
  int Count() const { return static_cast<int>(Hotkeys.size()); }
  // Counted from the records, so no change can make it drift.
  int EnabledCount() const;

  // The list window, told of every change; none until it says so.
  HotkeyListListener* Listener = nullptr;
  void RefreshHotkeyLists();
  void UpdateHotkeyLists();
  void UpdateHotkeyButtons();
  // Where the window lists a hotkey: among the disabled (list 0) or the
  // enabled ones (1); nowhere in another state, nor during a change of the
  // whole list (a file read, Enable All), after which the lists are refilled.
  common::ListEntry EntryOf(const CHotkey& hotkey) const;
  // Tells the window that a hotkey's entry moved.
  void MoveEntry(const common::ListEntry& before, const common::ListEntry& after);
  // The pseudo-random numbers (0 to 32767) new ids are drawn from; tests
  // put their own.
  static std::function<int()> NextRandom;

  // Reads the program folder's file, adds its hotkeys and registers the
  // enabled ones, silently; 0 when it cannot be read. Every hotkey gets an
  // id and a name of its own: an id outside 1 to 9000, or taken by a hotkey
  // before it in the file, is replaced; a name taken before gets " (2)",
  // " (3)" ... appended. Records beyond the 9000 the list holds are left
  // out, and a notice says how many once the message loop runs.
  int LoadHotkeys(const std::string& fileName);
  // Sorts the list by name and writes it whole, atomically; 0 when nothing
  // was written (the old file and the list's order stay as they were).
  int SaveHotkeys(const std::string& fileName);
  // Writes hotkeylist.ini after a change; a failure is told as `report`
  // asks, and until a save works the list is written again at its next
  // change and at exit (SaveIfUnsaved).
  void SaveHotkeyList(common::SaveReport report);
  void SaveIfUnsaved();
  // Appends a copy with its own tray item; one saved as enabled is registered
  // again, silently, and stays disabled when Windows refuses. With `refresh`
  // it is listed in the window at once. Always 1.
  int AddHotkey(CHotkey hotkey, bool refresh);
  // Removes the first hotkey of that name with its tray item and its entry
  // in the window (an enabled one is unregistered first); -1 when there is
  // none.
  int DeleteHotkey(const std::string& name);
  // Index of the first hotkey with exactly that name / that id, or -1.
  int FindHotkey(const std::string& name) const;
  int FindHotkeyById(int id) const;
  // 1 when no hotkey but the one whose Id is `excludeId` (0 for a new
  // hotkey) has exactly that name, else 0.
  int IsHotkeyNameFree(const std::string& name, int excludeId) const;
  // 1 enabled, 0 disabled, -1 no such hotkey.
  int GetHotkeyState(const std::string& name) const;
  // Registers the first hotkey of that name: -1 no such hotkey, 0 enabled
  // already, else 1 whether or not Windows accepted it (Enabled tells).
  // A refusal shows "The hotkey is already in use." when showError is set.
  int EnableHotkey(const std::string& name, bool showError);
  // Unregisters it: -1 no such hotkey, 0 disabled already, 1 disabled.
  int DisableHotkey(const std::string& name);
  // The same for the hotkey at an index. A refusal's box is the last thing
  // EnableHotkeyAt does: the list may have changed in the box's loop.
  int EnableHotkeyAt(int index, bool showError);
  int DisableHotkeyAt(int index);
  // The tray's "Enable All" (refusals are silent) and "Disable All"; each
  // saves and tells the window.
  void EnableAllHotkeys();
  void DisableAllHotkeys();
  // An id no hotkey has; 0 when all 9000 are taken.
  int NewHotkeyId() const;

 private:
  // Sets the flag and the tray item's check mark; the entry follows.
  void SetEnabled(CHotkey& hotkey, bool on);
  // An entry for every id from 0 to kMaxId: whether a hotkey has it.
  std::vector<bool> TakenIds() const;
  // A few random draws, then the lowest id not taken; 0 when none is free.
  int FreeId(const std::vector<bool>& taken) const;

  bool wholeListChanging_ = false;
  common::FileSaves saves_;
};
