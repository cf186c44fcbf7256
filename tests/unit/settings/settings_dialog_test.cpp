// The settings dialog's controls: filling them from the record, closing
// (checks, storing, settings.ini), its buttons, the memo hotkey and autostart.
#include <algorithm>
#include <functional>
#include <sstream>

#include "memo/memo_form.h"
#include "settings/settings_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

using ui::headless::Dialog;

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
  // One line of settings.ini, counted from 1.
  static std::string Line(int number) {
    std::istringstream file(File("settings.ini"));
    std::string line;
    for (int i = 0; i < number; ++i) std::getline(file, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  // Expects one "Error" box with this text.
  static void ExpectError(const std::string& text) {
    ui::headless::Expect([text](Dialog& d) {
      EXPECT_EQ(d.caption, "Error");
      EXPECT_EQ(d.text, text);
      EXPECT_EQ(d.flags, ui::MB_ICONEXCLAMATION);
      return ui::IDOK;
    });
  }
  static void ExpectInformation(const std::string& caption, const std::string& text) {
    ui::headless::Expect([caption, text](Dialog& d) {
      EXPECT_EQ(d.caption, caption);
      EXPECT_EQ(d.text, text);
      EXPECT_EQ(d.flags, ui::MB_ICONINFORMATION);
      return ui::IDOK;
    });
  }
  bool Focused(const ui::TControl& control) {
    return ui::headless::FocusedHandle() == control.Handle();
  }
};

TEST_F(SettingsDialog, FillsTheControlsFromTheRecord) {
  Settings().SignalDelay = 3500;
  Settings().SignalRepeat = 9;
  Settings().MessagePosition = 3;
  Settings().ResolutionX = "1280";
  Settings().ResolutionY = "1024";
  Settings().UseLastKnown = 0;
  Settings().ShowOpenBrowser = 1;
  Settings().Filter3 = "upper()";
  Settings().MemoTransparency = 7;
  F().SettingsToControls();
  const std::pair<std::string, std::string> shown[] = {{F().LE_Delay.Text(), "3"},
                                                       {F().LE_Repeat.Text(), "9"},
                                                       {F().CB_pos.Text(), "Bottom Left"},
                                                       {F().E_resx.Text(), "1280"},
                                                       {F().E_resy.Text(), "1024"},
                                                       {F().E_x.Text(), "16"},
                                                       {F().E_sizey.Text(), "320"},
                                                       {F().LE_autoclose.Text(), "180"},
                                                       {F().E_f3_name.Text(), "Search IMDb"},
                                                       {F().E_filter3.Text(), "upper()"},
                                                       {F().LE_Browser.Text(), "iexplore -new"}};
  for (const auto& [text, expected] : shown) EXPECT_EQ(text, expected);
  EXPECT_EQ(F().TB_transvalue.Position(), 7);
  EXPECT_TRUE(F().CB_open_browser.Checked());
  EXPECT_FALSE(F().CB_lastknown.Checked());
  EXPECT_TRUE(F().E_x.Enabled());
  EXPECT_EQ(Settings().AnyTrayExtra, 1);
  EXPECT_TRUE(Velmarind->M_openinbrowser.Visible);
  F().CB_lastknown.SetChecked(true);
  for (ui::TEdit* edit : {&F().E_x, &F().E_y, &F().E_sizex, &F().E_sizey})
    EXPECT_FALSE(edit->Enabled());
}

TEST_F(SettingsDialog, NumberBoxesOnClosing) {
  struct Case {
    ui::TEdit* edit;
    std::string typed;
    int CSettings::*member;
    int stored;
    std::string shown;
  };
  const Case cases[] = {
      {&F().LE_Delay, "0", &CSettings::SignalDelay, 1000, "1"},
      {&F().LE_Delay, "", &CSettings::SignalDelay, 2000, "2"},
      {&F().LE_Delay, "15", &CSettings::SignalDelay, 15000, "15"},
      {&F().LE_Repeat, "", &CSettings::SignalRepeat, 3, "3"},
      {&F().LE_Repeat, "0", &CSettings::SignalRepeat, 1, "1"},
      {&F().LE_Repeat, "12", &CSettings::SignalRepeat, 12, "12"},
      {&F().LE_autoclose, "", &CSettings::AutoCloseSeconds, 0, "0"},
      {&F().LE_autoclose, "45", &CSettings::AutoCloseSeconds, 45, "45"},
      {&F().E_sizex, "", &CSettings::MemoWidth, 360, "360"},
      {&F().E_sizey, "", &CSettings::MemoHeight, 320, "320"},
      {&F().E_sizex, "500", &CSettings::MemoWidth, 500, "500"},
      {&F().E_x, "", &CSettings::MemoLeft, 16, "16"},
      {&F().E_y, "", &CSettings::MemoLeft, 16, "16"},  // either empty: both 16
      {&F().E_y, "", &CSettings::MemoTop, 16, "16"},
  };
  F().CB_lastknown.SetChecked(false);  // the boxes, not the memo window, give the geometry
  for (const Case& c : cases) {
    Open();
    F().E_x.SetText("100");
    F().E_y.SetText("200");
    (*c.edit).SetText(c.typed);
    ASSERT_TRUE(CloseDialog()) << c.typed;
    EXPECT_EQ(Settings().*c.member, c.stored) << c.typed;
    EXPECT_EQ((*c.edit).Text(), c.shown) << c.typed;
  }
  EXPECT_EQ(Line(11), "16");
}

TEST_F(SettingsDialog, EveryBoxReachesItsLineOfSettingsIni) {
  struct Case {
    ui::TCheckBox* box;
    int CSettings::*member;
    int line;
  };
  const Case cases[] = {
      {&F().CB_movemouse, &CSettings::StopOnMouseMove, 5},
      {&F().CB_no_message, &CSettings::NoMessages, 6},
      {&F().CB_no_sounds, &CSettings::NoSounds, 7},
      {&F().CB_no_execute, &CSettings::NoExecute, 8},
      {&F().CB_saveurls, &CSettings::SaveUrls, 10},
      {&F().CB_lastknown, &CSettings::UseLastKnown, 16},
      {&F().CB_add_alarm, &CSettings::ShowNewAlarm, 19},
      {&F().CB_add_memo, &CSettings::ShowAddMemo, 20},
      {&F().CB_open_browser, &CSettings::ShowOpenBrowser, 21},
      {&F().CB_alarmmessages, &CSettings::ShowAlarmMessages, 22},
      {&F().CB_special1, &CSettings::ShowWebCommand1, 23},
      {&F().CB_special2, &CSettings::ShowWebCommand2, 24},
      {&F().CB_special3, &CSettings::ShowWebCommand3, 25},
      {&F().CB_aaNew, &CSettings::AutoActivateNew, 36},
      {&F().CB_aaEdit, &CSettings::AutoActivateEdited, 37},
      {&F().CB_trans, &CSettings::MemoTransparent, 38},
      {&F().CB_res_messages, &CSettings::ResOnlyMessages, 40},
      {&F().CB_res_tasks, &CSettings::ResOnlyTasks, 41},
      {&F().CB_res_sounds, &CSettings::ResOnlySounds, 42},
      {&F().CB_filter1, &CSettings::FilterOnAdd1, 48},
      {&F().CB_filter2, &CSettings::FilterOnAdd2, 49},
      {&F().CB_filter3, &CSettings::FilterOnAdd3, 50},
  };
  for (const Case& c : cases) {
    for (int round = 0; round < 2; ++round) {  // flip it, then back
      Open();
      ui::TCheckBox& box = *c.box;
      box.SetChecked(!box.Checked());
      const int expected = box.Checked() ? 1 : 0;
      ASSERT_TRUE(CloseDialog()) << c.line;
      EXPECT_EQ(Settings().*c.member, expected) << c.line;
      EXPECT_EQ(Line(c.line), std::to_string(expected)) << c.line;
    }
  }
}

TEST_F(SettingsDialog, ResolutionBoxesOnClosing) {
  struct Case {
    std::string x, y, storedX, storedY;
  };
  const Case cases[] = {
      {"1024", "", "", ""}, {"5", "768", "", "768"}, {"1280", "1024", "1280", "1024"},
      {"", "768", "", ""},  {"11", "10", "11", ""},  {"0800", "0600", "800", "600"}};
  for (const Case& c : cases) {
    Open();
    F().E_resx.SetText(c.x);
    F().E_resy.SetText(c.y);
    ASSERT_TRUE(CloseDialog());
    EXPECT_EQ(Settings().ResolutionX, c.storedX) << c.x << "x" << c.y;
    EXPECT_EQ(Settings().ResolutionY, c.storedY) << c.x << "x" << c.y;
    EXPECT_EQ(F().E_resx.Text(), c.storedX);
    EXPECT_EQ(F().E_resy.Text(), c.storedY);
  }
}

TEST_F(SettingsDialog, SoundNamesOnClosing) {
  File("ding.wav") = "RIFF";
  os::fake::world().files["ding.wav"] = "RIFF";   // in the current folder too
  os::fake::world().files["local.wav"] = "RIFF";  // only in the current folder
  File("prog.wav") = "RIFF";                      // only in the program folder
  os::fake::world().files["D:\\s\\a.wav"] = "RIFF";
  struct Case {
    std::string alarm, confirm;
    std::string soundFile, alarmShown, confirmSound;
  };
  const Case cases[] = {
      {"ding.wav", "ding.wav", "C:\\Velmarind\\ding.wav", "C:\\Velmarind\\ding.wav", "ding.wav"},
      {"local.wav", "", "local.wav", "local.wav", ""},
      {"prog.wav", "", "C:\\Velmarind\\prog.wav", "C:\\Velmarind\\prog.wav", ""},
      {"D:\\s\\a.wav", "D:\\s\\a.wav", "D:\\s\\a.wav", "D:\\s\\a.wav", "D:\\s\\a.wav"},
      {"", "local.wav", "", "", "local.wav"},
  };
  for (const Case& c : cases) {
    Open();
    F().LE_Sound.SetText(c.alarm);
    F().LE_conf_sound.SetText(c.confirm);
    ASSERT_TRUE(CloseDialog()) << c.alarm;
    EXPECT_EQ(Settings().SoundFile, c.soundFile);
    EXPECT_EQ(F().LE_Sound.Text(), c.alarmShown);
    EXPECT_EQ(Settings().ConfirmSound, c.confirmSound);
    EXPECT_EQ(Line(1), c.soundFile);
    EXPECT_EQ(Line(51), c.confirmSound);
  }
}

TEST_F(SettingsDialog, AMissingSoundKeepsTheDialogOpenOnItsPage) {
  struct Case {
    std::string alarm, confirm;
    int page;
    ui::TControl* field;
  };
  const Case cases[] = {
      {"C:\\nope.wav", "C:\\none.wav", TF_Settings::kExtra2Page, &F().LE_conf_sound},
      {"C:\\nope.wav", "", TF_Settings::kMainPage, &F().LE_Sound},
  };
  for (const Case& c : cases) {
    os::fake::world().files.erase(std::string(kDir) + "settings.ini");
    Open();
    F().PC_settings.SetActivePageIndex(TF_Settings::kMenuPage);
    F().LE_Sound.SetText(c.alarm);
    F().LE_conf_sound.SetText(c.confirm);
    ExpectError("That file does not exist");
    EXPECT_FALSE(CloseDialog()) << c.page;
    EXPECT_EQ(F().PC_settings.ActivePageIndex(), c.page);
    EXPECT_TRUE(Focused(*c.field)) << c.page;
    EXPECT_FALSE(HasFile("settings.ini"));
    F().LE_Sound.SetText("");
    F().LE_conf_sound.SetText("");
    EXPECT_TRUE(CloseDialog());
  }
}

TEST_F(SettingsDialog, TextThatIsNoNumberIsRefusedBeforeAnythingIsStored) {
  struct Case {
    ui::TEdit* edit;
    std::string name;
    int page;
  };
  const Case cases[] = {
      {&F().LE_Delay, "Delay between alarm signal", TF_Settings::kMainPage},
      {&F().E_x, "Horizontal Position", TF_Settings::kMemoPage},
      {&F().E_resy, "Resolution height", TF_Settings::kExtra1Page},
      {&F().LE_autoclose, "Autoclose Message Window", TF_Settings::kExtra2Page},
  };
  F().CB_lastknown.SetChecked(false);  // enables the geometry boxes
  for (const Case& c : cases) {
    Open();
    F().CB_add_memo.SetChecked(true);
    (*c.edit).SetText("12x");  // pasted: the digits-only style lets it in
    ExpectError("\"" + c.name + "\" must be a whole number.");
    EXPECT_FALSE(CloseDialog());
    EXPECT_EQ(F().PC_settings.ActivePageIndex(), c.page);
    EXPECT_TRUE(Focused(*c.edit));
    EXPECT_EQ(Settings().ShowAddMemo, 0) << "nothing stored";
    (*c.edit).SetText("3");
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
  const struct {
    bool ticked;
    int anyTrayExtra;
    bool popup;
  } cases[] = {{false, 0, false}, {true, 1, true}};
  for (const auto& c : cases) {
    Open();
    for (ui::TCheckBox* box :
         {&F().CB_alarmmessages, &F().CB_add_alarm, &F().CB_add_memo, &F().CB_special1,
          &F().CB_special2, &F().CB_special3, &F().CB_open_browser})
      box->SetChecked(false);
    F().CB_special2.SetChecked(c.ticked);
    F().E_f3_name.SetText("Search Films");
    ASSERT_TRUE(CloseDialog());
    EXPECT_EQ(Settings().AnyTrayExtra, c.anyTrayExtra);
    EXPECT_EQ(Velmarind->M_special2.Visible, c.ticked);
    EXPECT_EQ(Velmarind->M_special2.Caption, "Search Films");
    EXPECT_EQ(Velmarind->M_S2.Caption, "Search Films");
    ui::headless::Events().clear();
    Velmarind->TrayIcon.MouseUp(ui::TMouseButton::mbRight, 1, 1);
    const auto& events = ui::headless::Events();
    const bool popup = std::any_of(events.begin(), events.end(), [](const std::string& e) {
      return e.rfind("Popup(SecondMenu", 0) == 0;
    });
    EXPECT_EQ(popup, c.popup);
  }
}

TEST_F(SettingsDialog, WithLastKnownTheMemoWindowGivesTheGeometry) {
  F_Memo->SetBounds(40, 50, 300, 200);
  Open();
  ASSERT_TRUE(F().CB_lastknown.Checked());
  F().E_x.SetText("500");
  F().E_sizex.SetText("900");
  ASSERT_TRUE(CloseDialog());
  const std::pair<int, std::string> lines[] = {{11, "40"}, {12, "50"}, {13, "300"}, {14, "200"}};
  for (const auto& [line, text] : lines) EXPECT_EQ(Line(line), text) << line;
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
  const auto hotkeys = os::fake::world().hotkeys;
  ASSERT_EQ(hotkeys.size(), 1u);
  const std::string before = File("settings.ini");
  Open();
  F().B_default.Click();
  EXPECT_EQ(F().LE_Browser.Text(), "iexplore -new");
  EXPECT_FALSE(F().CB_add_alarm.Checked());
  EXPECT_EQ(F().LB_mod.Text(), "NONE");
  EXPECT_EQ(Settings().MemoHotkeyMod, "NONE");
  EXPECT_EQ(Settings().Language, "Deutsch.lng");
  EXPECT_EQ(Settings().ProgramDir, kDir);
  EXPECT_EQ(os::fake::world().hotkeys, hotkeys);
  EXPECT_EQ(File("settings.ini"), before) << "written only on closing";
  ASSERT_TRUE(CloseDialog());
  EXPECT_EQ(Line(4), "iexplore -new");
  EXPECT_EQ(Line(35), "Deutsch.lng");
}

TEST_F(SettingsDialog, FirstRunDialogAlreadyTakesDigitsOnlyAndClosingWritesTheFile) {
  Finish();
  os::fake::Reset();
  File("sound.wav") = "RIFF";
  ui::headless::Expect([&](Dialog& d) {
    F().LE_Delay.SetText("");
    ui::headless::Type(F().LE_Delay, "a4");
    F().CB_add_alarm.SetChecked(true);
    d.form->Close();
    return 0;
  });
  Start();
  ASSERT_TRUE(HasFile("settings.ini"));
  EXPECT_EQ(Line(2), "4000");
  EXPECT_EQ(Line(19), "1");
  EXPECT_EQ(Line(1), "C:\\Velmarind\\sound.wav");
  EXPECT_FALSE(Settings().FirstRun);
}

TEST_F(SettingsDialog, AFailedSaveOnClosingNamesTheFile) {
  os::fake::world().failingSaves.insert(std::string(kDir) + "settings.ini");
  Open();
  ExpectError("Could not save C:\\Velmarind\\settings.ini");
  EXPECT_TRUE(CloseDialog());
}

TEST_F(SettingsDialog, PlayButton) {
  struct Case {
    std::string file;
    bool refused;
    std::string error;
    std::size_t plays;
  };
  const Case cases[] = {{"C:\\Velmarind\\sound.wav", false, "", 1},
                        {"C:\\Velmarind\\sound.wav", true, "Failed to play that file!", 1},
                        {"C:\\gone.wav", false, "File not found!", 0}};
  Open();
  for (const Case& c : cases) {
    os::fake::world().calls.clear();
    os::fake::world().soundRefused = c.refused;
    F().LE_Sound.SetText(c.file);
    F().B_default.SetFocus();
    if (!c.error.empty()) ExpectError(c.error);
    F().B_Play.Click();
    const auto plays = os::fake::CallsStartingWith("sound::PlayWave");
    ASSERT_EQ(plays.size(), c.plays) << c.file;
    if (c.plays) {
      EXPECT_EQ(plays[0], "sound::PlayWave(\"" + c.file + "\",139265)");
    }
    EXPECT_EQ(Focused(F().LE_Sound), c.error == "File not found!");
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
    EXPECT_EQ(d.caption, "Velmarind - Select Alarm Signal");
    EXPECT_EQ(d.text, "Sounds (*.wav)|*.wav");
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
  EXPECT_EQ(Settings().MemoTransparent, 1);
  EXPECT_EQ(Settings().MemoTransparency, 5) << "the slider alone changes no record";
  F().CB_trans.SetChecked(false);
  EXPECT_EQ(Settings().MemoTransparent, 0);
  EXPECT_EQ(ui::headless::Events(),
            (std::vector<std::string>{"SetAlpha(F_Memo,on,90)", "SetAlpha(F_Memo,on,244)",
                                      "SetAlpha(F_Memo,off,244)"}));
}

TEST_F(SettingsDialog, FillingKeepsTheRecordsTranslucencyLevel) {
  F().CB_trans.SetChecked(false);
  F().TB_transvalue.SetPosition(12);
  Settings().MemoTransparent = 1;
  Settings().MemoTransparency = 5;
  ui::headless::Events().clear();
  F().SettingsToControls();  // ticking the box stores the slider's level
  EXPECT_EQ(Settings().MemoTransparency, 5);
  EXPECT_EQ(Settings().MemoTransparent, 1);
  EXPECT_EQ(F().TB_transvalue.Position(), 5);
  EXPECT_EQ(ui::headless::Events(), std::vector<std::string>{"SetAlpha(F_Memo,on,90)"});
}

TEST_F(SettingsDialog, HotkeyListsFollowTheRecord) {
  struct Case {
    std::string modifier;
    int key;
    int modIndex, keyIndex;
  };
  const Case cases[] = {{"ALT", 11, 2, 11}, {"NONE", 0, 0, 0},   {"CTRL", 62, 4, 62},
                        {"bogus", 5, 4, 5}, {"SHIFT", 99, 3, 0}, {"WIN", 0, 0, 0}};
  for (const Case& c : cases) {
    Settings().MemoHotkeyMod = c.modifier;
    Settings().MemoHotkeyKey = c.key;
    F().SettingsToControls();
    EXPECT_EQ(F().LB_mod.ItemIndex(), c.modIndex) << c.modifier << c.key;
    EXPECT_EQ(F().LB_button.ItemIndex(), c.keyIndex) << c.modifier << c.key;
  }
  EXPECT_EQ(F().LB_button.Count(), 63);
  EXPECT_EQ(F().LB_button.Item(47), "Separator key");
}

TEST_F(SettingsDialog, SetRegistersTheChosenHotkeyInsteadOfTheOldOne) {
  const std::string window = std::to_string(Velmarind->Handle());
  struct Case {
    int modIndex, keyIndex;
    std::string message;  // empty: none
    std::string registered;
    int modShown, keyShown;
  };
  const Case cases[] = {
      {2, 11, "Hotkey: ALT + A set to show the Memo.", "1,65", 2, 11},
      {4, 62, "Hotkey: CTRL + F12 set to show the Memo.", "2,123", 4, 62},
      {0, 11, "", "", 0, 0},
      {3, 0, "", "", 0, 0},
  };
  Open();
  for (const Case& c : cases) {
    F().LB_mod.SetItemIndex(c.modIndex);
    F().LB_button.SetItemIndex(c.keyIndex);
    if (!c.message.empty()) ExpectInformation("Information", c.message);
    F().B_set.Click();
    std::string registered;
    for (const auto& [where, combo] : os::fake::world().hotkeys)
      registered += std::to_string(combo.first) + "," + std::to_string(combo.second);
    EXPECT_EQ(registered, c.registered) << c.message;
    EXPECT_EQ(F().LB_mod.ItemIndex(), c.modShown);
    EXPECT_EQ(F().LB_button.ItemIndex(), c.keyShown);
  }
  EXPECT_EQ(Settings().MemoHotkeyMod, "NONE");
  EXPECT_EQ(Settings().MemoHotkeyKey, 0);
}

TEST_F(SettingsDialog, AutostartButtons) {
  auto& world = os::fake::world();
  const std::string run = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  struct Case {
    const char* name;
    std::function<void()> prepare;
    ui::TButton* button;
    std::string caption, message, value;  // value: empty when none is stored
  };
  const Case cases[] = {
      {"add", [] {}, &F().B_add, "Information", "Velmarind was added to autostart",
       "C:\\Velmarind\\velmarind.exe"},
      {"add again", [] {}, &F().B_add, "Information", "Velmarind was added to autostart",
       "C:\\Velmarind\\velmarind.exe"},
      {"moved", [&] { world.executablePath = "D:\\Tools\\velmarind.exe"; }, &F().B_add,
       "Information", "Velmarind was added to autostart", "D:\\Tools\\velmarind.exe"},
      {"remove", [] {}, &F().B_remove, "Information",
       "Velmarind was successfully removed from autostart", ""},
      {"remove again", [] {}, &F().B_remove, "Information",
       "Velmarind is not currently set to autostart", ""},
      {"refused", [&] { world.refusedWrites.insert(run); }, &F().B_add, "Error",
       "Could not add Velmarind to autostart.", ""},
      {"no key", [&] { world.registryKeys.clear(); }, &F().B_add, "Error",
       "Could not add Velmarind to autostart.", ""},
  };
  Open();
  for (const Case& c : cases) {
    c.prepare();
    ExpectInformation(c.caption, c.message);
    (*c.button).Click();
    const auto value = world.registryValues.find(run + "\\Velmarind");
    EXPECT_EQ(value == world.registryValues.end() ? "" : value->second, c.value) << c.name;
  }
  EXPECT_TRUE(world.registryValues.empty());
}

TEST_F(SettingsDialog, AutostartOpensTheChosenRootAndAlwaysClosesWhatItOpened) {
  struct Case {
    bool localMachine;
    bool refused;
    int result;
    std::vector<std::string> calls;
  };
  const std::string hkcu = "\"HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\"";
  const Case cases[] = {
      {false,
       false,
       1,
       {"registry::Open(" + hkcu + ")", "registry::SetString(" + hkcu + ",\"V\",\"C:\\x.exe\")",
        "registry::Close(" + hkcu + ")"}},
      {false,
       true,
       0,
       {"registry::Open(" + hkcu + ")", "registry::SetString(" + hkcu + ",\"V\",\"C:\\x.exe\")",
        "registry::Close(" + hkcu + ")"}},
  };
  for (const Case& c : cases) {
    os::fake::world().calls.clear();
    if (c.refused) os::fake::world().refusedWrites.insert(hkcu.substr(1, hkcu.size() - 2));
    EXPECT_EQ(TF_Settings::AddToAutostart("V", "C:\\x.exe", c.localMachine), c.result);
    EXPECT_EQ(os::fake::world().calls, c.calls);
  }
  os::fake::world().registryKeys.clear();
  os::fake::world().calls.clear();
  EXPECT_EQ(TF_Settings::RemoveFromAutostart("V", true), 0);
  EXPECT_EQ(os::fake::CallsStartingWith("registry::Close").size(), 0u) << "nothing to close";
}

}  // namespace
