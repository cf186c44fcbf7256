// Fixture of the task tests: the whole program started on the headless backend, helpers to make
// tasks and read what the fake OS recorded, and the user's hands on the task window and editor.
#pragma once

#include <algorithm>
#include <functional>

#include "memo/memo_form.h"
#include "support/app_test.h"
#include "tasks/task_form.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

using Strings = std::vector<std::string>;
using ui::headless::Dialog;

template <class... Texts>
Strings Lines(const Texts&... texts) {
  return {std::string(texts)...};
}

inline CTask MakeTask(const std::string& name, const std::string& operation,
                      const std::string& file = "", const std::string& directory = "",
                      const std::string& parameters = "", std::int16_t showCommand = 0,
                      const std::string& comment = "") {
  return {name, directory, file, parameters, operation, comment, showCommand};
}

// The lines joined, each ended by CR LF; the eight lines of a task with a name and an operation.
inline std::string CrLfLines(const Strings& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}
inline std::string TaskLines(const std::string& name, const std::string& operation) {
  return CrLfLines({name, "", "", "", "", operation, "0", "0"});
}

class TaskTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Restart();
  }
  // Starts the program afresh with this tasklist.ini (none for nullptr).
  void Restart(const std::string* tasklist = nullptr) {
    Finish();
    os::fake::world().files.erase(std::string(kDir) + "tasklist.ini");
    if (tasklist) File("tasklist.ini") = *tasklist;
    Start();
    ForgetCalls();
  }
  static void ForgetCalls() { os::fake::world().calls.clear(); }
  static const Strings& Calls() { return os::fake::world().calls; }
  static CTaskHandler& Handler() { return F_TaskHandler->TaskHandler; }
  static void Add(const CTask& task) { ASSERT_EQ(Handler().AddTask(task, true), 1); }
  static int Run(const std::string& name) {
    ForgetCalls();
    return Handler().ExecuteTask(name);
  }
  // The tasks' names, and the captions of the tray's "Tasks" submenu, fixed items included.
  static Strings Names() {
    Strings names;
    for (const CTask& task : Handler().Tasks) names.push_back(task.Name);
    return names;
  }
  static Strings TaskMenu() {
    Strings captions;
    for (int i = 0; i < Velmarind->M_Run.Count(); ++i)
      captions.push_back(Velmarind->M_Run.Items(i)->Caption);
    return captions;
  }
  static TF_TaskHandler& Window() { return *F_TaskHandler; }
  // The user clicks the list box's entry, or picks a drop-down list's item, with this text.
  static void Select(const std::string& name) {
    Window().LB_Tasks.SetItemIndex(IndexOf(Window().LB_Tasks.Items(), name));
    Window().LB_Tasks.NotifyClick();
  }
  static void Pick(ui::TComboBox& list, const std::string& item) {
    list.SetItemIndex(IndexOf(list.Items(), item));
    list.NotifyChange();
  }
  static int IndexOf(const Strings& items, const std::string& text) {
    const auto at = std::find(items.begin(), items.end(), text);
    EXPECT_NE(at, items.end()) << text << " is not listed";
    return static_cast<int>(at - items.begin());
  }
  // The next modal form must be the editor; `act` works it as the user does.
  static void ExpectEditor(std::function<void(TF_Task&)> act) {
    ui::headless::Expect([act = std::move(act)](Dialog& d) {
      EXPECT_EQ(d.form, F_Task) << "the modal form is the editor";
      act(*F_Task);
      return 0;
    });
  }
  static void New(std::function<void(TF_Task&)> act) {
    ExpectEditor(std::move(act));
    Window().B_New.Click();
  }
  static void Edit(const std::string& name, std::function<void(TF_Task&)> act) {
    Select(name);
    ExpectEditor(std::move(act));
    Window().B_Edit.Click();
  }
  // True when OK left the editor open; it is cancelled then.
  static bool CancelIfOpen() {
    if (F_Task->ModalResult != ui::mrNone) return false;
    F_Task->B_Cancel.Click();
    return true;
  }
  // The next message box must be this "Error"; it is answered with OK.
  static void ExpectError(const std::string& text,
                          unsigned flags = ui::MB_OK | ui::MB_ICONEXCLAMATION) {
    ui::headless::Expect([=](Dialog& d) {
      EXPECT_EQ(d.kind, ui::headless::DialogKind::MessageBox);
      EXPECT_EQ(d.caption + ": " + d.text, "Error: " + text);
      EXPECT_EQ(d.flags, flags);
      return ui::IDOK;
    });
  }
};
