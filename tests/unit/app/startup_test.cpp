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

class StartupTest : public AppTest {
 protected:
  static std::size_t Registered() {
    return os::fake::CallsStartingWith("hotkeys::Register").size();
  }
};

TEST_F(StartupTest, MakesTheWindowsHiddenWithoutATaskbarButtonAndFreesThemAtTheEnd) {
  PrepareSettings();
  Start();
  const ui::TForm* forms[] = {Velmarind, F_Settings, F_TaskHandler, F_AlarmHandler,
                              F_Alarm,   F_Hotkey,   F_Memo,        F_ShowMessage};
  ASSERT_EQ(std::ranges::count(forms, nullptr), 0);
  EXPECT_EQ(ui::Application->MainForm, Velmarind);
  EXPECT_EQ(ui::Application->Title(), "Velmarind");
  EXPECT_FALSE(ui::Application->ShowMainForm || Velmarind->Visible() || F_Memo->Visible());
  EXPECT_EQ(std::ranges::count(ui::headless::Events(), "HideFromTaskbar"), 1);
  EXPECT_EQ(Velmarind->TrayIcon.Hint(), "Velmarind 5.0");
  EXPECT_EQ(Velmarind->TrayIcon.IconIndex(), 0);
  Finish();
  EXPECT_TRUE(Velmarind == nullptr && F_Memo == nullptr && F_Hotkey == nullptr);
}

TEST_F(StartupTest, SettingsDialogComesFirstOnAFirstRunOrWhenTheAlarmSoundIsMissing) {
  const std::string memo = "first\r\nsecond\r\n", dialog = "Settings - Velmarind|";
  // clang-format off
  const struct { bool firstRun; std::string sound, during; std::size_t registered; } cases[] = {
      {true, "", dialog + "|0", 0},  // the memo is loaded after the dialog
      {false, "missing.wav", dialog + memo + "|0", 1}, {false, "sound.wav", "", 1}, {false, "", "", 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::Reset();
    PrepareSettings([&](CSettings& s) {
      s.SoundFile = c.sound;
      std::tie(s.MemoHotkeyMod, s.MemoHotkeyKey) = std::pair("ALT", 11);
    });
    if (c.firstRun) os::fake::world().files.erase(std::string(kDir) + "settings.ini");
    File("memo.txt") = memo;
    std::string during;  // what the dialog found: the memo, the hotkeys, the later windows
    if (!c.during.empty())
      ui::headless::Expect([&](ui::headless::Dialog& d) {
        const bool later = F_Task || F_TaskHandler || F_AlarmHandler || F_HotkeyHandler;
        during = d.caption + "|" + F_Memo->Memo.Text() + "|" + std::to_string(Registered()) +
                 (later ? "|later windows" : "");
        File(c.sound) = "RIFF";  // the user puts the sound in place, so closing succeeds
        d.form->Close();
        return 0;
      });
    Start();
    EXPECT_EQ(during, c.during);
    EXPECT_EQ(Registered(), c.registered) << c.sound;
    EXPECT_EQ(F_Memo->Memo.Text() + (Settings().FirstRun ? "still first run" : ""), memo);
    Finish();
  }
}

TEST_F(StartupTest, SettingsShapeTheMemoAndTheTrayMenus) {
  File("memo.txt") = "zero\none\r\ntwo\rthree";
  PrepareSettings([](CSettings& s) {
    s.MemoCaretLine = 2;
    s.ShowNewAlarm = 1;
    s.WebCommandName2 = "Dictionary";
  });
  Start();
  EXPECT_EQ(F_Memo->Memo.Text(), "zero\r\none\r\ntwo\r\nthree");
  EXPECT_EQ(F_Memo->Memo.CaretLine(), 2);
  EXPECT_EQ(F_Memo->Modified, 1) << "a loaded memo is written again at the next save";
  EXPECT_EQ(Settings().AnyTrayExtra, 1);
  EXPECT_TRUE(Velmarind->M_newalarm.Visible);
  EXPECT_FALSE(Velmarind->M_alarmmessages.Visible || Velmarind->M_special1.Visible ||
               Velmarind->M_special3.Visible);
  EXPECT_EQ(Velmarind->M_special2.Caption + "|" + Velmarind->M_S2.Caption, "Dictionary|Dictionary");
  EXPECT_EQ(Velmarind->M_S1.Caption, "Search Google");
}

}  // namespace
