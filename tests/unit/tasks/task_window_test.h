// Fixture of the task window and task editor tests: the user's hands on
// the list box, the drop-down lists and the modal editor.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tasks/task_form.h"
#include "tasks/task_test.h"
#include "ui/messages.h"

class TaskWindowTest : public TaskTest {
 protected:
  static TF_TaskHandler& Window() { return *F_TaskHandler; }
  static TF_Task& Editor() { return *F_Task; }
  static std::vector<std::string> Listed() { return Window().LB_Tasks.Items(); }

  // The user clicks the list box's entry with this text.
  static void Select(const std::string& name) {
    const int index = IndexOf(Window().LB_Tasks, name);
    ASSERT_GE(index, 0) << name << " is not listed";
    Window().LB_Tasks.SetItemIndex(index);
    Window().LB_Tasks.NotifyClick();
  }
  // The user picks the item with this text from a drop-down list.
  static void Pick(ui::TComboBox& list, const std::string& item) {
    const int index = IndexOf(list, item);
    ASSERT_GE(index, 0) << item << " is not an item";
    list.SetItemIndex(index);
    list.NotifyChange();
  }
  // The next modal form to come up must be the editor; `act` works it as
  // the user does. An editor that `act` leaves open is cancelled.
  static void ExpectEditor(std::function<void(TF_Task&)> act) {
    ui::headless::Expect([act = std::move(act)](ui::headless::Dialog& d) {
      EXPECT_EQ(d.form, F_Task) << "the modal form is the editor";
      act(*F_Task);
      return 0;
    });
  }
  // The next message box must be this "Error"; it is answered with OK.
  static void ExpectError(const std::string& text) {
    ui::headless::Expect([text](ui::headless::Dialog& d) {
      EXPECT_EQ(d.kind, ui::headless::DialogKind::MessageBox);
      EXPECT_EQ(d.caption, "Error");
      EXPECT_EQ(d.text, text);
      EXPECT_EQ(d.flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
      return ui::IDOK;
    });
  }
  // The editor is still open when OK did not close it.
  static bool EditorOpen() { return Editor().ModalResult == ui::mrNone; }
  static std::size_t Saves() {
    return os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\tasklist.ini\"")
        .size();
  }

 private:
  static int IndexOf(const ui::TItemsControl& list, const std::string& text) {
    const std::vector<std::string> items = list.Items();
    const auto at = std::find(items.begin(), items.end(), text);
    return at == items.end() ? -1 : static_cast<int>(at - items.begin());
  }
};
