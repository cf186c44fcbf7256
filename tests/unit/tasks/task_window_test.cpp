// The task list window as the user works with it: the list and its caption,
// the selection with the comment, Execute, New, Edit, Delete, Close, and
// where the window opens.
#include "tasks/task_window_test.h"

#include <optional>

namespace {

using ui::headless::ShownDialogs;

// The controls of a form with their places, for the layout checks.
using Controls = std::vector<std::pair<const char*, const ui::TControl*>>;

bool Overlap(const ui::TRect& a, const ui::TRect& b) {
  return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
         b.Top < a.Top + a.Height;
}

// Every control lies inside the client area and no two share a pixel.
void ExpectLaidOut(const Controls& controls, int clientWidth, int clientHeight) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ui::TRect r = controls[i].second->BoundsRect();
    EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Left + r.Width <= clientWidth &&
                r.Top + r.Height <= clientHeight)
        << controls[i].first << " leaves the client area";
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(Overlap(r, controls[j].second->BoundsRect()))
          << controls[i].first << " overlaps " << controls[j].first;
  }
}

std::vector<bool> EditExecuteDeleteEnabled() {
  const TF_TaskHandler& w = *F_TaskHandler;
  return {w.B_Edit.Enabled(), w.B_Execute.Enabled(), w.B_Delete.Enabled()};
}

const std::vector<bool> kEnabled{true, true, true};
const std::vector<bool> kDisabled{false, false, false};

TEST_F(TaskWindowTest, BothWindowsFitTheirControlsIntoTheClientArea) {
  const TF_TaskHandler& w = Window();
  ExpectLaidOut({{"LB_Tasks", &w.LB_Tasks},
                 {"B_Execute", &w.B_Execute},
                 {"B_New", &w.B_New},
                 {"B_Edit", &w.B_Edit},
                 {"B_Delete", &w.B_Delete},
                 {"B_Close", &w.B_Close},
                 {"StatusBar", &w.StatusBar}},
                267, 216);
  const TF_Task& e = Editor();
  ExpectLaidOut({{"LE_Name", &e.LE_Name},
                 {"LE_Name label", &e.LE_Name.EditLabel},
                 {"LE_File", &e.LE_File},
                 {"LE_File label", &e.LE_File.EditLabel},
                 {"LE_Directory", &e.LE_Directory},
                 {"LE_Directory label", &e.LE_Directory.EditLabel},
                 {"LE_Parameters", &e.LE_Parameters},
                 {"LE_Parameters label", &e.LE_Parameters.EditLabel},
                 {"LE_Comment", &e.LE_Comment},
                 {"LE_Comment label", &e.LE_Comment.EditLabel},
                 {"L_Operation", &e.L_Operation},
                 {"CB_Operation", &e.CB_Operation},
                 {"L_Showcommand", &e.L_Showcommand},
                 {"CB_Showcommand", &e.CB_Showcommand},
                 {"L_Help", &e.L_Help},
                 {"B_Ok", &e.B_Ok},
                 {"B_Cancel", &e.B_Cancel}},
                232, 367);
  EXPECT_EQ(e.L_Help.BoundsRect().Width, 217);
  EXPECT_EQ(e.L_Help.BoundsRect().Height, 41);
}

TEST_F(TaskWindowTest, CaptionAndListFollowLoadNewEditAndDelete) {
  const std::string file =
      "3\r\n" + TaskLines("B", "Open") + TaskLines("a", "Open") + TaskLines("b", "Open");
  Restart(&file);
  struct Step {
    const char* what;
    std::function<void()> act;
    std::string caption;
    std::vector<std::string> listed;
  };
  const Step steps[] = {
      // The list box's own order: case does not decide, the later of two
      // names equal but for case goes first.
      {"loaded", [] {}, "Tasks [3]", {"a", "b", "B"}},
      {"new task c",
       [] {
         ExpectEditor([](TF_Task& editor) {
           ui::headless::Type(editor.LE_Name, "c");
           editor.B_Ok.Click();
         });
         Window().B_New.Click();
       },
       "Tasks [4]",
       {"a", "b", "B", "c"}},
      {"a renamed z",
       [] {
         Select("a");
         ExpectEditor([](TF_Task& editor) {
           editor.LE_Name.SetText("z");
           editor.B_Ok.Click();
         });
         Window().B_Edit.Click();
       },
       "Tasks [4]",
       {"b", "B", "c", "z"}},
      {"c deleted",
       [] {
         Select("c");
         Window().B_Delete.Click();
       },
       "Tasks [3]",
       {"b", "B", "z"}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(Window().Caption(), step.caption);
    EXPECT_EQ(Listed(), step.listed);
    EXPECT_EQ(Window().LB_Tasks.ItemIndex(), -1) << "a refilled list has no selection";
    EXPECT_EQ(EditExecuteDeleteEnabled(), kDisabled);
    EXPECT_EQ(Window().StatusBar.SimpleText(), "");
  }
  EXPECT_EQ(File("tasklist.ini"),
            "3\r\n" + TaskLines("B", "Open") + TaskLines("b", "Open") + TaskLines("z", "Open"))
      << "the file holds the names in byte order";
}

TEST_F(TaskWindowTest, StatusBarShowsTheCommentOfTheSelectedTask) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const struct {
    std::string comment;
    std::string shown;
  } cases[] = {
      {"", ""},
      {"opens the notes", "opens the notes"},
      {letters.substr(0, 48), letters.substr(0, 48)},
      {letters.substr(0, 49), letters.substr(0, 48) + "..."},
      {letters, letters.substr(0, 48) + "..."},
  };
  Window().Show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.comment);
    CTask task = MakeTask("task", "Open");
    task.Comment = c.comment;
    Handler().DeleteTask("task");
    Add(task);
    EXPECT_EQ(EditExecuteDeleteEnabled(), kDisabled);
    Select("task");
    EXPECT_EQ(Window().StatusBar.SimpleText(), c.shown);
    EXPECT_EQ(EditExecuteDeleteEnabled(), kEnabled);
  }
}

TEST_F(TaskWindowTest, ButtonsWithoutASelectionDoNothing) {
  Add(MakeTask("copy", "Add To Clipboard", "text"));
  ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  const std::string before = File("tasklist.ini");
  Window().Show();
  EXPECT_EQ(EditExecuteDeleteEnabled(), kDisabled) << "nothing is selected after showing";
  ForgetCalls();
  for (ui::TButton* button : {&Window().B_Execute, &Window().B_Edit, &Window().B_Delete}) {
    SCOPED_TRACE(button->Caption());
    button->Click();
    Window().LB_Tasks.NotifyDblClick();
    EXPECT_TRUE(Calls().empty());
    EXPECT_TRUE(ShownDialogs().empty());
    EXPECT_EQ(Names(), std::vector<std::string>{"copy"});
    EXPECT_EQ(File("tasklist.ini"), before);
  }
}

TEST_F(TaskWindowTest, ExecuteAndDoubleClickRunTheSelectedTaskOnce) {
  Add(MakeTask("first", "Add To Clipboard", "first text"));
  Add(MakeTask("second", "Add To Clipboard", "second text"));
  const struct {
    const char* how;
    const char* name;
    std::function<void()> run;
  } cases[] = {
      {"Execute", "second", [] { Window().B_Execute.Click(); }},
      {"double click", "first", [] { Window().LB_Tasks.NotifyDblClick(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Select(c.name);
    ForgetCalls();
    c.run();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"clipboard::SetText(\"" + std::string(c.name) +
                                                 " text\")"}));
  }
}

TEST_F(TaskWindowTest, DeleteRemovesTheTaskEverywhereAtOnceWithoutAQuestion) {
  for (const char* name : {"one", "two", "three"}) Add(MakeTask(name, "Open"));
  Window().Show();
  Select("two");
  Window().B_Delete.Click();
  EXPECT_TRUE(ShownDialogs().empty()) << "no question is asked";
  EXPECT_EQ(Listed(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "one", "three"}));
  EXPECT_EQ(File("tasklist.ini"), "2\r\n" + TaskLines("one", "Open") + TaskLines("three", "Open"));
  EXPECT_EQ(Window().Caption(), "Tasks [2]");
  EXPECT_EQ(Window().LB_Tasks.ItemIndex(), -1);
  EXPECT_EQ(EditExecuteDeleteEnabled(), kDisabled);
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

TEST_F(TaskWindowTest, NewOpensTheEditorClearedForANewTask) {
  Add(MakeTask("old", "Print", "old.txt"));
  Editor().LoadTask(Handler().Tasks[0]);  // left over from an earlier opening
  Editor().CB_Showcommand.SetItemIndex(0);
  ExpectEditor([](TF_Task& editor) {
    EXPECT_EQ(editor.Caption(), "New Task");
    EXPECT_EQ(editor.Mode, 0);
    for (const ui::TEdit* edit : {&editor.LE_Name, &editor.LE_File, &editor.LE_Directory,
                                  &editor.LE_Parameters, &editor.LE_Comment})
      EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(editor.CB_Operation.Text(), "Open");
    EXPECT_EQ(editor.CB_Showcommand.Text(), "SHOW");
    EXPECT_FALSE(editor.B_Ok.Enabled()) << "no name yet";
    editor.B_Cancel.Click();
  });
  Window().B_New.Click();
  EXPECT_FALSE(Editor().Visible());
  EXPECT_EQ(Names(), std::vector<std::string>{"old"});
}

TEST_F(TaskWindowTest, EditFillsTheEditorFromTheSelectedTask) {
  struct Case {
    const char* what;
    CTask task;
    int operationIndex;  // as the editor shows it
    std::string showCommand;
    std::string help;
  };
  auto full = MakeTask("full", "Send Windows Message", "1234", "16", "0 0", 11);
  full.Comment = "closes it";
  const Case cases[] = {
      {"every field", full, 11, "SHOWNORMAL",
       "Activates and displays a window. If the window is minimized or maximized, Windows "
       "restores it to its original size and position"},
      {"operation of another case", MakeTask("lower", "open", "", "", "", 0), -1, "HIDE",
       "Hides the window and activates another window."},
      {"unknown operation", MakeTask("odd", "Teleport", "x", "", "", 4), -1, "SHOW",
       "Activates the window and displays it in its current size and position."},
      {"show command out of range", MakeTask("far", "Logoff", "", "", "", 12), 8, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Add(c.task);
    Select(c.task.Name);
    ExpectEditor([&c](TF_Task& editor) {
      EXPECT_EQ(editor.Caption(), "Edit Task");
      EXPECT_EQ(editor.Mode, 1);
      EXPECT_EQ(editor.EditName, c.task.Name);
      EXPECT_EQ(editor.LE_Name.Text(), c.task.Name);
      EXPECT_EQ(editor.LE_File.Text(), c.task.File);
      EXPECT_EQ(editor.LE_Directory.Text(), c.task.Directory);
      EXPECT_EQ(editor.LE_Parameters.Text(), c.task.Parameters);
      EXPECT_EQ(editor.LE_Comment.Text(), c.task.Comment);
      EXPECT_EQ(editor.CB_Operation.ItemIndex(), c.operationIndex);
      EXPECT_EQ(editor.OperationText, c.task.Operation);
      EXPECT_EQ(editor.CB_Showcommand.Text(), c.showCommand);
      EXPECT_EQ(editor.L_Help.Caption(), c.help);
      EXPECT_TRUE(editor.B_Ok.Enabled());
      editor.B_Cancel.Click();
    });
    Window().B_Edit.Click();
  }
}

TEST_F(TaskWindowTest, WindowOpensThirtyTwoPixelsFromTheBottomRight) {
  const struct {
    std::optional<os::Size> screen;
    int left, top;
  } cases[] = {
      {os::Size{1280, 1024}, 1280 - 267 - 32, 1024 - 216 - 32},
      {os::Size{800, 600}, 800 - 267 - 32, 600 - 216 - 32},
      {std::nullopt, 32, 32},
  };
  for (const auto& c : cases) {
    os::fake::world().screen = c.screen;
    Velmarind->M_Edit.Click();  // the tray's "Add / Edit"
    ASSERT_TRUE(Window().Visible());
    EXPECT_EQ(Window().Left(), c.left);
    EXPECT_EQ(Window().Top(), c.top);
    Window().SetBounds(5, 6, Window().Width(), Window().Height());
    Velmarind->M_Edit.Click();
    EXPECT_EQ(Window().Left(), 5) << "a window already shown stays where it is";
    Window().B_Close.Click();
    EXPECT_FALSE(Window().Visible());
  }
}

}  // namespace
