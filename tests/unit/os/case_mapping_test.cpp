#include <gtest/gtest.h>

#include "os/os.h"

namespace {

// The fake maps case as a Windows with the ANSI code page 1252 does.
TEST(CaseMappingTest, LettersOfCodePage1252ChangeCaseAndOtherBytesStay) {
  // {upper, lower}; a byte without another case (sharp s, times, divided-by) pairs with itself.
  // clang-format off
  const unsigned char pairs[][2] = {
      {'A', 'a'}, {'Z', 'z'}, {0x8A, 0x9A}, {0x8E, 0x9E}, {0x9F, 0xFF}, {0xC0, 0xE0}, {0xD6, 0xF6},
      {0xD8, 0xF8}, {0xDE, 0xFE}, {0xDF, 0xDF}, {0xD7, 0xD7}, {0xF7, 0xF7}, {0xBF, 0xBF},
      {'@', '@'}, {'[', '['}, {'`', '`'}, {'{', '{'}, {0, 0},
  };
  // clang-format on
  for (const auto& [upper, lower] : pairs) {
    const std::string u(1, static_cast<char>(upper)), l(1, static_cast<char>(lower));
    EXPECT_EQ(os::locale::UpperCase(l), u) << int(lower);
    EXPECT_EQ(os::locale::LowerCase(u), l) << int(upper);
    EXPECT_EQ(os::locale::UpperCase(u), u) << int(upper);
    EXPECT_EQ(os::locale::LowerCase(l), l) << int(lower);
  }
  EXPECT_EQ(os::locale::UpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
