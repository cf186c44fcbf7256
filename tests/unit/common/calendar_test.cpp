#include "os/calendar.h"

#include <gtest/gtest.h>

namespace {

TEST(Calendar, MsFromCivilCountsEveryFieldFromTheEpoch) {
  // clang-format off
  const struct { os::DateTime t; std::int64_t ms; } rows[] = {
      {{1970, 1, 1, 0, 0, 0, 0},       0},
      {{1969, 12, 31, 23, 59, 59, 999}, -1},
      {{1970, 1, 2, 0, 0, 0, 1},       86400001},
      {{2026, 12, 6, 8, 59, 59, 5},    1796547599005},
  };
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(os::calendar::MsFromCivil(r.t), r.ms) << r.ms;
}

}  // namespace
