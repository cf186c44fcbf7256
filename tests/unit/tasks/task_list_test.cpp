#include <string>
#include <vector>

#include "tasks/task_test.h"
#include "ui/messages.h"

namespace {

using ui::headless::ShownDialogs;

class TaskListTest : public TaskTest {
 protected:
  void AddThreeTasks();
};

// Three tasks added in the order b, B, a, every field set and distinct.
void TaskListTest::AddThreeTasks() {
  CTask b = MakeTask("b", "Open", "b.txt", "C:\\b", "-b", 4);
  b.Comment = "comment b";
  CTask upperB = MakeTask("B", "Print", "B.doc", "", "", -3);
  upperB.Comment = "comment B";
  upperB.Reserved = 7;
  CTask a = MakeTask("a", "System Command", "dir", "C:\\", "/w", 11);
  for (const CTask& task : {b, upperB, a}) ASSERT_EQ(Handler().AddTask(task, true), 1);
}

// Capitals first; an empty comment; the comment before the operation.
const std::string kThreeTasksFile =
    CrLfLines({"3"}) + CrLfLines({"B", "", "B.doc", "", "comment B", "Print", "-3", "7"}) +
    CrLfLines({"a", "C:\\", "dir", "/w", "", "System Command", "11", "0"}) +
    CrLfLines({"b", "C:\\b", "b.txt", "-b", "comment b", "Open", "4", "0"});

TEST_F(TaskListTest, SaveWritesTheFileInByteOrderOfNames) {
  AddThreeTasks();
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"), kThreeTasksFile);
  EXPECT_EQ(Names(), (std::vector<std::string>{"B", "a", "b"})) << "the list is sorted too";
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "b", "B", "a"}))
      << "the tray items keep the order of adding";
}

TEST_F(TaskListTest, LoadReadsBackWhatSaveWrote) {
  Restart(&kThreeTasksFile);
  ASSERT_EQ(Handler().Count(), 3);
  const CTask& b = Handler().Tasks[2];
  EXPECT_EQ(b.Name, "b");
  EXPECT_EQ(b.Directory, "C:\\b");
  EXPECT_EQ(b.File, "b.txt");
  EXPECT_EQ(b.Parameters, "-b");
  EXPECT_EQ(b.Comment, "comment b");
  EXPECT_EQ(b.Operation, "Open");
  EXPECT_EQ(b.ShowCommand, 4);
  EXPECT_EQ(Handler().Tasks[0].ShowCommand, -3);
  EXPECT_EQ(Handler().Tasks[0].Reserved, 7);
  EXPECT_EQ(Handler().Tasks[1].Comment, "");
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "B", "a", "b"}));
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [3]");
  File("tasklist.ini").clear();
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"), kThreeTasksFile);
}

TEST_F(TaskListTest, LoadKeepsFileOrderAndLaterTasksComeLast) {
  const std::string file = "2\r\n" + TaskLines("zeta", "Open") + TaskLines("alpha", "Open");
  Restart(&file);
  EXPECT_EQ(Names(), (std::vector<std::string>{"zeta", "alpha"}));
  Add(MakeTask("Aardvark", "Open"));
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "zeta", "alpha", "Aardvark"}));
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [3]");
}

TEST_F(TaskListTest, LoadOfOddFiles) {
  const std::string longName(300, 'n');
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> names;
    std::vector<std::string> operations;
  };
  const std::string x = TaskLines("x", "Open"), y = TaskLines("y", "Print");
  const Case cases[] = {
      {"LF line ends",
       "2\nx\n\n\n\n\nOpen\n0\n0\ny\n\n\n\n\nPrint\n0\n0\n",
       {"x", "y"},
       {"Open", "Print"}},
      {"count above the records: empty tasks",
       "3\r\n" + x + y,
       {"x", "y", ""},
       {"Open", "Print", ""}},
      {"count below the records", "1\r\n" + x + y, {"x"}, {"Open"}},
      {"overlong line kept whole, later lines intact",
       "2\r\n" + TaskLines(longName, "Open") + y,
       {longName, "y"},
       {"Open", "Print"}},
      {"count not a number", "many\r\n" + x, {}, {}},
      {"count with blanks and a tail", " 1 task\r\n" + x, {"x"}, {"Open"}},
      {"negative count: the records present",
       "-1\r\n" + x + "y\r\n\r\n\r\n\r\n\r\nPrint",
       {"x", "y"},
       {"Open", "Print"}},
      {"count above 65535: the records present", "70000\r\n" + x, {"x"}, {"Open"}},
      {"empty file", "", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Restart(&c.file);
    std::vector<std::string> operations;
    for (const CTask& task : Handler().Tasks) operations.push_back(task.Operation);
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(operations, c.operations);
    EXPECT_EQ(Velmarind->M_Run.Count(), 2 + static_cast<int>(c.names.size()));
  }
}

TEST_F(TaskListTest, NumbersAreSixteenBitsSigned) {
  const struct {
    const char* line;
    std::int16_t value;
  } cases[] = {{"0", 0}, {"-5", -5}, {"32767", 32767}, {"32768", -32768},  {"70000", 4464},
               {"x", 0}, {"", 0},    {"12abc", 12},    {"-32768", -32768}, {"99999999999", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string file = CrLfLines({"1", "t", "", "", "", "", "Open", c.line, c.line});
    Restart(&file);
    ASSERT_EQ(Handler().Count(), 1);
    EXPECT_EQ(Handler().Tasks[0].ShowCommand, c.value);
    EXPECT_EQ(Handler().Tasks[0].Reserved, c.value);
  }
}

TEST_F(TaskListTest, MissingFileGivesAnEmptyListAndTheFirstSaveCreatesIt) {
  Restart(nullptr);
  EXPECT_EQ(Handler().Count(), 0);
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [0]");
  EXPECT_EQ(Handler().LoadTasks("tasklist.ini"), 0);
  EXPECT_FALSE(HasFile("tasklist.ini"));
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"), "0\r\n");
}

TEST_F(TaskListTest, FailedSaveKeepsTheOldFileAndTheOrder) {
  AddThreeTasks();
  File("tasklist.ini") = "old";
  os::fake::world().failingSaves.insert(std::string(kDir) + "tasklist.ini");
  EXPECT_EQ(Handler().SaveTasks("tasklist.ini"), 0);
  EXPECT_EQ(File("tasklist.ini"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{"b", "B", "a"}));
  EXPECT_TRUE(ShownDialogs().empty()) << "the callers report it";
}

TEST_F(TaskListTest, LineBreaksInsideAValueAreWrittenAsBlanks) {
  CTask task = MakeTask("two\r\nlines", "Open", "a\nb", "c\rd");
  task.Comment = "x\r\n";
  Add(task);
  ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"),
            CrLfLines({"1", "two  lines", "c d", "a b", "", "x  ", "Open", "0", "0"}));
}

TEST_F(TaskListTest, FindTaskIsExactAndCaseSensitive) {
  for (const char* name : {"Notes", "notes", "Notes "}) Add(MakeTask(name, "Open"));
  const struct {
    const char* name;
    int index;
  } cases[] = {{"Notes", 0}, {"notes", 1}, {"Notes ", 2}, {"NOTES", -1}, {"Note", -1}, {"", -1}};
  for (const auto& c : cases) EXPECT_EQ(Handler().FindTask(c.name), c.index) << c.name;
}

TEST_F(TaskListTest, IsTaskNameFreePassesOverTheEditedTask) {
  Add(MakeTask("first", "Open"));
  Add(MakeTask("second", "Open"));
  const struct {
    const char* name;
    int editIndex;
    int free;
  } cases[] = {
      {"first", -1, 0}, {"first", 0, 1},  {"first", 1, 0}, {"second", 1, 1},
      {"First", -1, 1}, {"third", -1, 1}, {"third", 0, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Handler().IsTaskNameFree(c.name, c.editIndex), c.free)
        << c.name << " editing " << c.editIndex;
}

TEST_F(TaskListTest, DeleteTaskRemovesTheRecordAndItsTrayItem) {
  for (const char* name : {"one", "two", "three"}) Add(MakeTask(name, "Open"));
  EXPECT_EQ(Handler().DeleteTask("Two"), -1);
  EXPECT_EQ(Handler().Count(), 3);
  EXPECT_EQ(Handler().DeleteTask("two"), 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "one", "three"}));
  EXPECT_EQ(Handler().DeleteTask("one"), 1);
  EXPECT_EQ(Handler().DeleteTask("three"), 1);
  EXPECT_EQ(Handler().Count(), 0);
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-"}));
  EXPECT_EQ(Handler().DeleteTask("three"), -1);
}

TEST_F(TaskListTest, AddTaskRefreshesTheCaptionOnlyWhenAsked) {
  ASSERT_EQ(Handler().AddTask(MakeTask("quiet", "Open"), false), 1);
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [0]");
  ASSERT_EQ(Handler().AddTask(MakeTask("loud", "Open"), true), 1);
  EXPECT_EQ(F_TaskHandler->Caption(), "Tasks [2]");
}

TEST_F(TaskListTest, AFullListRefusesAnotherTask) {
  Handler().Tasks.resize(CTaskHandler::kMaxTasks - 1);
  Add(MakeTask("last", "Open"));
  EXPECT_EQ(Handler().Count(), 65535);
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.caption, "Error");
    EXPECT_EQ(d.flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_NE(d.text.find("65535"), std::string::npos) << d.text;
    return ui::IDOK;
  });
  EXPECT_EQ(Handler().AddTask(MakeTask("one too many", "Open"), true), 0);
  EXPECT_EQ(Handler().Count(), 65535);
  EXPECT_EQ(Handler().FindTask("one too many"), -1);
  EXPECT_EQ(TaskMenu().back(), "last");
}

TEST_F(TaskListTest, TrayItemRunsTheTaskItsCaptionNames) {
  Add(MakeTask("copy", "Add To Clipboard", "from the tray"));
  Add(MakeTask("other", "Add To Clipboard", "wrong"));
  ForgetCalls();
  Velmarind->M_Run.Items(2)->Click();
  EXPECT_EQ(Calls(), (std::vector<std::string>{"clipboard::SetText(\"from the tray\")"}));
}

}  // namespace
