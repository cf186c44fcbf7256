// Fuzzes tasklist.ini as a start reads it, saved by the task list. Invariants:
// at most 65535 tasks; the count line states the eight-line records written;
// read and saved again, the file keeps every byte.
#include "program_round.h"
#include "tasks/task_handler_form.h"

namespace {

std::string LoadAndSave(const std::string& bytes) {
  return fuzz::Round("tasklist.ini", bytes, [] {
    CTaskHandler& tasks = F_TaskHandler->TaskHandler;
    fuzz::Require(tasks.Count() <= CTaskHandler::kMaxTasks, "at most 65535 tasks");
    fuzz::Require(tasks.SaveTasks("tasklist.ini") == 1, "the save succeeds");
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::RequireStableList(fuzz::Input(data, size), 8, LoadAndSave);
  return 0;
}
