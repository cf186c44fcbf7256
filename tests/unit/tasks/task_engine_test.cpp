// The task engine: what each operation calls, the prompts in a task's fields, and the failures.
#include <stdexcept>

#include "alarms/alarm_handler_form.h"
#include "tasks/task_test.h"

namespace {

using ui::headless::Dialog;
using ui::headless::ShownDialogs;

class TaskEngineTest : public TaskTest {
 protected:
  void SetUp() override {
    TaskTest::SetUp();
    // The caret line is where the settings say: ending the session saves nothing.
    Settings().MemoCaretLine = F_Memo->Memo.CaretLine();
  }
  // Inactive one-minute countdowns of those names.
  static CAlarmHandler& AddCountdowns(std::initializer_list<const char*> names) {
    CAlarmHandler& alarms = F_AlarmHandler->AlarmHandler;
    for (const char* name : names) {
      CAlarm alarm;
      alarm.Name = name, alarm.Type = kCountdown, alarm.TimeText = "00:01:00";
      alarms.AddAlarm(alarm, false);
    }
    return alarms;
  }
  int AddAndRun(const CTask& task) {
    Handler().AddTask(task, false);
    return Run(task.Name);
  }
  // Expects an input query with that prompt and initial text and answers it, or cancels it
  // for a null answer.
  static void ExpectPrompt(const std::string& prompt, const std::string& initial,
                           const char* answer) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.kind, ui::headless::DialogKind::InputQuery);
      EXPECT_EQ(d.caption + ": " + d.text + " [" + d.value + "]",
                "Velmarind: " + prompt + " [" + initial + "]");
      if (answer) d.value = answer;
      return answer ? 1 : 0;
    });
  }
  static void ExpectCancelledPrompt() {
    ui::headless::Expect([](Dialog&) { return 0; });
  }
};

std::string Execute(const std::string& verb, const std::string& file, int show) {
  return "shell::Execute(\"" + verb + "\",\"" + file + "\",\"\",\"\"," + std::to_string(show) + ")";
}

TEST_F(TaskEngineTest, OperationsMakeTheirCalls) {
  auto& w = os::fake::world();
  w.windowClasses["Notepad"] = 77;
  w.windowTitles["Untitled - Notepad"] = 88;
  w.files["C:\\sounds\\ding.wav"] = w.files["C:\\other\\C:\\sounds\\ding.wav"] = "RIFF";
  w.files["C:\\sounds\\bell.wav"] = "RIFF";
  const std::string kWave = "\",139265)";
  // Sending to Notepad with these numbers, and the numbers sent.
  const auto send = [](const char* numbers) {
    return MakeTask(std::string("send ") + numbers, "Send Windows Message", "Notepad", "273",
                    numbers);
  };
  const auto sent = [](const char* numbers) {
    return Strings{"windows::FindByClass(\"Notepad\")",
                   "windows::Send(77,273," + std::string(numbers) + ")"};
  };
  // clang-format off
  const struct { CTask task; int result; Strings calls; } cases[] = {
      {MakeTask("cmd", "System Command", "cmd /c dir", "C:\\", "/w"), 1, {"shell::RunCommand(\"cmd /c dir /w\")"}},
      {MakeTask("clip", "Add To Clipboard", "some text"), 1, {"clipboard::SetText(\"some text\")"}},
      // The two numbers sent with a message: a lone number, or a first 0, is the second.
      {send("1 2"), 1, sent("1,2")},   {send(" 3   4 5"), 1, sent("3,4")}, {send("5"), 1, sent("0,5")},
      {send("5 "), 1, sent("5,0")},    {send("0 7 "), 1, sent("7,0")},     {send("0 0 9"), 1, sent("0,9")},
      {send("-1 2"), 1, sent("0,0")},  {send("1\t2"), 1, sent("0,0")},     {send("2147483647 0"), 1, sent("2147483647,0")},
      {MakeTask("close", "Close Program", "Untitled - Notepad"), 1, {"windows::FindByTitle(\"Untitled - Notepad\")", "windows::Post(88,16,0,0)"}},
      {MakeTask("close missing", "Close Program", "Calculator"), 1, {"windows::FindByTitle(\"Calculator\")"}},
      {MakeTask("close nothing", "Close Program", ""), 1, {}},
      {MakeTask("left", "Mouse Click", "1"), 1, {"mouse::ButtonEvent(2)", "mouse::ButtonEvent(4)"}},
      {MakeTask("middle", "Mouse Click", "2"), 1, {"mouse::ButtonEvent(32)", "mouse::ButtonEvent(64)"}},
      {MakeTask("no button", "Mouse Click", "4"), 1, {}},
      {MakeTask("blank button", "Mouse Click", " 1"), 1, {}},
      // A wave file as given, else in the task's directory.
      {MakeTask("as given", "Play Sound", "C:\\sounds\\ding.wav", "C:\\other\\"), 1, {"sound::PlayWave(\"C:\\sounds\\ding.wav" + kWave}},
      {MakeTask("in the dir", "Play Sound", "bell.wav", "C:\\sounds\\"), 1, {"sound::PlayWave(\"C:\\sounds\\bell.wav" + kWave}},
      {MakeTask("no separator added", "Play Sound", "bell.wav", "C:\\sounds"), 0, {}},
      {MakeTask("missing", "Play Sound", "gone.wav", "C:\\sounds\\"), 0, {}},
      {MakeTask("a folder", "Play Sound", "", "C:\\sounds"), 0, {}},
      {MakeTask("open", "Open", "C:\\x.txt", "C:\\", "-p", 4), 1, {"shell::Execute(\"Open\",\"C:\\x.txt\",\"-p\",\"C:\\\",5)"}},
      {MakeTask("lower-case logoff", "logoff", "x"), 1, {Execute("logoff", "x", 0)}},
      // The position in the editor's show-command list picks the window-show value.
      {MakeTask("first", "Explore", "f", "", "", 0), 1, {Execute("Explore", "f", 0)}},
      {MakeTask("middle show", "Open", "f", "", "", 7), 1, {Execute("Open", "f", 2)}},
      {MakeTask("last", "Print", "f", "", "", 11), 1, {Execute("Print", "f", 1)}},
      {MakeTask("past the last", "Open", "f", "", "", 12), 1, {Execute("Open", "f", 1)}},
      {MakeTask("negative", "Open", "f", "", "", -1), 1, {Execute("Open", "f", 1)}},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(AddAndRun(c.task), c.result) << c.task.Name;
    EXPECT_EQ(Calls(), c.calls) << c.task.Name;
  }
  EXPECT_EQ(w.clipboardText, "some text");
}

TEST_F(TaskEngineTest, FailuresAreShownInAnErrorBox) {
  os::fake::world().windowClasses["Target"] = 5;
  const CTask open = MakeTask("open", "Open", "C:\\missing.txt");
  const auto send = [](const char* windowClass, const char* message, const char* numbers = "") {
    return MakeTask(std::string(windowClass) + message + numbers, "Send Windows Message",
                    windowClass, message, numbers);
  };
  const unsigned kPlain = ui::MB_OK, kWarning = ui::MB_OK | ui::MB_ICONEXCLAMATION;
  // clang-format off
  const struct { CTask task; int shell; const char* box; unsigned flags; } cases[] = {
      {open, 2,  "The specified file was not found.", kWarning},
      {open, 32, "The specified dynamic-link library was not found.", kWarning},
      {open, 1,  "", kWarning}, {open, -1, "", kWarning},
      {open, 33, nullptr, 0},  // above 32 is success, without a box
      {send("Missing", "16"), 33, "Could not locate that window", kPlain},
      {send("", "16"), 33, nullptr, 0},
      {send("Target", "WM_CLOSE"), 33, "\"WM_CLOSE\" is not a valid integer value", kWarning},
      {send("Target", ""), 33, "\"\" is not a valid integer value", kWarning},
      {send("Target", "4294967296"), 33, "\"4294967296\" is not a valid integer value", kWarning},
      {send("Target", "16", "1 3000000000"), 33, "\"3000000000\" is not a valid integer value", kWarning},
      {send("Target", "16", "99999999999 1"), 33, "\"99999999999\" is not a valid integer value", kWarning},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().shellResult = c.shell;
    if (c.box) ExpectError(c.box, c.flags);
    EXPECT_EQ(AddAndRun(c.task), c.task.Name == "open" && !c.box ? 1 : 0) << c.task.Name;
    EXPECT_TRUE(os::fake::CallsStartingWith("windows::Send").empty()) << c.task.Name;
  }
}

TEST_F(TaskEngineTest, ExpandFieldPromptsAndInsertsTheClipboard) {
  os::fake::world().clipboardText = "CLIP";
  os::fake::world().clipboardHasText = true;
  // clang-format off
  const struct { const char* text; Strings prompts; const char* expanded; } cases[] = {  // prompt, initial
      {"dir | sort", {}, "dir | sort"}, {"a<cb>", {}, "a<cb>"}, {"x<c", {}, "x<c"},
      {"a<C>b<c>", {}, "aCLIPbCLIP"},   {"[Label", {}, ""},     {"keep [Label|value", {}, "keep "},
      {"[Name|<c>]", {"Name", "CLIP"}, "answer"},
      {"[<c>|x]", {"CLIP", "x"}, "answer"},
      {"pre]post", {"Extra Parameter", ""}, "preanswerpost"},
      {"[|default]", {"Extra Parameter", "default"}, "answer"},
      {"go [a|1] and [b|2].", {"a", "1", "b", "2"}, "go answer and answer."},
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

TEST_F(TaskEngineTest, OperationsUseTheAnswersToPrompts) {
  os::fake::world().windowClasses["Target"] = 5;
  ExpectPrompt("File", "", "C:\\a.txt");
  ExpectPrompt("Dir", "", "C:\\");
  ExpectPrompt("Params", "-x", "-y");
  EXPECT_EQ(AddAndRun(MakeTask("ask", "Edit", "[File]", "[Dir]", "[Params|-x]")), 1);
  EXPECT_EQ(Calls(), Strings{"shell::Execute(\"Edit\",\"C:\\a.txt\",\"-y\",\"C:\\\",0)"});
  // A prompt cancelled stops the run: no later prompt, nothing done.
  for (const char* answered : {"", "C:\\a.txt"}) {
    ExpectPrompt("File", "", *answered ? answered : nullptr);
    if (*answered) ExpectPrompt("Dir", "", nullptr);
    EXPECT_EQ(Run("ask"), 0);
    EXPECT_TRUE(Calls().empty());
  }
  ExpectPrompt("Why", "", nullptr);
  EXPECT_EQ(AddAndRun(MakeTask("bye", "Logoff", "", "", "[Why]")), 0) << "even where unused";
  ExpectPrompt("Message", "16", "273");
  ExpectPrompt("Numbers", "", "4 5");
  EXPECT_EQ(
      AddAndRun(MakeTask("send", "Send Windows Message", "Target", "[Message|16]", "[Numbers]")),
      1);
  EXPECT_EQ(Calls().back(), "windows::Send(5,273,4,5)");
  ExpectPrompt("Button", "", "3");
  EXPECT_EQ(AddAndRun(MakeTask("click", "Mouse Click", "[Button]")), 1);
  EXPECT_EQ(Calls(), (Strings{"mouse::ButtonEvent(8)", "mouse::ButtonEvent(16)"}));
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
            Strings{"shell::Execute(\"Open\",\"typed.txt\",\"\",\"C:\\b\",0)"});
}

TEST_F(TaskEngineTest, SetVolume) {
  // clang-format off
  const struct { const char* value; int devices, result, level; } cases[] = {  // level -1: none set
      {"100", 1, 1, 65535}, {"50", 1, 1, 32767}, {"20", 1, 1, 13107}, {"60", 1, 1, 39321},
      {"0", 1, 1, 0},       {"12.5", 1, 1, 8191}, {"12,5", 1, 1, 8191}, {"101", 1, 0, -1},
      {"-1", 1, 0, -1},     {"100.01", 1, 0, -1}, {"abc", 1, 0, -1},   {"", 1, 0, -1},
      {"50%", 1, 0, -1},    {"nan", 1, 0, -1},    {"inf", 1, 0, -1},   {" 50", 1, 0, -1},
      {"50", 0, 1, -1},     {"abc", 0, 1, -1},    // without a device nothing is done
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().waveOutDevices = c.devices;
    EXPECT_EQ(AddAndRun(MakeTask(c.value, "Set Volume", c.value)), c.result) << c.value;
    Strings calls = {"sound::WaveOutDeviceCount()"};
    if (c.level >= 0)
      calls.push_back("sound::SetWaveOutVolume(" + std::to_string(c.level * 65537u) + ")");
    EXPECT_EQ(Calls(), calls) << c.value;
  }
}

TEST_F(TaskEngineTest, SessionOperationsSaveFirstAndNeedThePrivilegeOnNt) {
  const std::string kPlatform = "version::PlatformId()";
  const std::string kPrivilege = "session::EnableShutdownPrivilege()";
  // clang-format off
  const struct { const char* operation; unsigned platform; bool refused; int result; Strings calls; } cases[] = {
      {"Shutdown Computer", 2, false, 1,  {kPlatform, kPrivilege, "session::End(13)"}},
      {"Shutdown Computer", 2, true,  -1, {kPlatform, kPrivilege}},
      {"Shutdown Computer", 1, true,  1,  {kPlatform, "session::End(13)"}},
      {"Reboot Computer",   2, false, 1,  {kPlatform, kPrivilege, "session::End(2)"}},
      {"Reboot Computer",   1, false, 1,  {kPlatform, "session::End(2)"}},
      {"Logoff",            2, true,  1,  {"session::End(0)"}},
  };
  // clang-format on
  auto& w = os::fake::world();
  for (const auto& c : cases) {
    const std::string what = c.operation + std::to_string(c.platform) + (c.refused ? "!" : "");
    w.platformId = c.platform;
    w.shutdownPrivilegeRefused = c.refused;
    F_Memo->Memo.SetText("unsaved " + what);
    F_Memo->Modified = 1;
    EXPECT_EQ(AddAndRun(MakeTask(what, c.operation)), c.result) << what;
    Strings calls = {"files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")",
                     "files::SaveAtomically(\"C:\\Velmarind\\settings.ini\")"};
    calls.insert(calls.end(), c.calls.begin(), c.calls.end());
    EXPECT_EQ(Calls(), calls) << what;
    EXPECT_EQ(File("memo.txt"), "unsaved " + what);
    EXPECT_EQ(F_Memo->Modified, 0) << what;
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
  // A write that fails is reported by the memo, once, and the memo stays modified.
  os::fake::world().failingSaves.insert(std::string(kDir) + "memo.txt");
  F_Memo->Modified = 1;
  ExpectError("Could not save C:\\Velmarind\\memo.txt");
  EXPECT_EQ(Run("save"), 0);
  EXPECT_EQ(F_Memo->Modified, 1);
  os::fake::world().failingSaves.clear();  // the exit writes it
}

TEST_F(TaskEngineTest, StartAlarmActivatesTheNamedAlarm) {
  CAlarmHandler& alarms = AddCountdowns({"tea", "Tea"});
  EXPECT_EQ(AddAndRun(MakeTask("start", "Start Alarm", "Tea")), 1);
  EXPECT_EQ(std::make_pair(alarms.GetAlarmState("tea"), alarms.GetAlarmState("Tea")),
            std::make_pair(0, 1));
  EXPECT_EQ(AddAndRun(MakeTask("start missing", "Start Alarm", "coffee")), 1);
}

TEST_F(TaskEngineTest, MultiLaunchRunsTasksTogglesAlarmsAndOpensTheRest) {
  CAlarmHandler& alarms = AddCountdowns({"wake", "failing"});
  Add(MakeTask("B", "System Command", "b"));
  Add(MakeTask("A", "Add To Clipboard", "a"));
  Add(MakeTask("ask", "Add To Clipboard", "[What]"));  // cancelled: that item ends alone
  Add(MakeTask("failing", "Play Sound", "missing.wav"));
  Add(MakeTask("list", "Multi Launch", "B,,ask,A, A,wake,failing,http://x.org,", "C:\\", "-p"));
  ExpectCancelledPrompt();
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(Calls(), (Strings{"shell::RunCommand(\"b \")", "clipboard::SetText(\"a\")",
                              "shell::Execute(\"open\",\" A\",\"-p\",\"C:\\\",1)",
                              "files::SaveAtomically(\"C:\\Velmarind\\alarmlist.ini\")",
                              "shell::Execute(\"open\",\"http://x.org\",\"-p\",\"C:\\\",1)"}));
  EXPECT_EQ(alarms.GetAlarmState("wake"), 1) << "the alarm of that name is switched on";
  EXPECT_EQ(alarms.GetAlarmState("failing"), 0) << "a task that fails is not replaced by the alarm";
  ExpectCancelledPrompt();
  EXPECT_EQ(Run("list"), 1);
  EXPECT_EQ(alarms.GetAlarmState("wake"), 0) << "and off again";
}

TEST_F(TaskEngineTest, MultiLaunchSkipsTasksAlreadyRunningInTheChain) {
  Add(MakeTask("A", "System Command", "a"));
  Add(MakeTask("self", "Multi Launch", "self,A"));
  Add(MakeTask("outer", "Multi Launch", "inner,A"));
  Add(MakeTask("inner", "Multi Launch", "outer,A,inner"));
  const std::string ranA = "shell::RunCommand(\"a \")";
  EXPECT_EQ(Run("self"), 1);
  EXPECT_EQ(Calls(), Strings{ranA});
  EXPECT_EQ(Run("outer"), 1);
  EXPECT_EQ(Calls(), (Strings{ranA, ranA})) << "once in inner, once in outer";
}

TEST_F(TaskEngineTest, OnlyTasksInTheListRun) {
  Handler().ExecuteTaskAt(0);  // an empty list
  Add(MakeTask("zulu", "System Command", "z"));
  Add(MakeTask("alpha", "System Command", "a"));
  EXPECT_EQ(Run("Zulu") + Run(""), -2) << "no task has that name";
  const Strings ranZ = {"shell::RunCommand(\"z \")"}, ranA = {"shell::RunCommand(\"a \")"};
  // clang-format off
  const struct { long long index; Strings calls; } cases[] = {
      {0, ranZ}, {1, ranA}, {2, {}}, {-1, {}}, {4294967296, {}}};
  // clang-format on
  for (const auto& c : cases) {
    ForgetCalls();
    Handler().ExecuteTaskAt(c.index);
    EXPECT_EQ(Calls(), c.calls) << c.index;
  }
  ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  ForgetCalls();
  Velmarind->Perform(ui::WM_COMMAND, 0, kRunTaskCommand);
  EXPECT_EQ(Calls(), ranA) << "after a save, in name order";
}

}  // namespace
