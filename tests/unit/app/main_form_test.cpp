#include "alarms/alarm_handler_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "settings/show_message.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

namespace {

using ui::headless::Events;
using Strings = std::vector<std::string>;

class MainFormTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Restart();
  }
  void Restart() {
    Finish();
    Start();
    os::fake::world().calls.clear();
    Events().clear();
  }
  static std::size_t Saves(const std::string& file) {
    return os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\" + file).size();
  }
};

Strings Popup(const std::string& menu) {
  return {"SetForeground(Velmarind)", "Popup(" + menu + ",10,20)", "Post(Velmarind,0,0,0)"};
}

TEST_F(MainFormTest, TrayMenusHoldTheirItems) {
  TVelmarind& v = *Velmarind;
  // clang-format off
  const std::pair<ui::TMenuItem*, ui::TMenuItem*> placed[] = {
      {&v.M_Quit, &v.MainMenu.Items},   {&v.M_Clipboard, &v.MainMenu.Items},
      {&v.M_HotkeyEdit, &v.M_Hotkeys},  {&v.N5, &v.M_Hotkeys},  {&v.M_Edit, &v.M_Run},
      {&v.M_mainalarmmessages, &v.M_Timer},  {&v.M_Clipboard1, &v.M_Clipboard},
      {&v.M_MainOpenInBrowser, &v.M_Clipboard},  {&v.M_alarmmessages, &v.SecondMenu.Items},
      {&v.M_openinbrowser, &v.SecondMenu.Items},
  };
  // clang-format on
  for (const auto& [item, parent] : placed) EXPECT_EQ(item->Parent(), parent) << item->Caption;
  EXPECT_EQ(v.MainMenu.Items.Find("Tasks"), &v.M_Run);
}

TEST_F(MainFormTest, RemoteCommandsOutsideTheirRangeDoNothing) {
  CTask only;
  only.Name = "only";
  F_TaskHandler->TaskHandler.AddTask(only, true);
  const std::pair<std::uintptr_t, std::intptr_t> ignored[] = {
      {0, 47000}, {0, 47007}, {0, 0}, {1, 47006}, {0xFFFFFFFF, 47006}, {5, -47006}};
  for (const auto& [wparam, lparam] : ignored) {
    EXPECT_EQ(Velmarind->Perform(ui::WM_COMMAND, wparam, lparam), 0);
    EXPECT_TRUE(os::fake::world().calls.empty() && Events().empty()) << lparam;
  }
}

TEST_F(MainFormTest, MemoHotkeyTogglesTheMemoAndOtherIdsLeaveItAlone) {
  for (const int id : {MemoHotkeyId, 5, 9000}) {
    Velmarind->Perform(ui::WM_HOTKEY, id, 0);
    EXPECT_TRUE(F_Memo->Visible()) << id;
  }
  F_Memo->Memo.SetText("a\r\nb\r\nc");
  F_Memo->Memo.SetSel(6, 0);
  Velmarind->Perform(ui::WM_HOTKEY, MemoHotkeyId, 0);
  EXPECT_FALSE(F_Memo->Visible());
  EXPECT_EQ(Settings().MemoCaretLine, 2) << "closing stores the caret line";
}

TEST_F(MainFormTest, TrayClickOpensItsMenuAndSilencesTheAlarm) {
  using enum ui::TMouseButton;
  // clang-format off
  const struct { ui::TMouseButton button; int anyTrayExtra; Strings events; } cases[] = {
      {mbLeft, 0, Popup("MainMenu")}, {mbLeft, 1, Popup("MainMenu")}, {mbRight, 0, {}},
      {mbRight, 1, Popup("SecondMenu")}, {mbMiddle, 0, {}}, {mbMiddle, 1, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().AnyTrayExtra = c.anyTrayExtra;
    Velmarind->SetTrayAnimation(true);
    F_ShowMessage->StartAlarmSound(5);
    ui::headless::AdvanceTime(250);
    Events().clear();
    Velmarind->TrayIcon.MouseUp(c.button, 10, 20);
    EXPECT_EQ(Events(), c.events);
    EXPECT_FALSE(Velmarind->TrayIcon.Animate() || F_ShowMessage->T_SoundTimer.Enabled());
    EXPECT_EQ(std::pair(Velmarind->TrayIcon.IconIndex(), F_ShowMessage->RepeatsLeft),
              std::pair(0, 0));
  }
}

TEST_F(MainFormTest, QuitAsksOnlyWhileAlarmsAreActiveAndHidesTheWindows) {
  // clang-format off
  const struct { std::vector<int> states; const char* question; int answer; bool quits; } cases[] = {
      {{}, nullptr, 0, true},
      {{0, 0}, nullptr, 0, true},
      {{1}, "You have 1 active alarms, quit anyway?", ui::IDNO, false},
      {{1, 0, 1}, "You have 2 active alarms, quit anyway?", ui::IDNO, false},
      {{0, 1, 1}, "You have 2 active alarms, quit anyway?", ui::IDYES, true},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart();
    for (int state : c.states) {
      CAlarm alarm;
      alarm.Name = "a" + std::to_string(F_AlarmHandler->AlarmHandler.Count());
      alarm.Type = kCountdown, alarm.TimeText = "00:01:00", alarm.State = state;
      F_AlarmHandler->AlarmHandler.AddAlarm(alarm, false);
    }
    if (c.question)
      ui::headless::Expect([&c](ui::headless::Dialog& d) {
        EXPECT_EQ(d.text + "|" + d.caption, std::string(c.question) + "|Confirm");
        EXPECT_EQ(d.flags, ui::MB_YESNO | ui::MB_ICONQUESTION);
        return c.answer;
      });
    F_Memo->Show();
    F_ShowMessage->Show();
    Velmarind->M_Quit.Click();
    EXPECT_FALSE(F_Memo->Visible() || F_ShowMessage->Visible());
    EXPECT_EQ(ui::Application->Terminated(), c.quits) << c.states.size();
    const std::string handle = std::to_string(Velmarind->Handle());
    const std::size_t once = c.quits ? 1 : 0;
    EXPECT_EQ(os::fake::CallsStartingWith("hotkeys::Unregister(" + handle + ",10000)").size(),
              once);
    EXPECT_EQ(Saves("settings.ini"), once);
  }
}

TEST_F(MainFormTest, QuitWritesAChangedMemoAndFreesTheWindowsOnlyAfterTheLoop) {
  F_Memo->Memo.SetText("changed");
  F_Memo->Modified = 1;
  Velmarind->M_Quit.Click();
  EXPECT_EQ(File("memo.txt"), "changed");
  ASSERT_NE(F_Memo, nullptr) << "destroyed only after the message loop";
  os::fake::world().calls.clear();
  Finish();
  EXPECT_EQ(F_Memo, nullptr);
  EXPECT_EQ(Saves("memo.txt"), 0u) << "nothing changed since the save at close";
}

TEST_F(MainFormTest, EndSessionSavesWhatALogOffWouldLose) {
  // clang-format off
  const struct { const char* name; bool changeText, moveCaret, failing, memoWritten, settingsWritten; } cases[] = {
      {"unchanged",    false, false, false, false, false},
      {"caret moved",  false, true,  false, false, true},
      {"text changed", true,  false, false, true,  true},
      {"both",         true,  true,  false, true,  true},
      {"memo.txt cannot be written", true, false, true, false, true},
  };
  // clang-format on
  const std::string memo = std::string(kDir) + "memo.txt";
  for (const auto& c : cases) {
    F_Memo->Memo.SetText(c.changeText ? "one\r\ntwo\r\nthree!" : "one\r\ntwo\r\nthree");
    F_Memo->Memo.SetSel(c.moveCaret ? 9 : 0, 0);
    F_Memo->Modified = c.changeText;
    Settings().MemoCaretLine = 0;
    os::fake::world().files.erase(memo);
    os::fake::world().files.erase(std::string(kDir) + "settings.ini");
    if (c.failing) {
      os::fake::world().failingSaves.insert(memo);
      ui::headless::ExpectButton(ui::IDOK);
    }
    Velmarind->Perform(ui::WM_ENDSESSION, 1, 0);
    EXPECT_EQ(HasFile("memo.txt") ? File("memo.txt") : "-",
              c.memoWritten ? "one\r\ntwo\r\nthree!" : "-")
        << c.name;
    EXPECT_EQ(HasFile("settings.ini"), c.settingsWritten) << c.name;
    EXPECT_EQ(F_Memo->Modified, c.failing) << c.name << ": kept for the exit to write";
    EXPECT_EQ(Settings().MemoCaretLine, c.moveCaret ? 1 : 0) << c.name;
    EXPECT_FALSE(ui::Application->Terminated()) << "nothing else happens";
  }
  os::fake::world().failingSaves.clear();
  Finish();
  EXPECT_EQ(File("memo.txt"), "one\r\ntwo\r\nthree!") << "the exit writes the memo kept modified";
}

}  // namespace
