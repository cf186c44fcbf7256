// The task list window as the user works with it: the list and its caption, the selection with
// the comment, Execute, New, Edit and Delete.
#include "support/refill_watch.h"
#include "tasks/task_test.h"

namespace {

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
  // later goes first. Delete asks no question. Each change moves one entry, refilling nothing.
  // clang-format off
  const struct { std::function<void()> act; const char* caption; Strings listed; } steps[] = {
      {[] {}, "Tasks [3]", {"a", "b", "B"}},
      {[&] { rename("c"); Window().B_New.Click(); }, "Tasks [4]", {"a", "b", "B", "c"}},
      {[&] { Select("a"); rename("z"); Window().B_Edit.Click(); }, "Tasks [4]", {"b", "B", "c", "z"}},
      {[] { Select("c"); Window().B_Delete.Click(); }, "Tasks [3]", {"b", "B", "z"}},
  };
  // clang-format on
  for (const auto& step : steps) {
    const RefillWatch watch({&Window().LB_Tasks});
    step.act();
    EXPECT_EQ(Window().Caption(), step.caption);
    EXPECT_EQ(Window().LB_Tasks.Items(), step.listed);
    EXPECT_EQ(Window().LB_Tasks.ItemIndex(), -1) << "a changed list has no selection";
    EXPECT_EQ(UsableButtons() + Window().StatusBar.SimpleText(), "000");
    watch.Check([] { Handler().RefreshList(); }, step.caption);
  }
  const std::string saved =
      "3\r\n" + TaskLines("B", "Open") + TaskLines("b", "Open") + TaskLines("z", "Open");
  EXPECT_EQ(File("tasklist.ini"), saved);
  // A Delete that cannot be saved says so and keeps the old file whole.
  os::fake::world().failingSaves.insert(std::string(kDir) + "tasklist.ini");
  Select("b");  // the first entry
  ExpectError("Could not save C:\\Velmarind\\tasklist.ini");
  Window().B_Delete.Click();
  EXPECT_EQ(Window().LB_Tasks.Items(), Lines("B", "z"));
  EXPECT_EQ(File("tasklist.ini"), saved);
}

// Without a selection the buttons and a double click do nothing; with one, the status bar shows
// its comment and Execute or a double click runs it once.
TEST_F(TaskWindowTest, TheSelectionShowsItsCommentAndIsWhatTheButtonsWorkOn) {
  const std::string cut(48, 'c');
  // clang-format off
  const struct { std::string comment, shown; } cases[] = {{"", ""}, {"opens the notes", "opens the notes"}, {cut, cut}, {cut + "d", cut + "..."}};
  // clang-format on
  Window().Show();
  for (const auto& c : cases) {
    Handler().DeleteTask("task");
    Add(MakeTask("task", "Add To Clipboard", "text", "", "", 0, c.comment));
    ForgetCalls();
    for (ui::TButton* button : {&Window().B_Execute, &Window().B_Edit, &Window().B_Delete})
      button->Click();
    Window().LB_Tasks.NotifyDblClick();
    EXPECT_EQ(UsableButtons() + std::to_string(Calls().size() + Handler().Count()), "0001");
    Select("task");
    EXPECT_EQ(Window().StatusBar.SimpleText(), c.shown) << c.comment;
    EXPECT_EQ(UsableButtons(), "111");
    Window().B_Execute.Click();
    Window().LB_Tasks.NotifyDblClick();
    EXPECT_EQ(Calls(), Lines("clipboard::SetText(\"text\")", "clipboard::SetText(\"text\")"));
  }
}

}  // namespace
