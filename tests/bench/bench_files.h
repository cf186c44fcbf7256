// The program folders of the benchmark: a settings.ini of factory values and
// list files of many records. Every record is inactive or disabled, so with
// thousands of them nothing fires, runs or registers a hotkey.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "../shared/factory_settings.h"

namespace bench {

inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// "Task 00042": names that sort as they are numbered.
inline std::string RecordName(const char* kind, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "%s %05d", kind, number);
  return name;
}

// Factory values with no alarm sound (so no dialog asks for it) and new
// alarms left inactive (so one made in the editor lands in the inactive list).
inline std::string SettingsFile() {
  std::vector<std::string> lines = settings_cases::FactoryLines("");
  lines[36 - 1] = std::string("0");  // activate new alarms (a string: GCC 12 warns on "0")
  return CrLfLines(lines);
}

// tasklist.ini: name, directory, file, parameters, comment, operation, show
// command, reserved.
inline std::string TaskList(int count) {
  std::string text = std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i)
    text += CrLfLines({RecordName("Task", i), "C:\\Work\\", "notes.txt", "",
                       "Opens the notes of the day", "Open", "1", "0"});
  return text;
}

// alarmlist.ini: name, date, time, task, message, hour, minute, second, type,
// signals, state (0: inactive), repeat, AM.
inline std::string AlarmList(int count) {
  std::string text = std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i)
    text += CrLfLines({RecordName("Alarm", i), "", "07:30:00", "", "Time to stretch", "7", "30",
                       "0", "8", "64", "0", "1", "1"});
  return text;
}

// hotkeylist.ini: name, parameter, key, modifier, extra, function, enabled,
// id (1 to 9000, so at most 9000 hotkeys).
inline std::string HotkeyList(int count) {
  std::string text = std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i)
    text += CrLfLines({RecordName("Hotkey", i), "Winamp (Play)", "51", "ALT", "", "2", "0",
                       std::to_string(i + 1)});
  return text;
}

}  // namespace bench
