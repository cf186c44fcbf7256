// The benchmark's measure of the list files (scripts/bench runs it under
// Wine, copied into a program folder with settings.ini and the list files):
// each list loaded and saved by the program's own code, beside reading and
// writing the same bytes as the program does (os::files::Read and
// SaveAtomically). The main form and the settings exist, as in the program,
// so loading makes the records' tray items; no list window exists, so no
// list box is filled. Alternating, ROUNDS times; prints "LIST-records MS"
// and "LIST-bytes MS" lines.
//
//   records ROUNDS
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "alarms/alarm_list.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "hotkeys/hotkey_list.h"
#include "os/os.h"
#include "settings/settings_form.h"
#include "settings/settings_record.h"
#include "tasks/task_list.h"
#include "ui/application.h"
#include "ui/menu.h"
// After the program's headers, whose message names the window system's macros would replace.
#include "stopwatch.h"

namespace {

double Time(const std::function<void()>& work) {
  const double start = bench::Now();
  work();
  return bench::Now() - start;
}

// Takes the records' tray items out of the main form's menus again.
template <class Record>
void RemoveItems(const std::vector<Record>& records) {
  for (auto record = records.rbegin(); record != records.rend(); ++record)
    if (record->MenuItem && record->MenuItem->Parent())
      record->MenuItem->Parent()->Remove(record->MenuItem);
}

// One round of one list: the program's load and save, then the bare bytes.
template <class Handler, class Records>
void Measure(const char* list, const char* file, int (Handler::*load)(const std::string&),
             int (Handler::*save)(const std::string&), Records Handler::*records) {
  const auto path = ProgramFile(file);
  if (!path || !os::files::Exists(*path)) return;
  auto handler = std::make_unique<Handler>();
  int loaded = 0, saved = 0;
  const double recordsMs = Time([&] {
    loaded = ((*handler).*load)(file);
    saved = ((*handler).*save)(file);
  });
  if (!loaded || !saved) throw std::runtime_error(std::string("cannot load and save ") + file);
  RemoveItems((*handler).*records);
  handler.reset();
  const double bytesMs = Time([&] {
    const auto bytes = os::files::Read(*path);
    if (!bytes || !os::files::SaveAtomically(*path, *bytes))
      throw std::runtime_error(std::string("cannot read and write ") + file);
  });
  std::printf("%s-records %.2f\n%s-bytes %.2f\n", list, recordsMs, list, bytesMs);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc == 2 ? std::atoi(argv[1]) : 0;
  if (rounds <= 0) {
    std::fputs("usage: records ROUNDS (in a folder with settings.ini and list files)\n", stderr);
    return 2;
  }
  ui::TApplication application;
  ui::Application = &application;
  try {
    application.CreateForm(Velmarind);
    application.CreateForm(F_Settings);
    for (int round = 0; round < rounds; ++round) {
      Measure("tasks", "tasklist.ini", &CTaskHandler::LoadTasks, &CTaskHandler::SaveTasks,
              &CTaskHandler::Tasks);
      Measure("alarms", "alarmlist.ini", &CAlarmHandler::LoadAlarms, &CAlarmHandler::SaveAlarms,
              &CAlarmHandler::Alarms);
      Measure("hotkeys", "hotkeylist.ini", &CHotkeyHandler::LoadHotkeys,
              &CHotkeyHandler::SaveHotkeys, &CHotkeyHandler::Hotkeys);
    }
  } catch (const std::exception& error) {
    std::printf("error %s\n", error.what());
    return 1;
  }
  app::FinishApplication();
  ui::Application = nullptr;
  return 0;
}
