#include "memo/filter_programs.h"

#include "settings/settings_record.h"
#include "support/headless_test.h"

namespace {

class FilterProgramsTest : public HeadlessTest {};

TEST_F(FilterProgramsTest, FunctionKeysPickTheirProgramAndEveryOtherNumberTheFourth) {
  CSettings settings;
  settings.Filter1 = "one";
  settings.Filter2 = "two";
  settings.Filter3 = "three";
  settings.Filter4 = "four";
  const std::pair<int, std::string> cases[] = {{1, "one"},  {2, "two"},  {3, "three"}, {4, "four"},
                                               {0, "four"}, {5, "four"}, {-1, "four"}};
  for (const auto& [n, program] : cases) EXPECT_EQ(memo::FilterProgram(settings, n), program) << n;
}

TEST_F(FilterProgramsTest, AddToMemoRunsTheEnabledOnAddProgramsInOrderEachFromSkipStateZero) {
  const struct {
    std::string program1, program2, program3;
    int on1, on2, on3;
    std::string text, expected;
  } cases[] = {
      {"append(1)", "append(2)", "append(3)", 1, 1, 1, "t", "t123"},
      {"append(1)", "append(2)", "append(3)", 0, 1, 0, "t", "t2"},
      {"append(1)", "append(2)", "append(3)", 2, -1, 1, "t", "t3"},
      {"replace(t,x)", "append(-)", "delete(x)", 1, 1, 1, "t", "-"},
      // A skip state left by one program does not reach the next.
      {"if_find_skip_all(t)", "append(2)", "if_find(t)", 1, 1, 1, "t", "t2"},
      {"if_find(t)", "append(2)", "append(3)", 1, 1, 1, "t", "t23"},
      // Unknown names change nothing and show nothing.
      {"bogus(),append(!)", "", "", 1, 0, 0, "t", "t!"},
      {"strip( ),strip_end( ),find(http://),append_first(http://)", "", "", 1, 0, 0, "  http://x  ",
       "http://x"},
      // Several lines are one text: only its very start and end are stripped.
      {"strip( ),strip_end( )", "", "", 1, 0, 0, "  a  \r\n  b  ", "a  \r\n  b"},
  };
  for (const auto& c : cases) {
    CSettings settings;
    settings.Filter1 = c.program1;
    settings.Filter2 = c.program2;
    settings.Filter3 = c.program3;
    settings.FilterOnAdd1 = c.on1;
    settings.FilterOnAdd2 = c.on2;
    settings.FilterOnAdd3 = c.on3;
    EXPECT_EQ(memo::FilterTextOnAdd(settings, c.text), c.expected)
        << c.program1 << " | " << c.program2 << " | " << c.program3;
  }
  EXPECT_TRUE(ui::headless::ShownDialogs().empty());
}

}  // namespace
