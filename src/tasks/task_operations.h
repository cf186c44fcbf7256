// The two vocabularies of a task: its eighteen operations and its twelve show
// commands, each written once. The editor lists them; the engine runs them.
#pragma once

#include <span>
#include <string>

struct TaskRun;

// What an operation makes of the editor's fields: the labels of the three
// fields (null keeps the usual one), which fields are usable, whether the
// "File / Command" label browses, and whether the show command applies.
struct OperationLayout {
  const char* fileLabel;
  const char* directoryLabel;
  const char* parametersLabel;
  bool file, directory, parameters, browse, showCommand;
};

struct TaskOperation {
  const char* name;
  OperationLayout layout;
  int (*run)(const TaskRun& run);  // 1 done, 0 failed, -1 refused
};

// The items of the editor's operation list, in order; a task stores the name.
std::span<const TaskOperation> TaskOperations();
// The entry at a list position; null for none.
const TaskOperation* TaskOperationAt(int position);
// The operation of that name; null for any other text.
const TaskOperation* FindTaskOperation(const std::string& name);
// The layout of a text that names no operation: every field usable.
extern const OperationLayout kAllFieldsLayout;

struct ShowCommand {
  const char* name;
  int windowShow;  // the value the shell is given
  const char* help;
};

// The items of the editor's show-command list, in order; a task stores the
// position.
std::span<const ShowCommand> ShowCommands();
// The entry at a list position; null for none.
const ShowCommand* ShowCommandAt(int position);
