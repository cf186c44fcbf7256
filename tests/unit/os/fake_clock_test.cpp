#include "common/date_time_text.h"
#include "support/headless_test.h"

static std::int64_t Ms(const os::DateTime& t) {
  return datetime::DaysFromCivil(datetime::DateOf(t)) * 86400000 +
         ((t.Hour * 60 + t.Minute) * 60 + t.Second) * 1000LL + t.Millisecond;
}

using FakeClockTest = HeadlessTest;

// How far local time, UTC and the monotonic count move with each kind of change.
TEST_F(FakeClockTest, EachKindOfChangeMovesItsOwnReadings) {
  constexpr std::int64_t h = 3600000;
  // clang-format off
  const struct { void (*change)(); std::vector<std::int64_t> moved; } rows[] = {
      {[] { os::fake::SetLocalTime({2026, 12, 6, 7, 0, 0, 0, 1}); }, {-h, -h, 0}},  // never back
      {[] { os::fake::SetUtcOffset(120); },                           {h, 0, 0}},
      {[] { os::fake::AdvanceClock(5000); },                          {5000, 5000, 5000}},
      {[] { os::fake::JumpWallClock(-24 * h); },                      {-24 * h, -24 * h, 0}},
  };
  // clang-format on
  for (const auto& r : rows) {
    const os::ClockReading a = os::clock::Read();
    r.change();
    const os::ClockReading b = os::clock::Read();
    EXPECT_EQ((std::vector{Ms(b.Local) - Ms(a.Local), Ms(b.Utc) - Ms(a.Utc),
                           b.MonotonicMs - a.MonotonicMs}),
              r.moved);
  }
}
