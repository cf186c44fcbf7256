#include "settings/settings_form.h"

#include "support/app_test.h"
#include "ui/messages.h"

namespace {

class MemoHotkeyTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
    os::fake::world().calls.clear();
  }
  std::string Handle() { return std::to_string(Velmarind->Handle()); }
};

TEST_F(MemoHotkeyTest, KeyIndexToVirtualKey) {
  const std::pair<int, int> cases[] = {{0, -1},    {1, 0x30},  {10, 0x39}, {11, 0x41}, {36, 0x5A},
                                       {37, 0x60}, {46, 0x69}, {47, 0x6C}, {50, 0x6F}, {51, 0x70},
                                       {62, 0x7B}, {63, -1},   {-1, -1}};
  for (const auto& [index, key] : cases)
    EXPECT_EQ(TF_Settings::KeyIndexToVirtualKey(index), key) << index;
}

TEST_F(MemoHotkeyTest, RegistersTheChosenCombinationAndConfirmsIt) {
  struct Case {
    std::string modifier;
    int key;
    std::string registration;
    std::string message;
  };
  const Case cases[] = {
      {"ALT", 11, ",10000,1,65)", "Hotkey: ALT + A set to show the Memo."},
      {"WIN", 47, ",10000,8,108)", "Hotkey: WIN + Separator key set to show the Memo."},
      {"CTRL", 62, ",10000,2,123)", "Hotkey: CTRL + F12 set to show the Memo."},
      {"SHIFT", 37, ",10000,4,96)", "Hotkey: SHIFT + Numeric keypad 0 set to show the Memo."},
  };
  for (const Case& c : cases) {
    os::fake::world().hotkeys.clear();
    os::fake::world().calls.clear();
    Settings().MemoHotkeyMod = c.modifier;
    Settings().MemoHotkeyKey = c.key;
    ui::headless::Expect([&](ui::headless::Dialog& d) {
      EXPECT_EQ(d.text, c.message);
      EXPECT_EQ(d.caption, "Information");
      EXPECT_EQ(d.flags, ui::MB_ICONINFORMATION);
      return ui::IDOK;
    });
    EXPECT_EQ(F_Settings->SetMemoHotkey(true), 1);
    EXPECT_EQ(os::fake::world().calls,
              std::vector<std::string>{"hotkeys::Register(" + Handle() + c.registration});
  }
}

TEST_F(MemoHotkeyTest, NoneInEitherListUnregistersAndClearsBoth) {
  const std::pair<std::string, int> cases[] = {{"NONE", 11}, {"ALT", 0}, {"NONE", 0}};
  for (const auto& [modifier, key] : cases) {
    os::fake::world().calls.clear();
    Settings().MemoHotkeyMod = modifier;
    Settings().MemoHotkeyKey = key;
    EXPECT_EQ(F_Settings->SetMemoHotkey(true), 1);
    EXPECT_EQ(Settings().MemoHotkeyMod, "NONE");
    EXPECT_EQ(Settings().MemoHotkeyKey, 0);
    EXPECT_EQ(os::fake::world().calls,
              std::vector<std::string>{"hotkeys::Unregister(" + Handle() + ",10000)"});
  }
}

TEST_F(MemoHotkeyTest, RefusedRegistrationIsSilentAndKeepsTheChoice) {
  os::fake::world().hotkeys[{999, 1}] = {ui::MOD_ALT, 0x41};  // held by another program
  Settings().MemoHotkeyMod = "ALT";
  Settings().MemoHotkeyKey = 11;
  EXPECT_EQ(F_Settings->SetMemoHotkey(true), 0);
  EXPECT_EQ(Settings().MemoHotkeyMod, "ALT");
  EXPECT_EQ(Settings().MemoHotkeyKey, 11);
}

TEST_F(MemoHotkeyTest, ShortSettingsFileTurnsAnEmptyModifierIntoNone) {
  Finish();
  File("settings.ini") = "sound.wav\r\n2000\r\n5\r\n\r\n0\r\n0\r\n0\r\n0\r\n\r\n0\r\n";
  Start();
  EXPECT_EQ(Settings().MemoHotkeyMod, "NONE");
  EXPECT_EQ(Settings().UseLastKnown, 0);
}

class SettingsDialogTest : public AppTest {};

TEST_F(SettingsDialogTest, ClosingTheDialogSavesAndItIsPlacedBottomRight) {
  PrepareSettings();
  Start();
  os::fake::world().files.erase(std::string(kDir) + "settings.ini");
  Velmarind->M_Settings.Click();
  ASSERT_TRUE(F_Settings->Visible());
  EXPECT_EQ(F_Settings->Left(), 1280 - (F_Settings->Width() + 32));
  EXPECT_EQ(F_Settings->Top(), 1024 - (F_Settings->Height() + 32));
  Velmarind->M_Settings.Click();
  EXPECT_FALSE(F_Settings->Visible());
  EXPECT_TRUE(HasFile("settings.ini"));
}

TEST_F(SettingsDialogTest, WhileTheFirstRunDialogIsOpenEverythingElseIsHarmless) {
  File("sound.wav") = "RIFF";  // the factory sound, which the dialog checks on closing
  ui::headless::Expect([&](ui::headless::Dialog& d) {
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
  EXPECT_TRUE(HasFile("settings.ini"));
}

}  // namespace
