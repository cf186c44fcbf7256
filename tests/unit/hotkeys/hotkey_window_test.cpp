// The hotkey list window and the hotkey editor as the user works with them.
#include "hotkeys/hotkey_form.h"
#include "hotkeys/hotkey_test.h"
#include "support/refill_watch.h"

namespace {

using ui::headless::Type;

class HotkeyWindowTest : public HotkeyTest {
 protected:
  // Starts with that file; the window, not the fixture, hears the list.
  void StartWith(const Lines& records) {
    File("tasklist.ini") = "1\r\nnote\r\n\r\n\r\n\r\n\r\nOpen\r\n0\r\n0\r\n";
    Restart(HotkeyFile(records));
    Handler().Listener = F_HotkeyHandler;
    W().Show();
  }
  static TF_HotkeyHandler& W() { return *F_HotkeyHandler; }
  static TF_Hotkey& E() { return *F_Hotkey; }
  static void Select(ui::TListBox& list, const std::string& name) {
    const Lines items = list.Items();
    list.SetItemIndex(
        static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    list.NotifyClick();
  }
  // Which of Disable, Enable, Edit and Delete are enabled, "DNED" with '-' for a disabled one.
  static std::string Buttons() {
    std::string state;
    for (const auto& [b, c] : {std::pair{&W().B_disable, 'D'},
                               {&W().B_enable, 'N'},
                               {&W().B_edit, 'E'},
                               {&W().B_delete, 'X'}})
      state += b->Enabled() ? c : '-';
    return state;
  }
  static void Pick(ui::TComboBox& combo, const std::string& item) {
    const Lines items = combo.Items();
    combo.SetItemIndex(
        static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin()));
    combo.NotifyChange();
  }
  static void Choose(const std::string& function) {
    const Lines items = E().LB_functions.Items();
    E().LB_functions.SetItemIndex(
        static_cast<int>(std::find(items.begin(), items.end(), function) - items.begin()));
  }
};

const Lines kFive = {"a|Raise Volume|50|ALT||2|1|1", "b|note|10|WIN|x|0|0|2",
                     "c|tea|61|CTRL||1|0|3", "d|Stopwatch|0|SHIFT||2|1|4",
                     "e|Stopwatch|70|ALT|" + std::string(30, 'y') + "|2|0|5"};

TEST_F(HotkeyWindowTest, TheSelectionDecidesTheButtonsAndTheSummary) {
  StartWith(kFive);
  EXPECT_EQ(std::pair(W().Left(), W().Top()), std::pair(1248 - W().Width(), 992 - W().Height()));
  EXPECT_EQ(W().Caption(), "Enabled Hotkeys 2, Total 5");
  EXPECT_EQ(Buttons(), "----");
  // clang-format off
  const struct { char list; const char* name; const char* buttons; std::string summary; } rows[] = {
      {'+', "a", "D---", "Hotkey ALT+F1 - Raise Volume"},
      {'-', "b", "-NEX", "Hotkey WIN+A - Execute task: note - x"},
      {'-', "c", "-NEX", "Hotkey CTRL+F12 - Activate alarm: tea"},
      {'-', "e", "-NEX", "Hotkey ALT+ - Stopwatch - " + std::string(19, 'y') + "..."},
  };
  // clang-format on
  for (const auto& r : rows) {
    Select(r.list == '+' ? W().LB_enabled : W().LB_disabled, r.name);
    EXPECT_EQ(Buttons(), r.buttons) << r.name;
    EXPECT_EQ(W().StatusBar.SimpleText(), r.summary) << r.name;
    EXPECT_EQ((r.list == '+' ? W().LB_disabled : W().LB_enabled).ItemIndex(), -1);
  }
  EXPECT_EQ(W().StatusBar.SimpleText().size(), 48u);
  Select(W().LB_enabled, "a");
  W().LB_enabled.NotifyDblClick();  // disables it
  EXPECT_EQ(W().Caption() + " " + Buttons(), "Enabled Hotkeys 1, Total 5 ----");
  Hold(ui::MOD_ALT, 0x70);  // F1 taken by another program
  Select(W().LB_disabled, "a");
  ExpectError("The hotkey is already in use.");
  W().LB_disabled.NotifyDblClick();
  EXPECT_EQ(W().LB_disabled.Items(), (Lines{"a", "b", "c", "e"}));
  Select(W().LB_disabled, "b");
  W().B_delete.Click();  // no question
  EXPECT_EQ(TrayItems(), (Lines{"a", "c", "+d", "e"}));
  EXPECT_EQ(File("hotkeylist.ini").find("\r\nb\r\n"), std::string::npos);
  W().B_close.Click();
  EXPECT_EQ(W().StatusBar.SimpleText(), "");
}

TEST_F(HotkeyWindowTest, NewMakesADisabledHotkeyAndOkChecksNameAndFunction) {
  StartWith({"m|note|10|WIN||0|0|7"});
  W().B_new.Click();
  EXPECT_TRUE(E().Visible() && !E().Modal());
  EXPECT_EQ(std::pair(E().Left(), E().Top()), std::pair(1232 - E().Width(), 976 - E().Height()));
  EXPECT_EQ(E().Caption() + "|" + E().CB_mod.Text() + "+" + E().CB_key.Text() + "|" +
                E().CB_function.Text() + "|" + E().L_function.Caption(),
            "New Hotkey|WIN+A|Execute Task|Task Name");
  EXPECT_FALSE(E().B_ok.Enabled());
  Type(E().LE_name, "m");
  EXPECT_TRUE(E().B_ok.Enabled());
  Choose("note");
  ExpectError("A Hotkey by that name already exists.");
  E().B_ok.Click();
  EXPECT_EQ(ui::headless::FocusedHandle(), E().LE_name.Handle());
  E().LE_name.SetText("x");
  Pick(E().CB_function, "Activate Alarm");
  EXPECT_EQ(E().LB_functions.ItemIndex(), -1) << "the choice is dropped";
  Pick(E().CB_function, "Extra Functions");
  EXPECT_EQ(E().LB_functions.Count(), 20);
  ExpectError("Select a function for this Hotkey");
  E().B_ok.Click();
  Pick(E().CB_mod, "ALT"), Pick(E().CB_key, "F1"), Choose("Raise Volume");
  E().B_ok.Click();
  EXPECT_FALSE(E().Visible());
  EXPECT_EQ(W().LB_disabled.Items(), (Lines{"m", "x"}));
  EXPECT_EQ(TrayItems(), (Lines{"m", "x"}));
  EXPECT_EQ(File("hotkeylist.ini"),
            HotkeyFile({"m|note|10|WIN||0|0|7", "x|Raise Volume|50|ALT||2|0|1001"}));
  // The same name in another case is another hotkey.
  W().B_new.Click();
  Type(E().LE_name, "M");
  Choose("note");
  E().B_ok.Click();
  EXPECT_EQ(W().LB_disabled.Items(), (Lines{"M", "m", "x"}));
  EXPECT_EQ(File("hotkeylist.ini"), HotkeyFile({"M|note|10|WIN||0|0|1002", "m|note|10|WIN||0|0|7",
                                                "x|Raise Volume|50|ALT||2|0|1001"}));
  // With every id taken no more are made.
  Handler().Hotkeys.resize(1);
  for (int id = 1; id <= CHotkeyHandler::kMaxId; ++id)
    Handler().Hotkeys.push_back({"id", "", 0, "", "", 0, 0, id});
  W().B_new.Click();
  Type(E().LE_name, "n");
  Choose("note");
  ExpectError("No more hotkeys can be created: all 9000 ids are in use.");
  E().B_ok.Click();
  EXPECT_TRUE(E().Visible());
  E().B_cancel.Click();
}

// Line breaks typed into the name or extra text are stored as the blanks the file holds, so the
// list is saved in order and reads back to the same bytes; a name that differs only there is taken.
TEST_F(HotkeyWindowTest, TypedLineBreaksAreStoredAsBlanksSoTheFileIsInOrder) {
  StartWith({"b\x1F|note|10|WIN||0|0|7"});  // after "b\r..." in byte order, before "b ..."
  const auto store = [](const char* name) {
    W().B_new.Click();
    E().LE_name.SetText(name);
    E().LE_extra.SetText("one\r\ntwo");
    Choose("note");
    E().B_ok.Click();
  };
  store("b\rz");
  EXPECT_EQ(Handler().Hotkeys.at(1).Extra, "one  two");
  EXPECT_EQ(File("hotkeylist.ini"),
            HotkeyFile({"b\x1F|note|10|WIN||0|0|7", "b z|note|10|WIN|one  two|0|0|1001"}));
  const std::string saved = File("hotkeylist.ini");
  Restart(saved);
  ASSERT_EQ(Handler().SaveHotkeys("hotkeylist.ini"), 1);
  EXPECT_EQ(File("hotkeylist.ini"), saved) << "read and written again, the same bytes";
  ExpectError("A Hotkey by that name already exists.");
  store("b\nz");
  E().B_cancel.Click();
}

// New, then Edit on "m": the same editor shows all of "m" and edits it. Meanwhile "a" (sorting
// before it) is deleted and the list saved, and "m" is enabled from the tray; OK writes "m",
// disabled again.
TEST_F(HotkeyWindowTest, TheEditedHotkeyIsFoundByItsIdWhateverHappenedMeanwhile) {
  StartWith({"m|Stopwatch|61|ALT|ex|2|0|7", "a|note|10|WIN||0|0|8", "z|note|11|WIN||0|0|9"});
  W().B_new.Click();
  Select(W().LB_disabled, "m");
  W().B_edit.Click();
  EXPECT_EQ(E().Caption() + "|" + E().CB_mod.Text() + "+" + E().CB_key.Text() + "|" +
                E().L_function.Caption() + ": " + E().LB_functions.Text() + "|" +
                E().LE_extra.Text(),
            "Edit Hotkey|ALT+F12|Extra Functions: Stopwatch|ex");
  Handler().DeleteHotkey("a");
  Handler().SaveHotkeys("hotkeylist.ini");
  ClickTrayItem(0);  // "m" on
  E().LE_name.SetText("renamed");
  E().B_ok.Click();
  EXPECT_EQ(Listed(), (Lines{"renamed 7", "z 9"}));
  EXPECT_EQ(TrayItems(), (Lines{"renamed", "z"}));
  EXPECT_EQ(W().Caption(), "Enabled Hotkeys 0, Total 2");
  // Kept its name: accepted.
  ui::headless::Expect([](ui::headless::Dialog&) {
    E().LE_extra.SetText("kept");
    E().B_ok.Click();
    return 0;
  });
  Select(W().LB_disabled, "z");
  W().B_edit.Click();
  EXPECT_EQ(Handler().Hotkeys.at(Handler().FindHotkey("z")).Extra, "kept");
  // Deleted while edited: said, nothing stored, the editor closes.
  Select(W().LB_disabled, "z");
  ui::headless::Expect([](ui::headless::Dialog& d) {
    Handler().DeleteHotkey("z");
    ExpectError("The hotkey being edited no longer exists");
    E().B_ok.Click();
    EXPECT_EQ(d.form, F_Hotkey);
    return 0;
  });
  W().B_edit.Click();
  EXPECT_EQ(Listed(), Lines{"renamed 7"});
}

// Each change moves one hotkey's entry, within a list or between the two, and refills neither;
// the lists are left without a selection and the caption counts again.
TEST_F(HotkeyWindowTest, EachChangeMovesOneEntryAndRefillsNoList) {
  StartWith({"a|note|61|WIN||0|1|1", "z|note|11|WIN||0|0|2"});
  const auto make = [] {
    W().B_new.Click(), Type(E().LE_name, "n"), Choose("note"), E().B_ok.Click();
  };
  const auto rename = [] {
    Select(W().LB_disabled, "n");
    ui::headless::Expect([](ui::headless::Dialog&) {
      E().LE_name.SetText("m"), E().B_ok.Click();
      return 0;
    });
    W().B_edit.Click();
  };
  // clang-format off
  const struct { const char* what; std::function<void()> act; const char* listed; } steps[] = {
      {"new",     make,                                                             "1/3: a | n z"},
      {"enable",  [] { Select(W().LB_disabled, "n"), W().B_enable.Click(); },       "2/3: a n | z"},
      {"disable", [] { Select(W().LB_enabled, "n"), W().B_disable.Click(); },       "1/3: a | n z"},
      {"rename",  rename,                                                           "1/3: a | m z"},
      {"delete",  [] { Select(W().LB_disabled, "m"), W().B_delete.Click(); },       "1/2: a | z"},
      {"tray",    [] { ClickTrayItem(1); },                                         "2/2: a z | "},
  };
  // clang-format on
  for (const auto& step : steps) {
    const RefillWatch watch({&W().LB_enabled, &W().LB_disabled});
    step.act();
    const std::string enabled = std::to_string(Handler().EnabledCount()),
                      total = std::to_string(Handler().Count());
    EXPECT_EQ(
        enabled + "/" + total + ": " + Joined(W().LB_enabled) + " | " + Joined(W().LB_disabled),
        step.listed)
        << step.what;
    EXPECT_EQ(W().Caption(), "Enabled Hotkeys " + enabled + ", Total " + total) << step.what;
    EXPECT_EQ(W().LB_enabled.ItemIndex() + W().LB_disabled.ItemIndex(), -2) << step.what;
    watch.Check([] { W().RefreshHotkeyLists(); }, step.what);
  }
  // Disable All changes every hotkey: one refill instead of an entry at a time.
  const int refills = ui::headless::ItemRefills(W().LB_enabled);
  Velmarind->M_disable.Click();
  EXPECT_EQ(ui::headless::ItemRefills(W().LB_enabled) - refills, 1);
  EXPECT_EQ(W().LB_disabled.Count(), 2);
}

// A name twice in a hand-made file: the later hotkey is kept under a free name, so what the window
// shows selected is what its buttons and summary act on.
TEST_F(HotkeyWindowTest, ANameTwiceIsKeptApartAndEachEntryActsOnItsOwnHotkey) {
  StartWith({"dup|note|10|WIN||0|1|1", "dup|note|11|WIN||0|0|2", "dup|note|12|WIN||0|0|3"});
  Select(W().LB_disabled, "dup (2)");
  EXPECT_EQ(W().StatusBar.SimpleText(), "Hotkey WIN+B - Execute task: note");
  W().B_enable.Click();
  Select(W().LB_disabled, "dup (3)");
  W().B_delete.Click();
  EXPECT_EQ(Listed(), (Lines{"+dup 1", "+dup (2) 2"}));
  EXPECT_EQ(File("hotkeylist.ini"),
            HotkeyFile({"dup|note|10|WIN||0|1|1", "dup (2)|note|11|WIN||0|1|2"}));
}

TEST_F(HotkeyWindowTest, WithoutAFileTheCaptionCountsNothing) {
  Restart(std::nullopt);
  EXPECT_EQ(W().Caption(), "Enabled Hotkeys 0, Total 0");
}

}  // namespace
