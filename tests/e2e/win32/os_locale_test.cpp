#include <gtest/gtest.h>
#include <windows.h>

#include "os/os.h"

namespace {

// The texts follow the user's locale; whatever it is, they must be the ones
// Windows itself writes for the same moment.
TEST(OsLocale, TimeAndDateTextsAreTheUsersFormats) {
  const os::DateTime moment{2026, 12, 6, 9, 5, 7, 0, 1};
  SYSTEMTIME st{};
  st.wYear = 2026;
  st.wMonth = 12;
  st.wDay = 6;
  st.wDayOfWeek = 0;
  st.wHour = 9;
  st.wMinute = 5;
  st.wSecond = 7;
  char time[64] = "", date[64] = "";
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time);
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
  EXPECT_EQ(os::locale::TimeText(moment), time);
  EXPECT_EQ(os::locale::DateText(moment), date);
  EXPECT_NE(os::locale::TimeText(moment).find("05"), std::string::npos);
  EXPECT_NE(os::locale::DateText(moment).find("2026"), std::string::npos);
}

}  // namespace
