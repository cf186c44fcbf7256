#include <functional>

#include "common/date_time_text.h"
#include "support/headless_test.h"
#include "ui/timer.h"

namespace {

class FakeClockTest : public HeadlessTest {};

std::int64_t Ms(const os::DateTime& t) {
  return datetime::DaysFromCivil(datetime::DateOf(t)) * 86400000 + t.Hour * 3600000LL +
         t.Minute * 60000LL + t.Second * 1000LL + t.Millisecond;
}

constexpr std::int64_t kHour = 3600000;

TEST_F(FakeClockTest, EachKindOfClockChangeMovesItsOwnReadings) {
  struct Row {
    const char* what;
    std::function<void()> change;
    std::int64_t local, utc, monotonic;  // how far each reading moves
  };
  // clang-format off
  const Row rows[] = {
      {"advance",          [] { os::fake::AdvanceClock(5000); },           5000,      5000,      5000},
      {"jump ahead",       [] { os::fake::JumpWallClock(kHour); },         kHour,     kHour,     0},
      {"jump back a day",  [] { os::fake::JumpWallClock(-24 * kHour); },   -24 * kHour, -24 * kHour, 0},
      {"set back",         [] { os::fake::SetLocalTime({2026, 12, 6, 7, 0, 0, 0, 1}); }, -kHour, -kHour, 0},
      {"summer time",      [] { os::fake::SetUtcOffset(120); },            kHour,     0,         0},
      {"offset unchanged", [] { os::fake::SetUtcOffset(60); },             0,         0,         0},
      {"to UTC",           [] { os::fake::SetUtcOffset(0); },              -kHour,    0,         0},
  };
  // clang-format on
  for (const Row& r : rows) {
    os::fake::Reset();
    const os::ClockReading before = os::clock::Read();
    r.change();
    const os::ClockReading after = os::clock::Read();
    EXPECT_EQ(Ms(after.Local) - Ms(before.Local), r.local) << r.what;
    EXPECT_EQ(Ms(after.Utc) - Ms(before.Utc), r.utc) << r.what;
    EXPECT_EQ(after.MonotonicMs - before.MonotonicMs, r.monotonic) << r.what;
    EXPECT_EQ(after.Local.DayOfWeek, datetime::DayOfWeek(datetime::DateOf(after.Local))) << r.what;
  }
}

TEST_F(FakeClockTest, HeldLoopFiresEachDueTimerOnceAfterwards) {
  struct Row {
    int interval;
    std::int64_t hold;
    int firedAfterHold;
    int untilNext;  // ms from the end of the hold to the next firing
  };
  // clang-format off
  const Row rows[] = {
      {1000, 999,   0, 1},
      {1000, 1000,  1, 1000},
      {1000, 5500,  1, 1000},
      {60000, 3 * kHour, 1, 60000},
  };
  // clang-format on
  for (const Row& r : rows) {
    ui::TTimer timer(r.interval, true);
    std::vector<std::int64_t> firedAt;
    timer.OnTimer = [&](ui::TObject*) { firedAt.push_back(os::clock::Read().MonotonicMs); };
    const std::int64_t end = os::clock::Read().MonotonicMs + r.hold;
    ui::headless::HoldLoop(r.hold);
    EXPECT_EQ(firedAt.size(), static_cast<std::size_t>(r.firedAfterHold)) << r.hold;
    for (const std::int64_t at : firedAt) EXPECT_EQ(at, end) << "fired on the way " << r.hold;
    ui::headless::AdvanceTime(r.untilNext - 1);
    EXPECT_EQ(firedAt.size(), static_cast<std::size_t>(r.firedAfterHold)) << r.hold;
    ui::headless::AdvanceTime(1);
    EXPECT_EQ(firedAt.size(), static_cast<std::size_t>(r.firedAfterHold + 1)) << r.hold;
  }
}

TEST_F(FakeClockTest, HeldLoopFiresInDeadlineOrderAndSkipsTimersChangedOnTheWay) {
  ui::TTimer late(3000, true), early(1000, true), idle(10000, true);
  std::vector<std::string> order;
  late.OnTimer = [&](ui::TObject*) { order.push_back("late"); };
  early.OnTimer = [&](ui::TObject*) {
    order.push_back("early");
    if (order.size() == 1) return;
    late.SetInterval(4000);  // restarted: due again only later
    idle.SetEnabled(false);
  };
  idle.OnTimer = [&](ui::TObject*) { order.push_back("idle"); };
  ui::headless::HoldLoop(5000);
  EXPECT_EQ(order, (std::vector<std::string>{"early", "late"}));
  ui::headless::HoldLoop(5000);
  EXPECT_EQ(order, (std::vector<std::string>{"early", "late", "early"}));
}

TEST_F(FakeClockTest, ScreenSaverQueryIsRecorded) {
  for (const bool running : {false, true}) {
    os::fake::world().screenSaverRunning = running;
    EXPECT_EQ(os::display::ScreenSaverRunning(), running);
  }
  EXPECT_EQ(os::fake::CallsStartingWith("display::ScreenSaverRunning()").size(), 2u);
}

TEST_F(FakeClockTest, LocaleTextsFollowTheWorldsFormats) {
  struct Row {
    const char* locale;
    const char* date;
    const char* time;
  };
  // clang-format off
  const Row rows[] = {
      {"de-DE", "06.12.2026", "08:00:00"},
      {"en-US", "12/6/2026",  "8:00:00 AM"},
      {"nowhere", "",         ""},
  };
  // clang-format on
  EXPECT_EQ(os::locale::UserFormats().ShortDate, "dd.MM.yyyy");
  for (const Row& r : rows) {
    os::fake::world().locale = os::fake::LocaleFormats(r.locale);
    const os::DateTime now = os::clock::Read().Local;
    EXPECT_EQ(os::locale::DateText(now), r.date) << r.locale;
    EXPECT_EQ(os::locale::TimeText(now), r.time) << r.locale;
    EXPECT_EQ(os::locale::UserFormats().LongTime, os::fake::LocaleFormats(r.locale).LongTime);
  }
}

}  // namespace
