#include "alarms/alarm_test.h"

namespace {

using AlarmTimersTest = AlarmTest;

// The times of the message lines, "[08:00:05] - ..." giving "08:00:05".
Lines FiredAt() {
  Lines times;
  for (const std::string& line : F_ShowMessage->M_Message.Lines())
    times.push_back(line.substr(1, 8));
  return times;
}

// Both due on the fifth tick: their lines in list order, one save.
TEST_F(AlarmTimersTest, CountdownsShowTheTimeLeftAndFireOnTheirLastTick) {
  Add(MakeAlarm("b", kCountdown, "00:00:05"), 1);
  Add(MakeAlarm("a", kCountdown, "00:00:05"), 1);
  F_AlarmHandler->LiveCountdown = 1, F_AlarmHandler->LiveCountdownName = "a";
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), "00:00:04 - msg a");
  ui::headless::AdvanceTime(3000);
  os::fake::world().calls.clear();
  EXPECT_EQ(F_ShowMessage->M_Message.Lines(), Lines{});
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_ShowMessage->M_Message.Lines(), (Lines{"[08:00:05] - msg b", "[08:00:05] - msg a"}));
  EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), "");
  EXPECT_TRUE(InStep());
  EXPECT_EQ(os::fake::CallsStartingWith("files::SaveAtomically").size(), 1u);
}

// Steps: 'a' runs the clock (ms), 'h' holds the loop (ms; asleep or busy), 'j' sets the wall
// clock (ms), 'o' changes the UTC offset (minutes; daylight saving). 6 December 2026 is a Sunday.
TEST_F(AlarmTimersTest, EachTypeFiresWhenDueWhateverTheClockDoes) {
  constexpr std::int64_t m = 60000, week = (7 * 1440 + 2) * m;
  // clang-format off
  const struct { const char* what; std::int16_t type; const char* time; const char* date; std::int16_t am, repeat, weekday;
                 int hour, minute; std::vector<std::pair<char, std::int64_t>> steps; Lines fired; } cases[] = {
      {"length 0",             kCountdown,   "00:00:00", "",           0, 0, 0, 8, 0,   {{'a', 1000}},     {"08:00:01"}},
      {"repeating",            kCountdown,   "00:00:02", "",           0, 1, 0, 8, 0,   {{'a', 4000}},     {"08:00:02", "08:00:04"}},
      {"12 hours, not 0",      kCountdown,   "12:30:00", "",           0, 0, 0, 8, 0,   {{'a', 750 * m}},  {"20:30:00"}},
      {"countdown late ticks", kCountdown,   "00:00:05", "",           0, 0, 0, 8, 0,   {{'h', 2500}, {'a', 3000}}, {"08:00:05"}},
      {"7:30, AM flag 2",      kTimeOfDay,   "07:30:00", "",           2, 0, 0, 19, 0,  {{'a', 60 * m}},   {"19:30:00"}},
      {"7:30 before noon",     kTimeOfDay,   "07:30:00", "",           1, 0, 0, 7, 0,   {{'a', 60 * m}},   {"07:30:00"}},
      {"12:15 before noon",    kTimeOfDay,   "12:15:00", "",           1, 0, 0, 0, 0,   {{'a', 60 * m}},   {"00:15:00"}},
      {"12:00 am at noon",     kTimeOfDay,   "12:00:00", "",           1, 0, 0, 11, 30, {{'a', 60 * m}},   {}},
      {"daily",                kTimeOfDay,   "07:30:00", "",           1, 1, 0, 7, 0,   {{'a', 1500 * m}}, {"07:30:00", "07:30:00"}},
      {"date passed",          kDateOnly,    "",         "05.12.2026", 0, 0, 0, 8, 0,   {{'a', 3 * m}},    {"08:01:00"}},
      {"date tomorrow",        kDateOnly,    "",         "07.12.2026", 0, 0, 0, 23, 58, {{'a', 3 * m}},    {"00:00:00"}},
      {"today, time passed",   kDateAndTime, "07:00:00", "06.12.2026", 1, 0, 0, 8, 0,   {{'a', 3 * m}},    {"08:01:00"}},
      {"today at noon",        kDateAndTime, "12:00:00", "06.12.2026", 0, 1, 0, 11, 58, {{'a', 5 * m}},    {"12:00:00"}},
      {"sunday 8:05",          kDayAndTime,  "08:05:00", "",           1, 1, 1, 8, 0,   {{'a', 10 * m}},   {"08:05:00"}},
      {"monday 8:05",          kDayAndTime,  "08:05:00", "",           1, 1, 2, 8, 0,   {{'a', 10 * m}},   {}},
      {"sunday, weekly",       kDayOnly,     "",         "",           0, 1, 1, 8, 0,   {{'a', week}},     {"08:01:00", "00:00:00"}},
      {"sunday, once",         kDayOnly,     "",         "",           0, 0, 1, 8, 0,   {{'a', week}},     {"08:01:00"}},
      {"asleep 06:00-09:00",   kTimeOfDay,   "07:00:00", "",           1, 1, 0, 6, 0,   {{'h', 180 * m}, {'a', 2 * m}}, {}},
      {"held 4 min past",      kTimeOfDay,   "07:00:00", "",           1, 1, 0, 6, 58,  {{'h', 6 * m}},    {"07:04:00"}},
      {"spring forward",       kTimeOfDay,   "02:30:00", "",           1, 1, 0, 1, 58,  {{'a', m}, {'o', 120}, {'a', m}}, {"03:00:00"}},
      {"fall back",            kTimeOfDay,   "02:30:00", "",           1, 1, 0, 2, 25,  {{'a', 10 * m}, {'o', 0}, {'a', 60 * m}}, {"02:30:00"}},
      {"clock set past it",    kTimeOfDay,   "07:00:00", "",           1, 1, 0, 6, 50,  {{'j', 30 * m}, {'a', m}}, {"07:21:00"}},
      {"clock set back",       kTimeOfDay,   "07:00:00", "",           1, 1, 0, 7, 10,  {{'j', -20 * m}, {'a', 15 * m}}, {"07:00:00"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    os::fake::SetUtcOffset(60);
    os::fake::SetLocalTime(os::DateTime{2026, 12, 6, c.hour, c.minute, 0, 0, 0});
    CAlarm alarm = MakeAlarm("a", c.type, c.time, c.date, kShowMessage, c.repeat, c.am);
    alarm.Second = static_cast<std::uint16_t>(c.weekday);
    Add(alarm, 1);
    for (const auto& [kind, amount] : c.steps) {
      if (kind == 'a') ui::headless::AdvanceTime(amount);
      if (kind == 'h') ui::headless::HoldLoop(amount);
      if (kind == 'j') os::fake::JumpWallClock(amount);
      if (kind == 'o') os::fake::SetUtcOffset(static_cast<int>(amount));
    }
    EXPECT_EQ(FiredAt(), c.fired) << c.what;
  }
}

// Settings: No messages, No sounds, No tasks, screen saVer running, Resolution only (for all
// three), no Display; and the sound's repeats and delay. Outputs: Message window, Sounds, Task.
TEST_F(AlarmTimersTest, OutputsFollowSignalsSettingsScreenSaverAndResolution) {
  const std::int16_t all = kShowMessage | kPlaySound | kRunTask;
  // clang-format off
  const struct { const char* what; std::int16_t signals; const char *settings, *resX, *resY; int repeat, delay;
                 const char *line, *outputs; } cases[] = {
      {"everything",     all,                   "",   "",     "",     1,  1500, "msg a", "MST"},
      {"no messages",    all,                   "M",  "",     "",     1,  1500, "msg a", "ST"},
      {"no sounds",      all,                   "S",  "",     "",     1,  1500, "msg a", "MT"},
      {"no tasks",       all,                   "T",  "",     "",     1,  1500, "msg a", "MS"},
      {"screen saver",   all,                   "V",  "",     "",     1,  1500, "msg a", "ST"},
      {"other screen",   all,                   "R",  "800",  "600",  1,  1500, "msg a", ""},
      {"this screen",    all,                   "R",  "1280", "1024", 1,  1500, "msg a", "MST"},
      {"not a number",   all,                   "R",  "800",  "abc",  1,  1500, "msg a", "MST"},
      {"unrestricted",   all,                   "",   "800",  "600",  1,  1500, "msg a", "MST"},
      {"no display",     all,                   "RD", "800",  "600",  1,  1500, "msg a", "MST"},
      {"three sounds",   kPlaySound,            "",   "",     "",     3,  1500, "(a)",   "SSS"},
      {"no repeat",      kPlaySound,            "",   "",     "",     0,  1500, "(a)",   "S"},
      {"repeat -2",      kPlaySound,            "",   "",     "",     -2, 1500, "(a)",   "S"},
      {"no delay: 2 s",  kPlaySound,            "",   "",     "",     3,  0,    "(a)",   "SS"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Restart("");
    auto set = [&c](char flag) { return std::string(c.settings).find(flag) != std::string::npos; };
    CSettings& s = Settings();
    s.NoMessages = set('M'), s.NoSounds = set('S'), s.NoExecute = set('T');
    s.ResOnlyMessages = s.ResOnlySounds = s.ResOnlyTasks = set('R');
    s.ResolutionX = c.resX, s.ResolutionY = c.resY;
    s.SignalRepeat = c.repeat, s.SignalDelay = c.delay;
    os::fake::world().screenSaverRunning = set('V');
    if (set('D')) os::fake::world().screen.reset();
    Add(MakeAlarm("a", kCountdown, "00:00:00", "", c.signals), 1);
    os::fake::world().calls.clear();
    ui::headless::AdvanceTime(1000 + 2 * 1500);
    std::string outputs = F_ShowMessage->Visible() ? "M" : "";
    outputs += std::string(os::fake::CallsStartingWith("sound::PlayWave").size(), 'S');
    outputs += std::string(os::fake::CallsStartingWith("clipboard::SetText").size(), 'T');
    EXPECT_EQ(outputs, c.outputs) << c.what;
    EXPECT_EQ(F_ShowMessage->M_Message.Lines().back().substr(13), c.line) << c.what;
    EXPECT_TRUE(Velmarind->TrayIcon.Animate()) << c.what;
  }
}

// A firing alarm's task prompts; meanwhile ticks run, another alarm starts and fires, one is added.
TEST_F(AlarmTimersTest, TicksDuringAFiringAlarmsTaskLeaveThatAlarmAlone) {
  File("tasklist.ini") = CrLf({"2", "note", "", "[Name|x]", "", "", "Add To Clipboard", "0", "0",
                               "start s", "", "s", "", "", "Start Alarm", "0", "0"});
  Restart("");
  Add(MakeAlarm("r", kCountdown, "00:00:01", "", kShowMessage | kRunTask, 1), 1);
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
  EXPECT_EQ(FiredAt(), (Lines{"08:00:01", "08:00:03", "08:00:07"}));
  EXPECT_EQ(os::fake::world().clipboardText, "typed");
  EXPECT_EQ(TrayItems(), (Lines{"+r", "s", "new"}));
}

TEST_F(AlarmTimersTest, RandomChangesKeepTimersAndCheckMarksInStep) {
  std::srand(7);
  for (int step = 0; step < 400; ++step) {
    const std::string name(1, static_cast<char>('a' + std::rand() % 4));
    const std::string time = std::string("00:00:0") + "0123"[std::rand() % 4];
    const std::int16_t type = std::rand() % 2 ? kCountdown : kTimeOfDay, repeat = std::rand() % 2;
    const int op = std::rand() % 5;
    if (op == 0) Handler().AddAlarm(MakeAlarm(name, type, time, "", 64, repeat), true);
    if (op == 1) Handler().ActivateAlarm(name);
    if (op == 2) Handler().StopAlarm(name);
    if (op == 3) Handler().DeleteAlarm(name);
    if (op == 4) ui::headless::AdvanceTime(std::rand() % 3000);
    ASSERT_TRUE(InStep()) << step;
  }
}

}  // namespace
