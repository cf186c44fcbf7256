// The task editor as the user works with it: the operation layouts, the show command's help,
// Enter, the name check, OK and Cancel, the file dialog, and a list changing under it.
#include <optional>

#include "tasks/task_test.h"

namespace {

using ui::headless::Type;

const char* const kShowHelp =
    "Activates the window and displays it in its current size and position.";

class TaskEditorTest : public TaskTest {
 protected:
  // Opens a new editor, or the editor on the named task, and lets `act` work it.
  static void New(std::function<void(TF_Task&)> act) {
    ExpectEditor(std::move(act));
    Window().B_New.Click();
  }
  static void Edit(const std::string& name, std::function<void(TF_Task&)> act) {
    Select(name);
    ExpectEditor(std::move(act));
    Window().B_Edit.Click();
  }
  // Three saved tasks; "b" has a tray item between the others and a reserved number of 7.
  static void AddThreeTasks() {
    CTask b = MakeTask("b", "Print", "b.doc", "C:\\docs\\", "", 2);
    b.Reserved = 7;
    for (const CTask& task : {MakeTask("a", "Open", "a.txt"), b, MakeTask("c", "Open", "c.txt")})
      Add(task);
    ASSERT_EQ(Handler().SaveTasks("tasklist.ini"), 1);
  }
  static std::size_t Saves() {
    return os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\tasklist.ini\"")
        .size();
  }
};

TEST_F(TaskEditorTest, NewOpensClearedNearTheBottomRightAndOkWaitsForAName) {
  Add(MakeTask("old", "Print", "old.txt"));
  Editor().LoadTask(Handler().Tasks[0]);  // left over from an earlier opening
  Editor().CB_Showcommand.SetItemIndex(0);
  os::fake::world().screen = os::Size{1280, 1024};
  New([](TF_Task& e) {
    EXPECT_EQ(e.Left(), 1280 - e.Width() - 48);
    EXPECT_EQ(e.Top(), 1024 - e.Height() - 48);
    EXPECT_EQ(e.Caption(), "New Task");
    EXPECT_EQ(e.Mode, 0);
    for (const ui::TEdit* edit :
         {&e.LE_Name, &e.LE_File, &e.LE_Directory, &e.LE_Parameters, &e.LE_Comment})
      EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(e.CB_Operation.Text() + " " + e.CB_Showcommand.Text(), "Open SHOW");
    EXPECT_EQ(e.L_Help.Caption(), kShowHelp);
    EXPECT_EQ(ui::headless::FocusedHandle(), e.LE_Name.Handle());
    EXPECT_FALSE(e.B_Ok.Enabled());
    Type(e.LE_Name, "n");
    EXPECT_TRUE(e.B_Ok.Enabled());
    e.LE_Name.SetText("");
    EXPECT_FALSE(e.B_Ok.Enabled());
    e.B_Cancel.Click();
  });
  EXPECT_EQ(Names(), Strings{"old"});
  os::fake::world().screen = std::nullopt;  // screen size unknown
  New([](TF_Task& e) {
    EXPECT_EQ(std::make_pair(e.Left(), e.Top()), std::make_pair(48, 48));
    e.B_Cancel.Click();
  });
}

TEST_F(TaskEditorTest, EachOperationLaysTheFieldsOut) {
  // usable: file, directory, parameters, browsing, show command; a null label is the usual one.
  // clang-format off
  const struct { const char* operation; const char* file; const char* dir; const char* params; const char* usable; } rows[] = {
      {"Open",                 nullptr, nullptr, nullptr, "11111"},
      {"Print",                nullptr, nullptr, nullptr, "11110"},
      {"System Command",       nullptr, nullptr, nullptr, "11101"},
      {"Logoff",               nullptr, nullptr, nullptr, "00000"},
      {"Add To Clipboard",     "Text", nullptr, nullptr, "10000"},
      {"Play Sound",           "Wav file", nullptr, nullptr, "11010"},
      {"Send Windows Message", "Window handle", "Message", "WParam LParam", "11100"},
      {"Start Alarm",          "Alarm", nullptr, nullptr, "10000"},
      {"Multi Launch",         "Name of tasks/alarms, separate with ','", nullptr, nullptr, "11101"},
      {"Set Volume",           "Wave volume ( 0-100 )", nullptr, nullptr, "10000"},
      {"Mouse Click",          "1 = Left, 2 = Middle, 3 = Right", nullptr, nullptr, "10000"},
      {"Close Program",        "Name (As shown in the taskbar)", nullptr, nullptr, "10000"},
      {nullptr,                nullptr, nullptr, nullptr, "11111"},  // none of the items
  };
  // clang-format on
  TF_Task& e = Editor();
  const auto flag = [](bool on) { return on ? '1' : '0'; };
  for (const auto& row : rows) {
    const std::string what = row.operation ? row.operation : "none";
    if (row.operation) {
      Pick(e.CB_Operation, row.operation);
    } else {
      e.LoadTask(MakeTask("odd", "Teleport"));
      e.ApplyOperationLayout();
    }
    const Strings labels = {e.LE_File.EditLabel.Caption(), e.LE_Directory.EditLabel.Caption(),
                            e.LE_Parameters.EditLabel.Caption()};
    EXPECT_EQ(labels,
              (Strings{row.file ? row.file : "File / Command", row.dir ? row.dir : "Directory",
                       row.params ? row.params : "Parameters"}));
    const std::string usable = {flag(e.LE_File.Enabled()), flag(e.LE_Directory.Enabled()),
                                flag(e.LE_Parameters.Enabled()), flag(e.BrowseAllowed),
                                flag(e.CB_Showcommand.Enabled())};
    EXPECT_EQ(usable, row.usable) << what;
    EXPECT_EQ(e.L_Help.Visible(), e.CB_Showcommand.Enabled()) << what;
  }
}

TEST_F(TaskEditorTest, HelpLineExplainsTheChosenShowCommand) {
  TF_Task& e = Editor();
  EXPECT_EQ(e.CB_Showcommand.Text() + ": " + e.L_Help.Caption(), std::string("SHOW: ") + kShowHelp);
  Pick(e.CB_Showcommand, "HIDE");
  EXPECT_EQ(e.L_Help.Caption(), "Hides the window and activates another window.");
  Pick(e.CB_Showcommand, "SHOWDEFAULT");
  EXPECT_EQ(e.L_Help.Caption(), "Use the initial show state of its main window.");
  e.CB_Showcommand.SetItemIndex(0);  // set from code: no help changes
  EXPECT_EQ(e.L_Help.Caption(), "Use the initial show state of its main window.");
  e.ResetTaskEditor();
  EXPECT_EQ(e.L_Help.Caption(), kShowHelp);
  e.LoadTask(MakeTask("min", "Open", "", "", "", 7));
  EXPECT_EQ(e.L_Help.Caption(), "Activates the window and displays it as a minimized window.");
}

TEST_F(TaskEditorTest, EnterMovesTheFocusToTheNextUsableField) {
  // Where Enter in name, file, directory, parameters, comment, operation and show command lands:
  // N F D P C O S, K for OK; '-' for a field that is not usable.
  // clang-format off
  const struct { const char* operation; const char* name; const char* lands; } cases[] = {
      {"Open",  "n", "FDPCOSK"},  {"Print", "n", "FDPCOO-"},            {"Play Sound", "n", "FDC-OO-"},
      {"Add To Clipboard", "n", "FC--OO-"}, {"Logoff", "n", "C---OO-"},
      {"Open",  "",  "FDPCOSS"},  // OK is not usable without a name
  };
  // clang-format on
  for (const auto& c : cases) {
    New([&c](TF_Task& e) {
      ui::TControl* const fields[] = {&e.LE_Name,        &e.LE_File,    &e.LE_Directory,
                                      &e.LE_Parameters,  &e.LE_Comment, &e.CB_Operation,
                                      &e.CB_Showcommand, &e.B_Ok};
      e.LE_Name.SetText(c.name);
      Pick(e.CB_Operation, c.operation);
      std::string lands;
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
      EXPECT_EQ(lands, c.lands) << c.operation << " named \"" << c.name << "\"";
      EXPECT_EQ(e.LE_Name.Text(), c.name) << "Enter is not typed";
      e.B_Cancel.Click();
    });
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
      (c.ok ? editor.B_Ok : editor.B_Cancel).Click();
      EXPECT_EQ(EditorOpen(), c.ok && !c.stored) << c.name;
      if (EditorOpen()) editor.B_Cancel.Click();
    };
    const std::string file = File("tasklist.ini");
    ForgetCalls();
    c.edited ? Edit(c.edited, act) : New(act);
    EXPECT_EQ(Saves(), c.stored ? 1u : 0u) << c.name;
    if (c.stored)
      EXPECT_GE(Handler().FindTask(c.name), 0) << c.name;
    else
      EXPECT_EQ(File("tasklist.ini"), file) << c.name;
    EXPECT_EQ(Editor().Mode, 0);
    EXPECT_EQ(Editor().LE_Name.Text(), "");
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
  EXPECT_EQ(TaskMenu(), (Strings{"Add / Edit", "-", "a", "b", "c", "backup"}));
  EXPECT_EQ(Editor().LE_Name.Text() + Editor().CB_Operation.Text(), "Open") << "cleared";
  Edit("b", [](TF_Task& editor) {
    editor.LE_Name.SetText("renamed");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(TaskMenu(), (Strings{"Add / Edit", "-", "a", "renamed", "c", "backup"})) << "in place";
  EXPECT_EQ(Editor().Mode, 0) << "the next opening starts as a new task";
  EXPECT_EQ(Editor().EditName, "");
  EXPECT_EQ(File("tasklist.ini"),
            "4\r\n" + CrLfLines({"a", "", "a.txt", "", "", "Open", "0", "0"}) +
                CrLfLines({"backup", "C:\\tools\\", "copy.bat", "/all", "nightly",
                           "Add To Clipboard", "8", "0"}) +
                CrLfLines({"c", "", "c.txt", "", "", "Open", "0", "0"}) +
                CrLfLines({"renamed", "C:\\docs\\", "b.doc", "", "", "Print", "2", "7"}));
  // A save that fails says so; the task stays in the list and the old file whole.
  os::fake::world().failingSaves.insert(std::string(kDir) + "tasklist.ini");
  const std::string before = File("tasklist.ini");
  New([](TF_Task& editor) {
    Type(editor.LE_Name, "unsaved");
    ExpectError("Could not save C:\\Velmarind\\tasklist.ini");
    editor.B_Ok.Click();
  });
  EXPECT_EQ(File("tasklist.ini"), before);
  EXPECT_EQ(Handler().FindTask("unsaved"), 4);
}

TEST_F(TaskEditorTest, OperationsNotInTheListAreKeptUntilAnotherIsPicked) {
  // clang-format off
  const struct { const char* stored; const char* picked; const char* saved; } cases[] = {
      {"Teleport", nullptr, "Teleport"}, {"Teleport", "Print", "Print"}, {"Find", nullptr, "Find"},
      {"", nullptr, nullptr},  // no operation: OK waits for one
      {"", "Explore", "Explore"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const std::string stored = "1\r\n" + TaskLines("t", c.stored);
    Restart(&stored);
    Edit("t", [&c](TF_Task& editor) {
      if (c.picked) Pick(editor.CB_Operation, c.picked);
      editor.B_Ok.Click();
      EXPECT_EQ(EditorOpen(), !c.saved) << c.stored;
      if (EditorOpen()) editor.B_Cancel.Click();
    });
    EXPECT_EQ(File("tasklist.ini"), c.saved ? "1\r\n" + TaskLines("t", c.saved) : stored);
  }
}

TEST_F(TaskEditorTest, TheListChangingUnderAnOpenEditor) {
  static const char* const kTaken = "A Task by that name already exists";
  // clang-format off
  const struct { std::function<void()> meanwhile; const char* error; Strings names; } cases[] = {
      {[] { Handler().DeleteTask("b"); }, "The task \"b\" no longer exists.", {"a", "c"}},
      {[] { Handler().DeleteTask("a"); }, nullptr, {"b2", "c"}},
      {[] { Add(MakeTask("0", "Open")); }, nullptr, {"0", "a", "b2", "c"}},
      {[] { Add(MakeTask("b2", "Open")); }, kTaken, {"a", "b", "c", "b2"}},  // the editor stays
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart();
    AddThreeTasks();
    Edit("b", [&c](TF_Task& editor) {
      editor.LE_Name.SetText("b2");
      c.meanwhile();
      if (c.error) ExpectError(c.error);
      editor.B_Ok.Click();
      EXPECT_EQ(EditorOpen(), c.error == kTaken);
      if (EditorOpen()) editor.B_Cancel.Click();
    });
    EXPECT_EQ(Names(), c.names);
    if (c.error) continue;
    EXPECT_EQ(Handler().Tasks.at(Handler().FindTask("b2")).Reserved, 7) << "the edited record";
  }
}

TEST_F(TaskEditorTest, FileCommandLabelBrowsesWhereTheOperationAllowsIt) {
  // typed: into LE_File first; chosen: the dialog's answer, "" for Cancel, null for no dialog;
  // then file and directory. The path is cut after its last backslash but one at the very end.
  // clang-format off
  const struct { const char* operation; const char* typed; const char* chosen; const char* fields; } steps[] = {
      {"Open", "typed", "", "typed|"},
      {"Open", nullptr, "C:\\Program Files\\run.exe", "run.exe|C:\\Program Files\\"},
      {"Open", "mine.exe", "", "mine.exe|C:\\Program Files\\"},  // Cancel keeps what was typed
      {"Add To Clipboard", "some text", nullptr, "some text|C:\\Program Files\\"},
      {"Play Sound", nullptr, "D:\\ding.wav", "ding.wav|D:\\"},
      {"Open", nullptr, "notes.txt", "notes.txt|"},   {"Open", nullptr, "\\", "\\|"},
      {"Open", nullptr, "C:\\Tools\\", "Tools\\|C:\\"}, {"Open", nullptr, "a\\\\", "\\|a\\"},
  };
  // clang-format on
  TF_Task& e = Editor();
  for (const auto& step : steps) {
    Pick(e.CB_Operation, step.operation);
    if (step.typed) e.LE_File.SetText(step.typed);
    if (step.chosen)
      ui::headless::Expect([chosen = std::string(step.chosen)](ui::headless::Dialog& d) {
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
