#include "memo/ansi_case.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiCaseTest, LettersOfCodePage1252ChangeCaseAndOtherBytesStay) {
  // {upper, lower}; a byte without another case (sharp s, times, divided-by) pairs with itself.
  // clang-format off
  const unsigned char pairs[][2] = {
      {'A', 'a'}, {'Z', 'z'}, {0x8A, 0x9A}, {0x8E, 0x9E}, {0x9F, 0xFF}, {0xC0, 0xE0}, {0xD6, 0xF6},
      {0xD8, 0xF8}, {0xDE, 0xFE}, {0xDF, 0xDF}, {0xD7, 0xD7}, {0xF7, 0xF7}, {0xBF, 0xBF},
      {'@', '@'}, {'[', '['}, {'`', '`'}, {'{', '{'},
  };
  // clang-format on
  for (const auto& [upper, lower] : pairs) {
    EXPECT_EQ(memo::AnsiUpperChar(lower), upper) << int(lower);
    EXPECT_EQ(memo::AnsiLowerChar(upper), lower) << int(upper);
    EXPECT_EQ(memo::AnsiUpperChar(upper), upper) << int(upper);
    EXPECT_EQ(memo::AnsiLowerChar(lower), lower) << int(lower);
  }
}

}  // namespace
