// The task editor as the user works with it: the operation layouts, the show command's help,
// Enter, the name check, OK and Cancel, the file dialog, and a list changing under it.
#include "tasks/task_test.h"

namespace {

using ui::headless::Type;

class TaskEditorTest : public TaskTest {
 protected:
  // Three saved tasks; "b" has a tray item between the others and a reserved number of 7.
  static void AddThreeTasks() {
    CTask b = MakeTask("b", "Print", "b.doc", "C:\\docs\\", "-q", 2, "note");
    b.Reserved = 7;
    for (const CTask& task : {MakeTask("a", "Open", "a.txt"), b, MakeTask("c", "Open", "c.txt")})
      Add(task);
    ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  }
};

TEST_F(TaskEditorTest, NewOpensClearedNearTheBottomRightAndOkWaitsForAName) {
  New([](TF_Task& e) {
    EXPECT_FALSE(e.B_Ok.Enabled()) << "the first opening";
    e.B_Cancel.Click();
  });
  Add(MakeTask("old", "Print", "old.txt"));
  F_Task->LoadTask(Handler().Tasks[0]);  // left over from an earlier opening
  F_Task->CB_Showcommand.SetItemIndex(0);
  os::fake::world().screen = os::Size{1280, 1024};
  New([](TF_Task& e) {
    EXPECT_EQ(std::pair(e.Left(), e.Top()), std::pair(1232 - e.Width(), 976 - e.Height()));
    EXPECT_EQ(e.Caption() + " " + std::to_string(e.Mode), "New Task 0");
    EXPECT_EQ(e.LE_Name.Text() + e.LE_File.Text() + e.LE_Directory.Text() + e.LE_Parameters.Text() +
                  e.LE_Comment.Text(),
              "");
    EXPECT_EQ(e.CB_Operation.Text() + " " + e.CB_Showcommand.Text() + ": " + e.L_Help.Caption(),
              "Open SHOW: Activates the window and displays it in its current size and position.");
    EXPECT_EQ(ui::headless::FocusedHandle(), e.LE_Name.Handle());
    EXPECT_FALSE(e.B_Ok.Enabled());
    Type(e.LE_Name, "n");
    EXPECT_TRUE(e.B_Ok.Enabled());
    e.LE_Name.SetText("");
    EXPECT_FALSE(e.B_Ok.Enabled());
    Pick(e.CB_Showcommand, "HIDE");
    e.CB_Showcommand.SetItemIndex(5);  // set from code: the help stays
    EXPECT_EQ(e.L_Help.Caption(), "Hides the window and activates another window.");
    e.B_Cancel.Click();
  });
  EXPECT_EQ(Names(), Lines("old"));
}

TEST_F(TaskEditorTest, EachOperationLaysTheFieldsOutAndEnterSkipsTheUnusable) {
  const std::string kUsual = "File / Command|Directory|Parameters";
  // usable: file, directory, parameters, browsing, show command. lands: where Enter in name, file,
  // directory, parameters, comment, operation and show command moves the focus: N F D P C O S,
  // K for OK, '-' for a field that is not usable. edited: Edit opens the editor on a task of
  // that operation, instead of New and a pick.
  // clang-format off
  const struct { const char* operation; std::string labels; const char* usable; const char* lands; bool edited = false; } rows[] = {
      {"Open",                 kUsual, "11111", "FDPCOSK"},
      {"Print",                kUsual, "11110", "FDPCOO-"},
      {"System Command",       kUsual, "11101", "FDPCOSK"},
      {"Logoff",               kUsual, "00000", "C---OO-"},
      {"Add To Clipboard",     "Text|Directory|Parameters", "10000", "FC--OO-"},
      {"Play Sound",           "Wav file|Directory|Parameters", "11010", "FDC-OO-"},
      {"Send Windows Message", "Window handle|Message|WParam LParam", "11100", "FDPCOO-"},
      {"Shutdown Computer",    kUsual, "00000", "C---OO-", true},
      {nullptr,                kUsual, "11111", "FDPCOSK"},  // none of the items
  };
  // clang-format on
  for (const auto& row : rows) {
    const auto act = [&row](TF_Task& e) {
      ui::TControl* const fields[] = {&e.LE_Name,        &e.LE_File,    &e.LE_Directory,
                                      &e.LE_Parameters,  &e.LE_Comment, &e.CB_Operation,
                                      &e.CB_Showcommand, &e.B_Ok};
      e.LE_Name.SetText("n");
      if (!row.operation) {  // the show command out of range too
        e.LoadTask(MakeTask("odd", "Teleport", "", "", "", 12));
        e.ApplyOperationLayout();
        EXPECT_EQ(std::to_string(e.CB_Operation.ItemIndex()) + e.OperationText +
                      e.CB_Showcommand.Text() + e.L_Help.Caption(),
                  "-1Teleport");
      } else if (!row.edited) {
        Pick(e.CB_Operation, row.operation);
      }
      std::string usable = " ", lands = " ";
      for (bool on : {e.LE_File.Enabled(), e.LE_Directory.Enabled(), e.LE_Parameters.Enabled(),
                      e.BrowseAllowed, e.CB_Showcommand.Enabled()})
        usable += on ? '1' : '0';
      for (int i = 0; i < 7; ++i) {
        if (!fields[i]->Enabled()) {
          lands += '-';
          continue;
        }
        fields[i]->SetFocus();
        Type(*fields[i], "\r");
        for (int j = 0; j < 8; ++j)
          if (ui::headless::FocusedHandle() == fields[j]->Handle()) lands += "NFDPCOSK"[j];
      }
      EXPECT_EQ(e.LE_File.EditLabel.Caption() + "|" + e.LE_Directory.EditLabel.Caption() + "|" +
                    e.LE_Parameters.EditLabel.Caption() + usable + lands,
                row.labels + " " + row.usable + " " + row.lands);
      EXPECT_EQ(e.L_Help.Visible(), e.CB_Showcommand.Enabled()) << row.labels;
      EXPECT_EQ(e.LE_Name.Text(), row.operation ? "n" : "odd") << "Enter is not typed";
      e.B_Cancel.Click();
    };
    if (row.edited) Add(MakeTask(row.operation, row.operation));
    row.edited ? Edit(row.operation, act) : New(act);
  }
}

TEST_F(TaskEditorTest, OkRefusesATakenNameAndCancelStoresNothing) {
  AddThreeTasks();
  // clang-format off
  const struct { const char* edited; const char* name; bool ok, stored; } cases[] = {  // edited null: New
      {nullptr, "b", true, false}, {nullptr, "B", true, true}, {"a", "a", true, true},
      {"a", "c", true, false},     {"c", "C2", true, true},
      {nullptr, "never", false, false}, {"a", "changed", false, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    const auto act = [&c](TF_Task& editor) {
      editor.LE_Name.SetText(c.name);
      Pick(editor.CB_Operation, "Logoff");
      if (c.ok && !c.stored) ExpectError("A Task by that name already exists");
      ui::TButton& button = c.ok ? editor.B_Ok : editor.B_Cancel;
      button.SetFocus();  // as a click does
      button.Click();
      EXPECT_EQ(ui::headless::FocusedHandle() == editor.LE_Name.Handle(), c.ok && !c.stored)
          << c.name << ": a refused name takes the caret back";
      EXPECT_EQ(CancelIfOpen(), c.ok && !c.stored) << c.name;
    };
    ForgetCalls();
    c.edited ? Edit(c.edited, act) : New(act);
    EXPECT_EQ(os::fake::CallsStartingWith("files::SaveAtomically").size(), c.stored ? 1u : 0u);
    EXPECT_EQ(F_Task->LE_Name.Text() + std::to_string(F_Task->Mode), "0") << "reset";
  }
}

TEST_F(TaskEditorTest, OkStoresTheTaskAndItsTrayItem) {
  AddThreeTasks();
  New([](TF_Task& editor) {
    Type(editor.LE_Name, "backup");
    Type(editor.LE_File, "copy.bat");
    Type(editor.LE_Directory, "C:\\tools\\");
    Type(editor.LE_Parameters, "/all");
    Type(editor.LE_Comment, "nightly");
    Pick(editor.CB_Showcommand, "SHOWMINNOACTIVE");
    Pick(editor.CB_Operation, "Add To Clipboard");  // fields it does not use keep their text
    editor.B_Ok.Click();
  });
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-", "a", "b", "c", "backup"));
  Edit("b", [](TF_Task& editor) {
    EXPECT_EQ(Lines(editor.Caption(), editor.LE_Name.Text(), editor.LE_File.Text(),
                    editor.LE_Directory.Text(), editor.LE_Parameters.Text(),
                    editor.LE_Comment.Text(), editor.CB_Operation.Text(),
                    editor.CB_Showcommand.Text(), editor.L_Help.Caption().substr(0, 9)),
              Lines("Edit Task", "b", "b.doc", "C:\\docs\\", "-q", "note", "Print", "MINIMIZE",
                    "Minimizes"));
    EXPECT_TRUE(editor.B_Ok.Enabled());
    editor.LE_Name.SetText("renamed");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(TaskMenu(), Lines("Add / Edit", "-", "a", "renamed", "c", "backup")) << "in place";
  const CTask& t = Handler().Tasks.at(Handler().FindTask("backup"));
  EXPECT_EQ(Lines(t.Directory, t.File, t.Parameters, t.Comment, t.Operation,
                  std::to_string(t.ShowCommand)),
            Lines("C:\\tools\\", "copy.bat", "/all", "nightly", "Add To Clipboard", "8"));
}

// Line breaks typed into a field are stored as the blanks the file holds, so the list is saved
// in order and reads back to the same bytes; a name that differs only there is taken.
TEST_F(TaskEditorTest, TypedLineBreaksAreStoredAsBlanksSoTheFileIsInOrder) {
  Add(MakeTask("b\x1F", "Open"));  // after "b\r..." in byte order, before "b ..."
  const auto store = [](const char* name, bool taken) {
    New([=](TF_Task& editor) {
      editor.LE_Name.SetText(name);
      editor.LE_Comment.SetText("one\r\ntwo");
      Pick(editor.CB_Operation, "Logoff");
      if (taken) ExpectError("A Task by that name already exists");
      editor.B_Ok.Click();
      EXPECT_EQ(CancelIfOpen(), taken);
    });
  };
  store("b\rz", false);
  EXPECT_EQ(Names(), Lines("b\x1F", "b z"));
  EXPECT_EQ(Handler().Tasks[1].Comment, "one  two");
  const std::string saved = File("tasklist.ini");
  Restart(&saved);
  ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  EXPECT_EQ(File("tasklist.ini"), saved) << "read and written again, the same bytes";
  store("b\nz", true);
}

TEST_F(TaskEditorTest, AnOperationNotInTheListIsKeptAndNoneMakesOkWait) {
  for (const char* operation : {"Teleport", ""}) {
    const std::string stored = "1\r\n" + TaskLines("t", operation);
    Restart(&stored);
    Edit("t", [operation](TF_Task& editor) {
      editor.B_Ok.Click();
      EXPECT_EQ(CancelIfOpen(), !*operation) << operation;
    });
    EXPECT_EQ(File("tasklist.ini"), stored);
    EXPECT_EQ(os::fake::CallsStartingWith("files::SaveAtomically").size(), *operation ? 1u : 0u);
  }
}

// The edited task is found again by its name, after the editor's loop.
TEST_F(TaskEditorTest, TheListChangingUnderAnOpenEditor) {
  AddThreeTasks();
  Edit("b", [](TF_Task& editor) {
    editor.LE_Name.SetText("b2");
    Handler().DeleteTask("a");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(Names(), Lines("b2", "c"));
  EXPECT_EQ(Handler().Tasks[0].Reserved, 7) << "the edited record";
  Edit("c", [](TF_Task& editor) {
    Handler().DeleteTask("c");
    ExpectError("The task \"c\" no longer exists.");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(Names(), Lines("b2"));
}

TEST_F(TaskEditorTest, FileCommandLabelBrowsesWhereTheOperationAllowsIt) {
  // typed: into LE_File first; chosen: the dialog's answer, "" for Cancel, null for no dialog;
  // then file and directory. The path is cut after its last backslash but one at the very end.
  // clang-format off
  const struct { const char* operation; const char* typed; const char* chosen; const char* fields; } steps[] = {
      {"Open", nullptr, "C:\\Program Files\\run.exe", "run.exe|C:\\Program Files\\"},
      {"Open", "mine.exe", "", "mine.exe|C:\\Program Files\\"},  // Cancel keeps what was typed
      {"Add To Clipboard", "some text", nullptr, "some text|C:\\Program Files\\"},
      {"Open", nullptr, "notes.txt", "notes.txt|"},   {"Open", nullptr, "\\", "\\|"},
      {"Open", nullptr, "C:\\Tools\\", "Tools\\|C:\\"},
  };
  // clang-format on
  TF_Task& e = *F_Task;
  for (const auto& step : steps) {
    Pick(e.CB_Operation, step.operation);
    if (step.typed) e.LE_File.SetText(step.typed);
    if (step.chosen)
      ui::headless::Expect([chosen = std::string(step.chosen)](Dialog& d) {
        EXPECT_EQ(d.kind, ui::headless::DialogKind::OpenFile);
        EXPECT_EQ(d.caption, "Velmarind - Select File");
        if (!chosen.empty()) d.value = chosen;
        return chosen.empty() ? 0 : 1;
      });
    e.LE_File.EditLabel.NotifyClick();
    EXPECT_EQ(e.LE_File.Text() + "|" + e.LE_Directory.Text(), step.fields) << step.operation;
  }
}

}  // namespace
