#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "ui/timer.h"
#include "ui_test_support.h"

namespace {

using ui_test::Pump;
using ui_test::PumpUntil;

TEST(UiTimer, FiresThroughTheMessageLoopUntilDisabled) {
  ui::TTimer timer(30, true);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++fired;
  };
  EXPECT_TRUE(PumpUntil([&] { return fired >= 3; }));
  timer.SetEnabled(false);
  const int firedWhenStopped = fired;
  Pump(200);
  EXPECT_EQ(fired, firedWhenStopped);
}

TEST(UiTimer, DisabledTimerNeverFires) {
  ui::TTimer timer(20, false);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) { ++fired; };
  Pump(200);
  EXPECT_EQ(fired, 0);
}

TEST(UiTimer, TimerStoppedOrDestroyedInItsOwnHandlerFiresNoMore) {
  const struct {
    const char* how;
    bool destroy;
  } cases[] = {{"stopped", false}, {"destroyed", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    auto timer = std::make_unique<ui::TTimer>(20, true);
    ui::TTimer witness(20, true);  // goes on firing: the loop is alive
    int fired = 0, witnessed = 0;
    timer->OnTimer = [&](ui::TObject*) {
      ++fired;
      if (c.destroy)
        timer.reset();
      else
        timer->SetEnabled(false);
    };
    witness.OnTimer = [&](ui::TObject*) { ++witnessed; };
    EXPECT_TRUE(PumpUntil([&] { return witnessed >= 10; }));
    EXPECT_EQ(fired, 1);
  }
}

TEST(UiTimer, TimersKeepTheirOwnIntervals) {
  ui::TTimer fast(25, true), slow(200, true);
  int fastFired = 0, slowFired = 0;
  fast.OnTimer = [&](ui::TObject*) { ++fastFired; };
  slow.OnTimer = [&](ui::TObject*) { ++slowFired; };
  EXPECT_TRUE(PumpUntil([&] { return slowFired >= 2; }));
  EXPECT_GE(fastFired, 2 * 4) << "the fast timer fires about eight times as often";
}

}  // namespace
