#include "common/data_file.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DataFileTest, LineReaderTakesWholeLinesEndedByCrLfOrLf) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;  // read one more than there are: it must be ""
  };
  const std::string longLine(300, 'x');
  const Case cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"\r\n\r\nc\r\n", {"", "", "c"}},
      {longLine + "\r\nafter\r\n", {longLine, "after"}},
      {"cr\rinside\r\n", {"cr\rinside"}},
  };
  for (const Case& c : cases) {
    common::LineReader reader(c.text);
    for (const std::string& expected : c.lines) EXPECT_EQ(reader.Next(), expected) << c.text;
    EXPECT_TRUE(reader.AtEnd()) << c.text;
    EXPECT_EQ(reader.Next(), "") << "past the end of " << c.text;
  }
}

TEST(DataFileTest, ReadIntTakesTheLeadingDecimalIntegerAndNeverThrows) {
  const std::pair<std::string, int> cases[] = {
      {"12", 12},
      {"  42", 42},
      {"\t7", 7},
      {"+5", 5},
      {"-7x", -7},
      {"3.9", 3},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"1 2", 1},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"007", 7},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(common::ReadInt(line), expected) << line;
}

TEST(DataFileTest, ParseIntAcceptsOnlyAWholeDecimalNumber) {
  const std::pair<std::string, std::optional<int>> cases[] = {
      {"1280", 1280},
      {"-3", -3},
      {"+4", 4},
      {"", std::nullopt},
      {"12a", std::nullopt},
      {" 12", std::nullopt},
      {"1e3", std::nullopt},
      {"99999999999", std::nullopt},
      {"-", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(common::ParseInt(text), expected) << text;
}

TEST(DataFileTest, AppendLineEndsWithCrLfAndBlanksLineBreaksInside) {
  std::string file;
  common::AppendLine(file, "one\r\ntwo\nthree\r");
  common::AppendLine(file, -12);
  common::AppendLine(file, "");
  EXPECT_EQ(file, "one  two three \r\n-12\r\n\r\n");
}

}  // namespace
