// The memo's line commands as the user types them: which lines are commands, what each runs,
// and where the Enter that ran it leaves the text and the caret.
#include "memo/line_commands.h"

#include "alarms/alarm_handler_form.h"
#include "memo/memo_form.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"

namespace {

using Lines = std::vector<std::string>;

class LineCommandsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    // "note" puts its text on the clipboard, "ask" asks for it first, "down" is refused.
    File("tasklist.ini") =
        "3\r\nask\r\n\r\n[Text|x]\r\n\r\n\r\nAdd To Clipboard\r\n0\r\n0\r\n"
        "down\r\n\r\n\r\n\r\n\r\nShutdown Computer\r\n0\r\n0\r\n"
        "note\r\n\r\nnoted\r\n\r\n\r\nAdd To Clipboard\r\n0\r\n0\r\n";
    Start();
    os::fake::world().shutdownPrivilegeRefused = true;
    os::fake::world().calls.clear();
  }
  static ui::TMemo& Memo() { return F_Memo->Memo; }
  // The memo holds `text` with the caret at `caret`; the user presses Enter.
  static void Enter(const std::string& text, int caret) {
    Memo().SetText(text);
    Memo().SetSel(caret, 0);
    ui::headless::Type(Memo(), "\r");
  }
  static Lines Calls(const std::string& prefix) { return os::fake::CallsStartingWith(prefix); }
};

TEST_F(LineCommandsTest, OnlyMarkedLinesOfTheirShapeAreCommands) {
  for (const char* line :
       {".", ":", "x", ":a", ": 5", "-bb", "- b", "-x", "!0", "!51", "!-1", "!x", "!12 ", "abc"}) {
    Enter(line, 1);
    EXPECT_EQ(Memo().Text(), std::string(line, 1) + "\r\n" + (line + 1)) << line;
    EXPECT_EQ(os::fake::world().calls, Lines{}) << line;
  }
  // Any key the memo types marks it changed, even one that changes nothing (Escape).
  F_Memo->Modified = 0;
  char escape = 27;
  Memo().NotifyKeyPress(escape);
  EXPECT_EQ(F_Memo->Modified, 1);
}

TEST_F(LineCommandsTest, AColonLineIsSplitIntoTheQuickAlarmsArguments) {
  // clang-format off
  const struct { const char* line; const char *time, *message; int am, countdown; } rows[] = {
      {":5 tea", "5", "tea", 0, 0},              {":-5 tea", "5", "tea", 0, 1},
      {":10:30 am Meeting", "10:30", " Meeting", 1, 0}, {":10:30 PM", "10:30", "", 0, 0},
      {":10:30 x", "10:30", "", 0, 0},           {":10:30  tea", "10:30", " tea", 0, 0},
      {":-5 am", "5", "am", 0, 1},               {":7:30 ambulance", "7:30", "bulance", 1, 0},
      {":7:30 Am", "7:30", "", 1, 0},            {":7:30 pmx", "7:30", "x", 0, 0},
      {":7:30", "7:30", "", 0, 0},
  };
  // clang-format on
  for (const auto& r : rows) {
    const memo::QuickAlarmRequest q = memo::ReadQuickAlarm(r.line);
    EXPECT_EQ(q.time + "|" + q.message + "|" + std::to_string(q.am) + std::to_string(q.countdown),
              std::string(r.time) + "|" + r.message + "|" + std::to_string(r.am) +
                  std::to_string(r.countdown))
        << r.line;
  }
}

// Each command with what it leaves: `after` the memo's text and caret, then what it ran.
TEST_F(LineCommandsTest, EachCommandRunsAndLeavesAnEmptyLineOrItsResult) {
  os::fake::SetLocalTime({2027, 3, 7, 14, 5, 9, 0, 1});
  // clang-format off
  const struct { std::string text; int caret; std::string after; int caretAfter; const char* calls; std::string ran; int shell = 42; } rows[] = {
      {"abc\r\n.note\r\nxyz", 7, "abc\r\n\r\nxyz", 7, "clipboard", "clipboard::SetText(\"noted\")"},
      {". notepad", 3, "\r\n", 2, "shell", "shell::Execute(\"\",\" notepad\",\"\",\"\",1)"},
      {". notepad", 3, ". n\r\notepad", 5, "shell", "shell::Execute(\"\",\" notepad\",\"\",\"\",1)", 32},
      {".down", 0, "\r\n", 2, "shell", ""},  // a task that exists ran, whatever it said
      {"abc\r\n!12\r\nxyz", 7, "abc\r\n\r\nxyz", 7, "", ""},
      {"-T", 1, "14:05:09\r\n", 10, "", ""},                   {"-t", 2, "14:05:09\r\n", 10, "", ""},
      {"a\r\n-d", 5, "a\r\n07.03.2027\r\n", 15, "", ""},       {"a\r\n-D", 5, "a\r\n07.03.2027\r\n", 15, "", ""},
      {"x\r\n-B\r\ny", 4, "x\r\n\r\ny", 5, "files::SaveAtomically", "files::SaveAtomically(\"C:\\Velmarind\\memo_03-07-14-05-09.txt\")"},
      {"x\r\n-b\r\ny", 4, "x\r\n\r\ny", 5, "files::SaveAtomically", "files::SaveAtomically(\"C:\\Velmarind\\memo_03-07-14-05-09.txt\")"},  // not memo.txt
  };
  // clang-format on
  for (const auto& r : rows) {
    os::fake::world().shellResult = r.shell;
    os::fake::world().calls.clear();
    F_Memo->Modified = 1;
    Enter(r.text, r.caret);
    EXPECT_EQ(Memo().Text(), r.after) << r.text;
    EXPECT_EQ(Memo().SelStart(), r.caretAfter) << r.text;
    if (*r.calls) {
      EXPECT_EQ(Calls(r.calls), r.ran.empty() ? Lines{} : Lines{r.ran}) << r.text;
    }
  }
  EXPECT_EQ(File("memo_03-07-14-05-09.txt"), "x\r\ny") << "the memo without its command";
  EXPECT_EQ(F_Memo->Modified, 1) << "the backup keeps the memo unsaved";
  Enter(":0:05 tea", 9);
  EXPECT_EQ(F_AlarmHandler->AlarmHandler.Alarms.at(0).Name, "#Alarm - (0:05 AM) ");
  Enter(":-0:05 tea", 10);
  EXPECT_GE(F_AlarmHandler->AlarmHandler.FindAlarm("#Countdown - (0:05) "), 0);
  ui::headless::ExpectButton(ui::IDOK);
  Enter(":25:00 x", 3);
  EXPECT_EQ(Memo().Text(), ":25\r\n:00 x") << "refused: the line stays";
  for (const char* size : {"!1", "! 12", "!+50"}) Enter(size, 2);
  EXPECT_EQ(Memo().Font().Height * 10 + Memo().Font().InPoints, 501);
  Enter("_" + std::string(40, 'F'), 3);
  EXPECT_EQ(Memo().Font().Name, std::string(40, 'F')) << "the whole name is kept";
  EXPECT_EQ(Memo().Text(), "\r\n");
}

// A task's prompt lets the memo change: only the very line is deleted, else nothing at all.
TEST_F(LineCommandsTest, TheCommandLineIsDeletedOnlyWhileItIsStillThere) {
  const struct {
    const char* what;
    void (*meanwhile)();
    std::string after;
    int caretAfter;
  } rows[] = {
      {"a line above", [] { Memo().SetSel(0, 0), Memo().SetSelText("new\r\n"); },
       "new\r\na\r\n.ask\r\nb", 5},
      {"the line edited", [] { Memo().SetSel(3, 1), Memo().SetSelText(","); }, "a\r\n,ask\r\nb", 4},
      {"a line added", [] { F_Memo->AddToMemo("added"); }, "a\r\n\r\nb\r\nadded", 5},
  };
  for (const auto& r : rows) {
    ui::headless::Expect([&r](ui::headless::Dialog& d) {
      r.meanwhile();
      d.value = "typed";
      return 1;
    });
    Enter("a\r\n.ask\r\nb", 5);
    EXPECT_EQ(Memo().Text(), r.after) << r.what;
    EXPECT_EQ(Memo().SelStart(), r.caretAfter) << r.what;
  }
  // The backup cannot be written: the line is gone, said once, and the Enter does nothing.
  os::fake::world().failingSaves.insert("C:\\Velmarind\\memo_12-06-08-00-00.txt");
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.caption + ": " + d.text,
              "Error: Could not save C:\\Velmarind\\memo_12-06-08-00-00.txt");
    return ui::IDOK;
  });
  Enter("a\r\n-b", 5);
  EXPECT_EQ(Memo().Text(), "a\r\n");
}

}  // namespace
