// Fuzzes hotkeylist.ini as a start reads it, saved by the hotkey list.
// Invariants: every hotkey has an id of its own from 1 to 9000; the count
// line states the eight-line records written; read and saved again, the file
// keeps every byte.
#include <set>

#include "hotkeys/hotkey_handler_form.h"
#include "program_round.h"

namespace {

std::string LoadAndSave(const std::string& bytes) {
  return fuzz::Round("hotkeylist.ini", bytes, [] {
    CHotkeyHandler& hotkeys = F_HotkeyHandler->HotkeyHandler;
    std::set<int> ids;
    for (const CHotkey& hotkey : hotkeys.Hotkeys) {
      fuzz::Require(hotkey.Id >= 1 && hotkey.Id <= CHotkeyHandler::kMaxId, "ids from 1 to 9000");
      fuzz::Require(ids.insert(hotkey.Id).second, "an id of its own");
    }
    fuzz::Require(hotkeys.SaveHotkeys("hotkeylist.ini") == 1, "the save succeeds");
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::RequireStableList(fuzz::Input(data, size), 8, LoadAndSave);
  return 0;
}
