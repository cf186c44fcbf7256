#include <algorithm>

#include "alarms/alarm_form.h"
#include "alarms/alarm_handler_form.h"
#include "hotkeys/hotkey_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "settings/show_message.h"
#include "support/app_test.h"
#include "tasks/task_form.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, MakesTheWindowsHiddenWithoutATaskbarButtonAndFreesThemAtTheEnd) {
  PrepareSettings();
  Start();
  const ui::TForm* forms[] = {Velmarind, F_Settings, F_TaskHandler, F_AlarmHandler,
                              F_Alarm,   F_Hotkey,   F_Memo,        F_ShowMessage};
  ASSERT_EQ(std::ranges::count(forms, nullptr), 0);
  EXPECT_TRUE(ui::Application->MainForm == Velmarind && ui::Application->Title() == "Velmarind");
  EXPECT_FALSE(ui::Application->ShowMainForm || Velmarind->Visible() || F_Memo->Visible());
  EXPECT_EQ(std::ranges::count(ui::headless::Events(), "HideFromTaskbar"), 1);
  EXPECT_EQ(Velmarind->TrayIcon.Hint(), "Velmarind - 0 Active alarms.");
  EXPECT_EQ(Velmarind->TrayIcon.IconIndex(), 0);
  Finish();
  EXPECT_TRUE(Velmarind == nullptr && F_Memo == nullptr && F_Hotkey == nullptr);
}

TEST_F(StartupTest, FirstRunShowsTheSettingsDialogBeforeTheLaterWindowsAndTheMemoText) {
  File("memo.txt") = "first\r\nsecond\r\n";
  File("sound.wav") = "RIFF";  // shipped with the program; the dialog checks it on closing
  std::string during;
  ui::headless::Expect([&](ui::headless::Dialog& d) {
    const bool later = F_Task || F_TaskHandler || F_AlarmHandler || F_HotkeyHandler;
    during = d.caption + "|" + F_Memo->Memo.Text() + (later ? "|later windows" : "");
    F_Settings->CB_lastknown.SetChecked(false);  // the first save keeps the first run
    d.form->Close();
    return 0;
  });
  Start();
  EXPECT_EQ(during, "Settings - Velmarind|");
  EXPECT_EQ(F_Memo->Memo.Text(), "first\r\nsecond\r\n");
  EXPECT_NE(F_Hotkey, nullptr) << "start-up completes";
  EXPECT_FALSE(F_Settings->B_load.Enabled()) << "no translation on the first run";
}

// The tray, remote commands, hotkeys and menu items reach a program whose later windows do not
// exist yet: they do nothing, and Close quits once start-up is over.
TEST_F(StartupTest, WhileTheFirstRunDialogIsOpenEverythingElseIsHarmless) {
  File("sound.wav") = "RIFF";
  ui::headless::Expect([](ui::headless::Dialog& d) {
    for (auto button : {ui::TMouseButton::mbLeft, ui::TMouseButton::mbRight})
      Velmarind->TrayIcon.MouseUp(button, 1, 1);
    for (std::intptr_t command = 47001; command <= 47006; ++command)
      Velmarind->Perform(ui::WM_COMMAND, 0, command);
    Velmarind->Perform(ui::WM_HOTKEY, 7, 0);
    F_Settings->B_default.Click();  // no longer a first run, but start-up is not over
    EXPECT_FALSE(F_Settings->B_load.Enabled());
    TVelmarind& v = *Velmarind;
    for (ui::TMenuItem* item : {&v.M_Edit, &v.M_TimerEdit, &v.M_HotkeyEdit, &v.M_enable,
                                &v.M_disable, &v.M_About, &v.M_newalarm, &v.M_Quit})
      item->Click();
    d.form->Close();
    return 0;
  });
  Start();
  EXPECT_TRUE(ui::Application->Terminated());
  EXPECT_TRUE(HasFile("settings.ini"));
}

// A copy running from this folder is only reported, in one box: nothing is read, written or
// made. One running from another folder is no concern.
TEST_F(StartupTest, ACopyRunningFromThisFolderStopsTheStartWithOneBox) {
  os::fake::world().foldersHeldElsewhere = {kDir};
  ui::headless::ExpectButton(ui::IDOK);
  EXPECT_FALSE(Start());
  const ui::headless::Dialog& box = ui::headless::ShownDialogs().at(0);
  EXPECT_EQ(box.caption + "|" + box.text + "|" + std::to_string(box.flags),
            "Information|Velmarind is already running from this folder.|64");
  EXPECT_EQ(os::fake::world().calls,
            std::vector<std::string>{"instance::ClaimFolder(\"C:\\Velmarind\\\")"});
  EXPECT_TRUE(Velmarind == nullptr && ui::headless::ShownTrayTip().empty());
  Finish();
  PrepareSettings();
  os::fake::world().foldersHeldElsewhere = {"C:\\Other\\"};
  EXPECT_TRUE(Start() && Velmarind);
}

TEST_F(StartupTest, SettingsShapeTheMemoAndTheTrayMenus) {
  File("memo.txt") = "zero\r\none\r\ntwo";
  PrepareSettings([](CSettings& s) {
    std::tie(s.MemoCaretLine, s.ShowNewAlarm, s.WebCommandName2) = std::tuple(2, 1, "Dictionary");
  });
  Start();
  EXPECT_EQ(F_Memo->Memo.CaretLine(), 2);
  EXPECT_EQ(F_Memo->Modified, 1) << "a loaded memo is written again at the next save";
  EXPECT_TRUE(Velmarind->M_newalarm.Visible && Settings().AnyTrayExtra == 1);
  EXPECT_FALSE(Velmarind->M_alarmmessages.Visible || Velmarind->M_special1.Visible ||
               Velmarind->M_special2.Visible || Velmarind->M_special3.Visible);
  EXPECT_EQ(Velmarind->M_special2.Caption + "|" + Velmarind->M_S2.Caption, "Dictionary|Dictionary");
  EXPECT_EQ(Velmarind->M_S1.Caption, "Search Google");
}

}  // namespace
