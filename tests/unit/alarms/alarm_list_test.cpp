#include <string>
#include <vector>

#include "alarms/alarm_test.h"
#include "ui/messages.h"

namespace {

using Names_ = std::vector<std::string>;

class AlarmListTest : public AlarmTest {};

// An inactive countdown's thirteen lines.
std::string Record(const std::string& name, const std::string& message = "m") {
  return CrLf({name, "", "00:00:05", "", message, "0", "0", "0", "1", "64", "0", "0", "0"});
}

// Capitals first; the working values of the active countdown; an inactive
// alarm's stay as they were.
const std::string kThreeAlarms =
    CrLf({"3"}) +
    CrLf({"Z", "24.12.2026", "00:00:00", "", "msg Z", "0", "0", "0", "4", "64", "0", "0", "0"}) +
    CrLf({"a", "", "00:00:05", "", "msg a", "0", "0", "5", "1", "64", "1", "0", "0"}) +
    CrLf({"b", "", "07:30:00", "note", "msg b", "0", "0", "0", "8", "320", "0", "1", "1"});

TEST_F(AlarmListTest, SaveWritesTheFileInByteOrderAndLoadReadsItBack) {
  CAlarm b = MakeAlarm("b", kTimeOfDay, "07:30:00", "", kShowMessage | kRunTask, 1, 1);
  b.TaskName = "note";
  Add(b);
  Add(MakeAlarm("Z", kDateOnly, "00:00:00", "24.12.2026"));
  AddActive(MakeAlarm("a", kCountdown, "00:00:05"));
  EXPECT_EQ(Handler().SaveAlarms("alarmlist.ini"), 1);
  EXPECT_EQ(File("alarmlist.ini"), kThreeAlarms);
  EXPECT_EQ(Names(), (Names_{"Z", "a", "b"}));
  EXPECT_EQ(TrayItems(), (Names_{"b", "Z", "+a"})) << "the tray keeps the order of adding";
  Restart(kThreeAlarms);
  EXPECT_EQ(TrayItems(), (Names_{"Z", "+a", "b"}));
  EXPECT_EQ(F_AlarmHandler->Caption(), "Active alarms 1, total 3");
  EXPECT_EQ(Velmarind->TrayIcon.Hint(), "Velmarind - 1 Active alarms.");
  File("alarmlist.ini").clear();
  EXPECT_EQ(Handler().SaveAlarms("alarmlist.ini"), 1);
  EXPECT_EQ(File("alarmlist.ini"), kThreeAlarms);
}

TEST_F(AlarmListTest, OddFilesGiveTheWholeRecordsThatAreThere) {
  const std::string longMessage(300, 'x');
  std::string lfOnly = CrLf({"1"}) + Record("x");
  std::erase(lfOnly, '\r');
  // clang-format off
  const struct { const char* what; std::string file; Names_ names; } cases[] = {
      {"count -1",           CrLf({"-1"}) + Record("x") + Record("y"),           {"x", "y"}},
      {"count above them",   CrLf({"5"}) + Record("x") + Record("y"),            {"x", "y"}},
      {"count below them",   CrLf({"1"}) + Record("x") + Record("y"),            {"x"}},
      {"count not a number", CrLf({"abc"}) + Record("x"),                        {"x"}},
      {"cut-off record",     CrLf({"2"}) + Record("x") + CrLf({"y", "", "0:5"}), {"x"}},
      {"empty name",         CrLf({"2"}) + Record("") + Record("y"),             {"y"}},
      {"LF only",            lfOnly,                                             {"x"}},
      {"long line",          CrLf({"3"}) + Record("x", longMessage) + Record("y") + Record("z"),
                             {"x", "y", "z"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(c.file);
    EXPECT_EQ(Names(), c.names) << c.what;
  }
  EXPECT_EQ(Get("x").Message, longMessage);
}

TEST_F(AlarmListTest, SavedActiveAlarmsRunAgainAndTheUnreadableAreNamedOnceTheLoopRuns) {
  const std::string file =
      CrLf({"3"}) +
      CrLf({"bad", "", "half past", "", "m", "0", "0", "0", "8", "64", "1", "1", "0"}) +
      CrLf({"cd", "", "00:01:00", "", "m", "9", "9", "9", "1", "64", "1", "0", "0"}) +
      CrLf({"gone", "", "00:01:00", "missing", "m", "0", "0", "0", "1", "256", "1", "0", "0"});
  Restart(file);
  EXPECT_EQ(TrayItems(), (Names_{"bad", "+cd", "gone"}));
  EXPECT_EQ(Get("cd").Minute, 1) << "a countdown starts from its full length";
  EXPECT_EQ(Get("bad").TimeText, "half past") << "texts are kept";
  EXPECT_TRUE(F_AlarmHandler->T_TimerCountDown.Enabled());
  EXPECT_FALSE(F_AlarmHandler->T_TimerDateTime.Enabled());
  EXPECT_TRUE(ui::headless::ShownDialogs().empty()) << "no box before the loop runs";
  for (const char* text :
       {"\"gone\" was set to run the task \"missing\", that task is no longer available, alarm "
        "was not activated.",
        "These alarms could not be read and are not active:\nbad"})
    ui::headless::Expect([text](ui::headless::Dialog& d) {
      EXPECT_EQ(d.caption, "Information");
      EXPECT_EQ(d.text, text);
      EXPECT_EQ(d.flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
      return ui::IDOK;
    });
  ui::headless::AdvanceTime(1);
}

TEST_F(AlarmListTest, ActivationAndStoppingKeepTimersAndCheckMarksInStep) {
  Add(MakeAlarm("c1", kCountdown, "00:00:10"));
  Add(MakeAlarm("c2", kCountdown, "00:00:10"));
  Add(MakeAlarm("t", kTimeOfDay, "07:30:00"));
  Add(MakeAlarm("odd", 3, "07:30:00"));
  Add(MakeAlarm("bad", kTimeOfDay, "7 uhr 30"));
  auto activate = [](const std::string& n) { return Handler().ActivateAlarm(n); };
  auto stop = [](const std::string& n) { return Handler().StopAlarm(n); };
  auto remove = [](const std::string& n) { return Handler().DeleteAlarm(n); };
  // clang-format off
  const struct { int (*op)(const std::string&); const char* name; int result; bool countdowns, dates; } steps[] = {
      {activate, "c1", 1, true, false},  {activate, "c1", 0, true, false},
      {activate, "c2", 1, true, false},  {stop, "c1", 1, true, false},
      {stop, "c2", 1, false, false},     {stop, "c2", 0, false, false},
      {activate, "none", -1, false, false}, {activate, "odd", -1, false, false},
      {activate, "t", 1, false, true},   {remove, "t", 1, false, false},
      {activate, "bad", -1, false, false}, {remove, "none", -1, false, false},
  };
  // clang-format on
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.caption, "Error");
    EXPECT_EQ(d.text, "\"bad\": its date or time could not be read, alarm was not activated.");
    return ui::IDOK;
  });
  for (const auto& s : steps) {
    EXPECT_EQ(s.op(s.name), s.result) << s.name;
    EXPECT_EQ(F_AlarmHandler->T_TimerCountDown.Enabled(), s.countdowns) << s.name;
    EXPECT_EQ(F_AlarmHandler->T_TimerDateTime.Enabled(), s.dates) << s.name;
    for (const CAlarm& a : Handler().Alarms) EXPECT_EQ(a.MenuItem->Checked, a.State == 1) << a.Name;
  }
  EXPECT_EQ(Handler().GetAlarmState("odd"), 0);
}

TEST_F(AlarmListTest, InactiveQuickAlarmsGoAtTheNextRefresh) {
  AddActive(MakeAlarm("#1", kCountdown, "00:00:01"));
  Add(MakeAlarm("#2", kCountdown, "00:00:01"));
  EXPECT_EQ(TrayItems(), (Names_{"+#1"}));
  EXPECT_EQ(F_AlarmHandler->LB_AlarmsActive.Items(), (Names_{"#1"}));
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(Handler().Count(), 0) << "fired, inactive, gone";
  EXPECT_EQ(TrayItems(), Names_{});
}

TEST_F(AlarmListTest, TrayItemsShowTheNameAsItIsAndToggleTheAlarm) {
  Add(MakeAlarm("Tea & cake", kCountdown, "00:01:00"));
  Add(MakeAlarm("-", kCountdown, "00:01:00"));
  ui::TMenuItem* item = Velmarind->M_Timer.Items(3);
  EXPECT_TRUE(item->Verbatim);
  EXPECT_FALSE(Velmarind->M_Timer.Items(4)->IsSeparator());
  item->Click();
  EXPECT_EQ(Handler().GetAlarmState("Tea & cake"), 1);
  EXPECT_EQ(F_AlarmHandler->Caption(), "Active alarms 1, total 2");
  EXPECT_EQ(F_AlarmHandler->LB_Alarms.Items(), (Names_{"-"}));
  EXPECT_NE(File("alarmlist.ini").find("Tea & cake\r\n"), std::string::npos);
  item->Click();
  EXPECT_EQ(Handler().GetAlarmState("Tea & cake"), 0);
}

TEST_F(AlarmListTest, FailedSaveKeepsTheOldFileAndToggleSaysSo) {
  Add(MakeAlarm("b", kCountdown, "00:01:00"));
  Add(MakeAlarm("a", kCountdown, "00:01:00"));
  File("alarmlist.ini") = "old";
  os::fake::world().failingSaves.insert(std::string(kDir) + "alarmlist.ini");
  EXPECT_EQ(Handler().SaveAlarms("alarmlist.ini"), 0);
  EXPECT_EQ(Names(), (Names_{"b", "a"}));
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.text, "Could not save C:\\Velmarind\\alarmlist.ini");
    return ui::IDOK;
  });
  Velmarind->M_Timer.Items(3)->Click();
  EXPECT_EQ(File("alarmlist.ini"), "old");
}

TEST_F(AlarmListTest, TextsInTheUsersFormatsAreReadAndKeptByteForByte) {
  // clang-format off
  const struct { const char* locale; const char* date; const char* time; } cases[] = {
      {"de-DE", "24.12.2026", "19:30:00"},
      {"en-US", "12/24/2026", "7:30:00 PM"},
      {"en-US", "2026-12-24", "19.30"},  // common forms a changed locale may leave behind
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().locale = os::fake::LocaleFormats(c.locale);
    const std::string file =
        CrLf({"2"}) +
        CrLf({"d", c.date, c.time, "", "m", "19", "30", "0", "2", "64", "1", "0", "0"}) +
        CrLf({"t", "", c.time, "", "m", "19", "30", "0", "8", "64", "1", "1", "0"});
    Restart(file);
    EXPECT_EQ(Handler().ActiveAlarmCount(), 2) << c.locale << " " << c.time;
    File("alarmlist.ini").clear();
    Handler().SaveAlarms("alarmlist.ini");
    EXPECT_EQ(File("alarmlist.ini"), file) << c.locale << " " << c.time;
  }
}

}  // namespace
