// Fixture of the task tests: the whole program started on the headless
// backend, with helpers to make tasks and read what the fake OS recorded.
#pragma once

#include <string>
#include <vector>

#include "memo/memo_form.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"

inline CTask MakeTask(const std::string& name, const std::string& operation,
                      const std::string& file = "", const std::string& directory = "",
                      const std::string& parameters = "", std::int16_t showCommand = 0) {
  CTask task;
  task.Name = name;
  task.Operation = operation;
  task.File = file;
  task.Directory = directory;
  task.Parameters = parameters;
  task.ShowCommand = showCommand;
  return task;
}

// The lines joined, each ended by CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// The eight lines of a task with only a name and an operation.
inline std::string TaskLines(const std::string& name, const std::string& operation) {
  return CrLfLines({name, "", "", "", "", operation, "0", "0"});
}

class TaskTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
    ForgetCalls();
  }

  // Starts the program afresh with this tasklist.ini (none for nullptr).
  void Restart(const std::string* tasklist) {
    Finish();
    if (tasklist)
      File("tasklist.ini") = *tasklist;
    else
      os::fake::world().files.erase(std::string(kDir) + "tasklist.ini");
    Start();
    ForgetCalls();
  }

  static void ForgetCalls() {
    os::fake::world().calls.clear();
    ui::headless::Events().clear();
  }
  static const std::vector<std::string>& Calls() { return os::fake::world().calls; }

  static CTaskHandler& Handler() { return F_TaskHandler->TaskHandler; }
  static void Add(const CTask& task) { ASSERT_EQ(Handler().AddTask(task, true), 1); }
  // Runs the task with nothing recorded before.
  static int Run(const std::string& name) {
    ForgetCalls();
    return Handler().ExecuteTask(name);
  }

  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const CTask& task : Handler().Tasks) names.push_back(task.Name);
    return names;
  }
  // Captions of the tray's "Tasks" submenu, fixed items included.
  static std::vector<std::string> TaskMenu() {
    std::vector<std::string> captions;
    for (int i = 0; i < Velmarind->M_Run.Count(); ++i)
      captions.push_back(Velmarind->M_Run.Items(i)->Caption);
    return captions;
  }
};
