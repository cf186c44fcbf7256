#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "alarms/alarm_handler_form.h"
#include "tasks/task_test.h"
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

using ui::headless::Dialog;
using ui::headless::DialogKind;
using ui::headless::ShownDialogs;

class TaskEngineTest : public TaskTest {
 protected:
  void SetUp() override {
    TaskTest::SetUp();
    // The caret line is where the settings say: ending the session saves nothing.
    Settings().MemoCaretLine = F_Memo->Memo.CaretLine();
  }

  // Adds the task, runs it and returns its result.
  int AddAndRun(const CTask& task) {
    Handler().AddTask(task, false);
    return Run(task.Name);
  }

  // Expects an input query with that prompt and initial text and answers it.
  static void ExpectPrompt(const std::string& prompt, const std::string& initial,
                           const std::string& answer) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.kind, DialogKind::InputQuery);
      EXPECT_EQ(d.caption, "Velmarind");
      EXPECT_EQ(d.text, prompt);
      EXPECT_EQ(d.value, initial);
      d.value = answer;
      return 1;
    });
  }
  static void ExpectCancelledPrompt() {
    ui::headless::Expect([](Dialog&) { return 0; });
  }
  static void ExpectError(const std::string& text, unsigned flags) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.kind, DialogKind::MessageBox);
      EXPECT_EQ(d.caption, "Error");
      EXPECT_EQ(d.text, text);
      EXPECT_EQ(d.flags, flags);
      return ui::IDOK;
    });
  }
};

constexpr unsigned kErrorFlags = ui::MB_OK | ui::MB_ICONEXCLAMATION;

TEST_F(TaskEngineTest, OperationsMakeTheirCalls) {
  auto& w = os::fake::world();
  w.windowClasses["Notepad"] = 77;
  w.windowTitles["Untitled - Notepad"] = 88;
  struct Case {
    CTask task;
    int result;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {MakeTask("cmd", "System Command", "cmd /c dir", "C:\\", "/w"),
       1,
       {"shell::RunCommand(\"cmd /c dir /w\")"}},
      {MakeTask("cmd no params", "System Command", "cleanup.bat"),
       1,
       {"shell::RunCommand(\"cleanup.bat \")"}},
      {MakeTask("clip", "Add To Clipboard", "some text"), 1, {"clipboard::SetText(\"some text\")"}},
      {MakeTask("message", "Send Windows Message", "Notepad", "273", "1 2"),
       1,
       {"windows::FindByClass(\"Notepad\")", "windows::Send(77,273,1,2)"}},
      {MakeTask("close", "Close Program", "Untitled - Notepad"),
       1,
       {"windows::FindByTitle(\"Untitled - Notepad\")", "windows::Post(88,16,0,0)"}},
      {MakeTask("close missing", "Close Program", "Calculator"),
       1,
       {"windows::FindByTitle(\"Calculator\")"}},
      {MakeTask("close nothing", "Close Program", ""), 1, {}},
      {MakeTask("left", "Mouse Click", "1"), 1, {"mouse::ButtonEvent(2)", "mouse::ButtonEvent(4)"}},
      {MakeTask("middle", "Mouse Click", "2"),
       1,
       {"mouse::ButtonEvent(32)", "mouse::ButtonEvent(64)"}},
      {MakeTask("right", "Mouse Click", "3"),
       1,
       {"mouse::ButtonEvent(8)", "mouse::ButtonEvent(16)"}},
      {MakeTask("no button", "Mouse Click", "4"), 1, {}},
      {MakeTask("blank button", "Mouse Click", " 1"), 1, {}},
      {MakeTask("logoff", "Logoff"), 1, {"session::End(0)"}},
      {MakeTask("shutdown", "Shutdown Computer"),
       1,
       {"version::PlatformId()", "session::EnableShutdownPrivilege()", "session::End(13)"}},
      {MakeTask("reboot", "Reboot Computer"),
       1,
       {"version::PlatformId()", "session::EnableShutdownPrivilege()", "session::End(2)"}},
      {MakeTask("open", "Open", "C:\\x.txt", "C:\\", "-p", 4),
       1,
       {"shell::Execute(\"Open\",\"C:\\x.txt\",\"-p\",\"C:\\\",5)"}},
      {MakeTask("print", "Print", "C:\\x.txt", "", "", 11),
       1,
       {"shell::Execute(\"Print\",\"C:\\x.txt\",\"\",\"\",1)"}},
      {MakeTask("explore", "Explore", "C:\\"),
       1,
       {"shell::Execute(\"Explore\",\"C:\\\",\"\",\"\",0)"}},
      {MakeTask("lower-case logoff", "logoff", "x"),
       1,
       {"shell::Execute(\"logoff\",\"x\",\"\",\"\",0)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.task.Name);
    EXPECT_EQ(AddAndRun(c.task), c.result);
    EXPECT_EQ(Calls(), c.calls);
  }
  EXPECT_EQ(w.clipboardText, "some text");
}

TEST_F(TaskEngineTest, NoSuchTaskRunsNothing) {
  Add(MakeTask("Task", "Open", "x"));
  EXPECT_EQ(Run("task"), -1);
  EXPECT_EQ(Run(""), -1);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(TaskEngineTest, ShowCommandIsTheValueTheEditorsItemNames) {
  // Position in the editor's list -> window-show value passed to the shell.
  const std::pair<std::int16_t, int> cases[] = {{0, 0},  {1, 3},  {2, 6},  {3, 9},  {4, 5},
                                                {5, 10}, {6, 3},  {7, 2},  {8, 7},  {9, 8},
                                                {10, 4}, {11, 1}, {12, 1}, {-1, 1}, {300, 1}};
  for (const auto& [position, show] : cases) {
    SCOPED_TRACE(position);
    AddAndRun(MakeTask("show " + std::to_string(position), "Open", "f", "", "", position));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"shell::Execute(\"Open\",\"f\",\"\",\"\"," +
                                                 std::to_string(show) + ")"}));
  }
}

TEST_F(TaskEngineTest, ShellFailuresAreShownInAnErrorBox) {
  const std::pair<int, const char*> cases[] = {
      {0, "The operating system is out of memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied access to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred."},
      {27, "The filename association is incomplete or invalid."},
      {28, "The DDE transaction could not be completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30,
       "The DDE transaction could not be completed because other DDE transactions were being "
       "processed."},
      {31, "There is no application associated with the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {1, ""},
      {4, ""},
      {-1, ""},
  };
  Add(MakeTask("open", "Open", "C:\\missing.txt"));
  for (const auto& [code, text] : cases) {
    SCOPED_TRACE(code);
    os::fake::world().shellResult = code;
    ExpectError(text, kErrorFlags);
    EXPECT_EQ(Run("open"), 0);
  }
  os::fake::world().shellResult = 33;
  EXPECT_EQ(Run("open"), 1) << "above 32 is success, without a box";
}

TEST_F(TaskEngineTest, ExpandFieldPromptsAndInsertsTheClipboard) {
  os::fake::world().clipboardText = "CLIP";
  os::fake::world().clipboardHasText = true;
  struct Prompt {
    std::string label, initial, answer;
  };
  struct Case {
    std::string text;
    std::vector<Prompt> prompts;
    std::string expanded;
  };
  const Case cases[] = {
      {"plain text", {}, "plain text"},
      {"", {}, ""},
      {"dir | sort", {}, "dir | sort"},
      {"a<b", {}, "a<b"},
      {"<x>", {}, "<x>"},
      {"x<c", {}, "x<c"},
      {"<", {}, "<"},
      {"a<cb>", {}, "a<cb>"},
      {"<c>", {}, "CLIP"},
      {"a<C>b<c>", {}, "aCLIPbCLIP"},
      {"[File]", {{"File", "", "typed"}}, "typed"},
      {"[Name|<c>]", {{"Name", "CLIP", "answer"}}, "answer"},
      {"[<c>|x]", {{"CLIP", "x", "y"}}, "y"},
      {"pre]post", {{"Extra Parameter", "", "X"}}, "preXpost"},
      {"[]", {{"Extra Parameter", "", "X"}}, "X"},
      {"[|default]", {{"Extra Parameter", "default", "default"}}, "default"},
      {"go [a|1] and [b|2].", {{"a", "1", "one"}, {"b", "2", "two"}}, "go one and two."},
      {"[Label", {}, ""},
      {"keep [Label|value", {}, "keep "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    for (const Prompt& p : c.prompts) ExpectPrompt(p.label, p.initial, p.answer);
    std::string expanded = "old";
    EXPECT_EQ(CTaskHandler::ExpandField(c.text, expanded), 1);
    EXPECT_EQ(expanded, c.expanded);
    EXPECT_EQ(ui::headless::PendingAnswers(), 0u);
  }
}

TEST_F(TaskEngineTest, ExpandFieldCancelLeavesTheTextAlone) {
  const struct {
    const char* text;
    int promptsAnswered;
  } cases[] = {{"[a]", 0}, {"x]", 0}, {"[a][b]", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    for (int i = 0; i < c.promptsAnswered; ++i) ui::headless::ExpectInput("ok");
    ExpectCancelledPrompt();
    std::string expanded = "unchanged";
    EXPECT_EQ(CTaskHandler::ExpandField(c.text, expanded), 0);
    EXPECT_EQ(expanded, "unchanged");
  }
}

TEST_F(TaskEngineTest, CancelAtAPromptStopsTheRun) {
  const struct {
    const char* what;
    CTask task;
    int promptsAnswered;
  } cases[] = {
      {"file", MakeTask("t1", "Open", "[file]", "[dir]", "[params]"), 0},
      {"directory", MakeTask("t2", "Open", "[file]", "[dir]", "[params]"), 1},
      {"parameters", MakeTask("t3", "Open", "[file]", "[dir]", "[params]"), 2},
      {"an operation that uses no field", MakeTask("t4", "Logoff", "", "", "[why]"), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::size_t shownBefore = ShownDialogs().size();
    for (int i = 0; i < c.promptsAnswered; ++i) ui::headless::ExpectInput("ok");
    ExpectCancelledPrompt();
    EXPECT_EQ(AddAndRun(c.task), 0);
    EXPECT_EQ(ShownDialogs().size() - shownBefore, static_cast<std::size_t>(c.promptsAnswered + 1));
    EXPECT_TRUE(Calls().empty());
  }
}

TEST_F(TaskEngineTest, AllThreeFieldsAreExpandedInOrder) {
  ExpectPrompt("File", "", "C:\\a.txt");
  ExpectPrompt("Dir", "", "C:\\");
  ExpectPrompt("Params", "-x", "-y");
  EXPECT_EQ(AddAndRun(MakeTask("ask", "Edit", "[File]", "[Dir]", "[Params|-x]")), 1);
  EXPECT_EQ(Calls(),
            (std::vector<std::string>{"shell::Execute(\"Edit\",\"C:\\a.txt\",\"-y\",\"C:\\\",0)"}));
}

TEST_F(TaskEngineTest, AListChangedWhileAPromptIsOpenLeavesTheRunAlone) {
  Add(MakeTask("b", "Open", "[File]", "C:\\b"));
  Add(MakeTask("a", "Open", "a.txt", "C:\\a"));
  ui::headless::Expect([](Dialog& d) {
    // A nested message loop runs here: another road deletes and reorders.
    Handler().DeleteTask("b");
    Handler().SaveTasks("tasklist.ini");
    d.value = "typed.txt";
    return 1;
  });
  ForgetCalls();
  Handler().ExecuteTaskAt(0);
  EXPECT_EQ(os::fake::CallsStartingWith("shell::"),
            (std::vector<std::string>{"shell::Execute(\"Open\",\"typed.txt\",\"\",\"C:\\b\",0)"}));
}

TEST_F(TaskEngineTest, ParseTwoNumbers) {
  const struct {
    const char* text;
    int first, second;
  } cases[] = {
      {"", 0, 0},      {"5", 0, 5},
      {"5 ", 5, 0},    {"1 2", 1, 2},
      {"1   2", 1, 2}, {" 3 4", 3, 4},
      {"1 2 3", 1, 2}, {"0 7 ", 7, 0},
      {"0 0 9", 0, 9}, {"-1 2", 0, 0},
      {"1 x", 0, 0},   {"1\t2", 0, 0},
      {"12 +3", 0, 0}, {"2147483647 0", 2147483647, 0},
  };
  for (const auto& c : cases) {
    int first = 0, second = 0;
    CTaskHandler::ParseTwoNumbers(c.text, first, second);
    EXPECT_EQ(first, c.first) << '"' << c.text << '"';
    EXPECT_EQ(second, c.second) << '"' << c.text << '"';
  }
  for (const char* overflowing : {"2147483648", "1 99999999999", "99999999999 1"}) {
    int first = 0, second = 0;
    EXPECT_THROW(CTaskHandler::ParseTwoNumbers(overflowing, first, second), std::invalid_argument)
        << overflowing;
  }
}

TEST_F(TaskEngineTest, SendWindowsMessageFailures) {
  os::fake::world().windowClasses["Target"] = 5;
  struct Case {
    CTask task;
    const char* box;  // nullptr: none
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {MakeTask("no window", "Send Windows Message", "Missing", "16"),
       "Could not locate that window",
       {"windows::FindByClass(\"Missing\")"}},
      {MakeTask("no class", "Send Windows Message", "", "16"), nullptr, {}},
      {MakeTask("message not a number", "Send Windows Message", "Target", "WM_CLOSE"),
       "\"WM_CLOSE\" is not a valid integer value",
       {"windows::FindByClass(\"Target\")"}},
      {MakeTask("no message", "Send Windows Message", "Target", ""),
       "\"\" is not a valid integer value",
       {"windows::FindByClass(\"Target\")"}},
      {MakeTask("message too big", "Send Windows Message", "Target", "4294967296"),
       "\"4294967296\" is not a valid integer value",
       {"windows::FindByClass(\"Target\")"}},
      {MakeTask("parameter too big", "Send Windows Message", "Target", "16", "1 3000000000"),
       "\"3000000000\" is not a valid integer value",
       {"windows::FindByClass(\"Target\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.task.Name);
    if (c.box) ExpectError(c.box, c.task.Name == "no window" ? ui::MB_OK : kErrorFlags);
    EXPECT_EQ(AddAndRun(c.task), 0);
    EXPECT_EQ(Calls(), c.calls);
  }
}

TEST_F(TaskEngineTest, SendWindowsMessageAndMouseClickUseTheAnswersToPrompts) {
  os::fake::world().windowClasses["Target"] = 5;
  ExpectPrompt("Message", "16", "273");
  ExpectPrompt("Numbers", "", "4 5");
  EXPECT_EQ(
      AddAndRun(MakeTask("send", "Send Windows Message", "Target", "[Message|16]", "[Numbers]")),
      1);
  EXPECT_EQ(Calls().back(), "windows::Send(5,273,4,5)");
  ExpectPrompt("Button", "", "3");
  EXPECT_EQ(AddAndRun(MakeTask("click", "Mouse Click", "[Button]")), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"mouse::ButtonEvent(8)", "mouse::ButtonEvent(16)"}));
}

TEST_F(TaskEngineTest, SetVolume) {
  const struct {
    const char* value;
    int result;
    int level;  // -1: no volume set
  } cases[] = {
      {"100", 1, 65535}, {"50", 1, 32767},  {"25", 1, 16383},  {"20", 1, 13107},  {"60", 1, 39321},
      {"1", 1, 655},     {"0", 1, 0},       {"12.5", 1, 8191}, {"12,5", 1, 8191}, {"101", 0, -1},
      {"-1", 0, -1},     {"100.01", 0, -1}, {"abc", 0, -1},    {"", 0, -1},       {"50%", 0, -1},
      {"nan", 0, -1},    {"inf", 0, -1},    {" 50", 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(AddAndRun(MakeTask(std::string("volume ") + c.value, "Set Volume", c.value)),
              c.result);
    std::vector<std::string> calls = {"sound::WaveOutDeviceCount()"};
    if (c.level >= 0)
      calls.push_back("sound::SetWaveOutVolume(" +
                      std::to_string(static_cast<std::uint32_t>(c.level) * 65537u) + ")");
    EXPECT_EQ(Calls(), calls);
  }
}

TEST_F(TaskEngineTest, SetVolumeWithoutADeviceDoesNothing) {
  os::fake::world().waveOutDevices = 0;
  for (const char* value : {"50", "abc", "101"}) {
    EXPECT_EQ(AddAndRun(MakeTask(value, "Set Volume", value)), 1) << value;
    EXPECT_EQ(Calls(), (std::vector<std::string>{"sound::WaveOutDeviceCount()"})) << value;
  }
}

TEST_F(TaskEngineTest, PlaySoundFindsTheFileAsGivenOrInTheDirectory) {
  auto& files = os::fake::world().files;
  files["C:\\sounds\\ding.wav"] = "RIFF";
  files["C:\\other\\C:\\sounds\\ding.wav"] = "RIFF";
  files["C:\\sounds\\bell.wav"] = "RIFF";
  const struct {
    CTask task;
    int result;
    std::vector<std::string> calls;
  } cases[] = {
      {MakeTask("as given", "Play Sound", "C:\\sounds\\ding.wav", "C:\\other\\"),
       1,
       {"sound::PlayWave(\"C:\\sounds\\ding.wav\",139265)"}},
      {MakeTask("in the directory", "Play Sound", "bell.wav", "C:\\sounds\\"),
       1,
       {"sound::PlayWave(\"C:\\sounds\\bell.wav\",139265)"}},
      {MakeTask("no separator added", "Play Sound", "bell.wav", "C:\\sounds"), 0, {}},
      {MakeTask("missing", "Play Sound", "gone.wav", "C:\\sounds\\"), 0, {}},
      {MakeTask("a folder", "Play Sound", "", "C:\\sounds"), 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.task.Name);
    EXPECT_EQ(AddAndRun(c.task), c.result);
    EXPECT_EQ(Calls(), c.calls);
  }
}

TEST_F(TaskEngineTest, SessionOperationsSaveFirstAndNeedThePrivilegeOnNt) {
  struct Case {
    const char* operation;
    unsigned platform;
    bool refused;
    int result;
    std::vector<std::string> calls;  // after the memo's save
  };
  const Case cases[] = {
      {"Shutdown Computer",
       2,
       false,
       1,
       {"version::PlatformId()", "session::EnableShutdownPrivilege()", "session::End(13)"}},
      {"Shutdown Computer",
       2,
       true,
       -1,
       {"version::PlatformId()", "session::EnableShutdownPrivilege()"}},
      {"Shutdown Computer", 1, true, 1, {"version::PlatformId()", "session::End(13)"}},
      {"Reboot Computer",
       2,
       false,
       1,
       {"version::PlatformId()", "session::EnableShutdownPrivilege()", "session::End(2)"}},
      {"Reboot Computer",
       2,
       true,
       -1,
       {"version::PlatformId()", "session::EnableShutdownPrivilege()"}},
      {"Reboot Computer", 1, false, 1, {"version::PlatformId()", "session::End(2)"}},
      {"Logoff", 2, true, 1, {"session::End(0)"}},
  };
  auto& w = os::fake::world();
  const std::string memoSave = "files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")";
  const std::string settingsSave = "files::SaveAtomically(\"C:\\Velmarind\\settings.ini\")";
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.operation) + " on platform " + std::to_string(c.platform));
    w.platformId = c.platform;
    w.shutdownPrivilegeRefused = c.refused;
    F_Memo->Memo.SetText("unsaved " + std::to_string(++n));
    F_Memo->Modified = 1;
    EXPECT_EQ(AddAndRun(MakeTask("end " + std::to_string(n), c.operation)), c.result);
    std::vector<std::string> calls = {memoSave, settingsSave};
    calls.insert(calls.end(), c.calls.begin(), c.calls.end());
    EXPECT_EQ(Calls(), calls);
    EXPECT_EQ(File("memo.txt"), "unsaved " + std::to_string(n));
    EXPECT_EQ(F_Memo->Modified, 0);
  }
}

TEST_F(TaskEngineTest, SaveMemoWritesOnlyAChangedMemo) {
  Add(MakeTask("save", "Save Memo"));
  F_Memo->Memo.SetText("note");
  F_Memo->Modified = 0;
  EXPECT_EQ(Run("save"), 1);
  EXPECT_FALSE(HasFile("memo.txt"));

  F_Memo->Modified = 1;
  EXPECT_EQ(Run("save"), 1);
  EXPECT_EQ(File("memo.txt"), "note");
  EXPECT_EQ(F_Memo->Modified, 0);
}

TEST_F(TaskEngineTest, SaveMemoThatCannotWriteKeepsTheModifiedFlag) {
  Add(MakeTask("save", "Save Memo"));
  os::fake::world().failingSaves.insert(std::string(kDir) + "memo.txt");
  F_Memo->Memo.SetText("precious");
  F_Memo->Modified = 1;
  ui::headless::Expect([](Dialog& d) {
    EXPECT_EQ(d.caption, "Error");
    EXPECT_NE(d.text.find("memo.txt"), std::string::npos) << d.text;
    return ui::IDOK;
  });
  EXPECT_EQ(Run("save"), 0);
  EXPECT_EQ(F_Memo->Modified, 1);
  EXPECT_EQ(ShownDialogs().size(), 1u) << "one box";
  os::fake::world().failingSaves.clear();  // the exit writes it
}

TEST_F(TaskEngineTest, StartAlarmActivatesTheNamedAlarm) {
  auto& alarms = F_AlarmHandler->AlarmHandler.Alarms;
  alarms = {Alarm("tea", 0), Alarm("Tea", 0)};
  EXPECT_EQ(AddAndRun(MakeTask("start", "Start Alarm", "Tea")), 1);
  EXPECT_EQ(alarms[0].State, 0);
  EXPECT_EQ(alarms[1].State, 1);
  EXPECT_EQ(AddAndRun(MakeTask("start missing", "Start Alarm", "coffee")), 1);
}

TEST_F(TaskEngineTest, MultiLaunchRunsItsItemsInOrder) {
  Add(MakeTask("A", "Add To Clipboard", "from A"));
  Add(MakeTask("B", "System Command", "b"));
  Add(MakeTask("both", "Multi Launch", "B,,A,", "C:\\dir", "-p"));
  EXPECT_EQ(Run("both"), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"shell::RunCommand(\"b \")",
                                               "clipboard::SetText(\"from A\")"}));
}

TEST_F(TaskEngineTest, MultiLaunchFallsBackForItemsThatNameNoTask) {
  auto& alarms = F_AlarmHandler->AlarmHandler.Alarms;
  alarms = {Alarm("wake", 0), Alarm("failing", 0)};
  Add(MakeTask("A", "Add To Clipboard", "a"));
  Add(MakeTask("failing", "Play Sound", "missing.wav"));
  Add(MakeTask("list", "Multi Launch", "A, A,wake,failing,http://x.org", "C:\\dir", "-p"));
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{
                         "clipboard::SetText(\"a\")",
                         "shell::Execute(\"open\",\" A\",\"-p\",\"C:\\dir\",1)",
                         "shell::Execute(\"open\",\"http://x.org\",\"-p\",\"C:\\dir\",1)",
                     }));
  EXPECT_EQ(alarms[0].State, 1) << "the alarm of that name is switched on";
  EXPECT_EQ(alarms[1].State, 0) << "a task that fails is not replaced by the alarm";
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(alarms[0].State, 0) << "and off again";
}

TEST_F(TaskEngineTest, MultiLaunchItemCancelledAtItsPromptEndsThatItemOnly) {
  Add(MakeTask("ask", "Add To Clipboard", "[What]"));
  Add(MakeTask("after", "System Command", "after"));
  Add(MakeTask("list", "Multi Launch", "ask,after"));
  ExpectCancelledPrompt();
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"shell::RunCommand(\"after \")"}));
}

TEST_F(TaskEngineTest, MultiLaunchSkipsTasksAlreadyRunningInTheChain) {
  Add(MakeTask("A", "System Command", "a"));
  Add(MakeTask("self", "Multi Launch", "self,A"));
  Add(MakeTask("outer", "Multi Launch", "inner,A"));
  Add(MakeTask("inner", "Multi Launch", "outer,A,inner"));
  const std::vector<std::string> ranA = {"shell::RunCommand(\"a \")"};
  EXPECT_EQ(Run("self"), 1);
  EXPECT_EQ(Calls(), ranA);
  EXPECT_EQ(Run("outer"), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{ranA[0], ranA[0]}))
      << "once in inner, once in outer";
  EXPECT_EQ(Run("inner"), 1);
  EXPECT_EQ(Calls(), (std::vector<std::string>{ranA[0], ranA[0]}));
}

TEST_F(TaskEngineTest, ExecuteTaskAtRunsOnlyIndexesInTheList) {
  CTask zulu = MakeTask("zulu", "System Command", "z"), alpha = zulu;
  alpha.Name = "alpha";
  alpha.File = "a";
  Add(zulu);
  Add(alpha);
  const struct {
    long long index;
    std::vector<std::string> calls;
  } cases[] = {
      {0, {"shell::RunCommand(\"z \")"}},
      {1, {"shell::RunCommand(\"a \")"}},
      {2, {}},
      {-1, {}},
      {4294967296, {}},
  };
  for (const auto& c : cases) {
    ForgetCalls();
    Handler().ExecuteTaskAt(c.index);
    EXPECT_EQ(Calls(), c.calls) << c.index;
  }
  ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  ForgetCalls();
  Velmarind->Perform(ui::WM_COMMAND, 0, kRunTaskCommand);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"shell::RunCommand(\"a \")"}))
      << "after a save the index counts in name order";
}

TEST_F(TaskEngineTest, ExecuteTaskAtOnAnEmptyListDoesNothing) {
  for (long long index : {0LL, -1LL, 1LL}) {
    Handler().ExecuteTaskAt(index);
    Velmarind->Perform(ui::WM_COMMAND, static_cast<std::uintptr_t>(index), kRunTaskCommand);
  }
  EXPECT_TRUE(Calls().empty());
  EXPECT_TRUE(ShownDialogs().empty());
}

}  // namespace
