// The hotkey list: hotkeylist.ini, registration with the fake registrar, tray items and ids.
#include <climits>

#include "common/key_table.h"
#include "hotkeys/hotkey_test.h"
#include "settings/settings_form.h"

namespace {

using HotkeyListTest = HotkeyTest;
const std::string kSaveFailed = "Could not save C:\\Velmarind\\hotkeylist.ini";

TEST_F(HotkeyListTest, SavingSortsByByteOrderAndWritesWhatWasReadByteForByte) {
  const std::string b = "b|Raise Volume|50|ALT||2|1|131", B = "B|note|-5|WIN|some extra|0|0|7",
                    a = "a" + std::string(299, 'x') + "|alarm|61|CTRL||1|0|9000";
  for (bool lfOnly : {false, true}) {
    std::string file = HotkeyFile({b, B, a});
    if (lfOnly) std::erase(file, '\r');
    Restart(file);
    ClickTrayItem(0), ClickTrayItem(0);  // b off and on again: each click saves
    EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({B, a, b}));
    EXPECT_EQ(Listed(), (Lines{"B 7", a.substr(0, 300) + " 9000", "+b 131"}));
    EXPECT_EQ(TrayItems(), (Lines{"+b", "B", a.substr(0, 300)})) << "not reordered";
  }
  // A failed save says so and keeps the old file and the list's order.
  os::fake::world().failingSaves.insert(std::string(kDir) + "hotkeylist.ini");
  ExpectError(kSaveFailed);
  ClickTrayItem(1);  // B: its key is outside the list, which no box reports
  EXPECT_EQ(Handler().SaveHotkeys("hotkeylist.ini"), 0);
  EXPECT_EQ(File("hotkeylist.ini") + Listed()[0], HotkeyFile({B, a, b}) + "B 7");
  told.clear();
  EXPECT_EQ(Handler().LoadHotkeys("missing.ini") * 10 + Handler().LoadHotkeys("hotkeylist.ini"), 1);
  EXPECT_EQ(told, Lines{"refresh"}) << "only a file read is told";
}

TEST_F(HotkeyListTest, AnyFileLoadsTheRecordsItHoldsEachWithAnIdOfItsOwn) {
  const std::string x = "x||50|ALT||2|0|1", y = "y||51|ALT||2|0|2";
  // clang-format off
  const struct { std::string file; Lines listed; } cases[] = {
      {HotkeyFile({x, y}, "-1"), {"x 1", "y 2"}},    {HotkeyFile({x, y}, "abc"), {"x 1", "y 2"}},
      {HotkeyFile({x, y}, "70000"), {"x 1", "y 2"}}, {HotkeyFile({x, y}, "3"), {"x 1", "y 2"}},
      {HotkeyFile({x, y}, "1"), {"x 1"}},            {"", {}},
      {HotkeyFile({"x||50|ALT||2|1|1", "y|p|51"}), {"+x 1", "y 1001"}},  // cut short: disabled, a fresh id
      {HotkeyFile({"x||50|ALT||2|0|0"}), {"x 1001"}},      {HotkeyFile({"x||50|ALT||2|0|9000"}), {"x 9000"}},
      {HotkeyFile({"x||50|ALT||2|0|10000"}), {"x 1001"}},  {HotkeyFile({"x||50|ALT||2|0|-3"}), {"x 1001"}},
      {HotkeyFile({"x||50|ALT||2|1|2", y}), {"+x 2", "y 1001"}},  // the first keeps a shared id
      {HotkeyFile({"x||50|ALT||2|0|0", "y||51|ALT||2|0|1001"}), {"x 1002", "y 1001"}},  // never a later one's
      {HotkeyFile({"x||50|ALT||2|2|1"}), {"x 1"}},         {HotkeyFile({"x||50|ALT||2|-1|1"}), {"x 1"}},
      {HotkeyFile({"x||50|ALT||2|1|1", "X||51|ALT||2|0|2", "x||52|ALT||2|1|3", "x (2)||53|ALT||2|0|4"}),
       {"+x 1", "X 2", "+x (2) 3", "x (2) (2) 4"}},  // a name taken before is kept apart
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(c.file);
    EXPECT_EQ(Listed(), c.listed) << c.file;
    EXPECT_EQ(File("hotkeylist.ini"), c.file) << "loading writes nothing";
  }
  std::string many;  // never more hotkeys than ids
  for (int id = 1; id <= 9001; ++id) many += "h||0|||0|0|" + std::to_string(id) + "\r\n";
  std::replace(many.begin(), many.end(), '|', '\n');
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.caption + ": " + d.text + " " + std::to_string(d.flags),
              "Information: 1 hotkeys were not loaded: the list holds at most 9000 hotkeys. " +
                  std::to_string(ui::MB_ICONINFORMATION));
    return ui::IDOK;
  });
  Restart("9001\r\n" + many);
  ui::headless::AdvanceTime(1);  // told once the message loop runs
  EXPECT_EQ(Handler().Count() * 10 + Handler().NewHotkeyId(), 90000) << "all 9000 taken: 0";
}

TEST_F(HotkeyListTest, NewIdsSkipTakenOnesAndEndWhenNoneIsFree) {
  // clang-format off
  const struct { Lines held; std::vector<int> draws; int id; } cases[] = {
      {{}, {41}, 42}, {{"42", "43"}, {41, 42, 43}, 44},  // taken draws are skipped
      {{"1", "2"}, {0}, 3},                              // every draw taken: the lowest free id
      {{"9000"}, {8999, 9000}, 1},                       // the last id, taken; then the first
  };
  // clang-format on
  for (const auto& c : cases) {
    Lines records;
    for (const std::string& id : c.held) records.push_back("h||0|||2|0|" + id);
    Restart(HotkeyFile(records));
    std::size_t next = 0;
    CHotkeyHandler::NextRandom = [&] { return c.draws[std::min(next++, c.draws.size() - 1)]; };
    EXPECT_EQ(Handler().NewHotkeyId(), c.id);
  }
  Handler().Hotkeys.clear();
  for (int id = 1; id < 9000; ++id) Handler().Hotkeys.emplace_back().Id = id;
  CHotkeyHandler::NextRandom = [] { return 0; };
  EXPECT_EQ(Handler().NewHotkeyId(), 9000) << "the scan goes up to the last id";
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
  Restart(std::nullopt);
  const std::string call = "hotkeys::Register(" + std::to_string(Velmarind->Handle()) + ",5,";
  const Lines& names = common::KeyNames();
  ASSERT_EQ(names.size(), 62u);
  EXPECT_EQ(names[36] + "|" + names[49] + "|" + names[61], "Numeric keypad 0|Divide key|F12");
  for (int position = -1; position <= 62; ++position) {
    const bool listed = position >= 0 && position < 62;
    const int code = listed ? CodeOfName(names[position]) : -1;
    os::fake::world().calls.clear();
    EXPECT_EQ(TF_HotkeyHandler::RegisterGlobalHotkey(5, "ALT", position, true), listed);
    EXPECT_EQ(os::fake::world().calls,
              listed ? Lines{call + "1," + std::to_string(code) + ")"} : Lines{})  // and no box
        << position;
    TF_HotkeyHandler::UnregisterGlobalHotkey(5);
    EXPECT_EQ(TF_Settings::KeyIndexToVirtualKey(position + 1), code) << "the memo's index";
  }
  EXPECT_EQ(TF_Settings::KeyIndexToVirtualKey(INT_MIN), -1);
  for (const auto& [modifier, flags] :
       {std::pair{"ALT", 1}, {"CTRL", 2}, {"SHIFT", 4}, {"WIN", 8}, {"alt", 8}, {"", 8}}) {
    TF_HotkeyHandler::RegisterGlobalHotkey(5, modifier, 50, false);
    TF_HotkeyHandler::UnregisterGlobalHotkey(5);
    EXPECT_EQ(os::fake::world().calls.end()[-2], call + std::to_string(flags) + ",112)");
  }
}

// A refusal is silent at load and in "Enable All"; the tray item says so.
TEST_F(HotkeyListTest, RefusedRegistrationsLeaveTheHotkeyDisabledAndOnlyTheTraySaysSo) {
  auto f = [](int n, int on) {  // "fN" on ALT+FN, id N
    const std::string number = std::to_string(n);
    return "f" + number + "||" + std::to_string(49 + n) + "|ALT||2|" + std::to_string(on) + "|" +
           number;
  };
  Hold(ui::MOD_ALT, 0x70), Hold(ui::MOD_ALT, 0x71);
  Restart(HotkeyFile({f(1, 1), f(2, 1), f(3, 0)}));  // no box
  EXPECT_EQ(Listed(), (Lines{"f1 1", "f2 2", "f3 3"}));
  ExpectError("The hotkey is already in use.");
  ClickTrayItem(0), ClickTrayItem(2);
  EXPECT_EQ(Listed(), (Lines{"f1 1", "f2 2", "+f3 3"}));
  EXPECT_EQ(told, (Lines{"update", "move f3 > +f3", "update"})) << "the buttons are left alone";
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({f(1, 0), f(2, 0), f(3, 1)}));
  ClickTrayItem(2);
  EXPECT_EQ(Listed().back() + File("hotkeylist.ini"),
            "f3 3" + HotkeyFile({f(1, 0), f(2, 0), f(3, 0)}));
}

TEST_F(HotkeyListTest, EnableAllDisableAllAndExitKeepFlagsMarksAndRegistrationsInStep) {
  const Lines all = {"a||50|ALT||2|1|1", "b||51|ALT||2|1|2", "c||52|ALT||2|0|3"};
  Hold(ui::MOD_ALT, 0x70), Hold(ui::MOD_ALT, 0x71);
  Restart(HotkeyFile(all));
  Velmarind->M_enable.Click();  // two held: no box, both stay disabled
  EXPECT_EQ(Listed(), (Lines{"a 1", "b 2", "+c 3"}));
  EXPECT_EQ(Handler().EnabledCount(), 1);
  Hold(ui::MOD_ALT, 0x70, false), Hold(ui::MOD_ALT, 0x71, false);
  Velmarind->M_enable.Click();
  EXPECT_EQ(Listed(), (Lines{"+a 1", "+b 2", "+c 3"}));
  Velmarind->M_disable.Click();
  EXPECT_EQ(Listed(), (Lines{"a 1", "b 2", "c 3"}));
  EXPECT_EQ(told, (Lines{"refresh", "buttons", "refresh", "buttons", "refresh", "buttons"}));
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({"a||50|ALT||2|0|1", "b||51|ALT||2|0|2", all[2]}));
  Velmarind->M_enable.Click();
  Velmarind->M_Quit.Click();  // every registration goes; flags, marks and file stay
  EXPECT_TRUE(os::fake::world().hotkeys.empty());
  EXPECT_EQ(Handler().EnabledCount(), 3);
  EXPECT_EQ(TrayItems(), (Lines{"+a", "+b", "+c"}));
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({all[0], all[1], "c||52|ALT||2|1|3"}));
}

// Each tray item finds its own record by id: one caption for two items of the menu (a
// translation) changes nothing.
TEST_F(HotkeyListTest, TrayItemsSitInTheHotkeysMenuAndToggleTheirOwnHotkey) {
  Restart(HotkeyFile({"Tea & -||1|ALT||2|0|7", "x||2|ALT||2|0|8", "y||3|ALT||2|0|9"}));
  ClickTrayItem(2);
  EXPECT_EQ(Listed(), (Lines{"Tea & - 7", "x 8", "+y 9"}));
  EXPECT_TRUE(Velmarind->M_Hotkeys.Items(4)->Verbatim);
  Velmarind->M_Memo.Caption = Velmarind->M_Hotkeys.Caption = "Raccourcis";
  CHotkey added;
  added.Name = "new", added.Modifier = "ALT", added.Id = 5;
  EXPECT_EQ(Handler().AddHotkey(added, true), 1);
  ClickTrayItem(3);
  EXPECT_EQ(Listed(), (Lines{"Tea & - 7", "+new 5", "x 8", "+y 9"})) << "saved, so sorted";
  EXPECT_EQ(told, (Lines{"move y > +y", "update", "move none > new", "update", "move new > +new",
                         "update"}))
      << "one entry moved at a time";
}

// Names are compared exactly; the hotkey being edited, known by its id, does not count.
TEST_F(HotkeyListTest, NamesAreLookedUpExactly) {
  Restart(HotkeyFile({"Up||1|ALT||2|1|7", "b||2|ALT||2|0|8"}));
  CHotkeyHandler& h = Handler();
  for (const auto& [name, found] :
       {std::pair{"Up", "0 1 0 1"}, {"up", "-1 -1 1 1"}, {"b", "1 0 0 0"}, {"", "-1 -1 1 1"}})
    EXPECT_EQ(std::to_string(h.FindHotkey(name)) + " " + std::to_string(h.GetHotkeyState(name)) +
                  " " + std::to_string(h.IsHotkeyNameFree(name, 0)) + " " +
                  std::to_string(h.IsHotkeyNameFree(name, 7)),
              found);
  EXPECT_EQ(h.EnableHotkey("Up", true) * 10 + h.DisableHotkey("b"), 0) << "already so";
  EXPECT_EQ(h.DisableHotkey("Up") * 10 + h.EnableHotkey("Up", false), 11);
  EXPECT_EQ(h.EnableHotkey("c", true) + h.DisableHotkey("c"), -2);
  EXPECT_EQ(h.DeleteHotkey("Up") * 10 + h.DeleteHotkey("Up"), 9) << "1, then -1";
  EXPECT_EQ(TrayItems(), Lines{"b"});
  EXPECT_TRUE(os::fake::world().hotkeys.empty()) << "unregistered as it went";
}

}  // namespace
