// Fuzzes alarmlist.ini as a start reads it, saved by the alarm list.
// Invariants: at most 65535 alarms; the count line states the thirteen-line
// records written; read and saved again, the file keeps every byte.
#include "alarms/alarm_handler_form.h"
#include "program_round.h"

namespace {

std::string LoadAndSave(const std::string& bytes) {
  return fuzz::Round("alarmlist.ini", bytes, [] {
    CAlarmHandler& alarms = F_AlarmHandler->AlarmHandler;
    fuzz::Require(alarms.Count() <= CAlarmHandler::kMaxAlarms, "at most 65535 alarms");
    fuzz::Require(alarms.SaveAlarms("alarmlist.ini") == 1, "the save succeeds");
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::RequireStableList(fuzz::Input(data, size), 13, LoadAndSave);
  return 0;
}
