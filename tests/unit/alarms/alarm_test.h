// Fixture of the alarm tests: the program started headless with a task "note"; alarm helpers.
#pragma once

#include <algorithm>

#include "alarms/alarm_form.h"
#include "alarms/alarm_handler_form.h"
#include "settings/show_message.h"
#include "support/app_test.h"
#include "tasks/task_handler_form.h"
#include "ui/messages.h"

using Lines = std::vector<std::string>;
using namespace alarm_signal;

// The stored values of the six types, short for the test tables.
constexpr std::int16_t kCountdown = TypeValue(AlarmType::Countdown);
constexpr std::int16_t kDateAndTime = TypeValue(AlarmType::DateAndTime);
constexpr std::int16_t kDateOnly = TypeValue(AlarmType::Date);
constexpr std::int16_t kTimeOfDay = TypeValue(AlarmType::Time);
constexpr std::int16_t kDayAndTime = TypeValue(AlarmType::DayAndTime);
constexpr std::int16_t kDayOnly = TypeValue(AlarmType::Day);

inline std::string CrLf(const Lines& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}
// An alarm's thirteen lines in alarmlist.ini: five texts, then eight numbers ("0 0 5 1 ...").
inline std::string Record(const Lines& texts, std::string numbers) {
  for (std::size_t at; (at = numbers.find(' ')) != std::string::npos;)
    numbers.replace(at, 1, "\r\n");
  return CrLf(texts) + numbers + "\r\n";
}

// An alarm named `name` with the message "msg <name>" and the task "note".
inline CAlarm MakeAlarm(const std::string& name, std::int16_t type, const std::string& time,
                        const std::string& date = "", std::int16_t signals = kShowMessage,
                        std::int16_t repeat = 0, std::int16_t am = 0) {
  CAlarm a;
  a.Name = name, a.Type = type, a.TimeText = time, a.DateText = date, a.Message = "msg " + name;
  a.TaskName = "note", a.Signals = signals, a.Repeat = repeat, a.AM = am;
  return a;
}

class AlarmTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    File("tasklist.ini") = CrLf({"1", "note", "", "noted", "", "", "Add To Clipboard", "0", "0"});
    Start();
  }
  // Starts the program afresh with this alarmlist.ini.
  void Restart(const std::string& list) {
    Finish();
    File("alarmlist.ini") = list;
    Start();
  }
  static CAlarmHandler& Handler() { return F_AlarmHandler->AlarmHandler; }
  static void Add(CAlarm alarm, std::int16_t state = 0) {
    alarm.State = state;
    ASSERT_EQ(Handler().AddAlarm(alarm, true), 1);
  }
  static TF_AlarmHandler& Window() { return *F_AlarmHandler; }
  // The user clicks the entry of that name in one of the window's lists.
  static void Select(ui::TListBox& list, const std::string& name) {
    const Lines items = list.Items();
    const auto at = std::find(items.begin(), items.end(), name);
    ASSERT_NE(at, items.end()) << name << " is not listed";
    list.SetItemIndex(static_cast<int>(at - items.begin()));
    list.NotifyClick();
  }
  // Which of Edit, Delete, Activate and Stop are enabled, "EDAS" with '-' for a disabled one.
  static std::string Buttons() {
    const TF_AlarmHandler& w = Window();
    std::string state;
    for (const auto& [button, letter] :
         {std::pair{&w.B_Edit, 'E'}, {&w.B_Delete, 'D'}, {&w.B_Activate, 'A'}, {&w.B_Stop, 'S'}})
      state += button->Enabled() ? letter : '-';
    return state;
  }
  // The next box must be this one ("Error: text"); it is answered with OK.
  static void ExpectBox(const std::string& box) {
    ui::headless::Expect([box](ui::headless::Dialog& d) {
      EXPECT_EQ(d.caption + ": " + d.text, box);
      return ui::IDOK;
    });
  }
  // The tray's "Alarms" items after the fixed ones, "+" before a checked one.
  static Lines TrayItems() {
    Lines items;
    for (int i = 3; i < Velmarind->M_Timer.Count(); ++i) {
      const ui::TMenuItem* item = Velmarind->M_Timer.Items(i);
      items.push_back(item->IsSeparator() ? "(sep)" : (item->Checked ? "+" : "") + item->Caption);
    }
    return items;
  }
  // Whether each timer runs exactly while an alarm of its kind is active, and each tray item
  // is checked exactly while its alarm is.
  static bool InStep() {
    int countdowns = 0, others = 0;
    for (const CAlarm& a : Handler().Alarms) {
      if (a.MenuItem->Checked != (a.State == 1)) return false;
      (a.Type == kCountdown ? countdowns : others) += a.State == 1;
    }
    return F_AlarmHandler->T_TimerCountDown.Enabled() == (countdowns > 0) &&
           F_AlarmHandler->T_TimerDateTime.Enabled() == (others > 0);
  }
};
