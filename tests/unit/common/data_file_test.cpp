#include "common/data_file.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DataFileTest, ReadIntTakesALeadingIntegerAndParseIntOnlyAWholeOne) {
  const std::optional<int> none;
  // clang-format off
  const struct { std::string text; int read; std::optional<int> parsed; } cases[] = {
      {"+5", 5, 5}, {"-7", -7, -7}, {"  42", 42, none}, {"-7x", -7, none}, {"1 2", 1, none}, {"", 0, none}, {"-", 0, none},
      {"2147483647", INT_MAX, INT_MAX}, {"-2147483648", INT_MIN, INT_MIN},
      {"2147483648", INT_MAX, none}, {"99999999999", INT_MAX, none}, {"-99999999999", INT_MIN, none},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(common::ReadInt(c.text), c.read) << c.text;
    EXPECT_EQ(common::ParseInt(c.text), c.parsed) << c.text;
  }
}

}  // namespace
