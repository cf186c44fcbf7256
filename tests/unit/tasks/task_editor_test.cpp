// The task editor as the user works with it: the operation layouts, the
// show command's help, the name check, OK in both modes, Cancel, the file
// dialog, and a task list that changes while the editor is open.
#include <optional>

#include "tasks/task_window_test.h"

namespace {

using ui::headless::Dialog;
using ui::headless::DialogKind;
using ui::headless::ShownDialogs;
using ui::headless::Type;

const char* const kShowHelp =
    "Activates the window and displays it in its current size and position.";

class TaskEditorTest : public TaskWindowTest {
 protected:
  // Opens a new editor and lets `act` work it.
  static void New(std::function<void(TF_Task&)> act) {
    ExpectEditor(std::move(act));
    Window().B_New.Click();
  }
  // Opens the editor on the task of that name and lets `act` work it.
  static void Edit(const std::string& name, std::function<void(TF_Task&)> act) {
    Select(name);
    ExpectEditor(std::move(act));
    Window().B_Edit.Click();
  }
  // Three saved tasks; "b" has a tray item between the others and a
  // reserved number of 7.
  static void AddThreeTasks() {
    Add(MakeTask("a", "Open", "a.txt"));
    CTask b = MakeTask("b", "Print", "b.doc", "C:\\docs\\", "", 2);
    b.Reserved = 7;
    Add(b);
    Add(MakeTask("c", "Open", "c.txt"));
    ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  }
};

TEST_F(TaskEditorTest, EachOperationLaysTheFieldsOut) {
  struct Row {
    const char* operation;  // nullptr: no operation selected
    const char* fileLabel;
    const char* directoryLabel;
    const char* parametersLabel;
    bool file, directory, parameters, browse, showCommand;
  };
  const char* kFile = "File / Command";
  const char* kDir = "Directory";
  const char* kParams = "Parameters";
  const Row rows[] = {
      {"Open", kFile, kDir, kParams, true, true, true, true, true},
      {"Edit", kFile, kDir, kParams, true, true, true, true, true},
      {"Explore", kFile, kDir, kParams, true, true, true, true, true},
      {"Find", kFile, kDir, kParams, true, true, true, true, true},
      {"Print", kFile, kDir, kParams, true, true, true, true, false},
      {"System Command", kFile, kDir, kParams, true, true, true, false, true},
      {"Shutdown Computer", kFile, kDir, kParams, false, false, false, false, false},
      {"Reboot Computer", kFile, kDir, kParams, false, false, false, false, false},
      {"Logoff", kFile, kDir, kParams, false, false, false, false, false},
      {"Add To Clipboard", "Text", kDir, kParams, true, false, false, false, false},
      {"Play Sound", "Wav file", kDir, kParams, true, true, false, true, false},
      {"Send Windows Message", "Window handle", "Message", "WParam LParam", true, true, true, false,
       false},
      {"Start Alarm", "Alarm", kDir, kParams, true, false, false, false, false},
      {"Multi Launch", "Name of tasks/alarms, separate with ','", kDir, kParams, true, true, true,
       false, true},
      {"Save Memo", kFile, kDir, kParams, false, false, false, false, false},
      {"Set Volume", "Wave volume ( 0-100 )", kDir, kParams, true, false, false, false, false},
      {"Mouse Click", "1 = Left, 2 = Middle, 3 = Right", kDir, kParams, true, false, false, false,
       false},
      {"Close Program", "Name (As shown in the taskbar)", kDir, kParams, true, false, false, false,
       false},
      {nullptr, kFile, kDir, kParams, true, true, true, true, true},
  };
  TF_Task& e = Editor();
  std::vector<std::string> items;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.operation ? row.operation : "none");
    if (row.operation) {
      items.push_back(row.operation);
      Pick(e.CB_Operation, row.operation);
    } else {
      e.LoadTask(MakeTask("odd", "Teleport"));
      e.ApplyOperationLayout();
    }
    EXPECT_EQ(e.LE_File.EditLabel.Caption(), row.fileLabel);
    EXPECT_EQ(e.LE_Directory.EditLabel.Caption(), row.directoryLabel);
    EXPECT_EQ(e.LE_Parameters.EditLabel.Caption(), row.parametersLabel);
    EXPECT_EQ(e.LE_File.Enabled(), row.file);
    EXPECT_EQ(e.LE_Directory.Enabled(), row.directory);
    EXPECT_EQ(e.LE_Parameters.Enabled(), row.parameters);
    EXPECT_EQ(e.BrowseAllowed, row.browse);
    EXPECT_EQ(e.CB_Showcommand.Enabled(), row.showCommand);
    EXPECT_EQ(e.L_Help.Visible(), row.showCommand);
    EXPECT_TRUE(e.LE_Name.Enabled() && e.LE_Comment.Enabled());
  }
  EXPECT_EQ(e.CB_Operation.Items(), items) << "the eighteen operations in their order";
}

TEST_F(TaskEditorTest, HelpLineExplainsTheChosenShowCommand) {
  TF_Task& e = Editor();
  EXPECT_EQ(e.CB_Showcommand.Items(),
            (std::vector<std::string>{
                "HIDE", "MAXIMIZE", "MINIMIZE", "RESTORE", "SHOW", "SHOWDEFAULT", "SHOWMAXIMIZED",
                "SHOWMINIMIZED", "SHOWMINNOACTIVE", "SHOWNA", "SHOWNOACTIVATE", "SHOWNORMAL"}));
  EXPECT_EQ(e.CB_Showcommand.Text(), "SHOW");
  EXPECT_EQ(e.L_Help.Caption(), kShowHelp) << "at start";
  const struct {
    const char* item;
    const char* help;
  } cases[] = {
      {"HIDE", "Hides the window and activates another window."},
      {"RESTORE",
       "Activates and displays the window. If the window is minimized or maximized, Windows "
       "restores it to its original size and position"},
      {"SHOWDEFAULT", "Use the initial show state of its main window."},
      {"SHOWNOACTIVATE",
       "Displays a window in its most recent size and position. The active window remains "
       "active."},
  };
  for (const auto& c : cases) {
    Pick(e.CB_Showcommand, c.item);
    EXPECT_EQ(e.L_Help.Caption(), c.help) << c.item;
  }
  // Set from code, the selection changes no help; Reset and Edit show it anew.
  e.ResetTaskEditor();
  EXPECT_EQ(e.L_Help.Caption(), kShowHelp) << "after Reset";
  e.LoadTask(MakeTask("min", "Open", "", "", "", 7));
  EXPECT_EQ(e.L_Help.Caption(), "Activates the window and displays it as a minimized window.")
      << "after Edit";
}

TEST_F(TaskEditorTest, OkIsUsableExactlyWhileThereIsAName) {
  New([](TF_Task& editor) {
    EXPECT_FALSE(editor.B_Ok.Enabled());
    Type(editor.LE_Name, "n");
    EXPECT_TRUE(editor.B_Ok.Enabled());
    editor.LE_Name.SetText("");
    EXPECT_FALSE(editor.B_Ok.Enabled());
    editor.B_Cancel.Click();
  });
}

TEST_F(TaskEditorTest, EveryFieldTakesAtMost255Characters) {
  TF_Task& e = Editor();
  for (ui::TEdit* edit :
       {&e.LE_Name, &e.LE_File, &e.LE_Directory, &e.LE_Parameters, &e.LE_Comment}) {
    edit->SetText("");
    Type(*edit, std::string(300, 'x'));
    EXPECT_EQ(edit->Text().size(), 255u);
  }
}

TEST_F(TaskEditorTest, NamesMustBeUniqueButCaseCounts) {
  AddThreeTasks();
  const struct {
    const char* what;
    const char* edited;  // nullptr: a new task
    const char* name;
    bool accepted;
  } cases[] = {
      {"new task, a name taken", nullptr, "b", false},
      {"new task, the name in other case", nullptr, "B", true},
      {"edit keeping its own name", "a", "a", true},
      {"edit to another task's name", "a", "c", false},
      {"edit to another name in other case", "c", "C2", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto act = [&c](TF_Task& editor) {
      editor.LE_Name.SetText(c.name);
      if (!c.accepted) ExpectError("A Task by that name already exists");
      editor.B_Ok.Click();
      EXPECT_EQ(EditorOpen(), !c.accepted);
      if (EditorOpen()) editor.B_Cancel.Click();
    };
    const std::string file = File("tasklist.ini");
    ForgetCalls();
    if (c.edited)
      Edit(c.edited, act);
    else
      New(act);
    EXPECT_EQ(Saves(), c.accepted ? 1u : 0u);
    if (c.accepted)
      EXPECT_GE(Handler().FindTask(c.name), 0);
    else
      EXPECT_EQ(File("tasklist.ini"), file);
  }
}

TEST_F(TaskEditorTest, OkOnANewTaskStoresItAndAddsItsTrayItem) {
  AddThreeTasks();
  New([](TF_Task& editor) {
    Type(editor.LE_Name, "backup");
    Type(editor.LE_File, "copy.bat");
    Type(editor.LE_Directory, "C:\\tools\\");
    Type(editor.LE_Parameters, "/all");
    Type(editor.LE_Comment, "nightly");
    Pick(editor.CB_Operation, "System Command");
    Pick(editor.CB_Showcommand, "SHOWMINNOACTIVE");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(File("tasklist.ini"),
            "4\r\n" + CrLfLines({"a", "", "a.txt", "", "", "Open", "0", "0"}) +
                CrLfLines({"b", "C:\\docs\\", "b.doc", "", "", "Print", "2", "7"}) +
                CrLfLines({"backup", "C:\\tools\\", "copy.bat", "/all", "nightly", "System Command",
                           "8", "0"}) +
                CrLfLines({"c", "", "c.txt", "", "", "Open", "0", "0"}));
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "a", "b", "c", "backup"}));
  EXPECT_FALSE(Editor().Visible());
  EXPECT_EQ(Editor().LE_Name.Text(), "") << "OK leaves the editor cleared";
  EXPECT_EQ(Editor().CB_Operation.Text(), "Open");
}

TEST_F(TaskEditorTest, OkOnAnEditedTaskRenamesItsTrayItemInPlace) {
  AddThreeTasks();
  Edit("b", [](TF_Task& editor) {
    editor.LE_Name.SetText("renamed");
    editor.LE_Comment.SetText("now a comment");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(
      File("tasklist.ini"),
      "3\r\n" + CrLfLines({"a", "", "a.txt", "", "", "Open", "0", "0"}) +
          CrLfLines({"c", "", "c.txt", "", "", "Open", "0", "0"}) +
          CrLfLines({"renamed", "C:\\docs\\", "b.doc", "", "now a comment", "Print", "2", "7"}));
  EXPECT_EQ(TaskMenu(), (std::vector<std::string>{"Add / Edit", "-", "a", "renamed", "c"}));
  EXPECT_EQ(Editor().Mode, 0) << "the next opening starts as a new task";
  EXPECT_EQ(Editor().EditName, "");
}

TEST_F(TaskEditorTest, DisabledFieldsKeepTheirTextAndAreStored) {
  New([](TF_Task& editor) {
    Type(editor.LE_Name, "bye");
    Type(editor.LE_File, "kept file");
    Type(editor.LE_Directory, "kept dir");
    Type(editor.LE_Parameters, "kept params");
    Pick(editor.CB_Operation, "Logoff");
    EXPECT_FALSE(editor.LE_File.Enabled());
    EXPECT_EQ(editor.LE_File.Text(), "kept file");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(File("tasklist.ini"), "1\r\n" + CrLfLines({"bye", "kept dir", "kept file",
                                                       "kept params", "", "Logoff", "4", "0"}));
}

TEST_F(TaskEditorTest, OperationsNotInTheListAreKeptUntilAnotherIsPicked) {
  const struct {
    const char* what;
    const char* stored;
    const char* picked;  // nullptr: the user picks none
    bool closes;
    const char* saved;
  } cases[] = {
      {"unknown operation kept", "Teleport", nullptr, true, "Teleport"},
      {"unknown operation replaced", "Teleport", "Print", true, "Print"},
      {"known operation kept", "Find", nullptr, true, "Find"},
      {"no operation: OK waits for one", "", nullptr, false, ""},
      {"no operation, then one picked", "", "Explore", true, "Explore"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string stored = "1\r\n" + TaskLines("t", c.stored);
    Restart(&stored);
    Edit("t", [&c](TF_Task& editor) {
      if (c.picked) Pick(editor.CB_Operation, c.picked);
      editor.B_Ok.Click();
      EXPECT_EQ(!EditorOpen(), c.closes);
      if (EditorOpen()) editor.B_Cancel.Click();
    });
    EXPECT_EQ(Handler().Tasks[0].Operation, c.saved);
    EXPECT_EQ(File("tasklist.ini"), c.closes ? "1\r\n" + TaskLines("t", c.saved) : stored);
  }
}

TEST_F(TaskEditorTest, TheListChangingUnderAnOpenEditor) {
  struct Case {
    const char* what;
    std::function<void()> meanwhile;
    const char* newName;
    const char* error;  // nullptr: OK stores
    bool closes;        // OK closes the editor
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"the edited task was deleted",
       [] { Handler().DeleteTask("b"); },
       "b2",
       "The task \"b\" no longer exists.",
       true,
       {"a", "c"}},
      {"a task before it was deleted",
       [] { Handler().DeleteTask("a"); },
       "b2",
       nullptr,
       true,
       {"b2", "c"}},
      {"a task was added",
       [] { Add(MakeTask("0", "Open")); },
       "b2",
       nullptr,
       true,
       {"0", "a", "b2", "c"}},
      {"another task took the new name",
       [] { Add(MakeTask("b2", "Open")); },
       "b2",
       "A Task by that name already exists",
       false,
       {"a", "b", "c", "b2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Restart(nullptr);
    AddThreeTasks();
    Edit("b", [&c](TF_Task& editor) {
      editor.LE_Name.SetText(c.newName);
      c.meanwhile();
      if (c.error) ExpectError(c.error);
      editor.B_Ok.Click();
      EXPECT_EQ(!EditorOpen(), c.closes);
      if (EditorOpen()) editor.B_Cancel.Click();
    });
    EXPECT_EQ(Names(), c.names);
    const int renamed = Handler().FindTask("b2");
    if (!c.error) {
      ASSERT_GE(renamed, 0);
      EXPECT_EQ(Handler().Tasks[renamed].Reserved, 7) << "the edited record, not another";
      EXPECT_EQ(Handler().Tasks[renamed].File, "b.doc");
    }
  }
}

TEST_F(TaskEditorTest, CancelStoresNothing) {
  AddThreeTasks();
  const std::string file = File("tasklist.ini");
  ForgetCalls();
  New([](TF_Task& editor) {
    Type(editor.LE_Name, "never");
    editor.B_Cancel.Click();
  });
  Edit("a", [](TF_Task& editor) {
    editor.LE_Name.SetText("changed");
    Pick(editor.CB_Operation, "Logoff");
    editor.B_Cancel.Click();
  });
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Handler().Tasks[0].Operation, "Open");
  EXPECT_EQ(Saves(), 0u);
  EXPECT_EQ(File("tasklist.ini"), file);
  EXPECT_EQ(Editor().Mode, 0);
  EXPECT_EQ(Editor().LE_Name.Text(), "");
}

TEST_F(TaskEditorTest, OkThatCannotSaveSaysSoAndKeepsTheTaskInTheList) {
  File("tasklist.ini") = "old";
  os::fake::world().failingSaves.insert(std::string(kDir) + "tasklist.ini");
  New([](TF_Task& editor) {
    Type(editor.LE_Name, "unsaved");
    ExpectError("Could not save C:\\Velmarind\\tasklist.ini");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(File("tasklist.ini"), "old");
  EXPECT_EQ(Names(), std::vector<std::string>{"unsaved"});
}

TEST_F(TaskEditorTest, FileCommandLabelBrowsesWhereTheOperationAllowsIt) {
  // The file dialog answers with `chosen`, or is cancelled for nullopt.
  const auto expectDialog = [](std::optional<std::string> chosen) {
    ui::headless::Expect([chosen](Dialog& d) {
      EXPECT_EQ(d.kind, DialogKind::OpenFile);
      EXPECT_EQ(d.caption, "Velmarind - Select File");
      EXPECT_EQ(d.text,
                "Programs (*.exe;*.com;*.bat;*.pif)|*.exe;*.com;*.bat;*.pif|Documents "
                "(*.doc;*.xml;*.txt;*.pdf)|*.doc;*.xml;*.txt;*.pdf|Sounds "
                "(*.wav;*.mp3)|*.wav;*.mp3;*.m3u|All (*.*)|*.*");
      if (chosen) d.value = *chosen;
      return chosen ? 1 : 0;
    });
  };
  struct Step {
    const char* what;
    const char* operation;
    std::optional<std::string> typed;  // typed into LE_File first
    bool dialog;
    std::optional<std::string> chosen;
    std::string file, directory;
  };
  const Step steps[] = {
      {"cancel before any pick", "Open", "typed", true, std::nullopt, "typed", ""},
      {"a program picked", "Open", std::nullopt, true, "C:\\Tools\\run.exe", "run.exe",
       "C:\\Tools\\"},
      {"cancel after a pick keeps what was typed", "Open", "mine.exe", true, std::nullopt,
       "mine.exe", "C:\\Tools\\"},
      {"Add To Clipboard: the label is only a label", "Add To Clipboard", "some text", false,
       std::nullopt, "some text", "C:\\Tools\\"},
      {"Play Sound browses", "Play Sound", std::nullopt, true, "D:\\ding.wav", "ding.wav", "D:\\"},
  };
  TF_Task& e = Editor();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    Pick(e.CB_Operation, step.operation);
    if (step.typed) e.LE_File.SetText(*step.typed);
    if (step.dialog) expectDialog(step.chosen);
    const std::size_t shown = ShownDialogs().size();
    e.LE_File.EditLabel.NotifyClick();
    EXPECT_EQ(ShownDialogs().size(), shown + (step.dialog ? 1 : 0));
    EXPECT_EQ(e.LE_File.Text(), step.file);
    EXPECT_EQ(e.LE_Directory.Text(), step.directory);
  }
}

TEST_F(TaskEditorTest, SplitPathCutsAfterTheLastBackslashButNotAtTheEnd) {
  const struct {
    const char* path;
    const char* fileName;
    const char* directory;
  } cases[] = {
      {"C:\\Program Files\\app.exe", "app.exe", "C:\\Program Files\\"},
      {"C:\\boot.ini", "boot.ini", "C:\\"},
      {"notes.txt", "notes.txt", ""},
      {"", "", ""},
      {"\\", "\\", ""},
      {"C:\\Tools\\", "Tools\\", "C:\\"},
      {"\\\\server\\share\\x", "x", "\\\\server\\share\\"},
      {"a\\\\", "\\", "a\\"},
  };
  for (const auto& c : cases) {
    std::string fileName = "old", directory = "old";
    TF_Task::SplitPath(c.path, fileName, directory);
    EXPECT_EQ(fileName, c.fileName) << c.path;
    EXPECT_EQ(directory, c.directory) << c.path;
  }
}

TEST_F(TaskEditorTest, EditorOpensFortyEightPixelsFromTheBottomRight) {
  const struct {
    std::optional<os::Size> screen;
    int left, top;
  } cases[] = {
      {os::Size{1280, 1024}, 1280 - 232 - 48, 1024 - 367 - 48},
      {std::nullopt, 48, 48},
  };
  for (const auto& c : cases) {
    os::fake::world().screen = c.screen;
    New([&c](TF_Task& editor) {
      EXPECT_EQ(editor.Left(), c.left);
      EXPECT_EQ(editor.Top(), c.top);
      editor.B_Cancel.Click();
    });
  }
}

}  // namespace
