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

namespace {

using ui::headless::Dialog;

class StartupTest : public AppTest {
 protected:
  static std::size_t Registered() {
    return os::fake::CallsStartingWith("hotkeys::Register").size();
  }
};

TEST_F(StartupTest, MakesTheWindowsHiddenWithoutATaskbarButtonAndFreesThemAtTheEnd) {
  PrepareSettings();
  Start();
  for (ui::TForm* form :
       std::initializer_list<ui::TForm*>{Velmarind, F_Settings, F_TaskHandler, F_AlarmHandler,
                                         F_Alarm, F_Hotkey, F_Memo, F_ShowMessage})
    ASSERT_NE(form, nullptr);
  EXPECT_EQ(ui::Application->MainForm, Velmarind);
  EXPECT_EQ(ui::Application->Title(), "Velmarind");
  EXPECT_FALSE(ui::Application->ShowMainForm || Velmarind->Visible() || F_Memo->Visible());
  EXPECT_EQ(std::ranges::count(ui::headless::Events(), "HideFromTaskbar"), 1);
  EXPECT_EQ(Velmarind->TrayIcon.Hint(), "Velmarind - 0 Active alarms.");
  EXPECT_EQ(Velmarind->TrayIcon.IconIndex(), 0);
  Finish();
  EXPECT_EQ(Velmarind, nullptr);
  EXPECT_EQ(F_Memo, nullptr);
  EXPECT_EQ(F_Hotkey, nullptr);
}

TEST_F(StartupTest, FirstRunShowsTheSettingsDialogBeforeTheLaterWindowsExist) {
  File("memo.txt") = "first\r\nsecond\r\n";
  File("sound.wav") = "RIFF";  // shipped with the program; the dialog checks it on closing
  bool laterWindowsMissing = false;
  ui::headless::Expect([&](Dialog& d) {
    EXPECT_EQ(d.caption, "Settings - Velmarind");
    EXPECT_EQ(d.form, F_Settings);
    laterWindowsMissing = F_Task == nullptr && F_TaskHandler == nullptr &&
                          F_AlarmHandler == nullptr && F_HotkeyHandler == nullptr;
    EXPECT_TRUE(F_Settings->Settings.FirstRun);
    EXPECT_EQ(F_Settings->Settings.SoundFile, "C:\\Velmarind\\sound.wav");
    EXPECT_EQ(F_Memo->Memo.Text(), "") << "memo.txt is loaded after the dialog";
    d.form->Close();
    return 0;
  });
  Start();
  EXPECT_TRUE(laterWindowsMissing);
  EXPECT_EQ(File("settings.ini").rfind("C:\\Velmarind\\sound.wav\r\n2000\r\n5\r\n", 0), 0u);
  EXPECT_EQ(std::count(File("settings.ini").begin(), File("settings.ini").end(), '\n'), 51);
  EXPECT_FALSE(Settings().FirstRun);
  EXPECT_EQ(F_Memo->Memo.Text(), "first\r\nsecond\r\n");
  EXPECT_EQ(F_Memo->Memo.CaretLine(), 0) << "no caret line on the first run";
  EXPECT_NE(F_Hotkey, nullptr) << "start-up completes";
  EXPECT_EQ(Registered(), 0u);
}

TEST_F(StartupTest, MissingAlarmSoundShowsTheDialogBeforeTheMemoHotkeyIsRegistered) {
  for (const std::string sound : {"missing.wav", "sound.wav", ""}) {
    os::fake::Reset();
    PrepareSettings([&](CSettings& s) {
      s.SoundFile = sound;
      s.MemoHotkeyMod = "ALT";
      s.MemoHotkeyKey = 11;
    });
    std::size_t registeredBeforeDialog = 99;
    if (sound == "missing.wav")
      ui::headless::Expect([&](Dialog& d) {
        registeredBeforeDialog = Registered();
        File(sound) = "RIFF";  // the user puts the sound in place, so closing succeeds
        d.form->Close();
        return 0;
      });
    Start();
    EXPECT_EQ(registeredBeforeDialog, sound == "missing.wav" ? 0u : 99u) << sound;
    EXPECT_EQ(Registered(), 1u) << sound;
    Finish();
  }
}

TEST_F(StartupTest, SettingsPlaceTheMemoAndShapeTheTrayMenusAndTheMessageWindow) {
  File("memo.txt") = "zero\none\r\ntwo\rthree";
  PrepareSettings([](CSettings& s) {
    s.MemoCaretLine = 2;
    s.MemoLeft = 100;
    s.MemoTop = 50;
    s.MemoWidth = 400;
    s.MemoHeight = 300;
    s.ShowNewAlarm = 1;
    s.WebCommandName2 = "Dictionary";
    s.SignalDelay = 4000;
  });
  Start();
  EXPECT_EQ(F_Memo->Memo.Text(), "zero\r\none\r\ntwo\r\nthree");
  EXPECT_EQ(F_Memo->Memo.CaretLine(), 2);
  EXPECT_EQ(F_Memo->BoundsRect(), (ui::TRect{100, 50, 400, 300}));
  EXPECT_EQ(F_Memo->Modified, 1) << "a loaded memo is written again at the next save";
  EXPECT_EQ(Settings().AnyTrayExtra, 1);
  EXPECT_TRUE(Velmarind->M_newalarm.Visible);
  EXPECT_FALSE(Velmarind->M_alarmmessages.Visible || Velmarind->M_special1.Visible ||
               Velmarind->M_special3.Visible);
  EXPECT_EQ(Velmarind->M_special2.Caption + "|" + Velmarind->M_S2.Caption, "Dictionary|Dictionary");
  EXPECT_EQ(Velmarind->M_S1.Caption, "Search Google");
  EXPECT_EQ(F_ShowMessage->T_SoundTimer.Interval(), 4000);
}

}  // namespace
