// The task engine: what each operation calls, the prompts in a task's fields, and the failures.
#include "alarms/alarm_handler_form.h"
#include "tasks/task_test.h"

namespace {

class TaskEngineTest : public TaskTest {
 protected:
  void SetUp() override {
    TaskTest::SetUp();
    Settings().MemoCaretLine = F_Memo->Memo.CaretLine();  // so ending a session saves nothing
  }
  int AddAndRun(const CTask& task) {
    Handler().AddTask(task, false);
    return Run(task.Name);
  }
  // The next input query must ask this with this initial text; a null answer cancels it.
  static void ExpectPrompt(const std::string& prompt, const std::string& initial,
                           const char* answer) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text + " [" + d.value + "]",
                "Velmarind: " + prompt + " [" + initial + "]");
      if (answer) d.value = answer;
      return answer ? 1 : 0;
    });
  }
};

// Sending a message (273) to a window class (Notepad) with these numbers, and the calls made.
CTask Send(const char* numbers, const char* message = "273", const char* windowClass = "Notepad") {
  return MakeTask(std::string(windowClass) + message + numbers, "Send Windows Message", windowClass,
                  message, numbers);
}
Strings Sent(const std::string& numbers) {
  return Lines("windows::FindByClass(\"Notepad\")", "windows::Send(77,273," + numbers + ")");
}

TEST_F(TaskEngineTest, OperationsMakeTheirCalls) {
  auto& w = os::fake::world();
  w.windowClasses["Notepad"] = 77;
  w.windowTitles["Untitled - Notepad"] = 88;
  w.files["C:\\sounds\\ding.wav"] = w.files["C:\\other\\C:\\sounds\\ding.wav"] = "RIFF";
  w.files["C:\\sounds\\bell.wav"] = "RIFF";
  const std::string kWave = "\",139265)";
  // clang-format off
  const struct { CTask task; int result; Strings calls; } cases[] = {
      {MakeTask("cmd", "System Command", "cmd /c dir", "C:\\", "/w"), 1, {"shell::RunCommand(\"cmd /c dir /w\")"}},
      {MakeTask("clip", "Add To Clipboard", "some text"), 1, {"clipboard::SetText(\"some text\")"}},
      // The two numbers sent with a message: a lone number, or a first 0, is the second; any other character sends none.
      {Send("1 2"), 1, Sent("1,2")}, {Send(" 3   4 5"), 1, Sent("3,4")}, {Send("5"), 1, Sent("0,5")},
      {Send("5 "), 1, Sent("5,0")},  {Send("0 0 9"), 1, Sent("0,9")},     {Send("1 2\t"), 1, Sent("0,0")},
      {MakeTask("close", "Close Program", "Untitled - Notepad"), 1, {"windows::FindByTitle(\"Untitled - Notepad\")", "windows::Post(88,16,0,0)"}},
      {MakeTask("close missing", "Close Program", "Calculator"), 1, {"windows::FindByTitle(\"Calculator\")"}},
      {MakeTask("close nothing", "Close Program", ""), 1, {}}, {MakeTask("no button", "Mouse Click", " 1"), 1, {}},
      {MakeTask("left", "Mouse Click", "1"), 1, {"mouse::ButtonEvent(2)", "mouse::ButtonEvent(4)"}},
      {MakeTask("right", "Mouse Click", "3"), 1, {"mouse::ButtonEvent(8)", "mouse::ButtonEvent(16)"}},
      // A wave file as given, else in the task's directory.
      {MakeTask("as given", "Play Sound", "C:\\sounds\\ding.wav", "C:\\other\\"), 1, {"sound::PlayWave(\"C:\\sounds\\ding.wav" + kWave}},
      {MakeTask("in the dir", "Play Sound", "bell.wav", "C:\\sounds\\"), 1, {"sound::PlayWave(\"C:\\sounds\\bell.wav" + kWave}},
      {MakeTask("no separator added", "Play Sound", "bell.wav", "C:\\sounds"), 0, {}},
      {MakeTask("missing", "Play Sound", "gone.wav", "C:\\sounds\\"), 0, {}},
      {MakeTask("open", "Open", "C:\\x.txt", "C:\\", "-p", 4), 1, {"shell::Execute(\"Open\",\"C:\\x.txt\",\"-p\",\"C:\\\",5)"}},
      {MakeTask("lower-case logoff", "logoff", "x"), 1, {"shell::Execute(\"logoff\",\"x\",\"\",\"\",0)"}},
      // The position in the editor's show-command list picks the window-show value.
      {MakeTask("0", "Find", "f", "", "", 0), 1, {"shell::Execute(\"Find\",\"f\",\"\",\"\",0)"}}, {MakeTask("7", "Find", "f", "", "", 7), 1, {"shell::Execute(\"Find\",\"f\",\"\",\"\",2)"}},
      {MakeTask("12", "Find", "f", "", "", 12), 1, {"shell::Execute(\"Find\",\"f\",\"\",\"\",1)"}}, {MakeTask("-1", "Find", "f", "", "", -1), 1, {"shell::Execute(\"Find\",\"f\",\"\",\"\",1)"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(AddAndRun(c.task), c.result) << c.task.Name;
    EXPECT_EQ(Calls(), c.calls) << c.task.Name;
  }
  EXPECT_EQ(w.clipboardText, "some text");
}

TEST_F(TaskEngineTest, FailuresAreShownInAnErrorBox) {
  os::fake::world().windowClasses["Notepad"] = 77;
  const CTask open = MakeTask("open", "Open", "C:\\missing.txt");
  const unsigned kPlain = ui::MB_OK, kWarning = ui::MB_OK | ui::MB_ICONEXCLAMATION;
  const std::string kNotInteger = "\" is not a valid integer value";
  // clang-format off
  const struct { CTask task; int shell; std::string box; unsigned flags; } cases[] = {
      {open, 2, "The specified file was not found.", kWarning}, {open, 1, "", kWarning}, {open, -1, "", kWarning},
      {open, 32, "The specified dynamic-link library was not found.", kWarning},
      {open, 33, "-", 0},  // above 32 is success
      {Send("", "16", "Missing"), 33, "Could not locate that window", kPlain},
      {Send("", "16", ""), 33, "Could not locate that window", kPlain},  // no window class
      {Send("", "WM_CLOSE"), 33, "\"WM_CLOSE" + kNotInteger, kWarning},
      {Send("1 3000000000"), 33, "\"3000000000" + kNotInteger, kWarning},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().shellResult = c.shell;
    if (c.box != "-") ExpectError(c.box, c.flags);
    EXPECT_EQ(AddAndRun(c.task), c.task.Name == "open" && c.box == "-" ? 1 : 0) << c.task.Name;
    EXPECT_TRUE(os::fake::CallsStartingWith("windows::Send").empty()) << c.task.Name;
  }
}

TEST_F(TaskEngineTest, ExpandFieldPromptsAndInsertsTheClipboard) {
  os::fake::world().clipboardText = "CLIP";
  os::fake::world().clipboardHasText = true;
  // clang-format off
  const struct { const char* text; Strings prompts; const char* expanded; } cases[] = {  // prompt, initial
      {"dir | sort", {}, "dir | sort"}, {"a<cb>", {}, "a<cb>"}, {"x<c", {}, "x<c"}, {"a<C>b<c>", {}, "aCLIPbCLIP"},
      {"[Label", {}, ""}, {"keep [Label|value", {}, "keep "}, {"pre]post", {"Extra Parameter", ""}, "preanswerpost"},
      {"[Name|<c>]", {"Name", "CLIP"}, "answer"}, {"[<c>|x]", {"CLIP", "x"}, "answer"},
      {"[|default]", {"Extra Parameter", "default"}, "answer"}, {"go [a|1] and [b|2].", {"a", "1", "b", "2"}, "go answer and answer."},
  };
  // clang-format on
  for (const auto& c : cases) {
    for (std::size_t i = 0; i < c.prompts.size(); i += 2)
      ExpectPrompt(c.prompts[i], c.prompts[i + 1], "answer");
    std::string expanded = "old";
    EXPECT_EQ(CTaskHandler::ExpandField(c.text, expanded), 1) << c.text;
    EXPECT_EQ(expanded, c.expanded) << c.text;
  }
}

// The run goes on with the task as it was, also when a prompt's nested message loop lets another
// road delete and reorder the list.
TEST_F(TaskEngineTest, EveryFieldIsExpandedAndACancelledPromptStopsTheRun) {
  const CTask ask = MakeTask("ask", "Edit", "[File]", "[Dir]", "[Params|-x]");
  Add(ask);
  Add(MakeTask("a", "Open", "a.txt"));
  ui::headless::Expect([](Dialog& d) {
    Handler().DeleteTask("ask");
    Handler().SaveTasks("tasklist.ini");
    d.value = "C:\\a.txt";
    return 1;
  });
  ExpectPrompt("Dir", "", "C:\\");
  ExpectPrompt("Params", "-x", "-y");
  Handler().ExecuteTaskAt(0);
  EXPECT_EQ(os::fake::CallsStartingWith("shell::"),
            Lines("shell::Execute(\"Edit\",\"C:\\a.txt\",\"-y\",\"C:\\\",0)"));
  Add(ask);
  for (const char* answered : {"", "C:\\a.txt"}) {  // no later prompt, nothing done
    ExpectPrompt("File", "", *answered ? answered : nullptr);
    if (*answered) ExpectPrompt("Dir", "", nullptr);
    EXPECT_EQ(Run("ask"), 0);
    EXPECT_TRUE(Calls().empty());
  }
  ExpectPrompt("Why", "", nullptr);
  EXPECT_EQ(AddAndRun(MakeTask("bye", "Logoff", "", "", "[Why]")), 0) << "even where unused";
}

TEST_F(TaskEngineTest, SetVolume) {
  // clang-format off
  const struct { const char* value; int level; } cases[] = {  // level -1: refused, nothing set
      {"100", 65535}, {"20", 13107}, {"0", 0}, {"12,5", 8191}, {"100.01", -1}, {"-1", -1}, {"50%", -1}, {"inf", -1},
  };
  // clang-format on
  const std::string kCount = "sound::WaveOutDeviceCount()";
  for (const auto& c : cases) {
    EXPECT_EQ(AddAndRun(MakeTask(c.value, "Set Volume", c.value)), c.level >= 0 ? 1 : 0) << c.value;
    const std::string set = "sound::SetWaveOutVolume(" + std::to_string(c.level * 65537u) + ")";
    EXPECT_EQ(Calls(), c.level >= 0 ? Lines(kCount, set) : Lines(kCount)) << c.value;
  }
  os::fake::world().waveOutDevices = 0;  // without a device nothing is done
  EXPECT_EQ(Run("50%"), 1);
  EXPECT_EQ(Calls(), Lines(kCount));
}

// Windows may end the program without another word: a changed memo and the settings go first.
TEST_F(TaskEngineTest, SessionOperationsSaveFirstAndNeedThePrivilegeOnNt) {
  // clang-format off
  const std::string kMemo = "files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")", kSettings = "files::SaveAtomically(\"C:\\Velmarind\\settings.ini\")";
  const std::string kPlatform = "version::PlatformId()", kPrivilege = "session::EnableShutdownPrivilege()";
  const struct { const char* operation; int modified; unsigned platform; bool refused; int result; Strings calls; } cases[] = {
      {"Shutdown Computer", 1, 2, false, 1,  {kMemo, kSettings, kPlatform, kPrivilege, "session::End(13)"}},
      {"Shutdown Computer", 1, 2, true,  -1, {kMemo, kSettings, kPlatform, kPrivilege}},
      {"Shutdown Computer", 1, 1, true,  1,  {kMemo, kSettings, kPlatform, "session::End(13)"}},
      {"Reboot Computer",   1, 2, false, 1,  {kMemo, kSettings, kPlatform, kPrivilege, "session::End(2)"}},
      {"Logoff",            1, 2, true,  1,  {kMemo, kSettings, "session::End(0)"}},
      {"Logoff",            0, 2, false, 1,  {"session::End(0)"}},
      {"Save Memo",         1, 2, false, 1,  {kMemo}}, {"Save Memo", 0, 2, false, 1, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    const std::string what = c.operation + std::to_string(c.modified) + (c.refused ? "!" : "");
    os::fake::world().platformId = c.platform;
    os::fake::world().shutdownPrivilegeRefused = c.refused;
    os::fake::world().files.erase(std::string(kDir) + "memo.txt");
    F_Memo->Memo.SetText(what);
    F_Memo->Modified = c.modified;
    EXPECT_EQ(AddAndRun(MakeTask(what, c.operation)), c.result) << what;
    EXPECT_EQ(Calls(), c.calls) << what;
    EXPECT_EQ((HasFile("memo.txt") ? File("memo.txt") : "-") + std::to_string(F_Memo->Modified),
              (c.modified ? what : "-") + "0");
  }
}

TEST_F(TaskEngineTest, SaveMemoThatCannotWriteFailsAndTheMemoStaysModified) {
  os::fake::world().failingSaves.insert(std::string(kDir) + "memo.txt");
  F_Memo->Modified = 1;
  ExpectError("Could not save C:\\Velmarind\\memo.txt");
  EXPECT_EQ(AddAndRun(MakeTask("save", "Save Memo")), 0);
  EXPECT_EQ(F_Memo->Modified, 1);
  os::fake::world().failingSaves.clear();  // for the save at the end
}

TEST_F(TaskEngineTest, StartAlarmAndMultiLaunchSwitchAlarms) {
  CAlarmHandler& alarms = F_AlarmHandler->AlarmHandler;
  for (const char* name : {"wake", "failing", "Wake"}) {
    CAlarm alarm;
    alarm.Name = name, alarm.Type = TypeValue(AlarmType::Countdown), alarm.TimeText = "00:01:00";
    alarms.AddAlarm(alarm, false);
  }
  auto state = [&](const char* name) { return alarms.GetAlarmState(name); };
  EXPECT_EQ(AddAndRun(MakeTask("start", "Start Alarm", "Wake")), 1);
  EXPECT_EQ(AddAndRun(MakeTask("start missing", "Start Alarm", "coffee")), 1);
  EXPECT_EQ(state("wake") + 10 * state("Wake"), 10) << "the one of that name, case and all";
  // Multi Launch runs the tasks it names, toggles the alarms it names and opens the rest.
  Add(MakeTask("B", "System Command", "b"));
  Add(MakeTask("A", "Add To Clipboard", "a"));
  Add(MakeTask("ask", "Add To Clipboard", "[What]"));  // cancelled: that item ends alone
  Add(MakeTask("failing", "Play Sound", "missing.wav"));
  Add(MakeTask("list", "Multi Launch", "B,,ask,A, A,wake,failing,http://x.org,", "C:\\", "-p"));
  ExpectPrompt("What", "", nullptr);
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(Calls(), Lines("shell::RunCommand(\"b \")", "clipboard::SetText(\"a\")",
                           "shell::Execute(\"open\",\" A\",\"-p\",\"C:\\\",1)",
                           "files::SaveAtomically(\"C:\\Velmarind\\alarmlist.ini\")",
                           "shell::Execute(\"open\",\"http://x.org\",\"-p\",\"C:\\\",1)"));
  EXPECT_EQ(std::pair(state("wake"), state("failing")), std::pair(1, 0))
      << "the alarm named is switched on; a task that fails is not replaced by the alarm";
  ExpectPrompt("What", "", nullptr);
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(state("wake"), 0) << "and off again";
}

TEST_F(TaskEngineTest, MultiLaunchSkipsTasksAlreadyRunningInTheChain) {
  Add(MakeTask("A", "System Command", "a"));
  Add(MakeTask("self", "Multi Launch", "self,A"));
  Add(MakeTask("outer", "Multi Launch", "inner,A"));
  Add(MakeTask("inner", "Multi Launch", "outer,A,inner"));
  EXPECT_EQ(Run("self") + Run("outer"), 2);
  EXPECT_EQ(Calls(), Lines("shell::RunCommand(\"a \")", "shell::RunCommand(\"a \")"))
      << "once in inner, once in outer";
}

TEST_F(TaskEngineTest, OnlyTasksInTheListRun) {
  Handler().ExecuteTaskAt(0);  // an empty list
  Add(MakeTask("zulu", "Add To Clipboard", "z"));
  Add(MakeTask("alpha", "Add To Clipboard", "a"));
  EXPECT_EQ(Run("Zulu") + Run(""), -2) << "no task has that name";
  for (long long index : {0LL, 1LL, 2LL, -1LL, 4294967296LL}) Handler().ExecuteTaskAt(index);
  EXPECT_EQ(Calls(), Lines("clipboard::SetText(\"z\")", "clipboard::SetText(\"a\")"));
  ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  ForgetCalls();
  Velmarind->Perform(ui::WM_COMMAND, 0, kRunTaskCommand);
  EXPECT_EQ(Calls(), Lines("clipboard::SetText(\"a\")")) << "after a save, in name order";
}

}  // namespace
