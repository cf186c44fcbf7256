#include "alarms/alarm_test.h"

namespace {

using AlarmListTest = AlarmTest;

TEST_F(AlarmListTest, FilesInTheUsersFormatsAreReadAndSavedSortedByteForByte) {
  // clang-format off
  const struct { const char *locale, *date, *time; } cases[] = {
      {"de-DE", "24.12.2026", "19:30:00"}, {"en-US", "12/24/2026", "7:30:00 PM"},
      {"en-US", "2026-12-24", "19.30"},  // common forms a changed locale may leave behind
  };
  // clang-format on
  const Lines a = {"a", "", "00:00:05", "", "msg a"};
  for (const auto& c : cases) {
    os::fake::world().locale = os::fake::LocaleFormats(c.locale);
    const std::string b = Record({"b", "", c.time, "note", "msg b"}, "0 0 0 8 320 0 1 1"),
                      z = Record({"Z", c.date, c.time, "", "msg Z"}, "19 30 0 2 64 1 0 0");
    Restart(CrLf({"3"}) + b + z + Record(a, "9 9 9 1 64 1 0 0"));
    EXPECT_EQ(TrayItems(), (Lines{"b", "+Z", "+a"})) << c.time;
    EXPECT_EQ(F_AlarmHandler->Caption() + " / " + Velmarind->TrayIcon.Hint(),
              "Active alarms 2, total 3 / Velmarind - 2 Active alarms.");
    Velmarind->M_Timer.Items(5)->Click();  // "a" off: the window's lists follow, the file is saved
    EXPECT_EQ(F_AlarmHandler->Caption() + " / " + ui::headless::ShownTrayTip(),
              "Active alarms 1, total 3 / Velmarind - 1 Active alarms.");
    // Names are compared exactly; the alarm being edited does not take its own name.
    EXPECT_EQ(Handler().IsAlarmNameFree("a") * 100 + Handler().IsAlarmNameFree("A") * 10 +
                  Handler().IsAlarmNameFree("a", Handler().Alarms[Handler().FindAlarm("a")].Id),
              11);
    // Capitals first; a countdown starts from its full length, an inactive alarm keeps its values.
    EXPECT_EQ(File("alarmlist.ini"), CrLf({"3"}) + z + Record(a, "0 0 5 1 64 0 0 0") + b);
  }
}

// The program starts with an alarmlist.ini, something is done to an alarm (Activate, Stop,
// Delete, Click its tray item, Click it while saves Fail); then its result, the tray's items,
// the box shown and whether the file was saved. Load notices wait until the loop runs.
TEST_F(AlarmListTest, LoadingActivatingStoppingAndTogglingKeepTimersAndCheckMarksInStep) {
  auto cd = [](const char* name, char state) {
    return Record({name, "", "0:0:10", "", "m"}, std::string("0 0 0 1 64 ") + state + " 0 0");
  };
  auto file = [](std::initializer_list<std::string> records, const char* count = nullptr) {
    std::string text = CrLf({count ? count : std::to_string(records.size())});
    for (const std::string& record : records) text += record;
    return text;
  };
  const std::string x = cd("x", '0'), y = cd("y", '0'), on = cd("c1", '1'), off = cd("c1", '0'),
                    c2 = cd("c2", '1'), tea = cd("Tea & cake", '0'),
                    odd = Record({"odd", "", "7:30", "", "m"}, "0 0 0 3 64 0 0 0"),
                    t = Record({"t", "", "7:30", "", "m"}, "0 0 0 8 64 0 1 0"),
                    bad = Record({"bad", "", "half past", "", "m"}, "0 0 0 8 64 1 1 0"),
                    bad0 = Record({"bad", "", "7 uhr", "", "m"}, "0 0 0 8 64 0 0 0"),
                    gone = Record({"gone", "", "0:1", "missing", "m"}, "0 0 0 1 256 1 0 0");
  // clang-format off
  const struct { const char* what; std::string file; char op; const char* name; int result; Lines tray; std::string box; } cases[] = {
      {"count -1",           file({x, y}, "-1"),  0, "", 0, {"x", "y"}, ""},
      {"count below them",   file({x, y}, "1"),   0, "", 0, {"x"}, ""},
      {"count not a number", file({x}, "abc"),    0, "", 0, {"x"}, ""},
      {"cut-off record",     file({x, CrLf({"y", "", "0:5"})}), 0, "", 0, {"x", "y"}, ""},
      {"no last line break", file({x, "y"}),      0, "", 0, {"x", "y"}, ""},
      {"count ' 1'",         file({x, y}, " 1"),  0, "", 0, {"x"}, ""},
      {"count '1x'",         file({x, y}, "1x"),  0, "", 0, {"x"}, ""},
      {"CR only",            [&] { auto f = file({x, y}); std::erase(f, '\n'); return f; }(), 0, "", 0, {"x", "y"}, ""},
      {"lone CR in a name",  file({cd("b\rz", '0')}), 0, "", 0, {"b z"}, ""},
      {"a name twice",       file({x, cd("x", '1')}), 0, "", 0, {"x", "+x (2)"}, "Information: These alarms had a name already taken and were renamed:\nx (2)"},
      {"#q twice",           file({cd("#q", '1'), Record({"#q", "", "xx", "", "m"}, "0 0 0 1 64 1 0 0")}), 0, "", 0, {"+#q"},
                             "Information: These alarms could not be read and are not active:\n#q (2)\n\nThese alarms had a name already taken and were renamed:\n#q (2)"},
      {"empty name",         file({cd("", '0'), y}), 0, "", 0, {"y"}, ""},
      {"LF only",            [&] { auto f = file({x}); std::erase(f, '\r'); return f; }(), 0, "", 0, {"x"}, ""},
      {"a long line",        file({cd(std::string(300, 'x').c_str(), '0'), y}), 0, "", 0, {std::string(300, 'x'), "y"}, ""},
      {"quick alarm",        file({cd("#q", '0'), y}),    0, "", 0, {"y"}, ""},
      {"saved active",       file({on, bad}),     0, "", 0, {"+c1", "bad"}, "Information: These alarms could not be read and are not active:\nbad"},
      {"task gone",          file({gone}),        0, "", 0, {"gone"}, "Information: \"gone\" was set to run the task \"missing\", that task is no longer available, alarm was not activated."},
      {"activate",           file({off, c2}),     'A', "c1", 1, {"+c1", "+c2"}, ""},
      {"already active",     file({on}),          'A', "c1", 0, {"+c1"}, ""},
      {"no such alarm",      file({on}),          'A', "c2", -1, {"+c1"}, ""},
      {"unknown type",       file({odd}),         'A', "odd", -1, {"odd"}, ""},
      {"a time of day",      file({t}),           'A', "t", 1, {"+t"}, ""},
      {"cannot be read",     file({t, bad0}),     'A', "bad", -1, {"t", "bad"}, "Error: \"bad\": its date or time could not be read, alarm was not activated."},
      {"stop one",           file({on, c2}),      'S', "c1", 1, {"c1", "+c2"}, ""},
      {"already stopped",    file({off}),         'S', "c1", 0, {"c1"}, ""},
      {"stop none",          file({off}),         'S', "c2", -1, {"c1"}, ""},
      {"delete active",      file({on, t}),       'D', "c1", 1, {"t"}, ""},
      {"delete none",        file({on}),          'D', "c2", -1, {"+c1"}, ""},
      {"tray toggles on",    file({tea, cd("-", '0')}), 'C', "Tea & cake", 0, {"+Tea & cake", "-"}, ""},
      {"failed save",        file({tea}),         'F', "Tea & cake", 0, {"+Tea & cake"}, "Error: Could not save C:\\Velmarind\\alarmlist.ini"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart(c.file);
    os::fake::world().failingSaves.clear();
    if (c.op == 'F') os::fake::world().failingSaves.insert(std::string(kDir) + "alarmlist.ini");
    if (!c.box.empty())
      ui::headless::Expect([&c](ui::headless::Dialog& d) {
        EXPECT_EQ(d.caption + ": " + d.text, c.box);
        return ui::IDOK;
      });
    int result = 0;
    if (c.op == 'A') result = Handler().ActivateAlarm(c.name);
    if (c.op == 'S') result = Handler().StopAlarm(c.name);
    if (c.op == 'D') result = Handler().DeleteAlarm(c.name);
    for (int i = 3; i < Velmarind->M_Timer.Count() && (c.op == 'C' || c.op == 'F'); ++i)
      if (Velmarind->M_Timer.Items(i)->Caption == c.name) Velmarind->M_Timer.Items(i)->Click();
    ui::headless::AdvanceTime(1);
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(TrayItems(), c.tray) << c.what;
    EXPECT_TRUE(InStep()) << c.what;
    EXPECT_EQ(File("alarmlist.ini") != c.file, c.op == 'C') << c.what;
  }
}

// The record added active is the one activated, whichever alarm had its name before.
TEST_F(AlarmListTest, AnAlarmAddedActiveIsActivatedItself) {
  Add(MakeAlarm("x", kCountdown, "0:01:00"));
  Add(MakeAlarm("x", kCountdown, "0:02:00"), 1);
  EXPECT_EQ(TrayItems(), (Lines{"x", "+x"}));
  EXPECT_EQ(Handler().Alarms[1].DeadlineMs - os::clock::Read().MonotonicMs, 120000);
  EXPECT_TRUE(InStep());
}

// Quick alarms are made for one firing: every one found not active is dropped, side by side
// or last; an active one stays until it stops, one in an odd state stays.
TEST_F(AlarmListTest, QuickAlarmsGoOnceTheyAreNotActive) {
  std::string file = CrLf({"6"});
  for (const auto& [name, state] :
       {std::pair{"#a", '0'}, {"#b", '0'}, {"c", '0'}, {"#d", '1'}, {"#e", '2'}, {"#f", '0'}})
    file += Record({name, "", "0:0:10", "", "m"}, std::string("0 0 0 1 64 ") + state + " 0 0");
  Restart(file);
  EXPECT_EQ(TrayItems(), (Lines{"c", "+#d", "#e"}));
  EXPECT_EQ(Handler().StopAlarm("#d"), 1);
  Handler().UpdateLists();
  EXPECT_EQ(TrayItems(), (Lines{"c", "#e"}));
  EXPECT_EQ(F_AlarmHandler->LB_Alarms.Items(), Lines{"c"});
  EXPECT_TRUE(InStep());
}

// A hand-made file with more records than the list holds: the rest is left out, and said so.
TEST_F(AlarmListTest, AFullListLoadsWhatItHoldsAndRefusesMore) {
  std::string file = CrLf({std::to_string(CAlarmHandler::kMaxAlarms + 1)});
  for (int i = 0; i < CAlarmHandler::kMaxAlarms + 1; ++i)
    file += Record({"n" + std::to_string(100000 + i), "", "1:00", "", ""}, "0 0 0 8 64 0 0 0");
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.text, "1 alarms were not loaded: the list holds at most 65535 alarms.");
    return ui::IDOK;
  });
  Restart(file);
  ui::headless::AdvanceTime(1);
  EXPECT_EQ(Handler().Count(), CAlarmHandler::kMaxAlarms);
  ui::headless::ExpectButton(ui::IDOK);
  EXPECT_EQ(Handler().AddAlarm(MakeAlarm("one more", kCountdown, "0:01"), true), 0);
  EXPECT_EQ(ui::headless::ShownDialogs().back().text,
            "The alarm list is full: it holds at most 65535 alarms.");
  EXPECT_EQ(Handler().FindAlarm("one more"), -1);
}

}  // namespace
