#include "common/data_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

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

TEST(DataFileTest, LinesAreWrittenCleanAndReadBackWhole) {
  std::string file;
  // Each line in exactly the room it is said to need at most.
  const auto write = [&file](auto value) {
    const std::size_t start = file.size(), most = common::MostLineBytes(value);
    file.resize(start + most);
    const char* end = common::WriteLine(file.data() + start, value);
    EXPECT_LE(end, file.data() + start + most);
    file.resize(static_cast<std::size_t>(end - file.data()));
  };
  for (const char* text : {"plain", "", "two\r\nlines", "lone\rcr", "end\n"}) write(text);
  for (const int number : {0, -7, 65535, INT_MAX, INT_MIN}) write(number);
  EXPECT_EQ(file,
            "plain\r\n\r\ntwo  lines\r\nlone cr\r\nend \r\n"
            "0\r\n-7\r\n65535\r\n2147483647\r\n-2147483648\r\n");
  // clang-format off
  const struct { std::string text; std::vector<std::string> lines; } cases[] = {
      {file, {"plain", "", "two  lines", "lone cr", "end ", "0", "-7", "65535", "2147483647", "-2147483648"}},
      {"a\nb\r\n\nc", {"a", "b", "", "c"}},  // LF, CR LF, an empty line, no last line end
      {"a\rb\r\r", {"a", "b", ""}},          // CRs only: an old Mac editor's file
      {"a\r\nb\rc\n", {"a", "b\rc"}},        // with LFs a lone CR is text
      {"", {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    common::LineReader reader(c.text);
    EXPECT_EQ(reader.LinesLeft(), c.lines.size()) << c.text;
    std::vector<std::string> lines;
    while (!reader.AtEnd()) lines.emplace_back(reader.Next());
    EXPECT_EQ(lines, c.lines) << c.text;
    EXPECT_EQ(reader.Next(), "") << "past the end";
  }
}

}  // namespace
