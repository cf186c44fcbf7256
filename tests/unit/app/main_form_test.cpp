#include "alarms/alarm_handler_form.h"
#include "memo/memo_form.h"
#include "settings/about.h"
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

TEST_F(MainFormTest, TrayClickOpensItsMenuAndSilencesTheAlarm) {
  using enum ui::TMouseButton;
  // clang-format off
  const struct { ui::TMouseButton button; int anyTrayExtra; std::string menu; } cases[] = {
      {mbLeft, 0, "MainMenu,10,20,left button,bottom to top"}, {mbLeft, 1, "MainMenu,10,20,left button,bottom to top"},
      {mbRight, 0, ""}, {mbRight, 1, "SecondMenu,10,20"}, {mbMiddle, 1, ""},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().AnyTrayExtra = c.anyTrayExtra;
    Velmarind->SetTrayAnimation(true);
    F_ShowMessage->StartAlarmSound(5);
    ui::headless::AdvanceTime(250);
    Events().clear();
    Velmarind->TrayIcon.MouseUp(c.button, 10, 20);
    const Strings popup{"SetForeground(Velmarind)", "Popup(" + c.menu + ")",
                        "Post(Velmarind,0,0,0)"};
    EXPECT_EQ(Events(), c.menu.empty() ? Strings{} : popup);
    EXPECT_FALSE(Velmarind->TrayIcon.Animate() || F_ShowMessage->T_SoundTimer.Enabled());
    EXPECT_EQ(Velmarind->TrayIcon.IconIndex() + F_ShowMessage->RepeatsLeft, 0);
  }
}

// A message window the user closed earlier is not closed again: a later alarm's sound and the
// blinking go on when the user stays.
TEST_F(MainFormTest, QuitAsksOnlyWhileAlarmsAreActiveAndHidesTheWindows) {
  // clang-format off
  const struct { std::vector<int> states; const char* question; int answer; bool quits, messageHidden; } cases[] = {
      {{}, nullptr, 0, true, false}, {{0, 0}, nullptr, 0, true, false},
      {{1}, "You have 1 active alarms, quit anyway?", ui::IDNO, false, false},
      {{1}, "You have 1 active alarms, quit anyway?", ui::IDNO, false, true},
      {{0, 1, 1}, "You have 2 active alarms, quit anyway?", ui::IDYES, true, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart();
    for (int state : c.states) {
      CAlarm alarm;
      alarm.Name = "a" + std::to_string(F_AlarmHandler->AlarmHandler.Count());
      alarm.Type = TypeValue(AlarmType::Countdown), alarm.TimeText = "00:01:00",
      alarm.State = state;
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
    if (c.messageHidden) F_ShowMessage->Close();
    Velmarind->SetTrayAnimation(true);
    F_ShowMessage->StartAlarmSound(5);
    Velmarind->M_Quit.Click();
    EXPECT_FALSE(F_Memo->Visible() || F_ShowMessage->Visible());
    EXPECT_EQ(ui::Application->Terminated(), c.quits) << c.states.size();
    if (!c.quits) {
      EXPECT_EQ(std::pair(Velmarind->TrayIcon.Animate(), F_ShowMessage->T_SoundTimer.Enabled()),
                std::pair(c.messageHidden, c.messageHidden));
    }
    const std::string handle = std::to_string(Velmarind->Handle());
    const auto unregistered =
        os::fake::CallsStartingWith("hotkeys::Unregister(" + handle + ",10000)");
    EXPECT_EQ(unregistered.size() + Saves("settings.ini"), c.quits ? 2u : 0u);
  }
}

TEST_F(MainFormTest, EndSessionSavesWhatALogOffWouldLoseAndQuitWritesTheRest) {
  const std::string memo = std::string(kDir) + "memo.txt", changed = "one\r\ntwo\r\nthree!";
  const auto after = [this] {  // files written, the memo's flag, the stored caret line
    return std::string(HasFile("memo.txt") ? "memo " : "") +
           (HasFile("settings.ini") ? "settings " : "") + (F_Memo->Modified ? "modified " : "") +
           "line " + std::to_string(Settings().MemoCaretLine);
  };
  // clang-format off
  const struct { bool changeText, moveCaret, failing; const char* after; } cases[] = {
      {false, false, false, "line 0"}, {false, true, false, "settings line 1"},
      {true, false, false, "memo settings line 0"}, {true, false, true, "settings modified line 0"},
  };
  // clang-format on
  for (const auto& c : cases) {
    F_Memo->Memo.SetText(c.changeText ? changed : "one\r\ntwo\r\nthree");
    F_Memo->Memo.SetSel(c.moveCaret ? 9 : 0, 0);
    F_Memo->Modified = c.changeText;
    Settings().MemoCaretLine = 0;
    os::fake::world().files.clear();
    if (c.failing) os::fake::world().failingSaves.insert(memo);
    if (c.failing) ui::headless::ExpectButton(ui::IDOK);
    Velmarind->Perform(ui::WM_ENDSESSION, 1, 0);
    EXPECT_EQ(after(), c.after);
    EXPECT_FALSE(ui::Application->Terminated()) << "nothing else happens";
  }
  os::fake::world().failingSaves.clear();
  Velmarind->M_Quit.Click();
  EXPECT_EQ(File("memo.txt"), changed) << "quitting writes the memo kept modified";
  ASSERT_NE(F_Memo, nullptr) << "destroyed only after the message loop";
  os::fake::world().calls.clear();
  Finish();
  EXPECT_EQ(F_Memo, nullptr);
  EXPECT_EQ(Saves("memo.txt"), 0u) << "nothing changed since the save at close";
}

// A memo.txt that cannot be written: one box for a failure the user was not yet told of. Saves
// tried again with nothing changed stay silent; a change that fails to save is told again.
TEST_F(MainFormTest, AFailedMemoSaveIsToldOnceUntilTheTextChangesAgain) {
  os::fake::world().failingSaves.insert(std::string(kDir) + "memo.txt");
  os::fake::world().clipboardText = "from the clipboard";
  os::fake::world().clipboardHasText = true;
  const auto addToMemo = [] { Velmarind->Perform(ui::WM_COMMAND, 0, kAddToMemoCommand); };
  const auto typeAndClose = [] {
    F_Memo->Show();
    F_Memo->Memo.SetSelText("typed");
    F_Memo->Close();
  };
  // clang-format off
  const struct { const char* what; std::function<void()> act; bool box; } steps[] = {
      {"Add To Memo", addToMemo, true},
      {"end of session", [] { Velmarind->Perform(ui::WM_ENDSESSION, 1, 0); }, false},
      {"Add To Memo again", addToMemo, true},
      {"typed, window closed", typeAndClose, true},
      {"window closed unchanged", [] { F_Memo->Show(), F_Memo->Close(); }, false},
      {"quit", [] { Velmarind->M_Quit.Click(); }, false},
      {"program ended", [this] { Finish(); }, false},
  };
  // clang-format on
  for (std::size_t tried = 1; const auto& step : steps) {
    if (step.box) ui::headless::ExpectButton(ui::IDOK);
    step.act();
    EXPECT_EQ(Saves("memo.txt"), tried++) << step.what << ": every save is tried";
    EXPECT_EQ(ui::headless::PendingAnswers(), 0u) << step.what;
  }
  EXPECT_FALSE(HasFile("memo.txt"));
}

// A list whose save failed is written again once the file can be, at the end of the session or
// at quitting: the user's change is not lost.
TEST_F(MainFormTest, AListWhoseSaveFailedIsWrittenAtTheEndOfTheSessionOrAtQuitting) {
  const auto alarm = [](char state) {
    return "1\r\nc\r\n\r\n0:0:10\r\n\r\nm\r\n0\r\n0\r\n10\r\n1\r\n64\r\n" + std::string(1, state) +
           "\r\n0\r\n0\r\n";
  };
  const auto hotkey = [](char enabled) {
    return "1\r\nh\r\nStopwatch\r\n50\r\nALT\r\n\r\n2\r\n" + std::string(1, enabled) + "\r\n7\r\n";
  };
  const auto clickLast = [](ui::TMenuItem& submenu) {
    submenu.Items(submenu.Count() - 1)->Click();
  };
  // clang-format off
  const struct { const char* file; std::string before; std::function<void()> change; std::string after; } lists[] = {
      {"tasklist.ini", "1\r\nt\r\n\r\n\r\n\r\n\r\nOpen\r\n0\r\n0\r\n",
       [] { F_TaskHandler->LB_Tasks.SetItemIndex(0), F_TaskHandler->B_Delete.Click(); }, "0\r\n"},
      {"alarmlist.ini", alarm('1'), [&] { clickLast(Velmarind->M_Timer); }, alarm('0')},
      {"hotkeylist.ini", hotkey('0'), [&] { clickLast(Velmarind->M_Hotkeys); }, hotkey('1')},
  };
  // clang-format on
  for (const bool quitting : {false, true}) {
    for (const auto& list : lists) {
      const std::string what =
          list.file + std::string(quitting ? " at quitting" : " at session end");
      os::fake::world().files.erase(std::string(kDir) + list.file);
      File(list.file) = list.before;
      os::fake::world().hotkeys.clear();  // a session's end leaves the hotkeys registered
      Restart();
      os::fake::world().failingSaves = {std::string(kDir) + list.file};
      ui::headless::ExpectButton(ui::IDOK);  // "Could not save ..."
      list.change();
      EXPECT_EQ(File(list.file), list.before) << what;
      os::fake::world().failingSaves.clear();
      if (quitting)
        Velmarind->M_Quit.Click();
      else
        Velmarind->Perform(ui::WM_ENDSESSION, 1, 0);
      EXPECT_EQ(File(list.file), list.after) << what;
      os::fake::world().files.erase(std::string(kDir) + list.file);
    }
  }
}

// `margin` pixels from the bottom-right corner, or centre on centre (each
// halved down); at (margin, margin) when the screen size is unknown.
ui::TRect Expected(const ui::TForm& form, std::optional<os::Size> screen, int margin,
                   bool centred) {
  const int width = form.Width(), height = form.Height();
  if (!screen) return {margin, margin, width, height};
  if (centred)
    return {screen->Width / 2 - width / 2, screen->Height / 2 - height / 2, width, height};
  return {screen->Width - width - margin, screen->Height - height - margin, width, height};
}

TEST_F(MainFormTest, WindowsOpenAtTheirPlaceAndStayWhereTheUserPutThem) {
  // clang-format off
  const struct { ui::TMenuItem& item; ui::TForm& form; int margin; bool centred; std::function<void()> close; } cases[] = {
      {Velmarind->M_Edit,     *F_TaskHandler, 32, false, [] { F_TaskHandler->B_Close.Click(); }},
      {Velmarind->M_Settings, *F_Settings,    32, false, [] { Velmarind->M_Settings.Click(); }},
      {Velmarind->M_About,    *F_About,       64, true,  [] { F_About->B_ok.Click(); }},
  };
  // clang-format on
  for (const std::optional<os::Size> screen : {os::Size{1280, 1024}, os::Size{800, 600}, {}})
    for (const auto& c : cases) {
      SCOPED_TRACE(c.form.Caption() + (screen ? "" : ", no screen size"));
      os::fake::world().screen = screen;
      os::fake::world().files.erase(std::string(kDir) + "settings.ini");
      c.form.SetBounds(1, 2, c.form.Width(), c.form.Height());
      c.item.Click();
      ASSERT_TRUE(c.form.Visible());
      EXPECT_EQ(c.form.BoundsRect(), Expected(c.form, screen, c.margin, c.centred));
      c.form.SetBounds(5, 6, c.form.Width(), c.form.Height());
      c.form.Show();
      EXPECT_EQ(std::pair(c.form.Left(), c.form.Top()), std::pair(5, 6)) << "shown again, it stays";
      c.close();
      EXPECT_FALSE(c.form.Visible());
      EXPECT_EQ(HasFile("settings.ini"), &c.form == F_Settings) << "only the settings save";
    }
}

}  // namespace
