// The settings dialog: filling and closing (checks, the record, settings.ini),
// its buttons, the memo hotkey, autostart and the first-run dialog.
#include <algorithm>
#include <functional>
#include <set>

#include "../../shared/factory_settings.h"
#include "common/data_file.h"
#include "memo/memo_form.h"
#include "settings/settings_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

using ui::headless::Dialog;

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (common::LineReader reader(text); !reader.AtEnd();) lines.push_back(reader.Next());
  return lines;
}

class SettingsDialog : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
    os::fake::world().calls.clear();
  }
  TF_Settings& F() { return *F_Settings; }
  void Open() { Velmarind->M_Settings.Click(); }
  // Closes the dialog; true when it closed.
  bool CloseDialog() {
    F().Close();
    return !F().Visible();
  }
  // Lines of settings.ini, counted from 1, joined by "|".
  static std::string Lines(std::initializer_list<std::size_t> numbers) {
    const auto lines = LinesOf(File("settings.ini"));
    std::string joined;
    for (std::size_t n : numbers) joined += "|" + (n <= lines.size() ? lines[n - 1] : "?");
    return joined.substr(1);
  }
  static void ExpectBox(const std::string& caption, const std::string& text, unsigned flags) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text, caption + ": " + text);
      EXPECT_EQ(d.flags, flags);
      return ui::IDOK;
    });
  }
  static void ExpectError(const std::string& text) {
    ExpectBox("Error", text, ui::MB_ICONEXCLAMATION);
  }
  std::vector<ui::TCheckBox*> Boxes() {
    return {&F().CB_lastknown,  &F().CB_saveurls,     &F().CB_trans,        &F().CB_alarmmessages,
            &F().CB_add_alarm,  &F().CB_add_memo,     &F().CB_special1,     &F().CB_special2,
            &F().CB_special3,   &F().CB_open_browser, &F().CB_movemouse,    &F().CB_no_message,
            &F().CB_no_sounds,  &F().CB_no_execute,   &F().CB_res_messages, &F().CB_res_tasks,
            &F().CB_res_sounds, &F().CB_aaNew,        &F().CB_aaEdit,       &F().CB_filter1,
            &F().CB_filter2,    &F().CB_filter3};
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

TEST_F(SettingsDialog, TickingEachBoxChangesOneLineOfSettingsIniADifferentOneForEach) {
  Open();
  ASSERT_TRUE(CloseDialog());
  const auto untouched = LinesOf(File("settings.ini"));
  std::set<std::size_t> changed;
  for (ui::TCheckBox* box : Boxes()) {
    Open();
    box->SetChecked(!box->Checked());
    ASSERT_TRUE(CloseDialog());
    const auto lines = LinesOf(File("settings.ini"));
    ASSERT_EQ(lines.size(), untouched.size());
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i] != untouched[i]) differing.push_back(i);
    ASSERT_EQ(differing.size(), 1u) << changed.size();
    EXPECT_EQ(lines[differing[0]], box->Checked() ? "1" : "0");
    changed.insert(differing[0]);
    Open();
    box->SetChecked(!box->Checked());
    ASSERT_TRUE(CloseDialog());
    EXPECT_EQ(LinesOf(File("settings.ini")), untouched) << "ticked back";
  }
  EXPECT_EQ(changed.size(), Boxes().size());
}

TEST_F(SettingsDialog, OpenAndCloseWithEveryFieldChangedLeavesSettingsIniAlone) {
  File("ding.wav") = "RIFF";
  Open();
  for (ui::TCheckBox* box : Boxes()) box->SetChecked(!box->Checked());
  for (ui::TEdit* edit : std::initializer_list<ui::TEdit*>{
           &F().LE_Delay, &F().LE_Repeat, &F().LE_Browser, &F().E_x, &F().E_y, &F().E_sizex,
           &F().E_sizey, &F().LE_divisor, &F().LE_autoclose, &F().E_f2_name, &F().E_f2,
           &F().E_f3_name, &F().E_f3, &F().E_f4_name, &F().E_f4, &F().E_filter1, &F().E_filter2,
           &F().E_filter3})
    edit->SetText(edit->Text() + "7");
  F().E_resx.SetText("1280");
  F().E_resy.SetText("1024");
  F().LE_Sound.SetText("C:\\Velmarind\\ding.wav");
  F().LE_conf_sound.SetText("C:\\Velmarind\\ding.wav");
  F().CB_pos.SetItemIndex(3);
  F().TB_transvalue.SetPosition(5);
  ASSERT_TRUE(CloseDialog());
  Finish();
  const std::string changed = File("settings.ini");
  Start();  // the controls are filled from the record once, at start-up
  Open();
  EXPECT_TRUE(Settings().AnyTrayExtra && Velmarind->M_openinbrowser.Visible) << "the tray menus";
  ASSERT_TRUE(CloseDialog());
  EXPECT_EQ(File("settings.ini"), changed);
}

// Each row types into one or two boxes and closes: the boxes then show, and
// settings.ini holds, what closing made of the text.
TEST_F(SettingsDialog, ClosingStoresWhatTheBoxesSay) {
  for (const char* name : {"ding.wav", "prog.wav"}) File(name) = "RIFF";
  for (const char* name : {"ding.wav", "local.wav", "D:\\s\\a.wav"})  // the current folder
    os::fake::world().files[name] = "RIFF";
  TF_Settings& f = F();
  // clang-format off
  const struct { ui::TEdit* a; const char* typedA; ui::TEdit* b; const char* typedB; std::size_t lineA, lineB; const char *shown, *stored; } cases[] = {
      {&f.LE_Delay,     "0",    nullptr, "", 2,  0,  "1",    "1000"},
      {&f.LE_Delay,     "",     nullptr, "", 2,  0,  "2",    "2000"},
      {&f.LE_Delay,     "15",   nullptr, "", 2,  0,  "15",   "15000"},
      {&f.LE_Repeat,    "",     nullptr, "", 3,  0,  "3",    "3"},
      {&f.LE_Repeat,    "0",    nullptr, "", 3,  0,  "1",    "1"},
      {&f.LE_autoclose, "",     nullptr, "", 43, 0,  "0",    "0"},
      {&f.LE_autoclose, "45",   nullptr, "", 43, 0,  "45",   "45"},
      {&f.E_x,          "",     &f.E_y, "200", 11, 12, "16|16", "16|16"},  // either empty: both 16
      {&f.E_x,          "100",  &f.E_y, "",    11, 12, "16|16", "16|16"},
      {&f.E_x,          "100",  &f.E_y, "200", 11, 12, "100|200", "100|200"},
      {&f.E_sizex,      "",     &f.E_sizey, "", 13, 14, "360|320", "360|320"},
      {&f.E_sizex,      "500",  nullptr, "", 13, 0,  "500",  "500"},
      {&f.E_resx, "1024", &f.E_resy, "",     32, 33, "|",          "|"},  // both or none
      {&f.E_resx, "",     &f.E_resy, "768",  32, 33, "|",          "|"},
      {&f.E_resx, "1280", &f.E_resy, "1024", 32, 33, "1280|1024",  "1280|1024"},
      {&f.E_resx, "0800", &f.E_resy, "0600", 32, 33, "800|600",    "800|600"},
      {&f.E_resx, "5",    &f.E_resy, "768",  32, 33, "|768",       "|768"},  // at least 11 each
      {&f.E_resx, "11",   &f.E_resy, "10",   32, 33, "11|",        "11|"},
      {&f.E_resx, "10",   &f.E_resy, "11",   32, 33, "|11",        "|11"},
      {&f.LE_Sound, "ding.wav",   &f.LE_conf_sound, "ding.wav", 1, 51, "C:\\Velmarind\\ding.wav|ding.wav", "C:\\Velmarind\\ding.wav|ding.wav"},
      {&f.LE_Sound, "local.wav",  &f.LE_conf_sound, "",         1, 51, "local.wav|", "local.wav|"},
      {&f.LE_Sound, "prog.wav",   &f.LE_conf_sound, "",         1, 51, "C:\\Velmarind\\prog.wav|", "C:\\Velmarind\\prog.wav|"},
      {&f.LE_Sound, "D:\\s\\a.wav", &f.LE_conf_sound, "D:\\s\\a.wav", 1, 51, "D:\\s\\a.wav|D:\\s\\a.wav", "D:\\s\\a.wav|D:\\s\\a.wav"},
      {&f.LE_Sound, "",           &f.LE_conf_sound, "local.wav", 1, 51, "|local.wav", "|local.wav"},
  };
  // clang-format on
  F().CB_lastknown.SetChecked(false);  // the boxes, not the memo window, give the geometry
  for (const auto& c : cases) {
    Open();
    c.a->SetText(c.typedA);
    if (c.b) c.b->SetText(c.typedB);
    ASSERT_TRUE(CloseDialog()) << c.typedA;
    EXPECT_EQ(c.a->Text() + (c.b ? "|" + c.b->Text() : ""), c.shown) << c.typedA;
    EXPECT_EQ(c.lineB ? Lines({c.lineA, c.lineB}) : Lines({c.lineA}), c.stored) << c.typedA;
  }
}

TEST_F(SettingsDialog, AFieldInErrorKeepsTheDialogOpenOnItsPageAndNothingIsStored) {
  const std::string number = "\" must be a whole number.";
  // clang-format off
  const struct { ui::TEdit* edit; const char* text; std::string message; int page; } cases[] = {
      {&F().LE_Delay,      "12x", "\"Delay between alarm signal" + number, TF_Settings::kMainPage},
      {&F().E_x,           "12x", "\"Horizontal Position" + number,        TF_Settings::kMemoPage},
      {&F().E_resy,        "12x", "\"Resolution height" + number,          TF_Settings::kExtra1Page},
      {&F().LE_autoclose,  "12x", "\"Autoclose Message Window" + number,   TF_Settings::kExtra2Page},
      {&F().LE_Sound,      "C:\\nope.wav", "That file does not exist",    TF_Settings::kMainPage},
      {&F().LE_conf_sound, "C:\\none.wav", "That file does not exist",    TF_Settings::kExtra2Page},
  };
  // clang-format on
  F().CB_lastknown.SetChecked(false);  // enables the geometry boxes
  for (const auto& c : cases) {
    os::fake::world().files.erase(std::string(kDir) + "settings.ini");
    Open();
    F().PC_settings.SetActivePageIndex(TF_Settings::kMenuPage);
    F().CB_add_memo.SetChecked(true);
    c.edit->SetText(c.text);  // pasted: the digits-only style lets it in
    ExpectError(c.message);
    EXPECT_FALSE(CloseDialog());
    EXPECT_EQ(F().PC_settings.ActivePageIndex(), c.page) << c.message;
    EXPECT_EQ(ui::headless::FocusedHandle(), c.edit->Handle()) << c.message;
    EXPECT_FALSE(HasFile("settings.ini") || Settings().ShowAddMemo) << "nothing stored";
    c.edit->SetText("");
    F().CB_add_memo.SetChecked(false);
    EXPECT_TRUE(CloseDialog());
  }
  // A disabled geometry box is not the user's to fix: it counts as empty.
  Open();
  F().CB_lastknown.SetChecked(true);
  F().E_sizex.SetText("9z");
  EXPECT_TRUE(CloseDialog());
  EXPECT_EQ(F().E_sizex.Text(), "360");
}

TEST_F(SettingsDialog, TheMenuBoxesDecideWhetherTheRightButtonOpensAMenu) {
  for (bool ticked : {false, true}) {
    Open();
    for (ui::TCheckBox* box : {&F().CB_alarmmessages, &F().CB_add_alarm, &F().CB_add_memo,
                               &F().CB_special1, &F().CB_special3, &F().CB_open_browser})
      box->SetChecked(false);
    F().CB_special2.SetChecked(ticked);
    ASSERT_TRUE(CloseDialog());
    EXPECT_EQ(Settings().AnyTrayExtra, ticked ? 1 : 0);
    EXPECT_EQ(Velmarind->M_special2.Visible, ticked);
    ui::headless::Events().clear();
    Velmarind->TrayIcon.MouseUp(ui::TMouseButton::mbRight, 1, 1);
    const auto& events = ui::headless::Events();
    EXPECT_EQ(std::any_of(events.begin(), events.end(),
                          [](const std::string& e) { return e.rfind("Popup(SecondMenu", 0) == 0; }),
              ticked);
  }
}

TEST_F(SettingsDialog, WithLastKnownTheMemoWindowGivesTheGeometry) {
  F_Memo->SetBounds(40, 50, 300, 200);
  Open();
  ASSERT_TRUE(F().CB_lastknown.Checked());
  F().E_x.SetText("500");
  F().E_sizex.SetText("900");
  ASSERT_TRUE(CloseDialog());
  EXPECT_EQ(Lines({11, 12, 13, 14}), "40|50|300|200");
}

TEST_F(SettingsDialog, DefaultSettingsKeepLanguageFolderAndTheRegisteredHotkey) {
  Finish();
  PrepareSettings([](CSettings& s) {
    s.Language = "Deutsch.lng";
    s.MemoHotkeyMod = "ALT";
    s.MemoHotkeyKey = 11;
    s.Browser = "firefox";
    s.ShowNewAlarm = 1;
  });
  Start();
  ASSERT_EQ(RegisteredHotkeys(), "1,65");
  const std::string before = File("settings.ini");
  Open();
  F().B_default.Click();
  EXPECT_EQ(RegisteredHotkeys(), "1,65");
  EXPECT_EQ(F().LB_mod.Text(), "NONE");
  EXPECT_EQ(File("settings.ini"), before) << "written only on closing";
  ASSERT_TRUE(CloseDialog());
  auto factory = settings_cases::FactoryLines("C:\\Velmarind\\sound.wav");
  factory[14] = "0";  // the caret line, which the memo window gives
  factory[34] = "Deutsch.lng";
  EXPECT_EQ(LinesOf(File("settings.ini")), factory);
}

// Start-up waits for the first-run dialog, whose nested loop lets the tray,
// remote commands, hotkeys and menus through: none of them may do harm.
TEST_F(SettingsDialog, FirstRunDialogTakesDigitsOnlyAndEverythingElseIsHarmless) {
  Finish();
  os::fake::Reset();
  File("sound.wav") = "RIFF";
  ui::headless::Expect([&](Dialog& d) {
    F().LE_Delay.SetText("");
    ui::headless::Type(F().LE_Delay, "a4");
    F().CB_add_alarm.SetChecked(true);
    for (auto button : {ui::TMouseButton::mbLeft, ui::TMouseButton::mbRight})
      Velmarind->TrayIcon.MouseUp(button, 1, 1);
    for (std::intptr_t command = 47001; command <= 47006; ++command)
      Velmarind->Perform(ui::WM_COMMAND, 0, command);
    Velmarind->Perform(ui::WM_HOTKEY, 7, 0);
    for (ui::TMenuItem* item :
         {&Velmarind->M_Edit, &Velmarind->M_TimerEdit, &Velmarind->M_HotkeyEdit,
          &Velmarind->M_About, &Velmarind->M_newalarm})
      item->Click();
    Velmarind->M_Quit.Click();  // "Close" quits cleanly once start-up is over
    d.form->Close();
    return 0;
  });
  Start();
  EXPECT_TRUE(ui::Application->Terminated());
  EXPECT_EQ(Lines({1, 2, 19}), "C:\\Velmarind\\sound.wav|4000|1");
  EXPECT_FALSE(Settings().FirstRun);
}

TEST_F(SettingsDialog, ClosingFromTheMenuSavesOrNamesTheFileItCouldNotSave) {
  for (bool failing : {false, true}) {
    os::fake::world().files.erase(std::string(kDir) + "settings.ini");
    if (failing) os::fake::world().failingSaves.insert(std::string(kDir) + "settings.ini");
    Open();
    ASSERT_TRUE(F().Visible());
    if (failing) ExpectError("Could not save C:\\Velmarind\\settings.ini");
    Open();  // the menu item toggles the dialog
    EXPECT_FALSE(F().Visible());
    EXPECT_EQ(HasFile("settings.ini"), !failing);
  }
}

TEST_F(SettingsDialog, PlayButton) {
  // clang-format off
  const struct { const char* file; bool refused; const char* error; std::size_t plays; } cases[] = {
      {"C:\\Velmarind\\sound.wav", false, nullptr,                     1},
      {"C:\\Velmarind\\sound.wav", true,  "Failed to play that file!", 1},
      {"C:\\gone.wav",             false, "File not found!",           0},
  };
  // clang-format on
  Open();
  for (const auto& c : cases) {
    os::fake::world().calls.clear();
    os::fake::world().soundRefused = c.refused;
    F().LE_Sound.SetText(c.file);
    F().B_default.SetFocus();
    if (c.error) ExpectError(c.error);
    F().B_Play.Click();
    const auto plays = os::fake::CallsStartingWith("sound::PlayWave");
    ASSERT_EQ(plays.size(), c.plays) << c.file;
    if (c.plays) {
      EXPECT_EQ(plays[0], "sound::PlayWave(\"" + std::string(c.file) + "\",139265)");
    }
    EXPECT_EQ(ui::headless::FocusedHandle() == F().LE_Sound.Handle(), c.plays == 0)
        << "a missing file takes the focus";
  }
}

TEST_F(SettingsDialog, GetCurrentResolution) {
  Open();
  os::fake::world().screen = os::Size{1600, 900};
  F().B_getres.Click();
  EXPECT_EQ(F().E_resx.Text() + "x" + F().E_resy.Text(), "1600x900");
  os::fake::world().screen.reset();
  ExpectError("Could not figure out your current resolution.");
  F().B_getres.Click();
  EXPECT_EQ(F().E_resx.Text() + F().E_resy.Text(), "");
}

TEST_F(SettingsDialog, SoundLinksFillTheirOwnFieldOnlyWithAChosenFile) {
  Open();
  F().LE_Sound.SetText("old.wav");
  F().LE_conf_sound.SetText("conf.wav");
  ui::headless::Expect([](Dialog& d) {
    EXPECT_EQ(d.kind, ui::headless::DialogKind::OpenFile);
    EXPECT_EQ(d.caption + "|" + d.text, "Velmarind - Select Alarm Signal|Sounds (*.wav)|*.wav");
    d.value = "D:\\bell.wav";
    return 1;
  });
  F().LE_Sound.EditLabel.NotifyClick();
  ui::headless::Expect([](Dialog&) { return 0; });  // cancelled
  F().LE_conf_sound.EditLabel.NotifyClick();
  EXPECT_EQ(F().LE_Sound.Text(), "D:\\bell.wav");
  EXPECT_EQ(F().LE_conf_sound.Text(), "conf.wav") << "a cancelled choice changes nothing";
}

TEST_F(SettingsDialog, TranslucencyFollowsTheBoxAndTheSlider) {
  Open();
  F().CB_trans.SetChecked(false);
  F().TB_transvalue.SetPosition(5);
  ui::headless::Events().clear();
  F().CB_trans.SetChecked(true);
  F().TB_transvalue.SetPosition(16);
  EXPECT_EQ(Settings().MemoTransparency, 5) << "the slider alone changes no record";
  F().CB_trans.SetChecked(false);
  EXPECT_EQ(Settings().MemoTransparent, 0);
  // Filling ticks the box, whose click would store the slider's old level.
  F().TB_transvalue.SetPosition(12);
  Settings().MemoTransparent = 1;
  F().SettingsToControls();
  EXPECT_EQ(Settings().MemoTransparency, 5);
  EXPECT_EQ(Settings().MemoTransparent, 1);
  EXPECT_EQ(ui::headless::Events(),
            (std::vector<std::string>{"SetAlpha(F_Memo,on,90)", "SetAlpha(F_Memo,on,244)",
                                      "SetAlpha(F_Memo,off,244)", "SetAlpha(F_Memo,on,90)"}));
}

TEST_F(SettingsDialog, HotkeyListsFollowTheRecord) {
  // clang-format off
  const struct { const char* modifier; int key, modIndex, keyIndex; } cases[] = {
      {"ALT", 11, 2, 11}, {"NONE", 0, 0, 0}, {"CTRL", 62, 4, 62},
      {"bogus", 5, 4, 5}, {"SHIFT", 99, 3, 0}, {"WIN", 0, 0, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().MemoHotkeyMod = c.modifier;
    Settings().MemoHotkeyKey = c.key;
    F().SettingsToControls();
    EXPECT_EQ(F().LB_mod.ItemIndex(), c.modIndex) << c.modifier << c.key;
    EXPECT_EQ(F().LB_button.ItemIndex(), c.keyIndex) << c.modifier << c.key;
  }
  EXPECT_EQ(F().LB_button.Count(), 63);
}

TEST_F(SettingsDialog, SetRegistersTheChosenHotkeyOrClearsIt) {
  os::fake::world().hotkeys[{999, 1}] = {ui::MOD_ALT, 0x42};  // ALT+B: another program's
  // clang-format off
  const struct { int mod, key; const char* message; const char* registered; const char* chosen; } cases[] = {
      {1,  1, "WIN + 0",                 "8,48",  "WIN 1"},  // the first key
      {2, 10, "ALT + 9",                 "1,57",  "ALT 10"},
      {2, 11, "ALT + A",                 "1,65",  "ALT 11"},
      {4, 36, "CTRL + Z",                "2,90",  "CTRL 36"},
      {3, 37, "SHIFT + Numeric keypad 0", "4,96", "SHIFT 37"},
      {3, 46, "SHIFT + Numeric keypad 9", "4,105", "SHIFT 46"},
      {1, 47, "WIN + Separator key",     "8,108", "WIN 47"},
      {4, 62, "CTRL + F12",              "2,123", "CTRL 62"},  // the last key
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
}

TEST_F(SettingsDialog, AutostartButtons) {
  auto& world = os::fake::world();
  const std::string run = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::string added = "Velmarind was added to autostart";
  // clang-format off
  const struct { std::string name; std::function<void()> prepare; ui::TButton* button; const char* caption; std::string message, value; } cases[] = {
      {"add",          [] {}, &F().B_add,    "Information", added, "C:\\Velmarind\\velmarind.exe"},
      {"add again",    [] {}, &F().B_add,    "Information", added, "C:\\Velmarind\\velmarind.exe"},
      {"moved",        [&] { world.executablePath = "D:\\Tools\\velmarind.exe"; }, &F().B_add, "Information", added, "D:\\Tools\\velmarind.exe"},
      {"remove",       [] {}, &F().B_remove, "Information", "Velmarind was successfully removed from autostart", ""},
      {"remove again", [] {}, &F().B_remove, "Information", "Velmarind is not currently set to autostart", ""},
      {"refused",      [&] { world.refusedWrites.insert(run); }, &F().B_add, "Error", "Could not add Velmarind to autostart.", ""},
      {"no key",       [&] { world.registryKeys.clear(); },      &F().B_add, "Error", "Could not add Velmarind to autostart.", ""},
  };
  // clang-format on
  Open();
  for (const auto& c : cases) {
    c.prepare();
    ExpectBox(c.caption, c.message, ui::MB_ICONINFORMATION);
    world.calls.clear();
    c.button->Click();
    EXPECT_EQ(os::fake::CallsStartingWith("registry::Close").size(),
              os::fake::CallsStartingWith("registry::Open").size() - (c.name == "no key"))
        << "what was opened is closed: " << c.name;
    const auto value = world.registryValues.find(run + "\\Velmarind");
    EXPECT_EQ(value == world.registryValues.end() ? "" : value->second, c.value) << c.name;
  }
  EXPECT_TRUE(world.registryValues.empty());
}

}  // namespace
