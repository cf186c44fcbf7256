#include "alarms/alarm_handler_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "memo/memo_form.h"
#include "settings/show_message.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

namespace {

CAlarm Alarm(const std::string& name, std::int16_t state) {
  CAlarm alarm;
  alarm.Name = name;
  alarm.Type = kCountdown;
  alarm.TimeText = "00:01:00";
  alarm.State = state;
  return alarm;
}

using ui::headless::Events;

class MainFormTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
    os::fake::world().calls.clear();
    Events().clear();
  }
  std::vector<std::string> Popups() {
    std::vector<std::string> popups;
    for (const auto& e : Events())
      if (e.rfind("Popup", 0) == 0) popups.push_back(e);
    return popups;
  }
};

TEST_F(MainFormTest, MenusHoldTheirItemsInOrder) {
  std::vector<std::string> captions;
  for (int i = 0; i < Velmarind->MainMenu.Items.Count(); ++i)
    captions.push_back(Velmarind->MainMenu.Items.Items(i)->Caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Close", "About", "Settings", "-", "Memo",
                                                "Hotkeys", "Tasks", "Alarms", "Clipboard"}));
  EXPECT_EQ(Velmarind->M_Run.Count(), 2);
  EXPECT_EQ(Velmarind->M_Timer.Items(1), &Velmarind->M_mainalarmmessages);
  EXPECT_EQ(Velmarind->M_Clipboard.Count(), 10);
  EXPECT_EQ(Velmarind->SecondMenu.Items.Count(), 7);
  EXPECT_EQ(Velmarind->ImageList.Count(), 22);
  EXPECT_EQ(Velmarind->TrayImageList.Count(), 2);
  EXPECT_EQ(Velmarind->MainMenu.Items.Find("Tasks"), &Velmarind->M_Run);
}

TEST_F(MainFormTest, RemoteCommandsOutsideTheirRangeDoNothing) {
  CTask only;
  only.Name = "only";
  F_TaskHandler->TaskHandler.AddTask(only, true);
  const std::pair<std::uintptr_t, std::intptr_t> ignored[] = {
      {0, 47000}, {0, 47007}, {0, 0}, {1, 47006}, {0xFFFFFFFF, 47006}, {5, -47006}};
  for (const auto& [wparam, lparam] : ignored) {
    EXPECT_EQ(Velmarind->Perform(ui::WM_COMMAND, wparam, lparam), 0);
    EXPECT_TRUE(os::fake::world().calls.empty()) << lparam;
    EXPECT_TRUE(Events().empty()) << lparam;
  }
  EXPECT_FALSE(Velmarind->Visible());
  EXPECT_TRUE(ui::headless::ShownDialogs().empty());
}

TEST_F(MainFormTest, MemoHotkeyTogglesTheMemoAndOtherIdsLeaveItAlone) {
  Velmarind->Perform(ui::WM_HOTKEY, MemoHotkeyId, 0);
  EXPECT_TRUE(F_Memo->Visible());
  Velmarind->Perform(ui::WM_HOTKEY, 5, 0);
  Velmarind->Perform(ui::WM_HOTKEY, 9000, 0);
  EXPECT_TRUE(F_Memo->Visible());
  F_Memo->Memo.SetText("a\r\nb\r\nc");
  F_Memo->Memo.SetSel(6, 0);
  Velmarind->Perform(ui::WM_HOTKEY, MemoHotkeyId, 0);
  EXPECT_FALSE(F_Memo->Visible());
  EXPECT_EQ(Settings().MemoCaretLine, 2) << "closing stores the caret line";
}

TEST_F(MainFormTest, TrayMouseUpMatrix) {
  struct Case {
    ui::TMouseButton button;
    int anyTrayExtra;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {ui::TMouseButton::mbLeft,
       0,
       {"SetForeground(Velmarind)", "Popup(MainMenu,10,20)", "Post(Velmarind,0,0,0)"}},
      {ui::TMouseButton::mbLeft,
       1,
       {"SetForeground(Velmarind)", "Popup(MainMenu,10,20)", "Post(Velmarind,0,0,0)"}},
      {ui::TMouseButton::mbRight, 0, {}},
      {ui::TMouseButton::mbRight,
       1,
       {"SetForeground(Velmarind)", "Popup(SecondMenu,10,20)", "Post(Velmarind,0,0,0)"}},
      {ui::TMouseButton::mbMiddle, 0, {}},
      {ui::TMouseButton::mbMiddle, 1, {}},
  };
  for (const Case& c : cases) {
    Settings().AnyTrayExtra = c.anyTrayExtra;
    Velmarind->SetTrayAnimation(true);
    F_ShowMessage->StartAlarmSound(5);
    ui::headless::AdvanceTime(250);
    Events().clear();
    Velmarind->TrayIcon.MouseUp(c.button, 10, 20);
    EXPECT_EQ(Events(), c.events);
    EXPECT_FALSE(Velmarind->TrayIcon.Animate());
    EXPECT_EQ(Velmarind->TrayIcon.IconIndex(), 0);
    EXPECT_FALSE(F_ShowMessage->T_SoundTimer.Enabled());
    EXPECT_EQ(F_ShowMessage->RepeatsLeft, 0);
  }
}

TEST_F(MainFormTest, CloseWithoutActiveAlarmsQuitsAndSavesWithoutAsking) {
  Velmarind->M_Quit.Click();
  EXPECT_TRUE(ui::Application->Terminated());
  EXPECT_EQ(os::fake::CallsStartingWith("hotkeys::Unregister(" +
                                        std::to_string(Velmarind->Handle()) + ",10000)")
                .size(),
            1u);
  EXPECT_EQ(
      os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\settings.ini\")").size(),
      1u);
}

TEST_F(MainFormTest, CloseWithActiveAlarmsAsksAndNoKeepsRunning) {
  for (const int answer : {ui::IDNO, ui::IDYES}) {
    auto& alarms = F_AlarmHandler->AlarmHandler.Alarms;
    alarms = {Alarm("a", 1), Alarm("b", 0), Alarm("c", 1)};
    F_Memo->Show();
    ui::headless::Expect([answer](ui::headless::Dialog& d) {
      EXPECT_EQ(d.text, "You have 2 active alarms, quit anyway?");
      EXPECT_EQ(d.caption, "Confirm");
      EXPECT_EQ(d.flags, ui::MB_YESNO | ui::MB_ICONQUESTION);
      return answer;
    });
    Velmarind->M_Quit.Click();
    EXPECT_FALSE(F_Memo->Visible());
    EXPECT_EQ(ui::Application->Terminated(), answer == ui::IDYES);
    EXPECT_EQ(os::fake::CallsStartingWith("hotkeys::Unregister").size(),
              answer == ui::IDYES ? 1u : 0u);
  }
}

TEST_F(MainFormTest, CloseSavesAChangedMemoAndHidesTheWindowsUntilTheLoopIsOver) {
  F_Memo->Show();
  F_ShowMessage->Show();
  F_Memo->Memo.SetText("changed");
  F_Memo->Modified = 1;
  Velmarind->M_Quit.Click();
  EXPECT_EQ(File("memo.txt"), "changed");
  ASSERT_NE(F_Memo, nullptr) << "destroyed only after the message loop";
  EXPECT_FALSE(F_Memo->Visible());
  EXPECT_FALSE(F_ShowMessage->Visible());
  os::fake::world().calls.clear();
  Finish();
  EXPECT_EQ(F_Memo, nullptr);
  EXPECT_TRUE(
      os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")").empty())
      << "nothing changed since the save at close";
}

TEST_F(MainFormTest, EndSessionSavesWhatALogOffWouldLose) {
  struct Case {
    const char* name;
    bool changeText;
    bool moveCaret;
    bool memoWritten;
    bool settingsWritten;
  };
  const Case cases[] = {
      {"unchanged", false, false, false, false},
      {"caret moved", false, true, false, true},
      {"text changed", true, false, true, true},
      {"both", true, true, true, true},
  };
  for (const Case& c : cases) {
    F_Memo->Memo.SetText("one\r\ntwo\r\nthree");
    F_Memo->Memo.SetSel(0, 0);
    F_Memo->Modified = 0;
    Settings().MemoCaretLine = 0;
    if (c.changeText) {
      F_Memo->Memo.SetText("one\r\ntwo\r\nthree!");
      F_Memo->Modified = 1;
    }
    if (c.moveCaret) F_Memo->Memo.SetSel(9, 0);
    os::fake::world().files.erase(std::string(kDir) + "memo.txt");
    os::fake::world().files.erase(std::string(kDir) + "settings.ini");
    Velmarind->Perform(ui::WM_ENDSESSION, 1, 0);
    EXPECT_EQ(HasFile("memo.txt"), c.memoWritten) << c.name;
    EXPECT_EQ(HasFile("settings.ini"), c.settingsWritten) << c.name;
    EXPECT_EQ(F_Memo->Modified, 0) << c.name;
    if (c.memoWritten) {
      EXPECT_EQ(File("memo.txt"), "one\r\ntwo\r\nthree!");
    }
    EXPECT_EQ(Settings().MemoCaretLine, c.moveCaret ? 1 : 0) << c.name;
    EXPECT_TRUE(F_Memo != nullptr && !ui::Application->Terminated()) << "nothing else happens";
  }
}

TEST_F(MainFormTest, EndSessionKeepsTheModifiedFlagWhenTheMemoCannotBeWritten) {
  os::fake::world().failingSaves.insert(std::string(kDir) + "memo.txt");
  F_Memo->Memo.SetText("precious");
  F_Memo->Modified = 1;
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.caption, "Error");
    EXPECT_NE(d.text.find("memo.txt"), std::string::npos);
    return ui::IDOK;
  });
  Velmarind->Perform(ui::WM_ENDSESSION, 1, 0);
  EXPECT_EQ(F_Memo->Modified, 1);
  os::fake::world().failingSaves.clear();
  Finish();
  EXPECT_EQ(File("memo.txt"), "precious") << "the flag kept, the exit writes it";
}

TEST_F(MainFormTest, ClipboardPrimitives) {
  auto& w = os::fake::world();
  EXPECT_TRUE(Velmarind->SetClipboardText("hello"));
  EXPECT_EQ(Velmarind->GetClipboardText(), "hello");
  EXPECT_TRUE(Velmarind->SetClipboardText(""));
  EXPECT_EQ(Velmarind->GetClipboardText(), "");
  Velmarind->SetClipboardText("kept");
  w.clipboardLocked = true;
  EXPECT_FALSE(Velmarind->SetClipboardText("new"));
  EXPECT_EQ(Velmarind->GetClipboardText(), "");
  w.clipboardLocked = false;
  EXPECT_EQ(Velmarind->GetClipboardText(), "kept");
}

TEST_F(MainFormTest, MenuItemsToggleTheirWindows) {
  struct Case {
    ui::TMenuItem* item;
    ui::TForm* form;
  };
  for (const Case& c :
       {Case{&Velmarind->M_Memo, F_Memo}, Case{&Velmarind->M_mainalarmmessages, F_ShowMessage},
        Case{&Velmarind->M_alarmmessages, F_ShowMessage}}) {
    c.item->Click();
    EXPECT_TRUE(c.form->Visible()) << c.item->Caption;
    c.item->Click();
    EXPECT_FALSE(c.form->Visible()) << c.item->Caption;
  }
  Velmarind->M_Edit.Click();
  EXPECT_TRUE(F_TaskHandler->Visible());
  Velmarind->M_Edit.Click();
  EXPECT_TRUE(F_TaskHandler->Visible()) << "Add / Edit never hides its window";
}

}  // namespace
