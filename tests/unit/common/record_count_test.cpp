// The count line of every list file (tasklist.ini, alarmlist.ini, hotkeylist.ini) under one rule.
#include <functional>

#include "alarms/alarm_handler_form.h"
#include "hotkeys/hotkey_handler_form.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"

namespace {

using Names = std::vector<std::string>;

template <class Record>
Names NamesOf(const std::vector<Record>& records) {
  Names names;
  for (const Record& record : records) names.push_back(record.Name);
  return names;
}

struct ListFile {
  const char* name;
  Names afterName;               // the lines of a record after its name
  std::function<Names()> names;  // those of the records the list holds
};

// clang-format off
const ListFile kListFiles[] = {
    {"tasklist.ini", {"", "", "", "", "Open", "0", "0"}, [] { return NamesOf(F_TaskHandler->TaskHandler.Tasks); }},
    {"alarmlist.ini", {"", "0:0:10", "", "m", "0", "0", "0", "1", "64", "0", "0", "0"},
     [] { return NamesOf(F_AlarmHandler->AlarmHandler.Alarms); }},
    {"hotkeylist.ini", {"", "50", "ALT", "", "2", "0", "0"}, [] { return NamesOf(F_HotkeyHandler->HotkeyHandler.Hotkeys); }},
};
// clang-format on

// The count line, then `records` records named r1, r2, ...
std::string ListText(const ListFile& list, const std::string& count, int records) {
  std::string text = count + "\r\n";
  for (int n = 1; n <= records; ++n) {
    text += "r" + std::to_string(n) + "\r\n";
    for (const std::string& line : list.afterName) text += line + "\r\n";
  }
  return text;
}

class RecordCountTest : public AppTest {};

// Only a count the program could have written is believed; any other reads the records there,
// never an empty one the file lacks and never none when some are there.
TEST_F(RecordCountTest, ACountLineTheProgramNeverWritesReadsTheRecordsThere) {
  // clang-format off
  const struct { const char* count; int records; int loaded; } cases[] = {
      {"2", 2, 2}, {"1", 2, 1}, {"0", 2, 0}, {"0", 0, 0}, {" 2", 2, 2},  // as written, or fewer
      {"abc", 2, 2}, {"", 2, 2}, {"abc", 0, 0}, {"-", 1, 1},              // no digits
      {"-1", 2, 2}, {"-2147483648", 1, 1},                                 // negative
      {"65536", 2, 2}, {"99999999999", 1, 1},                              // above the most records
      {"3", 2, 2}, {"65535", 1, 1},                                        // more than the file holds
  };
  // clang-format on
  PrepareSettings();
  for (const auto& c : cases) {
    for (const ListFile& list : kListFiles) File(list.name) = ListText(list, c.count, c.records);
    Start();
    Names expected;
    for (int n = 1; n <= c.loaded; ++n) expected.push_back("r" + std::to_string(n));
    for (const ListFile& list : kListFiles)
      EXPECT_EQ(list.names(), expected) << list.name << ": \"" << c.count << "\", " << c.records;
    Finish();
  }
}

}  // namespace
