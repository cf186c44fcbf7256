// The alarm list window as the user works with it, and quick alarms.
#include "alarms/alarm_test.h"
#include "support/refill_watch.h"

namespace {

using AlarmWindowTest = AlarmTest;

const std::string k35(35, 'x');

TEST_F(AlarmWindowTest, TheSelectionIsDescribedAndDecidesTheButtons) {
  CAlarm day = MakeAlarm("day", kDayOnly, "", "", kShowMessage, 1),
         m36 = MakeAlarm("m36", kTimeOfDay, "8:00");
  day.Second = 1;
  m36.Message = k35 + "y";
  CAlarm dt = MakeAlarm("dt", kDateAndTime, "7:30:00 PM", "06.12.2099");
  dt.Message = "a message that is longer than fifteen";
  CAlarm odd = MakeAlarm("odd day", kDayAndTime, "8:00", "", kShowMessage, 1, 1);
  odd.Second = 9;
  Add(m36);
  CAlarm m35 = MakeAlarm("m35", kTimeOfDay, "8:00");
  m35.Message = k35;
  Add(m35);
  for (const CAlarm& a : {day, dt, odd, MakeAlarm("t", kTimeOfDay, "7:30", "", kShowMessage, 1, 1),
                          MakeAlarm("cd", kCountdown, "0:0:10")})
    Add(a, 1);
  Window().Show();
  EXPECT_EQ(Buttons(), "----");
  // clang-format off
  const struct { char list; const char* name; std::string status; const char* buttons; } rows[] = {
      {'N', "m35",     k35,                                          "EDA-"},
      {'N', "m36",     k35 + "...",                                  "EDA-"},
      {'A', "day",     "[Sunday] - msg day",                         "---S"},
      {'A', "dt",      "[06.12.2099, 7:30:00 PM PM] - a message that ...", "---S"},
      {'A', "t",       "[7:30 AM] - msg t",                          "---S"},
      {'A', "odd day", "[, 8:00 AM] - msg odd day",                  "---S"},
  };
  // clang-format on
  for (const auto& r : rows) {
    Select(r.list == 'A' ? Window().LB_AlarmsActive : Window().LB_Alarms, r.name);
    EXPECT_EQ(Window().StatusBar.SimpleText(), r.status) << r.name;
    EXPECT_EQ(Buttons(), r.buttons) << r.name;
    EXPECT_EQ((r.list == 'A' ? Window().LB_Alarms : Window().LB_AlarmsActive).ItemIndex(), -1);
  }
  Select(Window().LB_AlarmsActive, "cd");  // a countdown: the next tick writes the time left
  EXPECT_EQ(Window().StatusBar.SimpleText(), "[, 8:00 AM] - msg odd day");
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(Window().StatusBar.SimpleText(), "00:00:09 - msg cd");
  Select(Window().LB_Alarms, "m35");  // the live status ends
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(Window().StatusBar.SimpleText(), k35);
  Window().LB_Alarms.NotifyDblClick();     // "m35" on: the list is saved in order, "cd" first
  Select(Window().LB_AlarmsActive, "cd");  // the first stored is described too
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(Window().StatusBar.SimpleText() + " " + Buttons(), "00:00:07 - msg cd ---S");
  Window().B_Close.Click();
  EXPECT_EQ(Window().LB_Alarms.ItemIndex() + Window().LiveCountdown, -1);
  EXPECT_EQ(Window().StatusBar.SimpleText(), "");
}

TEST_F(AlarmWindowTest, ButtonsAndDoubleClicksChangeTheListAndSaveIt) {
  os::fake::world().screen = os::Size{1280, 1024};
  Window().Show();
  EXPECT_EQ(Window().Caption() + " / " + ui::headless::ShownTrayTip(),
            "Active alarms 0, total 0 / Velmarind - 0 Active alarms.");
  EXPECT_EQ(std::pair(Window().Left(), Window().Top()),
            std::pair(1248 - Window().Width(), 992 - Window().Height()));
  Add(MakeAlarm("x", kCountdown, "0:10"));
  Add(MakeAlarm("y", kCountdown, "0:10"));
  Select(Window().LB_Alarms, "x");
  Window().LB_Alarms.NotifyDblClick();
  EXPECT_EQ(TrayItems(), (Lines{"+x", "y"}));
  EXPECT_EQ(Buttons() + " " + Window().Caption(), "---- Active alarms 1, total 2");
  EXPECT_NE(
      File("alarmlist.ini").find("x\r\n\r\n0:10\r\nnote\r\nmsg x\r\n0\r\n10\r\n0\r\n1\r\n64\r\n1"),
      std::string::npos);
  Select(Window().LB_AlarmsActive, "x");
  Window().LB_AlarmsActive.NotifyDblClick();
  EXPECT_EQ(Window().LB_Alarms.Items(), (Lines{"x", "y"}));
  Select(Window().LB_Alarms, "y");
  os::fake::world().failingSaves.insert(std::string(kDir) + "alarmlist.ini");
  ExpectBox("Error: Could not save C:\\Velmarind\\alarmlist.ini");
  Window().B_Delete.Click();  // no question
  EXPECT_EQ(TrayItems(), Lines{"x"});
  EXPECT_TRUE(InStep());
}

// Each change moves one alarm's entry, within a list or between the two, and refills neither;
// the lists are left without a selection and the caption counts again.
TEST_F(AlarmWindowTest, EachChangeMovesOneEntryAndRefillsNoList) {
  Add(MakeAlarm("x", kTimeOfDay, "7:00"));
  Add(MakeAlarm("cd", kCountdown, "0:0:05", "06.12.2026"), 1);
  Settings().AutoActivateNew = Settings().AutoActivateEdited = 0;
  Window().Show();
  const auto edit = [](const char* name) {
    ui::headless::Expect([name](ui::headless::Dialog& d) {
      EXPECT_EQ(d.form, F_Alarm) << name;
      F_Alarm->LE_Name.SetText(name);
      F_Alarm->B_ok.Click();
      return 0;
    });
  };
  // clang-format off
  const struct { const char* what; std::function<void()> act; const char* listed; } steps[] = {
      {"new",      [&] { edit("n"), Window().B_New.Click(); },                                   "1/3: cd | n x"},
      {"activate", [] { Select(Window().LB_Alarms, "n"), Window().B_Activate.Click(); },         "2/3: cd n | x"},
      {"stop",     [] { Select(Window().LB_AlarmsActive, "n"), Window().B_Stop.Click(); },       "1/3: cd | n x"},
      {"rename",   [&] { Select(Window().LB_Alarms, "n"), edit("m"), Window().B_Edit.Click(); }, "1/3: cd | m x"},
      {"delete",   [] { Select(Window().LB_Alarms, "m"), Window().B_Delete.Click(); },           "1/2: cd | x"},
      {"fired",    [] { ui::headless::AdvanceTime(6000); },                                      "0/2:  | cd x"},
      {"tray",     [] { Velmarind->M_Timer.Items(3)->Click(); },                                 "1/2: x | cd"},
      {"quick",    [] { Handler().AddQuickAlarm("0:01", "", 0, 1); },                            "2/3: #Countdown - (0:01)  x | cd"},
      {"dropped",  [] { ui::headless::AdvanceTime(61000); },                                     "1/2: x | cd"},
      {"new, activated", [&] { Settings().AutoActivateNew = 1, edit("a"), Window().B_New.Click(); }, "2/3: a x | cd"},
      {"edited, activated", [&] { Settings().AutoActivateEdited = 1, Select(Window().LB_Alarms, "cd"), edit("c"), Window().B_Edit.Click(); }, "3/3: a c x | "},
  };
  // clang-format on
  for (const auto& step : steps) {
    const RefillWatch watch({&Window().LB_AlarmsActive, &Window().LB_Alarms});
    step.act();
    EXPECT_EQ(std::to_string(Handler().ActiveAlarmCount()) + "/" +
                  std::to_string(Handler().Count()) + ": " + Joined(Window().LB_AlarmsActive) +
                  " | " + Joined(Window().LB_Alarms),
              step.listed)
        << step.what;
    EXPECT_EQ(Window().Caption(), "Active alarms " + std::string(step.listed, 1) + ", total " +
                                      std::string(step.listed + 2, 1))
        << step.what;
    EXPECT_EQ(Window().LB_AlarmsActive.ItemIndex() + Window().LB_Alarms.ItemIndex(), -2);
    watch.Check([] { Handler().RefreshLists(); }, step.what);
  }
  EXPECT_TRUE(InStep());
}

// A quick alarm's item stops it; the list then drops the alarm with the very item clicked.
TEST_F(AlarmWindowTest, QuickAlarmsAreNamedAndTimedByWhatWasTyped) {
  constexpr std::int64_t m = 60000;
  // clang-format off
  const struct { const char* time; const char* message; int am, countdown; const char* name; std::int16_t storedAm; std::int64_t firesAfter; } rows[] = {
      {"7:30",   "",      0, 0, "#Alarm - (7:30 PM) ",   0, 690 * m},  // the clock reads 08:00
      {"7:30",   "",      1, 0, "#Alarm - (7:30 AM) ",   1, 1410 * m},
      {"7:30am", "",      0, 0, "#Alarm - (7:30am AM) ", 1, 1410 * m},
      {"0:30",   "",      0, 0, "#Alarm - (0:30 AM) ",   1, 990 * m},
      {"19:30",  "",      1, 0, "#Alarm - (19:30 PM) ",  0, 690 * m},
      {"0:05",   " tea",  0, 1, "#Countdown - (0:05) ",  0, 5 * m},
      {"13:00",  "",      1, 1, "#Countdown - (13:00) ", 1, 780 * m},
  };
  // clang-format on
  for (const auto& r : rows) {
    os::fake::SetLocalTime({2026, 12, 6, 8, 0, 0, 0, 1});
    Restart("");
    ASSERT_EQ(Handler().AddQuickAlarm(r.time, r.message, r.am, r.countdown), 1) << r.time;
    const CAlarm& a = Handler().Alarms.at(0);
    EXPECT_EQ(a.Name + "|" + a.Message + "|" + a.DateText,
              std::string(r.name) + "|" + (*r.message ? r.message : "Wake up!") + "|06.12.2026");
    EXPECT_EQ(a.AM * 10 + a.Signals * 100 + a.State, r.storedAm * 10 + 19201) << r.time;
    EXPECT_NE(File("alarmlist.ini").find(r.name), std::string::npos);
    ui::headless::AdvanceTime(r.firesAfter - m);
    EXPECT_EQ(F_ShowMessage->M_Message.LineCount(), 0) << r.time;
    ui::headless::AdvanceTime(2 * m);
    EXPECT_EQ(F_ShowMessage->M_Message.LineCount(), 1) << r.time;
    EXPECT_EQ(TrayItems(), Lines{}) << "fired and dropped";
    EXPECT_EQ(File("alarmlist.ini"), "0\r\n");
  }
  Add(MakeAlarm("x", kCountdown, "0:10"));
  Select(Window().LB_Alarms, "x");
  for (const char* name : {"#Alarm - (7:30 PM) ", "#Alarm - (7:30 PM) 2", "#Alarm - (7:30 PM) 3"}) {
    Handler().AddQuickAlarm("7:30", std::string(300, 'm'), 0, 0);
    EXPECT_EQ(TrayItems().back(), std::string("+") + name);
  }
  EXPECT_EQ(Buttons(), "----") << "the lists were refilled, without a selection";
  Restart(File("alarmlist.ini"));
  EXPECT_EQ(Handler().Alarms.at(0).Message, std::string(300, 'm'));
  Velmarind->M_Timer.Items(3)->Click();
  EXPECT_EQ(TrayItems().size(), 3u);
  ExpectBox("Error: 25:00 is not a valid time.");
  EXPECT_EQ(Handler().AddQuickAlarm("25:00", "", 0, 0), 0);
  Handler().Alarms.resize(CAlarmHandler::kMaxAlarms);
  ExpectBox("Error: Too many alarms");
  EXPECT_EQ(Handler().AddQuickAlarm("7:30", "", 0, 0), 0);
}

}  // namespace
