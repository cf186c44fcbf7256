// Fixture of the hotkey tests: the program started headless with a hotkeylist.ini, what the
// list tells its window recorded, fresh ids drawn as 1001, 1002, ...
#pragma once

#include "hotkeys/hotkey_handler_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

using Lines = std::vector<std::string>;

// hotkeylist.ini of records "name|param|key|modifier|extra|function|enabled|id" (a record cut
// short has fewer lines), after the count line given or the number of records.
inline std::string HotkeyFile(const Lines& records, std::string count = "") {
  std::string file = (count.empty() ? std::to_string(records.size()) : count) + "\r\n";
  for (const std::string& record : records)
    for (char c : record + "|") file += c == '|' ? std::string("\r\n") : std::string(1, c);
  return file;
}

class HotkeyTest : public AppTest, public HotkeyListListener {
 protected:
  static constexpr os::WindowHandle kOtherProgram = 999;

  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
  }
  void TearDown() override {
    AppTest::TearDown();
    CHotkeyHandler::NextRandom = savedRandom_;
  }
  void RefreshHotkeyLists() override { told.push_back("refresh"); }
  void MoveHotkeyEntry(const common::ListEntry& before, const common::ListEntry& after) override {
    told.push_back("move " + Shown(before) + " > " + Shown(after));
  }
  void UpdateHotkeyLists() override { told.push_back("update"); }
  void UpdateHotkeyButtons() override { told.push_back("buttons"); }

  // Starts the program afresh with this hotkeylist.ini, or none; the hotkeys it held go.
  void Restart(std::optional<std::string> list) {
    Finish();
    std::erase_if(os::fake::world().hotkeys, [](auto& held) { return held.first.first != 999; });
    CHotkeyHandler::NextRandom = [next = 1000]() mutable { return next++; };
    os::fake::world().files.erase(std::string(kDir) + "hotkeylist.ini");
    if (list) File("hotkeylist.ini") = *list;
    Start();
    Handler().Listener = this;
    os::fake::world().calls.clear();
  }
  static CHotkeyHandler& Handler() { return F_HotkeyHandler->HotkeyHandler; }
  // Another program holds (or releases) the combination.
  static void Hold(unsigned modifiers, int key, bool held = true) {
    if (held)
      os::fake::world().hotkeys[{kOtherProgram, key}] = {modifiers, key};
    else
      os::fake::world().hotkeys.erase({kOtherProgram, key});
  }
  // Each hotkey as "name id", "+" before an enabled one, "!" after one whose tray check mark
  // or registration disagrees with its flag.
  static Lines Listed() {
    Lines listed;
    for (const CHotkey& h : Handler().Hotkeys) {
      const bool on = h.Enabled == 1;
      const bool held = os::fake::world().hotkeys.count({Velmarind->Handle(), h.Id});
      listed.push_back((on ? "+" : "") + h.Name + " " + std::to_string(h.Id) +
                       (h.MenuItem->Checked == on && held == on ? "" : "!"));
    }
    return listed;
  }
  // The tray's hotkey items, after the fixed ones, "+" before a checked one.
  static Lines TrayItems() {
    Lines items;
    for (int i = 4; i < Velmarind->M_Hotkeys.Count(); ++i)
      items.push_back((Velmarind->M_Hotkeys.Items(i)->Checked ? "+" : "") +
                      Velmarind->M_Hotkeys.Items(i)->Caption);
    return items;
  }
  static void ClickTrayItem(int n) { Velmarind->M_Hotkeys.Items(4 + n)->Click(); }
  static void ExpectError(const std::string& text) {
    ui::headless::Expect([=](ui::headless::Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text + " " + std::to_string(d.flags),
                "Error: " + text + " " + std::to_string(ui::MB_ICONEXCLAMATION));
      return ui::IDOK;
    });
  }

  Lines told;  // what the list told its window

 private:
  // An entry as "name", "+name" in the enabled list, "none".
  static std::string Shown(const common::ListEntry& entry) {
    return entry.List < 0 ? "none" : (entry.List == 1 ? "+" : "") + entry.Text;
  }
  std::function<int()> savedRandom_ = CHotkeyHandler::NextRandom;
};
