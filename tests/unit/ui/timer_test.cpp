#include "ui/timer.h"

#include "support/headless_test.h"
#include "ui/trayicon.h"

namespace {

using TimerTest = HeadlessTest;

TEST_F(TimerTest, FiresOncePerIntervalCountedFromTheLastChangeUntilItIsStopped) {
  ui::TTimer timer(1000, false);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) {
    if (++fired == 4) timer.SetEnabled(false);  // stopped by its own handler
  };
  // clang-format off
  const struct { std::function<void()> act; int advance, fired; } steps[] = {
      {[] {}, 5000, 0},  // made disabled
      {[&] { timer.SetEnabled(true); }, 999, 0},  {[] {}, 1, 1},  {[] {}, 2500, 3},
      {[&] { timer.SetInterval(0); }, 5000, 3},   // no interval: never
      {[&] { timer.SetInterval(300); }, 299, 3},  {[] {}, 1, 4},  {[] {}, 5000, 4},
  };
  // clang-format on
  for (const auto& s : steps) {
    s.act();
    ui::headless::AdvanceTime(s.advance);
    EXPECT_EQ(fired, s.fired);
  }
  EXPECT_EQ(ui::headless::RunningTimers(), 0);
}

TEST_F(TimerTest, TrayAnimationAlternatesIconsAndStopsOnIconZero) {
  ui::TImageList icons(16, 16);
  for (int i = 0; i < 2; ++i) icons.Add({16, 16, std::vector<std::uint32_t>(256)});
  ui::TTrayIcon tray(icons, "hint", 500);
  tray.SetAnimate(true);
  std::vector<int> seen;
  for (int i = 0; i < 7; ++i) {
    if (i == 5) tray.SetAnimate(false);  // stopped while icon 1 shows
    seen.push_back(tray.IconIndex());
    ui::headless::AdvanceTime(i < 5 ? 500 : 2000);
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 0, 1, 0, 0, 0}));
}

}  // namespace
