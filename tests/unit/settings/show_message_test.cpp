#include "settings/show_message.h"

#include <functional>

#include "support/app_test.h"

namespace {

class ShowMessageTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings([](CSettings& s) { s.SignalDelay = 2000; });
    Start();
    os::fake::world().calls.clear();
  }
  static TF_ShowMessage& W() { return *F_ShowMessage; }
  static std::size_t Plays() { return os::fake::CallsStartingWith("sound::PlayWave").size(); }
};

// Each row: an alarm of three plays; a mouse move, a second alarm, a stop.
TEST_F(ShowMessageTest, AlarmSoundPlaysAtOnceThenOncePerDelayUntilStopped) {
  // clang-format off
  const struct { int stopOnMove; bool move; int second; bool stop; std::size_t plays; } cases[] = {
      {0, false, 0, false, 3}, {0, true, 0, false, 3}, {1, true, 0, false, 1},
      {0, false, 3, false, 6},  // a second alarm a second later: the plays add up
      {0, false, 0, true, 2},   // stopped after the second play
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().calls.clear();
    os::fake::world().cursor = {0, 0};
    Settings().StopOnMouseMove = c.stopOnMove;
    W().StartAlarmSound(3);
    ASSERT_EQ(os::fake::world().calls,
              std::vector<std::string>{"sound::PlayWave(\"C:\\Velmarind\\sound.wav\",139265)"});
    if (c.move) os::fake::world().cursor = {5, 5};
    ui::headless::AdvanceTime(1000);
    if (c.second) W().StartAlarmSound(c.second);
    ui::headless::AdvanceTime(999);
    EXPECT_EQ(Plays(), c.second ? 2u : 1u);
    ui::headless::AdvanceTime(1);
    if (c.stop) W().StopAlarmSound();
    ui::headless::AdvanceTime(30000);
    EXPECT_EQ(Plays(), c.plays) << c.stopOnMove << c.move << c.second << c.stop;
    EXPECT_FALSE(W().T_SoundTimer.Enabled());
  }
}

TEST_F(ShowMessageTest, LinesCarryTheTimeOrTheStopwatchResultAndShowNothing) {
  os::fake::world().locale = os::fake::LocaleFormats("en-US");
  os::fake::SetLocalTime({2026, 12, 6, 8, 30, 5, 0, 1});
  W().AddAlarmMessage({"Tea is ready"});
  W().AddStopwatchMessage(1.5f);
  EXPECT_EQ(W().M_Message.Text(), "[8:30:05 AM] - Tea is ready\r\nStopwatch, Time: 1.5 seconds.");
  EXPECT_FALSE(W().Visible());
}

// Widened from single precision, 15 significant digits, the user's decimal separator; fixed
// notation from 1E-5 to below 1E15, else the exponent without leading zeros.
TEST_F(ShowMessageTest, StopwatchSecondsReadAsTheGeneralNumberFormatWritesThem) {
  // clang-format off
  const struct { float seconds; const char* locale; const char* shown; } cases[] = {
      {1.5f, "en-US", "1.5"}, {1.234f, "en-US", "1.23399996757507"}, {1.5f, "de-DE", "1,5"},
      {0.00001f, "en-US", "9.99999974737875E-6"}, {0.0000125f, "en-US", "0.0000124999996842234"},
      {0.00002f, "de-DE", "0,0000199999994947575"}, {0.25f, "en-US", "0.25"}, {0, "en-US", "0"},
      {100, "en-US", "100"}, {86400.5f, "de-DE", "86400,5"}, {1e14f, "en-US", "100000000376832"},
      {1e15f, "en-US", "999999986991104"}, {1e16f, "en-US", "1.00000002725642E16"}, {0x1p-20f, "de-DE", "9,5367431640625E-7"},
      {-2.5f, "en-US", "-2.5"}, {-0.0f, "en-US", "0"},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().locale = os::fake::LocaleFormats(c.locale);
    W().B_Clear.Click();
    W().AddStopwatchMessage(c.seconds);
    EXPECT_EQ(W().M_Message.Text(), std::string("Stopwatch, Time: ") + c.shown + " seconds.");
  }
}

TEST_F(ShowMessageTest, ShowingPlacesTheWindowAsTheSettingsSay) {
  const std::optional<os::Size> screen = os::Size{1024, 768};
  // clang-format off
  const struct { int position; std::optional<os::Size> screen; const char* place; } cases[] = {  // 0: centred
      {0, screen, "352,259"}, {2, screen, "672,32"}, {3, screen, "32,486"}, {4, screen, "672,486"}, {5, screen, "352,259"},
      {4, std::nullopt, "250,250"}};
  // clang-format on
  for (const auto& c : cases) {
    Settings().MessagePosition = c.position;
    os::fake::world().screen = c.screen;
    W().SetBounds(0, 0, 320, 250);
    W().Show();
    EXPECT_EQ(std::to_string(W().Left()) + "," + std::to_string(W().Top()) + " " + W().Caption(),
              c.place + std::string(" Alarm - Velmarind - 06.12.2026"));
    W().Hide();
  }
}

// The countdown closes the window but leaves the tray icon blinking, and a mouse move stops it;
// Close, Escape or the close box stop sound, blinking and the count; Clear keeps the window.
TEST_F(ShowMessageTest, TheWindowClosesByItsCountdownOrByTheUser) {
  const auto moved = [] { os::fake::world().cursor = {3, 4}; };
  // clang-format off
  const struct { int count, after; std::function<void()> act; const char* state; } cases[] = {
      {2, 1000, nullptr, "Closing in 2, shown, blinking"}, {2, 2000, nullptr, "Closing in 1, shown, blinking"},
      {2, 3000, nullptr, "&Close, closed, blinking"},      {0, 5000, nullptr, "&Close, shown, blinking"},
      {5, 12000, moved, "&Close, shown, blinking"},        {5, 3000, [] { W().Close(); }, "&Close, closed, 1 play"},
      {0, 20000, [] { W().B_Ok.Click(); }, "&Close, closed, 1 play"}, {0, 20000, [] { W().NotifyCancel(); }, "&Close, closed, 1 play"},
      {0, 20000, [] { W().Close(); }, "&Close, closed, 1 play"},    {0, 20000, [] { W().B_Clear.Click(); }, "&Close, shown, 1 play, cleared"},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().cursor = {0, 0};
    os::fake::world().calls.clear();
    W().AddAlarmMessage({"wake"});
    W().AutoCloseCount = c.count;
    Velmarind->SetTrayAnimation(true);
    W().Show();
    W().StartAlarmSound(5);
    ui::headless::AdvanceTime(1000);
    if (c.act) c.act();
    ui::headless::AdvanceTime(c.after - 1000);
    std::string state = W().B_Ok.Caption() + (W().Visible() ? ", shown" : ", closed");
    state +=
        Velmarind->TrayIcon.Animate() ? ", blinking" : ", " + std::to_string(Plays()) + " play";
    EXPECT_EQ(state + (W().M_Message.Text().empty() ? ", cleared" : ""), c.state) << c.after;
    W().StopAlarmSound();
    W().StopAutoclose();
    W().Hide();
  }
}

TEST_F(ShowMessageTest, OnlyAHeldLeftButtonDragsTheWindow) {
  W().Show();
  for (const auto button : {ui::TMouseButton::mbLeft, ui::TMouseButton::mbRight}) {
    W().SetBounds(100, 200, 320, 250);
    W().NotifyMouseMove(0, 50, 50);  // no button held
    W().NotifyMouseDown(button, 0, 10, 10);
    W().NotifyMouseMove(0, 15, 17);
    W().NotifyMouseUp(button, 0, 15, 17);
    W().NotifyMouseMove(0, 40, 40);  // released
    const bool dragged = button == ui::TMouseButton::mbLeft;
    EXPECT_EQ(W().Left(), dragged ? 105 : 100);
    EXPECT_EQ(W().Top(), dragged ? 207 : 200);
  }
}

}  // namespace
