#include <windows.h>

#include "os/os.h"

namespace os::locale {
namespace {

SYSTEMTIME ToSystemTime(const DateTime& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.Year);
  st.wMonth = static_cast<WORD>(t.Month);
  st.wDay = static_cast<WORD>(t.Day);
  st.wDayOfWeek = static_cast<WORD>(t.DayOfWeek > 0 ? t.DayOfWeek - 1 : 0);
  st.wHour = static_cast<WORD>(t.Hour);
  st.wMinute = static_cast<WORD>(t.Minute);
  st.wSecond = static_cast<WORD>(t.Second);
  st.wMilliseconds = static_cast<WORD>(t.Millisecond);
  return st;
}

}  // namespace

std::string TimeText(const DateTime& time) {
  const SYSTEMTIME st = ToSystemTime(time);
  char text[128] = "";
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text);
  return text;
}

std::string DateText(const DateTime& date) {
  const SYSTEMTIME st = ToSystemTime(date);
  char text[128] = "";
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text);
  return text;
}

}  // namespace os::locale
