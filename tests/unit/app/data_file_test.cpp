#include "common/data_file.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DataFileTest, LinesEndAtCrLfOrLfAndReadingPastTheEndGivesEmptyText) {
  const std::string longLine(300, 'x');
  // clang-format off
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}}, {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}}, {"\r\n\r\nc\r\n", {"", "", "c"}},
      {longLine + "\r\nafter", {longLine, "after"}}, {"cr\rinside\r\n", {"cr\rinside"}},
  };
  // clang-format on
  for (const auto& [text, lines] : cases) {
    common::LineReader reader(text);
    for (const std::string& expected : lines) EXPECT_EQ(reader.Next(), expected) << text;
    EXPECT_TRUE(reader.AtEnd()) << text;
    EXPECT_EQ(reader.Next(), "") << "past the end of " << text;
  }
}

TEST(DataFileTest, ReadIntTakesALeadingIntegerAndParseIntOnlyAWholeOne) {
  const std::optional<int> none;
  // clang-format off
  const struct { std::string text; int read; std::optional<int> parsed; } cases[] = {
      {"12", 12, 12}, {"+5", 5, 5}, {"-7", -7, -7}, {"  42", 42, none}, {"\t7", 7, none},
      {"-7x", -7, none}, {"1 2", 1, none}, {"abc", 0, none}, {"", 0, none}, {"-", 0, none},
      {"2147483647", INT_MAX, INT_MAX}, {"-2147483648", INT_MIN, INT_MIN},
      {"2147483648", INT_MAX, none}, {"99999999999", INT_MAX, none}, {"-99999999999", INT_MIN, none},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(common::ReadInt(c.text), c.read) << c.text;
    EXPECT_EQ(common::ParseInt(c.text), c.parsed) << c.text;
  }
}

TEST(DataFileTest, AppendLineEndsWithCrLfAndBlanksLineBreaksInside) {
  std::string file;
  common::AppendLine(file, "one\r\ntwo\nthree\r");
  common::AppendLine(file, -12);
  common::AppendLine(file, "");
  EXPECT_EQ(file, "one  two three \r\n-12\r\n\r\n");
}

}  // namespace
