#include "memo/ansi_case.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiCaseTest, LettersOfCodePage1252ChangeCaseAndOtherBytesStay) {
  const struct {
    unsigned char upper, lower;
  } pairs[] = {
      {'A', 'a'},   {'Z', 'z'},   {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF},
      {0xC0, 0xE0}, {0xC4, 0xE4}, {0xD6, 0xF6}, {0xD8, 0xF8}, {0xDE, 0xFE},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(memo::AnsiUpperChar(p.lower), p.upper) << int(p.lower);
    EXPECT_EQ(memo::AnsiLowerChar(p.upper), p.lower) << int(p.upper);
    EXPECT_EQ(memo::AnsiUpperChar(p.upper), p.upper) << int(p.upper);
    EXPECT_EQ(memo::AnsiLowerChar(p.lower), p.lower) << int(p.lower);
  }
  // Sharp s, micro sign, florin, the ordinal indicators, times and divided-by
  // signs, brackets and digits have no other case here.
  const unsigned char caseless[] = {0xDF, 0xB5, 0x83, 0xAA, 0xBA, 0xD7, 0xF7,
                                    '@',  '[',  '`',  '{',  '0',  0x00};
  for (unsigned char c : caseless) {
    EXPECT_EQ(memo::AnsiUpperChar(c), c) << int(c);
    EXPECT_EQ(memo::AnsiLowerChar(c), c) << int(c);
  }
}

TEST(AnsiCaseTest, WholeTextsMapEveryByte) {
  EXPECT_EQ(memo::AnsiUpperCase("gr\xFC\xDF"
                                "e \xE9t\xE9 1\xFF"),
            "GR\xDC\xDF"
            "E \xC9T\xC9 1\x9F");
  EXPECT_EQ(memo::AnsiLowerCase("GR\xDC\xDF"
                                "E \xC9T\xC9 1\x9F"),
            "gr\xFC\xDF"
            "e \xE9t\xE9 1\xFF");
  EXPECT_EQ(memo::AnsiUpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
