#include "ui/timer.h"

#include "support/headless_test.h"
#include "ui/trayicon.h"

namespace {

class TimerTest : public HeadlessTest {};

TEST_F(TimerTest, FiresOncePerIntervalOnTheVirtualClock) {
  struct Case {
    int interval;
    int advance;
    int expectedFires;
  };
  for (const Case c : {Case{1000, 999, 0}, Case{1000, 1000, 1}, Case{1000, 3500, 3},
                       Case{500, 2000, 4}, Case{60000, 59999, 0}}) {
    ui::TTimer timer(c.interval, true);
    int fired = 0;
    timer.OnTimer = [&](ui::TObject*) { ++fired; };
    ui::headless::AdvanceTime(c.advance);
    EXPECT_EQ(fired, c.expectedFires) << c.interval << " ms after " << c.advance;
  }
}

TEST_F(TimerTest, DisabledTimerNeverFiresAndEnablingRestartsTheInterval) {
  ui::TTimer timer(1000, false);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) { ++fired; };
  ui::headless::AdvanceTime(5000);
  EXPECT_EQ(fired, 0);
  timer.SetEnabled(true);
  ui::headless::AdvanceTime(999);
  EXPECT_EQ(fired, 0);
  ui::headless::AdvanceTime(1);
  EXPECT_EQ(fired, 1);
  timer.SetEnabled(false);
  ui::headless::AdvanceTime(5000);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(ui::headless::RunningTimers(), 0);
}

TEST_F(TimerTest, TimerStoppedByItsOwnHandlerFiresNoMore) {
  ui::TTimer timer(100, true);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) {
    if (++fired == 2) timer.SetEnabled(false);
  };
  ui::headless::AdvanceTime(1000);
  EXPECT_EQ(fired, 2);
}

TEST_F(TimerTest, NewIntervalCountsFromNow) {
  ui::TTimer timer(1000, true);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) { ++fired; };
  ui::headless::AdvanceTime(900);
  timer.SetInterval(300);
  ui::headless::AdvanceTime(299);
  EXPECT_EQ(fired, 0);
  ui::headless::AdvanceTime(1);
  EXPECT_EQ(fired, 1);
}

TEST_F(TimerTest, SameIntervalKeepsTheRunningCountdown) {
  ui::TTimer timer(1000, true);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) { ++fired; };
  ui::headless::AdvanceTime(900);
  timer.SetInterval(1000);
  ui::headless::AdvanceTime(100);
  EXPECT_EQ(fired, 1);
}

TEST_F(TimerTest, TrayAnimationAlternatesIconsAndStopsOnIconZero) {
  ui::TImageList icons(16, 16);
  icons.Add({16, 16, std::vector<std::uint32_t>(256)});
  icons.Add({16, 16, std::vector<std::uint32_t>(256)});
  ui::TTrayIcon tray(icons, "hint", 500);
  tray.SetAnimate(true);
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    ui::headless::AdvanceTime(500);
    seen.push_back(tray.IconIndex());
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 0}));
  ui::headless::AdvanceTime(500);
  tray.SetAnimate(false);
  EXPECT_EQ(tray.IconIndex(), 0);
  ui::headless::AdvanceTime(2000);
  EXPECT_EQ(tray.IconIndex(), 0);
}

}  // namespace
