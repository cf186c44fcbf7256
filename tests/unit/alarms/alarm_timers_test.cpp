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

// Both due on the fifth tick: their lines in list order, the cursor noted, one save; a fired
// quick alarm is gone, and the window, the tray and the file show what is left.
TEST_F(AlarmTimersTest, CountdownsShowTheTimeLeftAndFireOnTheirLastTick) {
  CAlarm a = MakeAlarm("a", kCountdown, "00:00:05");
  a.Message = "a message longer than thirty characters";
  Add(MakeAlarm("b", kCountdown, "00:00:05"), 1);
  Add(a, 1);
  Add(MakeAlarm("#q", kCountdown, "00:00:05"), 1);
  Add(MakeAlarm("later", kCountdown, "00:01:00"), 1);
  F_AlarmHandler->LiveCountdown = 1, F_AlarmHandler->LiveCountdownName = "a";
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), "00:00:04 - a message longer than thirty c");
  ui::headless::AdvanceTime(3000);
  os::fake::world().calls.clear();
  os::fake::world().cursor = {5, -7};
  EXPECT_EQ(F_ShowMessage->M_Message.Lines(), Lines{});
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_ShowMessage->M_Message.Lines(),
            (Lines{"[08:00:05] - msg b", "[08:00:05] - a message longer than thirty characters",
                   "[08:00:05] - msg #q"}));
  EXPECT_EQ(F_ShowMessage->CursorX * 100 + F_ShowMessage->CursorY, 493);
  EXPECT_EQ(F_AlarmHandler->StatusBar.SimpleText(), "");
  EXPECT_TRUE(InStep());
  EXPECT_EQ(os::fake::CallsStartingWith("files::SaveAtomically").size(), 1u);
  EXPECT_EQ(TrayItems(), (Lines{"b", "a", "+later"}));
  EXPECT_EQ(F_AlarmHandler->Caption() + " / " + ui::headless::ShownTrayTip(),
            "Active alarms 1, total 3 / Velmarind - 1 Active alarms.");
  EXPECT_EQ(F_AlarmHandler->LB_Alarms.Count() * 10 + F_AlarmHandler->LB_AlarmsActive.Count(), 21);
  // A one-shot countdown is stored with its full length, a running one with the time left.
  const std::string file = File("alarmlist.ini");
  EXPECT_NE(file.find(Record({"a", "", "00:00:05", "note", a.Message}, "0 0 5 1 64 0 0 0")),
            std::string::npos);
  EXPECT_NE(file.find(Record({"later", "", "00:01:00", "note", "msg later"}, "0 0 55 1 64 1 0 0")),
            std::string::npos);
}

// The auto-close count comes with the message signal only; 1 second shows its count once.
TEST_F(AlarmTimersTest, OnlyAShownMessageArmsTheAutoClose) {
  Settings().AutoCloseSeconds = 1;
  Add(MakeAlarm("sound only", kCountdown, "00:00:01", "", kPlaySound), 1);
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_ShowMessage->AutoCloseCount, 0);
  Add(MakeAlarm("shown", kCountdown, "00:00:01"), 1);
  ui::headless::AdvanceTime(1000);
  ASSERT_TRUE(F_ShowMessage->Visible());
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(F_ShowMessage->B_Ok.Caption(), "Closing in 1");
  ui::headless::AdvanceTime(1000);
  EXPECT_FALSE(F_ShowMessage->Visible());
}

// A save that fails after a firing is said once, tried again at every tick and at the close.
TEST_F(AlarmTimersTest, AFailedSaveAfterAFiringIsReportedOnceAndRetried) {
  const std::string path = std::string(kDir) + "alarmlist.ini";
  Add(MakeAlarm("one", kCountdown, "00:00:01"), 1);
  Add(MakeAlarm("two", kCountdown, "00:00:03"), 1);
  Add(MakeAlarm("three", kCountdown, "00:00:06"), 1);
  os::fake::world().failingSaves.insert(path);
  ui::headless::ExpectButton(ui::IDOK);
  ui::headless::AdvanceTime(3000);  // "one" and "two" fire, two saves fail
  EXPECT_EQ(ui::headless::ShownDialogs().size(), 1u);
  EXPECT_EQ(ui::headless::ShownDialogs()[0].text, "Could not save " + path);
  os::fake::world().failingSaves.clear();
  ui::headless::AdvanceTime(1000);  // a tick that fires nothing writes the list
  EXPECT_NE(File("alarmlist.ini")
                .find("two\r\n\r\n00:00:03\r\nnote\r\nmsg two\r\n0\r\n0\r\n3\r\n1\r\n64\r\n0"),
            std::string::npos);
  os::fake::world().failingSaves.insert(path);
  ui::headless::ExpectButton(ui::IDOK);
  ui::headless::AdvanceTime(2000);  // "three" fires; a new failure is said again
  os::fake::world().failingSaves.clear();
  Velmarind->M_Quit.Click();  // no tick left: the close writes it
  EXPECT_NE(File("alarmlist.ini")
                .find("three\r\n\r\n00:00:06\r\nnote\r\nmsg three\r\n0\r\n0\r\n6\r\n1\r\n64\r\n0"),
            std::string::npos);
}

// A thousand countdowns due at once: each line is added at the end, no text is set whole.
TEST_F(AlarmTimersTest, AThousandAlarmsDueAtOnceAppendTheirLines) {
  std::string file = CrLf({"1000"});
  for (int i = 0; i < 1000; ++i)
    file += Record({"c" + std::to_string(1000 + i), "", "0:0:2", "", ""}, "0 0 0 1 64 1 0 0");
  Restart(file);
  const int rewrites = ui::headless::TextRewrites(F_ShowMessage->M_Message);
  ui::headless::AdvanceTime(2000);
  EXPECT_EQ(F_ShowMessage->M_Message.LineCount(), 1000);
  EXPECT_EQ(ui::headless::TextRewrites(F_ShowMessage->M_Message), rewrites);
  EXPECT_EQ(F_AlarmHandler->Caption(), "Active alarms 0, total 1000");
}

// Steps: 'a' runs the clock (ms), 'h' holds the loop (ms; asleep or busy), 'j' sets the wall
// clock (ms), 'o' changes the UTC offset (minutes; daylight saving), 'r' restarts the program. 6
// December 2026 is a Sunday.
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
      {"12:30 after noon",     kTimeOfDay,   "12:30:00", "",           0, 0, 0, 12, 0,  {{'a', 60 * m}},   {"12:30:00"}},
      {"daily",                kTimeOfDay,   "07:30:00", "",           1, 1, 0, 7, 0,   {{'a', 1500 * m}}, {"07:30:00", "07:30:00"}},
      {"date passed",          kDateOnly,    "",         "05.12.2026", 0, 0, 0, 8, 0,   {{'a', 3 * m}},    {"08:01:00"}},
      {"date tomorrow",        kDateOnly,    "",         "07.12.2026", 0, 0, 0, 23, 58, {{'a', 3 * m}},    {"00:00:00"}},
      {"today, time passed",   kDateAndTime, "07:00:00", "06.12.2026", 1, 0, 0, 8, 0,   {{'a', 3 * m}},    {"08:01:00"}},
      {"yesterday, time ahead", kDateAndTime, "09:00:00", "05.12.2026", 1, 0, 0, 8, 0,  {{'a', 3 * m}},    {"08:01:00"}},
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
      {"tomorrow, time passed", kDateAndTime, "07:00:00", "07.12.2026", 1, 0, 0, 8, 0,   {{'a', 3 * m}},    {}},
      {"23:59, tick at 00:00", kTimeOfDay,   "11:59:00", "",           0, 1, 0, 23, 58, {{'h', 130000}},   {"00:00:10"}},
      {"day, restarted",       kDayOnly,     "",         "",           0, 1, 1, 8, 0,   {{'a', 2 * m}, {'r', 0}, {'a', 2 * m}}, {"08:03:00"}},
      {"clock set 2 h ahead",  kTimeOfDay,   "09:00:00", "",           1, 1, 0, 8, 0,   {{'j', 120 * m}, {'a', m}}, {"10:01:00"}},
      {"clock set 20 h ahead", kTimeOfDay,   "09:00:00", "",           1, 1, 0, 8, 0,   {{'j', 1200 * m}, {'a', 2 * m}}, {}},
      {"zone moved 3 h ahead", kDayAndTime,  "09:00:00", "",           1, 1, 1, 8, 0,   {{'o', 240}, {'a', 2 * m}}, {}},
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
      if (kind == 'r') Restart(File("alarmlist.ini"));
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
      {"other height",   all,                   "R",  "1280", "600",  1,  1500, "msg a", ""},
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
