#include <string>
#include <vector>

#include "alarms/alarm_test.h"

namespace {

using Times = std::vector<std::string>;
constexpr std::int64_t kMinute = 60000;

class AlarmTimersTest : public AlarmTest {
 protected:
  // The times of the message lines, "[08:00:05] - ..." giving "08:00:05".
  static Times FiredAt() {
    Times times;
    for (const std::string& line : MessageLines()) times.push_back(line.substr(1, 8));
    return times;
  }
  static void SetClock(int day, int hour, int minute) {
    os::fake::SetLocalTime(os::DateTime{2026, 12, day, hour, minute, 0, 0, 0});
  }
};

TEST_F(AlarmTimersTest, CountdownRunsDownToItsDeadlineAndShowsTheTimeLeft) {
  AddActive(MakeAlarm("c", kCountdown, "00:00:05"));
  F_AlarmHandler->LiveCountdown = 1;
  F_AlarmHandler->LiveCountdownName = "c";
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), "00:00:04 - msg c");
  ui::headless::AdvanceTime(3000);
  EXPECT_EQ(FiredAt(), Times{});
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(FiredAt(), Times{"08:00:05"});
  EXPECT_EQ(Get("c").State, 0);
  EXPECT_EQ(F_AlarmHandler->LiveCountdown, 0);
  EXPECT_FALSE(F_AlarmHandler->T_TimerCountDown.Enabled()) << "idle: no timer runs";
  EXPECT_EQ(File("alarmlist.ini"),
            CrLf({"1", "c", "", "00:00:05", "", "msg c", "0", "0", "5", "1", "64", "0", "0", "0"}));
}

TEST_F(AlarmTimersTest, CountdownLengths) {
  // clang-format off
  const struct { const char* text; std::int16_t repeat; std::int64_t runMs; Times fired; int hour, minute; } cases[] = {
      {"00:00:00", 0, 1000,     {"08:00:01"},             0, 0},
      {"00:00:02", 1, 4000,     {"08:00:02", "08:00:04"}, 0, 0},  // repeating: again and again
      {"12:30:00", 0, 1000,     {},                       12, 29},  // 12 hours are not 0
      {"12:30:00", 0, 45000000, {"20:30:00"},             12, 30},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    SetClock(6, 8, 0);
    AddActive(MakeAlarm("c", kCountdown, c.text, "", kShowMessage, c.repeat));
    ui::headless::AdvanceTime(c.runMs);
    EXPECT_EQ(FiredAt(), c.fired) << c.text;
    EXPECT_EQ(Get("c").Hour, c.hour) << c.text;
    EXPECT_EQ(Get("c").Minute, c.minute) << c.text;
    EXPECT_EQ(Get("c").State, c.repeat || c.fired.empty() ? 1 : 0) << c.text;
  }
}

TEST_F(AlarmTimersTest, DateAndTimeAlarmsFireInTheirMinute) {
  // clang-format off
  const struct { const char* what; std::int16_t type; const char* time; const char* date; std::int16_t am, repeat, second;
                 int hour, minute, minutes; Times fired; } cases[] = {
      {"7:30 after noon",    kTimeOfDay,  "07:30:00", "", 0, 0, 0, 19, 0, 60,   {"19:30:00"}},
      {"19:30 after noon",   kTimeOfDay,  "19:30:00", "", 0, 0, 0, 19, 0, 60,   {"19:30:00"}},
      {"7:30 before noon",   kTimeOfDay,  "07:30:00", "", 1, 0, 0, 7, 0, 60,    {"07:30:00"}},
      {"before, not after",  kTimeOfDay,  "07:30:00", "", 1, 0, 0, 19, 0, 60,   {}},
      {"12:15 after noon",   kTimeOfDay,  "12:15:00", "", 0, 0, 0, 0, 0, 780,   {"12:15:00"}},
      {"12:15 before noon",  kTimeOfDay,  "12:15:00", "", 1, 0, 0, 0, 0, 60,    {"00:15:00"}},
      {"12:00 am at noon",   kTimeOfDay,  "12:00:00", "", 1, 0, 0, 11, 30, 60,  {}},
      {"daily",              kTimeOfDay,  "07:30:00", "", 1, 1, 0, 7, 0, 1500,  {"07:30:00", "07:30:00"}},
      {"date passed",        kDateOnly,   "",  "05.12.2026", 0, 0, 0, 8, 0, 3,  {"08:01:00"}},
      {"date tomorrow",      kDateOnly,   "",  "07.12.2026", 0, 0, 0, 23, 58, 3, {"00:00:00"}},
      {"today, time passed", kDateAndTime, "07:00:00", "06.12.2026", 1, 0, 0, 8, 0, 3, {"08:01:00"}},
      {"today at noon",      kDateAndTime, "12:00:00", "06.12.2026", 0, 1, 0, 11, 58, 5, {"12:00:00"}},
      {"sunday 8:05",        kDayAndTime, "08:05:00", "", 1, 1, 1, 8, 0, 10,   {"08:05:00"}},
      {"monday 8:05",        kDayAndTime, "08:05:00", "", 1, 1, 2, 8, 0, 10,   {}},
      {"sunday, weekly",     kDayOnly,    "", "", 0, 1, 1, 8, 0, 7 * 1440 + 2, {"08:01:00", "00:00:00"}},
      {"sunday, once",       kDayOnly,    "", "", 0, 0, 1, 8, 0, 7 * 1440 + 2, {"08:01:00"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    SetClock(6, c.hour, c.minute);  // 6 December 2026 is a Sunday
    CAlarm alarm = MakeAlarm("a", c.type, c.time, c.date, kShowMessage, c.repeat, c.am);
    alarm.Second = static_cast<std::uint16_t>(c.second);
    AddActive(alarm);
    ui::headless::AdvanceTime(c.minutes * kMinute);
    EXPECT_EQ(FiredAt(), c.fired) << c.what;
  }
}

TEST_F(AlarmTimersTest, OutputsFollowSignalsSettingsScreenSaverAndResolution) {
  const std::int16_t all = kShowMessage | kPlaySound | kRunTask;
  // clang-format off
  const struct { const char* what; std::int16_t signals; int noMessages, noSounds, noExecute; bool saver;
                 const char* resX; const char* resY; int resOnly; const char* line; bool shown, played, ran; } cases[] = {
      {"everything",      all, 0, 0, 0, false, "", "", 0,        "msg a", true,  true,  true},
      {"no signal",       0,   0, 0, 0, false, "", "", 0,        "(a)",   false, false, false},
      {"no messages",     all, 1, 0, 0, false, "", "", 0,        "msg a", false, true,  true},
      {"no sounds",       all, 0, 1, 0, false, "", "", 0,        "msg a", true,  false, true},
      {"no tasks",        all, 0, 0, 1, false, "", "", 0,        "msg a", true,  true,  false},
      {"screen saver",    all, 0, 0, 0, true,  "", "", 0,        "msg a", false, true,  true},
      {"other screen",    all, 0, 0, 0, false, "800", "600", 1,  "msg a", false, false, false},
      {"this screen",     all, 0, 0, 0, false, "1280", "1024", 1, "msg a", true, true,  true},
      {"only one value",  all, 0, 0, 0, false, "800", "", 1,     "msg a", true,  true,  true},
      {"not a number",    all, 0, 0, 0, false, "800", "abc", 1,  "msg a", true,  true,  true},
      {"unrestricted",    all, 0, 0, 0, false, "800", "600", 0,  "msg a", true,  true,  true},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    CSettings& s = Settings();
    s.NoMessages = c.noMessages, s.NoSounds = c.noSounds, s.NoExecute = c.noExecute;
    s.ResolutionX = c.resX, s.ResolutionY = c.resY;
    s.ResOnlyMessages = s.ResOnlySounds = s.ResOnlyTasks = c.resOnly;
    os::fake::world().screenSaverRunning = c.saver;
    os::fake::world().clipboardText.clear();
    CAlarm alarm = MakeAlarm("a", kCountdown, "00:00:00", "", c.signals);
    alarm.TaskName = "note";
    AddActive(alarm);
    Forget();
    ui::headless::AdvanceTime(1000);
    EXPECT_EQ(MessageLines().back().substr(13), c.line) << c.what;
    EXPECT_EQ(F_ShowMessage->Visible(), c.shown) << c.what;
    EXPECT_EQ(os::fake::CallsStartingWith("sound::PlayWave").size(), c.played ? 1u : 0u) << c.what;
    EXPECT_EQ(os::fake::world().clipboardText == "noted", c.ran) << c.what;
    EXPECT_TRUE(Velmarind->TrayIcon.Animate()) << c.what;
    F_ShowMessage->Hide();
  }
}

TEST_F(AlarmTimersTest, WithoutADisplayTheRestrictionIsLifted) {
  Settings().ResolutionX = "800", Settings().ResolutionY = "600";
  Settings().ResOnlyMessages = 1;
  os::fake::world().screen.reset();
  AddActive(MakeAlarm("a", kCountdown, "00:00:00"));
  ui::headless::AdvanceTime(1000);
  EXPECT_TRUE(F_ShowMessage->Visible());
}

TEST_F(AlarmTimersTest, AlarmsDueOnOneTickAddTheirLinesInListOrderAndSaveOnce) {
  AddActive(MakeAlarm("b", kCountdown, "00:00:01"));
  AddActive(MakeAlarm("a", kCountdown, "00:00:01"));
  Forget();
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(MessageLines(), (Times{"[08:00:01] - msg b", "[08:00:01] - msg a"}));
  EXPECT_EQ(os::fake::CallsStartingWith("files::SaveAtomically").size(), 1u);
}

TEST_F(AlarmTimersTest, SoundRepeatsAndDelayFromTheSettings) {
  // clang-format off
  const struct { int repeat, delay; std::size_t plays; int interval; } cases[] = {
      {3, 1500, 3, 1500}, {1, 1500, 1, 1500}, {0, 1500, 1, 1500}, {-2, 1500, 1, 1500}, {2, 0, 2, 2000},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    Settings().SignalRepeat = c.repeat, Settings().SignalDelay = c.delay;
    AddActive(MakeAlarm("a", kCountdown, "00:00:00", "", kPlaySound));
    Forget();
    ui::headless::AdvanceTime(1000 + 10 * 2000);
    EXPECT_EQ(os::fake::CallsStartingWith("sound::PlayWave").size(), c.plays) << c.repeat;
    EXPECT_EQ(F_ShowMessage->T_SoundTimer.Interval(), c.interval) << c.delay;
    EXPECT_FALSE(F_ShowMessage->T_SoundTimer.Enabled()) << c.repeat;
    EXPECT_EQ(F_ShowMessage->RepeatsLeft, 0) << c.repeat;
  }
}

// The task of a firing alarm asks for a field; meanwhile the clock runs on,
// another alarm is started and fires, and an alarm is added.
TEST_F(AlarmTimersTest, TicksDuringAFiringAlarmsTaskLeaveThatAlarmAlone) {
  File("tasklist.ini") = CrLf({"2", "ask", "", "[Name|x]", "", "", "Add To Clipboard", "0", "0",
                               "start s", "", "s", "", "", "Start Alarm", "0", "0"});
  Restart("");
  CAlarm r = MakeAlarm("r", kCountdown, "00:00:01", "", kShowMessage | kRunTask, 1);
  r.TaskName = "ask";
  AddActive(r);
  Add(MakeAlarm("s", kCountdown, "00:00:02"));
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(F_TaskHandler->TaskHandler.ExecuteTask("start s"), 1);
    Handler().AddAlarm(MakeAlarm("new", kCountdown, "00:10:00"), true);
    ui::headless::AdvanceTime(5000);
    d.value = "typed";
    return 1;
  });
  ui::headless::Expect([](ui::headless::Dialog&) { return 0; });
  ui::headless::AdvanceTime(1000);  // the prompt holds this tick until 08:00:06
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(FiredAt(), (Times{"08:00:01", "08:00:03", "08:00:07"}));
  EXPECT_EQ(os::fake::world().clipboardText, "typed");
  EXPECT_EQ(Names(), (std::vector<std::string>{"new", "r", "s"}));
  EXPECT_EQ(Handler().GetAlarmState("r"), 1);
  EXPECT_EQ(Handler().GetAlarmState("s"), 0);
}

// Whatever happens, a timer runs exactly while an alarm of its kind is
// active, and a tray item is checked exactly while its alarm is.
TEST_F(AlarmTimersTest, RandomChangesKeepTimersAndCheckMarksInStep) {
  std::srand(7);
  const char* names[] = {"a", "b", "c", "d"};
  for (int step = 0; step < 400; ++step) {
    const std::string name = names[std::rand() % 4];
    switch (std::rand() % 5) {
      case 0:
        Handler().AddAlarm(MakeAlarm(name, std::rand() % 2 ? kCountdown : kTimeOfDay,
                                     "00:00:0" + std::to_string(std::rand() % 4), "", kShowMessage,
                                     std::rand() % 2),
                           true);
        break;
      case 1:
        Handler().ActivateAlarm(name);
        break;
      case 2:
        Handler().StopAlarm(name);
        break;
      case 3:
        Handler().DeleteAlarm(name);
        break;
      case 4:
        ui::headless::AdvanceTime(std::rand() % 3000);
        break;
    }
    int countdowns = 0, dates = 0;
    for (const CAlarm& a : Handler().Alarms) {
      ASSERT_EQ(a.MenuItem->Checked, a.State == 1) << step;
      (a.Type == kCountdown ? countdowns : dates) += a.State == 1;
    }
    ASSERT_EQ(F_AlarmHandler->T_TimerCountDown.Enabled(), countdowns > 0) << step;
    ASSERT_EQ(F_AlarmHandler->T_TimerDateTime.Enabled(), dates > 0) << step;
  }
}

// What the clock does: 'a' runs it (ms), 'h' holds the loop (ms; asleep or busy),
// 'j' sets the wall clock (ms), 'o' changes the UTC offset (minutes; daylight saving).
struct ClockStep {
  char kind;
  std::int64_t amount;
};

TEST_F(AlarmTimersTest, LateTicksSleepDaylightSavingAndClockChanges) {
  constexpr std::int64_t m = kMinute;
  // clang-format off
  const struct { const char* what; std::int16_t type; const char* time; std::int16_t repeat; int hour, minute;
                 std::vector<ClockStep> steps; Times fired; } cases[] = {
      {"asleep 06:00-09:00",  kTimeOfDay, "07:00:00", 1, 6, 0,   {{'h', 180 * m}, {'a', 2 * m}}, {}},
      {"held 4 min past",     kTimeOfDay, "07:00:00", 1, 6, 58,  {{'h', 6 * m}},                 {"07:04:00"}},
      {"minute skipped",      kTimeOfDay, "07:00:00", 1, 6, 59,  {{'h', 90000}},                 {"07:00:30"}},
      {"spring forward",      kTimeOfDay, "02:30:00", 1, 1, 58,  {{'a', m}, {'o', 120}, {'a', m}}, {"03:00:00"}},
      {"fall back",           kTimeOfDay, "02:30:00", 1, 2, 25,  {{'a', 10 * m}, {'o', 0}, {'a', 60 * m}}, {"02:30:00"}},
      {"clock set past it",   kTimeOfDay, "07:00:00", 1, 6, 50,  {{'j', 30 * m}, {'a', m}},      {"07:21:00"}},
      {"clock set back",      kTimeOfDay, "07:00:00", 1, 7, 10,  {{'j', -20 * m}, {'a', 15 * m}}, {"07:00:00"}},
      {"countdown asleep",    kCountdown, "00:01:00", 0, 8, 0,   {{'h', 5 * m}},                 {"08:05:00"}},
      {"countdown late ticks", kCountdown, "00:00:05", 0, 8, 0,  {{'h', 2500}, {'a', 3000}},     {"08:00:05"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    os::fake::SetUtcOffset(60);
    SetClock(6, c.hour, c.minute);
    AddActive(MakeAlarm("a", c.type, c.time, "", kShowMessage, c.repeat, 1));
    for (const ClockStep& step : c.steps) {
      if (step.kind == 'a') ui::headless::AdvanceTime(step.amount);
      if (step.kind == 'h') ui::headless::HoldLoop(step.amount);
      if (step.kind == 'j') os::fake::JumpWallClock(step.amount);
      if (step.kind == 'o') os::fake::SetUtcOffset(static_cast<int>(step.amount));
    }
    EXPECT_EQ(FiredAt(), c.fired) << c.what;
  }
}

}  // namespace
