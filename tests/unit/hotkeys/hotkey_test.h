// Fixture of the hotkey tests: the program started headless with a hotkeylist.ini, the
// window's side of the list recorded, new ids drawn from a known sequence.
#pragma once

#include <functional>

#include "hotkeys/hotkey_handler_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

using Lines = std::vector<std::string>;

inline std::string CrLf(const Lines& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}
// A hotkey's eight lines: name, param, key, modifier, extra, function, enabled, id.
inline std::string Hotkey(const std::string& name, const std::string& param, int key,
                          const std::string& modifier, int function, int enabled, int id,
                          const std::string& extra = "") {
  return CrLf({name, param, std::to_string(key), modifier, extra, std::to_string(function),
               std::to_string(enabled), std::to_string(id)});
}
// A hotkeylist.ini: the count line (the number of records unless given), then the records.
inline std::string HotkeyFile(const Lines& records, const char* count = nullptr) {
  std::string text = CrLf({count ? count : std::to_string(records.size())});
  for (const std::string& record : records) text += record;
  return text;
}

// Records what the list tells the list window.
class RecordingListener : public HotkeyListListener {
 public:
  void RefreshHotkeyLists() override { told.push_back("refresh"); }
  void UpdateHotkeyButtons() override { told.push_back("buttons"); }
  Lines told;
};

class HotkeyTest : public AppTest {
 protected:
  static constexpr int kAlt = ui::MOD_ALT;
  static constexpr int kF1 = 50;  // positions in the key list
  static constexpr os::WindowHandle kOtherProgram = 999;

  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
  }
  void TearDown() override {
    AppTest::TearDown();
    CHotkeyHandler::NextRandom = savedRandom_;
  }
  // Starts the program afresh with this hotkeylist.ini (none for nullptr). The hotkeys the
  // program held go with it; fresh ids come out as 1001, 1002, ...
  void Restart(const std::string* list) {
    Finish();
    std::erase_if(os::fake::world().hotkeys,
                  [](const auto& held) { return held.first.first != kOtherProgram; });
    CHotkeyHandler::NextRandom = [next = 1000]() mutable { return next++; };
    os::fake::world().files.erase(std::string(kDir) + "hotkeylist.ini");
    if (list) File("hotkeylist.ini") = *list;
    Start();
    Handler().Listener = &listener_;
    os::fake::world().calls.clear();
  }
  void Restart(const std::string& list) { Restart(&list); }
  static CHotkeyHandler& Handler() { return F_HotkeyHandler->HotkeyHandler; }
  // Another program holds this combination.
  static void HoldElsewhere(unsigned modifiers, int virtualKey) {
    auto& held = os::fake::world().hotkeys;
    held[{kOtherProgram, static_cast<int>(held.size()) + 1}] = {modifiers, virtualKey};
  }
  // The tray's hotkey items after the fixed ones, "+" before a checked one.
  static Lines TrayItems() {
    Lines items;
    for (int i = 4; i < Velmarind->M_Hotkeys.Count(); ++i) {
      const ui::TMenuItem* item = Velmarind->M_Hotkeys.Items(i);
      items.push_back((item->Checked ? "+" : "") + item->Caption);
    }
    return items;
  }
  // Whether each hotkey's flag, tray check mark and registration agree.
  static bool InStep() {
    for (const CHotkey& hotkey : Handler().Hotkeys) {
      const bool registered = os::fake::world().hotkeys.count({Velmarind->Handle(), hotkey.Id});
      if (hotkey.MenuItem->Checked != (hotkey.Enabled == 1) || registered != (hotkey.Enabled == 1))
        return false;
    }
    return true;
  }
  // The next box must be this "Error".
  static void ExpectError(const std::string& text) {
    ui::headless::Expect([=](ui::headless::Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text, "Error: " + text);
      EXPECT_EQ(d.flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
      return ui::IDOK;
    });
  }

  RecordingListener listener_;

 private:
  std::function<int()> savedRandom_ = CHotkeyHandler::NextRandom;
};
