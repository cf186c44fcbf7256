// The task list window as the user works with it: the list and its caption, the selection with
// the comment, Execute, New, Edit and Delete.
#include "tasks/task_test.h"

namespace {

using ui::headless::ShownDialogs;

class TaskWindowTest : public TaskTest {
 protected:
  // Edit, Execute and Delete, "1" for a usable button.
  static std::string UsableButtons() {
    std::string usable;
    for (const ui::TButton* button : {&Window().B_Edit, &Window().B_Execute, &Window().B_Delete})
      usable += button->Enabled() ? '1' : '0';
    return usable;
  }
};

TEST_F(TaskWindowTest, CaptionAndListFollowLoadNewEditAndDelete) {
  const std::string file =
      "3\r\n" + TaskLines("B", "Open") + TaskLines("a", "Open") + TaskLines("b", "Open");
  Restart(&file);
  const auto rename = [](const char* name) {
    ExpectEditor([name](TF_Task& editor) {
      editor.LE_Name.SetText(name);
      editor.B_Ok.Click();
    });
  };
  // The list box's own order: case does not decide, and of two names equal but for case the
  // later goes first.
  // clang-format off
  const struct { std::function<void()> act; const char* caption; Strings listed; } steps[] = {
      {[] {}, "Tasks [3]", {"a", "b", "B"}},
      {[&] { rename("c"); Window().B_New.Click(); }, "Tasks [4]", {"a", "b", "B", "c"}},
      {[&] { Select("a"); rename("z"); Window().B_Edit.Click(); }, "Tasks [4]", {"b", "B", "c", "z"}},
      {[] { Select("c"); Window().B_Delete.Click(); }, "Tasks [3]", {"b", "B", "z"}},
  };
  // clang-format on
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(Window().Caption(), step.caption);
    EXPECT_EQ(Listed(), step.listed);
    EXPECT_EQ(Window().LB_Tasks.ItemIndex(), -1) << "a refilled list has no selection";
    EXPECT_EQ(UsableButtons() + Window().StatusBar.SimpleText(), "000");
  }
  EXPECT_EQ(File("tasklist.ini"),
            "3\r\n" + TaskLines("B", "Open") + TaskLines("b", "Open") + TaskLines("z", "Open"));
}

TEST_F(TaskWindowTest, StatusBarShowsTheCommentOfTheSelectedTask) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string cut = letters.substr(0, 48);
  // clang-format off
  const struct { std::string comment, shown; } cases[] = {
      {"", ""}, {"opens the notes", "opens the notes"}, {cut, cut},
      {letters.substr(0, 49), cut + "..."}, {letters, cut + "..."},
  };
  // clang-format on
  Window().Show();
  for (const auto& c : cases) {
    CTask task = MakeTask("task", "Open");
    task.Comment = c.comment;
    Handler().DeleteTask("task");
    Add(task);
    EXPECT_EQ(UsableButtons(), "000");
    Select("task");
    EXPECT_EQ(Window().StatusBar.SimpleText(), c.shown) << c.comment;
    EXPECT_EQ(UsableButtons(), "111");
  }
}

TEST_F(TaskWindowTest, ButtonsRunTheSelectedTaskOnceAndWithoutASelectionDoNothing) {
  Add(MakeTask("first", "Add To Clipboard", "first text"));
  Add(MakeTask("second", "Add To Clipboard", "second text"));
  Window().Show();
  for (ui::TButton* button : {&Window().B_Execute, &Window().B_Edit, &Window().B_Delete})
    button->Click();
  Window().LB_Tasks.NotifyDblClick();
  EXPECT_TRUE(Calls().empty() && ShownDialogs().empty());
  EXPECT_EQ(Names(), (Strings{"first", "second"}));
  Select("second");
  Window().B_Execute.Click();
  Select("first");
  Window().LB_Tasks.NotifyDblClick();
  EXPECT_EQ(Calls(),
            (Strings{"clipboard::SetText(\"second text\")", "clipboard::SetText(\"first text\")"}));
}

TEST_F(TaskWindowTest, DeleteRemovesTheTaskEverywhereAtOnceWithoutAQuestion) {
  for (const char* name : {"one", "two", "three"}) Add(MakeTask(name, "Open"));
  Window().Show();
  Select("two");
  Window().B_Delete.Click();
  EXPECT_TRUE(ShownDialogs().empty()) << "no question is asked";
  EXPECT_EQ(Listed(), (Strings{"one", "three"}));
  EXPECT_EQ(TaskMenu(), (Strings{"Add / Edit", "-", "one", "three"}));
  EXPECT_EQ(File("tasklist.ini"), "2\r\n" + TaskLines("one", "Open") + TaskLines("three", "Open"));
  EXPECT_EQ(Window().Caption(), "Tasks [2]");
  EXPECT_EQ(Window().LB_Tasks.ItemIndex(), -1);
  EXPECT_EQ(UsableButtons(), "000");
}

TEST_F(TaskWindowTest, DeleteThatCannotBeSavedSaysSoAndKeepsTheOldFile) {
  Add(MakeTask("one", "Open"));
  File("tasklist.ini") = "old";
  os::fake::world().failingSaves.insert(std::string(kDir) + "tasklist.ini");
  Select("one");
  ExpectError("Could not save C:\\Velmarind\\tasklist.ini");
  Window().B_Delete.Click();
  EXPECT_EQ(File("tasklist.ini"), "old");
  EXPECT_TRUE(Listed().empty());
}

TEST_F(TaskWindowTest, EditFillsTheEditorFromTheSelectedTask) {
  CTask full = MakeTask("full", "Send Windows Message", "1234", "16", "0 0", 11);
  full.Comment = "closes it";
  // operation: the item the editor shows; show: the show command's item, then its help's start.
  // clang-format off
  const struct { CTask task; int operation; const char* show; } cases[] = {
      {full, 11, "SHOWNORMAL|Activates and displa"},
      {MakeTask("lower", "open", "", "", "", 0), -1, "HIDE|Hides the window and"},
      {MakeTask("odd", "Teleport", "x", "", "", 4), -1, "SHOW|Activates the window"},
      {MakeTask("far", "Logoff", "", "", "", 12), 8, "|"},  // show command out of range
  };
  // clang-format on
  for (const auto& c : cases) {
    Add(c.task);
    Select(c.task.Name);
    ExpectEditor([&c](TF_Task& editor) {
      EXPECT_EQ(editor.Caption() + " " + editor.EditName, "Edit Task " + c.task.Name);
      EXPECT_EQ(editor.Mode, 1);
      const Strings fields = {editor.LE_Name.Text(),      editor.LE_File.Text(),
                              editor.LE_Directory.Text(), editor.LE_Parameters.Text(),
                              editor.LE_Comment.Text(),   editor.OperationText};
      const CTask& t = c.task;
      EXPECT_EQ(fields,
                (Strings{t.Name, t.File, t.Directory, t.Parameters, t.Comment, t.Operation}));
      EXPECT_EQ(editor.CB_Operation.ItemIndex(), c.operation);
      EXPECT_EQ(editor.CB_Showcommand.Text() + "|" + editor.L_Help.Caption().substr(0, 20), c.show);
      EXPECT_TRUE(editor.B_Ok.Enabled());
      editor.B_Cancel.Click();
    });
    Window().B_Edit.Click();
  }
}

}  // namespace
