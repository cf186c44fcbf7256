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
  static std::string Place() {
    return std::to_string(W().Left()) + "," + std::to_string(W().Top());
  }
  std::size_t Plays() { return os::fake::CallsStartingWith("sound::PlayWave").size(); }
};

// Each row: an alarm of three plays; a mouse move, a second alarm, a stop.
TEST_F(ShowMessageTest, AlarmSoundPlaysAtOnceThenOncePerDelayUntilStopped) {
  // clang-format off
  const struct { int stopOnMove; bool move; int second; bool stop; std::size_t plays; } cases[] = {
      {0, false, 0, false, 3},
      {0, false, 3, false, 6},  // a second alarm a second later: the plays add up
      {0, false, 0, true,  2},  // stopped after the second play
      {0, true,  0, false, 3},
      {1, true,  0, false, 1},
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

TEST_F(ShowMessageTest, LinesCarryTheTimeOrTheStopwatchResult) {
  os::fake::SetLocalTime({2026, 12, 6, 8, 30, 5, 0, 1});
  W().AddAlarmMessage("Tea is ready");
  W().AddStopwatchMessage(1.5f);
  W().AddStopwatchMessage(1.234f);
  EXPECT_EQ(W().M_Message.Lines(),
            (std::vector<std::string>{"[08:30:05] - Tea is ready", "Stopwatch, Time: 1.5 seconds.",
                                      "Stopwatch, Time: 1.23399996757507 seconds."}));
  EXPECT_FALSE(W().Visible()) << "adding a line does not show the window";
}

TEST_F(ShowMessageTest, ShowingPlacesTheWindowAsTheSettingsSay) {
  // clang-format off
  const struct { int position; std::optional<os::Size> screen; const char* place; } cases[] = {
      {0, os::Size{1024, 768}, "352,259"},  // centred
      {1, os::Size{1024, 768}, "32,32"},   {2, os::Size{1024, 768}, "672,32"},
      {3, os::Size{1024, 768}, "32,486"},  {4, os::Size{1024, 768}, "672,486"},
      {5, os::Size{1024, 768}, "352,259"}, {4, std::nullopt, "250,250"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().MessagePosition = c.position;
    os::fake::world().screen = c.screen;
    W().SetBounds(0, 0, 320, 250);
    W().Show();
    EXPECT_EQ(Place(), c.place) << c.position;
    EXPECT_EQ(W().Caption(), "Alarm - Velmarind - 06.12.2026");
    W().Hide();
  }
}

TEST_F(ShowMessageTest, AutoCloseCountsDownUntilTheMouseMovesAndLeavesTheTrayBlinking) {
  // clang-format off
  const struct { int count; bool move; int after; const char* caption; bool visible; } cases[] = {
      {2, false, 1000,  "Closing in 2", true}, {2, false, 2000, "Closing in 1", true},
      {2, false, 3000,  "&Close", false},
      {0, false, 5000,  "&Close", true},  // no auto-close
      {5, true,  12000, "&Close", true},  // the mouse moved: whatever the settings say
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().cursor = {0, 0};
    W().AutoCloseCount = c.count;
    Velmarind->SetTrayAnimation(true);
    W().Show();
    ui::headless::AdvanceTime(1000);
    if (c.move) os::fake::world().cursor = {3, 4};
    ui::headless::AdvanceTime(c.after - 1000);
    EXPECT_EQ(W().B_Ok.Caption(), c.caption) << c.count << " after " << c.after;
    EXPECT_EQ(W().Visible(), c.visible) << c.count << " after " << c.after;
    EXPECT_TRUE(Velmarind->TrayIcon.Animate()) << "not closed by the user: it goes on blinking";
    W().StopAutoclose();
    W().Hide();
  }
}

TEST_F(ShowMessageTest, TheUserStopsSoundAndBlinkingOnlyClearKeepsTheWindow) {
  // clang-format off
  const struct { const char* how; std::function<void()> act; bool kept; } cases[] = {
      {"Close",  [] { W().B_Ok.Click(); },    false},
      {"Escape", [] { W().NotifyCancel(); },  false},
      {"closed", [] { W().Close(); },         false},
      {"Clear",  [] { W().B_Clear.Click(); }, true},
  };
  // clang-format on
  for (const auto& c : cases) {
    os::fake::world().calls.clear();
    W().AddAlarmMessage("wake");
    W().Show();
    Velmarind->SetTrayAnimation(true);
    W().StartAlarmSound(5);
    c.act();
    ui::headless::AdvanceTime(20000);
    EXPECT_EQ(Plays(), 1u) << c.how;
    EXPECT_FALSE(Velmarind->TrayIcon.Animate()) << c.how;
    EXPECT_EQ(W().Visible(), c.kept) << c.how;
    EXPECT_EQ(W().M_Message.Text().empty(), c.kept) << c.how;
  }
}

TEST_F(ShowMessageTest, OnlyAHeldLeftButtonDragsTheWindow) {
  // clang-format off
  const struct { ui::TMouseButton button; const char* place; } cases[] = {
      {ui::TMouseButton::mbLeft, "105,207"}, {ui::TMouseButton::mbRight, "100,200"},
  };
  // clang-format on
  W().Show();
  for (const auto& c : cases) {
    W().SetBounds(100, 200, 320, 250);
    W().NotifyMouseMove(0, 50, 50);  // no button held
    W().NotifyMouseDown(c.button, 0, 10, 10);
    W().NotifyMouseMove(0, 15, 17);
    W().NotifyMouseUp(c.button, 0, 15, 17);
    W().NotifyMouseMove(0, 40, 40);  // released
    EXPECT_EQ(Place(), c.place);
  }
}

}  // namespace
