// The hotkey list: hotkeylist.ini, registration with the fake registrar, the tray items and
// the ids.
#include <algorithm>
#include <climits>

#include "hotkeys/hotkey_test.h"
#include "hotkeys/key_table.h"
#include "settings/settings_form.h"

namespace {

using HotkeyListTest = HotkeyTest;

// Each hotkey as "name id", "+" before an enabled one.
Lines Listed() {
  Lines listed;
  for (const CHotkey& h : F_HotkeyHandler->HotkeyHandler.Hotkeys)
    listed.push_back((h.Enabled ? "+" : "") + h.Name + " " + std::to_string(h.Id));
  return listed;
}

TEST_F(HotkeyListTest, SavingSortsByByteOrderAndWritesWhatWasReadByteForByte) {
  const std::string b = Hotkey("b", "Raise Volume", kF1, "ALT", 2, 1, 131),  // empty Extra
      B = Hotkey("B", "note", -5, "WIN", 0, 0, 7, "some extra"),             // a negative key
      a = Hotkey("a" + std::string(299, 'x'), "alarm", 61, "CTRL", 1, 0, 9000);
  for (bool lfOnly : {false, true}) {
    std::string file = HotkeyFile({b, B, a});
    if (lfOnly) std::erase(file, '\r');
    Restart(file);
    ui::TMenuItem* itemb = Velmarind->M_Hotkeys.Items(4);
    itemb->Click(), itemb->Click();  // off and on again: each click saves
    EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({B, a, b}));
    EXPECT_EQ(Listed(), (Lines{"B 7", "a" + std::string(299, 'x') + " 9000", "+b 131"}));
    EXPECT_EQ(TrayItems(), (Lines{"+b", "B", "a" + std::string(299, 'x')})) << "not reordered";
  }
  // A failed save says so once and keeps the old file and the list's order.
  const std::string saved = File("hotkeylist.ini");
  os::fake::world().failingSaves.insert(std::string(kDir) + "hotkeylist.ini");
  ExpectError("Could not save C:\\Velmarind\\hotkeylist.ini");
  Velmarind->M_Hotkeys.Items(5)->Click();  // B, whose key is outside the list: no box for that
  EXPECT_EQ(File("hotkeylist.ini"), saved);
  EXPECT_EQ(Listed()[0], "B 7");
  ExpectError("Could not save C:\\Velmarind\\hotkeylist.ini");
  EXPECT_EQ(Handler().SaveHotkeys("hotkeylist.ini"), 0);
  // Loading tells the window when there was a file to read.
  listener_.told.clear();
  EXPECT_EQ(Handler().LoadHotkeys("missing.ini"), 0);
  EXPECT_EQ(listener_.told, Lines{});
  EXPECT_EQ(Handler().LoadHotkeys("hotkeylist.ini"), 1);
  EXPECT_EQ(listener_.told, Lines{"refresh"});
}

TEST_F(HotkeyListTest, AnyFileLoadsTheRecordsItHoldsEachWithAnIdOfItsOwn) {
  auto x = [](int id, int enabled = 0) { return Hotkey("x", "", kF1, "ALT", 2, enabled, id); };
  const std::string y2 = Hotkey("y", "", kF1 + 1, "ALT", 2, 0, 2);
  // clang-format off
  const struct { const char* what; std::string file; Lines listed; } cases[] = {
      {"count -1",           HotkeyFile({x(1), y2}, "-1"),    {"x 1", "y 2"}},
      {"count abc",          HotkeyFile({x(1), y2}, "abc"),   {"x 1", "y 2"}},
      {"count 70000",        HotkeyFile({x(1), y2}, "70000"), {"x 1", "y 2"}},
      {"count 3 over two",   HotkeyFile({x(1), y2}, "3"),     {"x 1", "y 2"}},
      {"count 1 of two",     HotkeyFile({x(1), y2}, "1"),     {"x 1"}},
      {"no count, no lines", "",                              {}},
      {"cut-off record",     HotkeyFile({x(1, 1), CrLf({"y", "p", "51"})}), {"+x 1", "y 1001"}},
      {"id 0",               HotkeyFile({x(0)}),              {"x 1001"}},
      {"id 9000",            HotkeyFile({x(9000)}),           {"x 9000"}},
      {"id 10000",           HotkeyFile({x(10000)}),          {"x 1001"}},
      {"id -3",              HotkeyFile({x(-3)}),             {"x 1001"}},
      {"duplicate id",       HotkeyFile({x(2, 1), y2}),       {"+x 2", "y 1001"}},
      {"fresh id skips one a later hotkey holds", HotkeyFile({x(0), Hotkey("y", "", 1, "ALT", 2, 0, 1001)}), {"x 1002", "y 1001"}},
      {"Enabled 2",          HotkeyFile({x(1, 2)}),           {"x 1"}},
      {"Enabled -1",         HotkeyFile({x(1, -1)}),          {"x 1"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(c.file);
    EXPECT_EQ(Listed(), c.listed) << c.what;
    EXPECT_TRUE(InStep()) << c.what;
    EXPECT_EQ(TrayItems().size(), c.listed.size()) << c.what;
    EXPECT_EQ(File("hotkeylist.ini"), c.file) << "loading writes nothing: " << c.what;
  }
  // Not more than there are ids.
  std::string many;
  for (int id = 1; id <= CHotkeyHandler::kMaxId + 1; ++id) many += Hotkey("h", "", 0, "", 0, 0, id);
  Restart(HotkeyFile({many}, "9001"));
  EXPECT_EQ(Handler().Count(), CHotkeyHandler::kMaxId);
  EXPECT_EQ(Handler().NewHotkeyId(), 0) << "all 9000 taken";
}

TEST_F(HotkeyListTest, NewIdsSkipTakenOnesAndEndWhenNoneIsFree) {
  // clang-format off
  const struct { std::vector<int> held; std::vector<int> draws; int id; } cases[] = {
      {{},           {41},           42},
      {{42, 43},     {41, 42, 43},   44},    // drawn ids already taken are skipped
      {{1, 2},       {0},            3},     // every draw taken: the lowest free id
      {{9000},       {8999, 9000},   1},     // 8999 draws the last id, taken; 9000 the first
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string file;
    for (int id : c.held) file += Hotkey("h" + std::to_string(id), "", 0, "ALT", 2, 0, id);
    Restart(HotkeyFile({file}, std::to_string(c.held.size()).c_str()));
    std::size_t next = 0;
    CHotkeyHandler::NextRandom = [&] { return c.draws[std::min(next++, c.draws.size() - 1)]; };
    EXPECT_EQ(Handler().NewHotkeyId(), c.id) << c.id;
  }
  std::string allButLast;  // the scan goes up to the last id
  for (int id = 1; id < CHotkeyHandler::kMaxId; ++id)
    allButLast += Hotkey("h", "", 0, "", 0, 0, id);
  Restart(HotkeyFile({allButLast}, "8999"));
  CHotkeyHandler::NextRandom = [] { return 0; };
  EXPECT_EQ(Handler().NewHotkeyId(), CHotkeyHandler::kMaxId);
}

// The virtual-key code a key's name stands for, worked out from the name alone.
int CodeOfName(const std::string& name) {
  const Lines keypad = {"Separator key", "Subtract key", "Decimal key", "Divide key"};
  if (name.size() == 1) return name[0];  // digits and capitals are their own codes
  if (name.starts_with("Numeric keypad ")) return 0x60 + (name.back() - '0');
  if (name[0] == 'F') return 0x6F + std::stoi(name.substr(1));
  return 0x6C + static_cast<int>(std::find(keypad.begin(), keypad.end(), name) - keypad.begin());
}

TEST_F(HotkeyListTest, KeysAndModifiersReachTheRegistrarAsTheirCodes) {
  Restart(nullptr);
  const std::string window = std::to_string(Velmarind->Handle());
  const Lines& names = hotkeys::KeyNames();
  ASSERT_EQ(names.size(), 62u);
  EXPECT_EQ(names[36] + "|" + names[49] + "|" + names[61], "Numeric keypad 0|Divide key|F12");
  for (int position = -1; position <= 62; ++position) {
    const bool inList = position >= 0 && position < 62;
    const int code = inList ? CodeOfName(names[position]) : -1;
    os::fake::world().calls.clear();
    EXPECT_EQ(TF_HotkeyHandler::RegisterGlobalHotkey(5, "ALT", position, true), inList);
    EXPECT_EQ(os::fake::world().calls,
              inList ? Lines{"hotkeys::Register(" + window + ",5,1," + std::to_string(code) + ")"}
                     : Lines{})
        << position << ", no box outside the list";
    TF_HotkeyHandler::UnregisterGlobalHotkey(5);
    EXPECT_EQ(TF_Settings::KeyIndexToVirtualKey(position + 1), code) << "memo index n+1";
  }
  EXPECT_EQ(TF_Settings::KeyIndexToVirtualKey(0) + TF_Settings::KeyIndexToVirtualKey(INT_MIN), -2);
  // clang-format off
  const struct { const char* modifier; int flags; } cases[] = {
      {"ALT", 1}, {"CTRL", 2}, {"SHIFT", 4}, {"WIN", 8}, {"alt", 8}, {"", 8},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().calls.clear();
    TF_HotkeyHandler::RegisterGlobalHotkey(7, c.modifier, kF1, false);
    TF_HotkeyHandler::UnregisterGlobalHotkey(7);
    EXPECT_EQ(os::fake::world().calls[0],
              "hotkeys::Register(" + window + ",7," + std::to_string(c.flags) + ",112)");
  }
}

// A refused registration is silent at load and in "Enable All"; the tray item says so.
// Whatever happens, flags, check marks and registrations agree.
TEST_F(HotkeyListTest, RefusedRegistrationsLeaveTheHotkeyDisabledAndOnlyTheTraySaysSo) {
  auto f = [](int n, int enabled) {  // "fN" on ALT+FN
    return Hotkey("f" + std::to_string(n), "", kF1 + n - 1, "ALT", 2, enabled, n);
  };
  HoldElsewhere(kAlt, 0x70), HoldElsewhere(kAlt, 0x71);  // ALT+F1, ALT+F2
  Restart(HotkeyFile({f(1, 1), f(2, 1), f(3, 0)}));      // no box
  EXPECT_EQ(TrayItems(), (Lines{"f1", "f2", "f3"}));
  EXPECT_EQ(Handler().EnabledCount(), 0);
  EXPECT_TRUE(InStep());

  ExpectError("The hotkey is already in use.");
  Velmarind->M_Hotkeys.Items(4)->Click();  // f1, held
  Velmarind->M_Hotkeys.Items(6)->Click();  // f3, free
  EXPECT_EQ(TrayItems(), (Lines{"f1", "f2", "+f3"}));
  EXPECT_EQ(listener_.told, (Lines{"refresh", "refresh"})) << "the buttons are left alone";
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({f(1, 0), f(2, 0), f(3, 1)}))
      << "the refused ones are saved disabled";
  Velmarind->M_Hotkeys.Items(6)->Click();  // an enabled one goes off
  EXPECT_EQ(TrayItems(), (Lines{"f1", "f2", "f3"}));

  listener_.told.clear();
  Velmarind->M_enable.Click();  // two held: no box, both stay disabled
  EXPECT_EQ(TrayItems(), (Lines{"f1", "f2", "+f3"}));
  EXPECT_EQ(Handler().EnabledCount(), 1);
  std::erase_if(os::fake::world().hotkeys, [](const auto& held) {  // the other program ends
    return held.first.first == kOtherProgram;
  });
  Velmarind->M_enable.Click();
  EXPECT_EQ(TrayItems(), (Lines{"+f1", "+f2", "+f3"}));
  EXPECT_TRUE(InStep());
  Velmarind->M_disable.Click();
  EXPECT_EQ(TrayItems(), (Lines{"f1", "f2", "f3"}));
  EXPECT_EQ(Handler().EnabledCount(), 0);
  EXPECT_TRUE(InStep() && os::fake::world().hotkeys.empty());
  EXPECT_EQ(listener_.told,
            (Lines{"refresh", "buttons", "refresh", "buttons", "refresh", "buttons"}));
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({f(1, 0), f(2, 0), f(3, 0)}));

  // At exit every registration goes; flags, check marks and file stay for the next start.
  Velmarind->M_enable.Click();
  os::fake::world().calls.clear();
  Velmarind->M_Quit.Click();
  EXPECT_TRUE(os::fake::world().hotkeys.empty());
  EXPECT_EQ(TrayItems(), (Lines{"+f1", "+f2", "+f3"}));
  EXPECT_EQ(Handler().EnabledCount(), 3);
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({f(1, 1), f(2, 1), f(3, 1)}));
  EXPECT_EQ(os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\hotkeylist"),
            Lines{});
}

// Each tray item finds its own record by id: a renamed submenu or a repeated name changes nothing.
TEST_F(HotkeyListTest, TrayItemsSitInTheHotkeysMenuAndToggleTheirOwnHotkey) {
  Restart(HotkeyFile({Hotkey("Tea & -", "", 1, "ALT", 2, 0, 7), Hotkey("x", "", 2, "ALT", 2, 0, 8),
                      Hotkey("x", "", 3, "ALT", 2, 0, 9)}));
  Velmarind->M_Hotkeys.Items(6)->Click();  // the second "x"
  EXPECT_EQ(Listed(), (Lines{"Tea & - 7", "x 8", "+x 9"}));
  const ui::TMenuItem* tea = Velmarind->M_Hotkeys.Items(4);
  EXPECT_TRUE(tea->Verbatim && !tea->IsSeparator());
  // A translation that gives two items of the menu one caption.
  Velmarind->M_Memo.Caption = Velmarind->M_Hotkeys.Caption = "Raccourcis";
  CHotkey added;
  added.Name = "new", added.Id = Handler().NewHotkeyId(), added.Modifier = "ALT";
  EXPECT_EQ(Handler().AddHotkey(added, true), 1);
  EXPECT_EQ(TrayItems(), (Lines{"Tea & -", "x", "+x", "new"}));
  EXPECT_EQ(listener_.told, (Lines{"refresh", "refresh"}));
  Velmarind->M_Hotkeys.Items(7)->Click();
  EXPECT_EQ(Listed(), (Lines{"Tea & - 7", "+new 1001", "x 8", "+x 9"})) << "saved, so sorted";
  EXPECT_TRUE(InStep());
}

// The name checks compare exactly; a hotkey being edited, known by its id, does not count.
TEST_F(HotkeyListTest, NamesAreLookedUpExactly) {
  Restart(
      HotkeyFile({Hotkey("Volume up", "", 1, "ALT", 2, 1, 7), Hotkey("b", "", 2, "", 2, 0, 8)}));
  CHotkeyHandler& h = Handler();
  // clang-format off
  const struct { const char* name; int found, state, freeForNew, freeForEdit7; } cases[] = {
      {"Volume up", 0, 1, 0, 1}, {"volume up", -1, -1, 1, 1}, {"b", 1, 0, 0, 0}, {"", -1, -1, 1, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(h.FindHotkey(c.name), c.found) << c.name;
    EXPECT_EQ(h.GetHotkeyState(c.name), c.state) << c.name;
    EXPECT_EQ(h.IsHotkeyNameFree(c.name, 0) * 10 + h.IsHotkeyNameFree(c.name, 7),
              c.freeForNew * 10 + c.freeForEdit7)
        << c.name;
  }
  EXPECT_EQ(h.EnableHotkey("Volume up", true), 0) << "enabled already";
  EXPECT_EQ(h.DisableHotkey("Volume up") * 10 + h.DisableHotkey("b"), 10) << "b: disabled already";
  EXPECT_EQ(h.EnableHotkey("c", true) + h.DisableHotkey("c"), -2);
  EXPECT_EQ(h.EnableHotkey("Volume up", false), 1);
  EXPECT_EQ(h.DeleteHotkey("Volume up"), 1) << "unregistered as it goes";
  EXPECT_EQ(h.DeleteHotkey("Volume up"), -1);
  EXPECT_EQ(TrayItems(), Lines{"b"});
  EXPECT_TRUE(os::fake::world().hotkeys.empty());
}

}  // namespace
