#include <gtest/gtest.h>
#include <windows.h>

#include "common/date_time_text.h"
#include "os/os.h"

namespace {

// What Windows writes for a moment with a date or a time picture in the user's locale.
std::string WindowsText(bool date, const char* picture, const os::DateTime& t) {
  auto w = [](int value) { return static_cast<WORD>(value); };
  const SYSTEMTIME st{w(t.Year), w(t.Month), 0, w(t.Day), w(t.Hour), w(t.Minute), w(t.Second), 0};
  char text[128] = "";
  (date ? GetDateFormatA : GetTimeFormatA)(LOCALE_USER_DEFAULT, 0, &st, picture, text, sizeof text);
  return text;
}

// Our texts are the ones Windows writes with the user's formats, names included: the moments
// fall on five different weekdays and in four months, at midnight, noon and both halves of the day.
TEST(OsTime, UserFormatsWriteWhatWindowsWrites) {
  const os::locale::Formats f = os::locale::UserFormats();
  for (int i = 0; i < 12; ++i)
    EXPECT_FALSE(f.MonthNames[i].empty() || f.MonthAbbreviations[i].empty() ||
                 f.DayNames[i % 7].empty() || f.DayAbbreviations[i % 7].empty());
  const char* date = "dddd ddd d dd M MM MMM MMMM y yy yyyy";
  const char* time = "h hh H HH m mm s ss t tt";
  // clang-format off
  const os::DateTime moments[] = {{2026, 12, 6, 15, 4, 5, 0, 1}, {2000, 2, 29, 0, 0, 0, 0, 3},
      {2005, 1, 10, 12, 30, 9, 0, 2}, {2075, 7, 31, 23, 59, 59, 0, 4}, {1999, 1, 8, 9, 1, 0, 0, 6}};
  // clang-format on
  for (const os::DateTime& t : moments) {
    EXPECT_EQ(datetime::FormatDate(datetime::DateOf(t), f), os::locale::DateText(t)) << t.Year;
    EXPECT_EQ(datetime::FormatTime(datetime::TimeOf(t), f), os::locale::TimeText(t)) << t.Year;
    EXPECT_EQ(datetime::Format(date, t, f), WindowsText(true, date, t));
    EXPECT_EQ(datetime::Format(time, t, f), WindowsText(false, time, t));
  }
}

}  // namespace
