// The settings dialog: filling and closing (checks, the record, settings.ini), its buttons and
// the memo hotkey.
#include <set>

#include "common/data_file.h"
#include "memo/memo_form.h"
#include "settings/settings_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

using ui::headless::Dialog;
using Strings = std::vector<std::string>;

Strings LinesOf(const std::string& text) {
  Strings lines;
  for (common::LineReader reader(text); !reader.AtEnd();) lines.emplace_back(reader.Next());
  return lines;
}

class SettingsDialog : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
  }
  TF_Settings& F() { return *F_Settings; }
  void Open() { Velmarind->M_Settings.Click(); }
  bool CloseDialog() {  // true when it closed
    F().Close();
    return !F().Visible();
  }
  // Lines of settings.ini, counted from 1, joined by "|".
  static std::string Lines(std::initializer_list<std::size_t> numbers) {
    std::string joined;
    for (std::size_t n : numbers) joined += "|" + LinesOf(File("settings.ini")).at(n - 1);
    return joined.substr(1);
  }
  static void ExpectBox(const std::string& caption, const std::string& text,
                        unsigned flags = ui::MB_ICONEXCLAMATION) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text + " " + std::to_string(d.flags),
                caption + ": " + text + " " + std::to_string(flags));
      return ui::IDOK;
    });
  }
  std::vector<ui::TCheckBox*> Boxes() {
    // clang-format off
    return {&F().CB_lastknown, &F().CB_saveurls, &F().CB_trans, &F().CB_alarmmessages, &F().CB_add_alarm, &F().CB_add_memo,
            &F().CB_special1, &F().CB_special2, &F().CB_special3, &F().CB_open_browser, &F().CB_movemouse, &F().CB_no_message,
            &F().CB_no_sounds, &F().CB_no_execute, &F().CB_res_messages, &F().CB_res_tasks, &F().CB_res_sounds, &F().CB_aaNew,
            &F().CB_aaEdit, &F().CB_filter1, &F().CB_filter2, &F().CB_filter3};
    // clang-format on
  }
  // Our own registered hotkeys as "modifiers,key".
  std::string RegisteredHotkeys() {
    std::string registered;
    for (const auto& [where, combo] : os::fake::world().hotkeys)
      if (where.first == Velmarind->Handle())
        registered += std::to_string(combo.first) + "," + std::to_string(combo.second);
    return registered;
  }
};

// Each box changes one line of settings.ini, a different one for each, and the menu boxes add
// the second tray menu. Opening and closing again, after a restart, then changes nothing.
TEST_F(SettingsDialog, EachBoxChangesItsOwnLineAndOpenAndCloseChangesNothing) {
  File("ding.wav") = "RIFF";
  Open();
  ASSERT_TRUE(CloseDialog());
  auto before = LinesOf(File("settings.ini"));
  const std::set<ui::TCheckBox*> menuBoxes = {
      &F().CB_alarmmessages, &F().CB_add_alarm, &F().CB_add_memo,    &F().CB_special1,
      &F().CB_special2,      &F().CB_special3,  &F().CB_open_browser};
  std::set<std::size_t> changed;
  bool anyMenuBox = false;
  for (ui::TCheckBox* box : Boxes()) {
    Open();
    box->SetChecked(!box->Checked());
    ASSERT_TRUE(CloseDialog());
    const auto lines = LinesOf(File("settings.ini"));
    ASSERT_EQ(lines.size(), before.size());
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i] != before[i]) differing.push_back(i);
    ASSERT_EQ(differing.size(), 1u) << changed.size();
    EXPECT_EQ(lines[differing[0]], box->Checked() ? "1" : "0");
    changed.insert(differing[0]);
    anyMenuBox = anyMenuBox || (menuBoxes.count(box) && box->Checked());
    EXPECT_EQ(Settings().AnyTrayExtra, anyMenuBox) << changed.size();
    before = lines;
  }
  EXPECT_EQ(changed.size(), Boxes().size());
  Open();
  // clang-format off
  for (ui::TEdit* edit : std::initializer_list<ui::TEdit*>{&F().LE_Delay, &F().LE_Repeat, &F().LE_Browser, &F().E_x, &F().E_y,
          &F().E_sizex, &F().E_sizey, &F().LE_divisor, &F().LE_autoclose, &F().E_f2_name, &F().E_f2, &F().E_f3_name,
          &F().E_f3, &F().E_f4_name, &F().E_f4, &F().E_filter1, &F().E_filter2, &F().E_filter3})
    edit->SetText(edit->Text() + "7");
  // clang-format on
  F().E_resx.SetText("1280");
  F().E_resy.SetText("1024");
  F().LE_Sound.SetText("C:\\Velmarind\\ding.wav");
  F().LE_conf_sound.SetText("C:\\Velmarind\\ding.wav");
  F().CB_pos.SetItemIndex(3);
  F().TB_transvalue.SetPosition(5);
  ASSERT_TRUE(CloseDialog());
  Finish();
  const std::string saved = File("settings.ini");
  Start();  // the controls are filled from the record once, at start-up
  Open();
  EXPECT_TRUE(Settings().AnyTrayExtra && Velmarind->M_openinbrowser.Visible) << "the tray menus";
  ASSERT_TRUE(CloseDialog());
  EXPECT_EQ(File("settings.ini"), saved);
}

// Each row types into one or two boxes and closes: the boxes then show, and settings.ini holds
// (the delay in milliseconds), what closing made of the text.
TEST_F(SettingsDialog, ClosingStoresWhatTheBoxesSay) {
  File("ding.wav") = "RIFF";
  for (const char* name : {"ding.wav", "local.wav", "D:\\s\\a.wav"})  // the current folder
    os::fake::world().files[name] = "RIFF";
  TF_Settings& f = F();
  // clang-format off
  const struct { ui::TEdit* a; const char* typedA; ui::TEdit* b; const char* typedB; std::size_t lineA, lineB; std::string shown; } cases[] = {
      {&f.LE_Delay, "0", &f.LE_Repeat, "0", 2, 3, "1|1"}, {&f.LE_Delay, "", &f.LE_Repeat, "", 2, 3, "2|3"},
      {&f.LE_autoclose, "", nullptr, "", 43, 0, "0"}, {&f.E_sizex, "", &f.E_sizey, "", 13, 14, "360|320"},
      {&f.E_x, "", &f.E_y, "200", 11, 12, "16|16"}, {&f.E_x, "100", &f.E_y, "", 11, 12, "16|16"},  // either empty: both 16
      {&f.E_x, "100", &f.E_y, "200", 11, 12, "100|200"},
      {&f.E_resx, "1024", &f.E_resy, "", 32, 33, "|"}, {&f.E_resx, "0800", &f.E_resy, "0600", 32, 33, "800|600"},  // both or none
      {&f.E_resx, "10", &f.E_resy, "11", 32, 33, "|11"}, {&f.E_resx, "11", &f.E_resy, "10", 32, 33, "11|"},  // at least 11
      {&f.LE_Sound, "ding.wav", &f.LE_conf_sound, "ding.wav", 1, 51, "C:\\Velmarind\\ding.wav|ding.wav"},
      {&f.LE_Sound, "local.wav", &f.LE_conf_sound, "", 1, 51, "local.wav|"}, {&f.LE_Sound, "", &f.LE_conf_sound, "D:\\s\\a.wav", 1, 51, "|D:\\s\\a.wav"},
  };
  // clang-format on
  F().CB_lastknown.SetChecked(false);  // the boxes, not the memo window, give the geometry
  for (const auto& c : cases) {
    Open();
    c.a->SetText(c.typedA);
    if (c.b) c.b->SetText(c.typedB);
    ASSERT_TRUE(CloseDialog()) << c.typedA;
    EXPECT_EQ(c.a->Text() + (c.b ? "|" + c.b->Text() : ""), c.shown) << c.typedA;
    const std::string stored =
        c.lineA == 2 ? c.shown.substr(0, 1) + "000" + c.shown.substr(1) : c.shown;
    EXPECT_EQ(c.lineB ? Lines({c.lineA, c.lineB}) : Lines({c.lineA}), stored) << c.typedA;
  }
}

// A refused close changes neither the record nor settings.ini, whichever check refused it, so
// quitting afterwards saves the settings as they were and the second tray menu still opens.
TEST_F(SettingsDialog, AFieldInErrorKeepsTheDialogOpenOnItsPageAndNothingIsStored) {
  const std::string number = "\" must be a whole number.";
  const std::string missing = "C:\\none.wav";
  // clang-format off
  const struct { ui::TEdit* edit; std::string message; int page; ui::TEdit* alsoMissing; } cases[] = {
      {&F().LE_Delay, "\"Delay between alarm signal" + number, TF_Settings::kMainPage, nullptr},
      {&F().E_x, "\"Horizontal Position" + number, TF_Settings::kMemoPage, nullptr},
      {&F().LE_autoclose, "\"Autoclose Message Window" + number, TF_Settings::kExtra2Page, nullptr},
      {&F().LE_conf_sound, "That file does not exist", TF_Settings::kExtra2Page, &F().LE_Sound},  // reported first
      {&F().LE_Sound, "That file does not exist", TF_Settings::kMainPage, nullptr},
  };
  // clang-format on
  Open();                              // away from the factory values that closing would put back
  F().CB_lastknown.SetChecked(false);  // enables the geometry boxes
  F().CB_no_sounds.SetChecked(true);
  F().CB_aaNew.SetChecked(false);
  F().CB_add_memo.SetChecked(true);
  F().LE_autoclose.SetText("30");
  ASSERT_TRUE(CloseDialog());
  for (const auto& c : cases) {
    const std::string file = File("settings.ini"), record = Settings().ToFileText();
    Open();
    F().PC_settings.SetActivePageIndex(TF_Settings::kMenuPage);
    F().CB_add_alarm.SetChecked(true);
    c.edit->SetText(c.edit == &F().LE_Sound || c.edit == &F().LE_conf_sound ? missing : "12x");
    if (c.alsoMissing) c.alsoMissing->SetText(missing);
    ExpectBox("Error", c.message);
    EXPECT_FALSE(CloseDialog());
    EXPECT_EQ(F().PC_settings.ActivePageIndex(), c.page) << c.message;
    EXPECT_EQ(ui::headless::FocusedHandle(), c.edit->Handle()) << c.message;
    EXPECT_EQ(Settings().ToFileText(), record) << c.message;
    EXPECT_EQ(Settings().AnyTrayExtra, 1) << c.message;
    EXPECT_TRUE(Velmarind->M_addclipboard.Visible && !Velmarind->M_newalarm.Visible) << c.message;
    EXPECT_EQ(File("settings.ini"), file) << c.message;
    for (ui::TEdit* edit : {c.edit, c.alsoMissing})
      if (edit) edit->SetText(edit == &F().LE_autoclose ? "30" : "");
    F().CB_add_alarm.SetChecked(false);
    EXPECT_TRUE(CloseDialog());
  }
}

// The geometry boxes are then disabled: one in error is not the user's to fix and counts as empty.
TEST_F(SettingsDialog, WithLastKnownTheMemoWindowGivesTheGeometry) {
  F_Memo->SetBounds(40, 50, 300, 200);
  Open();
  ASSERT_TRUE(F().CB_lastknown.Checked());
  F().E_x.SetText("500");
  F().E_sizex.SetText("9z");
  ASSERT_TRUE(CloseDialog());
  EXPECT_EQ(Lines({11, 12, 13, 14}) + " " + F().E_sizex.Text(), "40|50|300|200 360");
}

TEST_F(SettingsDialog, DefaultSettingsKeepLanguageFolderAndTheRegisteredHotkey) {
  Finish();
  PrepareSettings([](CSettings& s) {
    s.Language = "Default";
    s.MemoHotkeyMod = "ALT";
    s.MemoHotkeyKey = 11;
    std::tie(s.MemoLeft, s.MemoTop, s.MemoWidth, s.MemoHeight) = std::tuple(40, 50, 300, 200);
  });
  Start();
  const std::string before = File("settings.ini");
  Open();
  F().B_default.Click();
  EXPECT_EQ(RegisteredHotkeys() + " " + F().LB_mod.Text(), "1,65 NONE");
  EXPECT_EQ(File("settings.ini"), before) << "written only on closing";
  F().CB_lastknown.SetChecked(false);  // the boxes, not the memo window, give the geometry
  ASSERT_TRUE(CloseDialog());
  EXPECT_EQ(Lines({2, 11, 12, 13, 14, 17, 35}), "2000|16|16|360|320|NONE|Default");
}

TEST_F(SettingsDialog, ClosingFromTheMenuNamesTheFileItCouldNotSave) {
  os::fake::world().failingSaves.insert(std::string(kDir) + "settings.ini");
  Open();
  ExpectBox("Error", "Could not save C:\\Velmarind\\settings.ini");
  Open();  // the menu item toggles the dialog
  EXPECT_FALSE(F().Visible());
}

TEST_F(SettingsDialog, PlayButton) {
  // clang-format off
  const struct { const char* file; bool refused; const char* error; std::size_t plays; } cases[] = {
      {"C:\\Velmarind\\sound.wav", false, nullptr, 1}, {"C:\\Velmarind\\sound.wav", true, "Failed to play that file!", 1},
      {"C:\\gone.wav", false, "File not found!", 0},
  };
  // clang-format on
  Open();
  for (const auto& c : cases) {
    os::fake::world().calls.clear();
    os::fake::world().soundRefused = c.refused;
    F().LE_Sound.SetText(c.file);
    F().B_default.SetFocus();
    if (c.error) ExpectBox("Error", c.error);
    F().B_Play.Click();
    EXPECT_EQ(os::fake::CallsStartingWith("sound::PlayWave"),
              Strings(c.plays, "sound::PlayWave(\"" + std::string(c.file) + "\",139265)"));
    EXPECT_EQ(ui::headless::FocusedHandle() == F().LE_Sound.Handle(), c.plays == 0)
        << "a missing file takes the focus";
  }
}

// Only a chosen file, of the wave files the dialog lists: a cancelled dialog still remembers the
// file chosen for the other field.
TEST_F(SettingsDialog, SoundLinksFillTheirOwnFieldOnlyWithAChosenFile) {
  Open();
  ui::headless::Expect([](Dialog& d) {
    EXPECT_EQ(d.caption + ": " + d.text, "Velmarind - Select Alarm Signal: Sounds (*.wav)|*.wav");
    d.value = "D:\\bell.wav";
    return 1;
  });
  F().LE_Sound.EditLabel.NotifyClick();
  ui::headless::Expect([](Dialog&) { return 0; });
  F().LE_conf_sound.EditLabel.NotifyClick();
  EXPECT_EQ(F().LE_Sound.Text() + "|" + F().LE_conf_sound.Text(), "D:\\bell.wav|");
}

TEST_F(SettingsDialog, TheSliderChangesTheMemoOnlyWhileTransparentIsTicked) {
  Open();
  F().CB_trans.SetChecked(false);
  ui::headless::Events().clear();
  F().TB_transvalue.SetPosition(5);
  F().CB_trans.SetChecked(true);
  F().TB_transvalue.SetPosition(16);
  F().CB_trans.SetChecked(false);
  F().TB_transvalue.SetPosition(0);
  EXPECT_EQ(ui::headless::Events(), Strings({"SetAlpha(F_Memo,on,90)", "SetAlpha(F_Memo,on,244)",
                                             "SetAlpha(F_Memo,off,244)"}));
}

TEST_F(SettingsDialog, GetCurrentFillsInTheScreensWidthAndHeight) {
  Open();
  os::fake::world().screen = os::Size{1600, 900};
  F().B_getres.Click();
  EXPECT_EQ(F().E_resx.Text() + "x" + F().E_resy.Text(), "1600x900");
  os::fake::world().screen.reset();
  ExpectBox("Error", "Could not figure out your current resolution.");
  F().B_getres.Click();
  EXPECT_EQ(F().E_resx.Text() + F().E_resy.Text(), "");
}

TEST_F(SettingsDialog, HotkeyListsFollowTheRecord) {
  // clang-format off
  const struct { const char* modifier; int key, modIndex, keyIndex; } cases[] = {
      {"ALT", 11, 2, 11}, {"NONE", 0, 0, 0}, {"CTRL", 62, 4, 62}, {"bogus", 5, 4, 5}, {"SHIFT", 99, 3, 0}, {"WIN", 0, 0, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().MemoHotkeyMod = c.modifier;
    Settings().MemoHotkeyKey = c.key;
    F().SettingsToControls();
    EXPECT_EQ(std::pair(F().LB_mod.ItemIndex(), F().LB_button.ItemIndex()),
              std::pair(c.modIndex, c.keyIndex));
  }
  EXPECT_EQ(F().LB_button.Count(), 63);
}

TEST_F(SettingsDialog, SetRegistersTheChosenHotkeyOrClearsIt) {
  os::fake::world().hotkeys[{999, 1}] = {ui::MOD_ALT, 0x42};  // ALT+B: another program's
  // clang-format off
  const struct { int mod, key; const char* message; const char* registered; const char* chosen; } cases[] = {
      {1,  1, "WIN + 0", "8,48", "WIN 1"},   {2, 10, "ALT + 9", "1,57", "ALT 10"},  // the first key
      {2, 11, "ALT + A", "1,65", "ALT 11"},  {4, 36, "CTRL + Z", "2,90", "CTRL 36"},
      {3, 37, "SHIFT + Numeric keypad 0", "4,96", "SHIFT 37"}, {3, 46, "SHIFT + Numeric keypad 9", "4,105", "SHIFT 46"},
      {1, 47, "WIN + Separator key", "8,108", "WIN 47"},       {4, 62, "CTRL + F12", "2,123", "CTRL 62"},  // the last key
      {0, 11, nullptr, "", "NONE 0"}, {3, 0, nullptr, "", "NONE 0"},  // NONE in either list
      {2, 12, nullptr, "", "ALT 12"},  // refused: silent, the choice stays
  };
  // clang-format on
  Open();
  for (const auto& c : cases) {
    F().LB_mod.SetItemIndex(c.mod);
    F().LB_button.SetItemIndex(c.key);
    if (c.message)
      ExpectBox("Information", std::string("Hotkey: ") + c.message + " set to show the Memo.",
                ui::MB_ICONINFORMATION);
    F().B_set.Click();
    EXPECT_EQ(RegisteredHotkeys(), c.registered) << c.mod << "," << c.key;
    EXPECT_EQ(Settings().MemoHotkeyMod + " " + std::to_string(Settings().MemoHotkeyKey), c.chosen);
    EXPECT_EQ(F().LB_mod.Text() + " " + std::to_string(F().LB_button.ItemIndex()), c.chosen);
  }
  for (int outside : {0, 63, -1}) EXPECT_EQ(TF_Settings::KeyIndexToVirtualKey(outside), -1);
  // NONE in the record unregisters the combination registered before.
  Settings().MemoHotkeyMod = "CTRL", Settings().MemoHotkeyKey = 62;
  ASSERT_EQ(F().SetMemoHotkey(false), 1);
  Settings().MemoHotkeyMod = "NONE";
  EXPECT_EQ(F().SetMemoHotkey(false), 1);
  EXPECT_EQ(RegisteredHotkeys(), "");
}

TEST_F(SettingsDialog, AutostartButtonsSayWhatHappened) {
  auto& world = os::fake::world();
  const std::string run = "HKLM\\" + std::string(os::fake::kRunKey);
  // clang-format off
  const struct { ui::TButton* button; const char* caption; const char* message; const char* value; } cases[] = {
      {&F().B_add,    "Information", "Velmarind was added to autostart", "C:\\Velmarind\\velmarind.exe"},
      {&F().B_remove, "Information", "Velmarind was successfully removed from autostart", ""},
      {&F().B_remove, "Information", "Velmarind is not currently set to autostart", ""},
      {&F().B_add,    "Error",       "Could not add Velmarind to autostart.", ""},  // refused
  };
  // clang-format on
  Open();
  for (const auto& c : cases) {
    if (std::string(c.caption) == "Error") world.refusedWrites.insert(run);
    ExpectBox(c.caption, c.message, ui::MB_ICONINFORMATION);
    c.button->Click();
    const auto value = world.registryValues.find(run + "\\Velmarind");
    EXPECT_EQ(value == world.registryValues.end() ? "" : value->second, c.value) << c.message;
  }
}

}  // namespace
