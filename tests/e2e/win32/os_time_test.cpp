#include <gtest/gtest.h>
#include <windows.h>

#include "common/date_time_text.h"
#include "os/os.h"

namespace {

// What Windows writes for a moment with a date or a time picture.
std::string WindowsText(const char* picture, const os::DateTime& t, bool date = true) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.Year);
  st.wMonth = static_cast<WORD>(t.Month);
  st.wDay = static_cast<WORD>(t.Day);
  st.wHour = static_cast<WORD>(t.Hour);
  st.wMinute = static_cast<WORD>(t.Minute);
  st.wSecond = static_cast<WORD>(t.Second);
  char text[128] = "";
  if (date) GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, picture, text, sizeof text);
  if (!date) GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, picture, text, sizeof text);
  return text;
}

// clang-format off
const os::DateTime kMoments[] = {
    {2026, 12, 6, 15, 4, 5, 0, 1},
    {2000, 2, 29, 0, 0, 0, 0, 3},
    {1999, 1, 9, 12, 30, 9, 0, 7},
    {2005, 1, 9, 12, 30, 9, 0, 1},
    {2075, 7, 31, 23, 59, 59, 0, 4},
};
// clang-format on

// Our texts are the ones Windows writes with the user's formats, names included (the moments
// fall on five different weekdays and four months).
TEST(OsTime, UserFormatsWriteWhatWindowsWrites) {
  const os::locale::Formats f = os::locale::UserFormats();
  for (const os::DateTime& t : kMoments) {
    EXPECT_EQ(datetime::FormatDate(datetime::DateOf(t), f), os::locale::DateText(t)) << t.Year;
    EXPECT_EQ(datetime::FormatTime(datetime::TimeOf(t), f), os::locale::TimeText(t)) << t.Year;
    const char* date = "dddd ddd d dd M MM MMM MMMM y yy yyyy";
    const char* time = "h hh H HH m mm s ss t tt";
    EXPECT_EQ(datetime::Format(date, t, f), WindowsText(date, t));
    EXPECT_EQ(datetime::Format(time, t, f), WindowsText(time, t, false));
  }
}

TEST(OsTime, UserFormatsAreFilled) {
  const os::locale::Formats f = os::locale::UserFormats();
  EXPECT_NE(f.ShortDate.find('y'), std::string::npos) << f.ShortDate;
  EXPECT_NE(f.LongTime.find('m'), std::string::npos) << f.LongTime;
  EXPECT_NE(f.DecimalSeparator, 0);
  for (int i = 0; i < 12; ++i) EXPECT_FALSE(f.MonthNames[i].empty()) << i;
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(f.DayAbbreviations[i].empty()) << i;
}

TEST(OsTime, ScreenSaverQueryAnswers) {
  BOOL running = TRUE;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0));
  EXPECT_EQ(os::display::ScreenSaverRunning(), running != FALSE);
}

}  // namespace
