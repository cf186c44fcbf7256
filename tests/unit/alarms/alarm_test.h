// Fixture of the alarm tests: the whole program started on the headless
// backend, with a task "note" and helpers to make alarms and read the list.
#pragma once

#include <string>
#include <vector>

#include "alarms/alarm_handler_form.h"
#include "settings/show_message.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"

// The lines joined, each ended by CR LF.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

inline CAlarm MakeAlarm(const std::string& name, std::int16_t type, const std::string& time,
                        const std::string& date = "", std::int16_t signals = kShowMessage,
                        std::int16_t repeat = 0, std::int16_t am = 0) {
  CAlarm alarm;
  alarm.Name = name;
  alarm.Type = type;
  alarm.TimeText = time;
  alarm.DateText = date;
  alarm.Message = "msg " + name;
  alarm.Signals = signals;
  alarm.Repeat = repeat;
  alarm.AM = am;
  return alarm;
}

class AlarmTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    File("tasklist.ini") = CrLf({"1", "note", "", "noted", "", "", "Add To Clipboard", "0", "0"});
    Start();
    Forget();
  }

  // Starts the program afresh with this alarmlist.ini.
  void Restart(const std::string& alarmlist) {
    Finish();
    File("alarmlist.ini") = alarmlist;
    Start();
  }
  static void Forget() {
    os::fake::world().calls.clear();
    ui::headless::Events().clear();
  }

  static CAlarmHandler& Handler() { return F_AlarmHandler->AlarmHandler; }
  static void Add(const CAlarm& alarm) { ASSERT_EQ(Handler().AddAlarm(alarm, true), 1); }
  static void AddActive(CAlarm alarm) {
    alarm.State = 1;
    Add(alarm);
  }
  static const CAlarm& Get(const std::string& name) {
    return Handler().Alarms.at(Handler().FindAlarm(name));
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const CAlarm& alarm : Handler().Alarms) names.push_back(alarm.Name);
    return names;
  }
  // Captions of the tray's "Alarms" submenu after its fixed items, "+" before a checked one.
  static std::vector<std::string> TrayItems() {
    std::vector<std::string> items;
    for (int i = 3; i < Velmarind->M_Timer.Count(); ++i) {
      const ui::TMenuItem* item = Velmarind->M_Timer.Items(i);
      items.push_back((item->Checked ? "+" : "") + item->Caption);
    }
    return items;
  }
  // The lines the message window shows.
  static std::vector<std::string> MessageLines() { return F_ShowMessage->M_Message.Lines(); }
};
