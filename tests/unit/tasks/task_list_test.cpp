// The task list: tasklist.ini read and written, the tray's items, finding, adding and deleting.
#include "tasks/task_test.h"

namespace {

class TaskListTest : public TaskTest {
 protected:
  // Three tasks added in the order b, B, a, every field set and distinct.
  static void AddThreeTasks() {
    CTask B = MakeTask("B", "Print", "B.doc", "", "", -3, "comment B");
    B.Reserved = 7;
    for (const CTask& task : {MakeTask("b", "Open", "b.txt", "C:\\b", "-b", 4, "comment\r\nb"), B,
                              MakeTask("a", "System Command", "dir", "C:\\", "/w", 11)})
      Add(task);
  }
};

// Capitals first; an empty comment; the comment before the operation; a line break as blanks.
const std::string kThreeTasksFile =
    CrLfLines({"3"}) + CrLfLines({"B", "", "B.doc", "", "comment B", "Print", "-3", "7"}) +
    CrLfLines({"a", "C:\\", "dir", "/w", "", "System Command", "11", "0"}) +
    CrLfLines({"b", "C:\\b", "b.txt", "-b", "comment  b", "Open", "4", "0"});

TEST_F(TaskListTest, SaveWritesTheFileInByteOrderAndLoadReadsItBack) {
  EXPECT_EQ(Handler().LoadTasks("tasklist.ini"), 0) << "no file";
  AddThreeTasks();
  os::fake::world().failingSaves.insert(std::string(kDir) + "tasklist.ini");
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 0);  // the callers report it
  EXPECT_EQ(Names(), Lines("b", "B", "a")) << "a failed save keeps the order";
  os::fake::world().failingSaves.clear();
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"), kThreeTasksFile);
  EXPECT_EQ(Names(), Lines("B", "a", "b")) << "the list is sorted too";
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-", "b", "B", "a")) << "in the order of adding";
  Restart(&kThreeTasksFile);
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-", "B", "a", "b"));
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [3]");
  File("tasklist.ini").clear();
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"), kThreeTasksFile) << "every field read back into its place";
  // A file out of byte order keeps its order; a task added later comes last.
  const std::string file = "2\r\n" + TaskLines("zeta", "Open") + TaskLines("alpha", "Open");
  Restart(&file);
  Add(MakeTask("Aardvark", "Open"));
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-", "zeta", "alpha", "Aardvark"));
}

TEST_F(TaskListTest, LoadOfOddFiles) {
  const std::string x = TaskLines("x", "Open"), y = TaskLines("y", "Print");
  // clang-format off
  const struct { std::string file; Strings tasks; } cases[] = {  // name, operation, the numbers
      {"2\nx\n\n\n\n\nOpen\n0\n0\ny\n\n\n\n\nPrint\n0\n0\n", {"x Open 0 0", "y Print 0 0"}},  // LF
      {"3\r\n" + x + y, {"x Open 0 0", "y Print 0 0"}},  // counted but missing: never made up
      {"many\r\n" + x, {"x Open 0 0"}},  // no number: the records there
      {"-1\r\n" + x + "y\r\n\r\n\r\n\r\n\r\nPrint", {"x Open 0 0", "y Print 0 0"}},  // those there
      {"70000\r\n" + x, {"x Open 0 0"}},  // above the most tasks: the records there
      {"3\r\n" + x + x + TaskLines("x (2)", "Print"), {"x Open 0 0", "x (2) Open 0 0", "x (2) (2) Print 0 0"}},  // names kept apart
      {"1\r\n" + CrLfLines({"t", "", "", "", "", "Open", "70000", "12abc"}), {"t Open 4464 12"}},  // 16 bits, signed
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(&c.file);
    Strings tasks;
    for (const CTask& t : Handler().Tasks)
      tasks.push_back(t.Name + " " + t.Operation + " " + std::to_string(t.ShowCommand) + " " +
                      std::to_string(t.Reserved));
    EXPECT_EQ(tasks, c.tasks) << c.file.substr(0, 20);
    EXPECT_EQ(Velmarind->M_Run.Count(), 2 + static_cast<int>(c.tasks.size()));
  }
}

TEST_F(TaskListTest, AddAndDeleteKeepTheTrayItemsInStepUpToAFullList) {
  ASSERT_EQ(Handler().AddTask(MakeTask("one", "Open"), false), 1);
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [0]") << "refreshed only when asked";
  for (const char* name : {"two", "three"}) Add(MakeTask(name, "Open"));
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [3]");
  EXPECT_EQ(Handler().DeleteTask("Two"), -1);
  EXPECT_EQ(Handler().DeleteTask("two"), 1);
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-", "one", "three"));
  EXPECT_EQ(Handler().DeleteTask("one") + Handler().DeleteTask("three"), 2);
  EXPECT_EQ(Handler().DeleteTask("three"), -1);
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-"));
  Add(MakeTask("copy", "Add To Clipboard", "from the tray"));
  Add(MakeTask("other", "Add To Clipboard", "wrong"));
  ForgetCalls();
  Velmarind->M_Run.Items(2)->Click();
  EXPECT_EQ(Calls(), Lines("clipboard::SetText(\"from the tray\")")) << "the item runs its task";
  // Names show as typed: "-" makes no separator, "&" marks no key letter.
  for (const char* name : {"-", "Tom & Jerry"}) {
    Add(MakeTask(name, "Open"));
    const ui::TMenuItem* item = Velmarind->M_Run.Items(Velmarind->M_Run.Count() - 1);
    EXPECT_TRUE(item->Verbatim && !item->IsSeparator()) << name;
  }
  // A full list refuses another task.
  Handler().Tasks.resize(CTaskHandler::kMaxTasks);
  ExpectError("The task list is full: it holds at most 65535 tasks.");
  EXPECT_EQ(Handler().AddTask(MakeTask("one too many", "Open"), true), 0);
  EXPECT_EQ(Handler().Count(), 65535);
  EXPECT_EQ(TaskMenu().back(), "Tom & Jerry");
  // A hand-made file of more: the rest is left out, and said so once the message loop runs.
  std::string many = "65537\r\n";
  for (int i = 0; i < 65537; ++i) many += TaskLines(std::to_string(100000 + i), "Open");
  Restart(&many);
  ui::headless::Expect([](Dialog& d) {
    EXPECT_EQ(d.caption + ": " + d.text + " " + std::to_string(d.flags),
              "Information: 2 tasks were not loaded: the list holds at most 65535 tasks. " +
                  std::to_string(ui::MB_ICONINFORMATION));
    return ui::IDOK;
  });
  ui::headless::AdvanceTime(1);
  EXPECT_EQ(Names().back() + " " + std::to_string(Handler().Count()), "165534 65535");
}

}  // namespace
