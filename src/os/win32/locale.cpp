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

std::string Info(LCTYPE type) {
  char text[128] = "";
  GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text);
  return text;
}

}  // namespace

Formats UserFormats() {
  Formats f;
  f.ShortDate = Info(LOCALE_SSHORTDATE);
  f.LongTime = Info(LOCALE_STIMEFORMAT);
  f.Am = Info(LOCALE_S1159);
  f.Pm = Info(LOCALE_S2359);
  for (int i = 0; i < 12; ++i) {
    f.MonthNames[i] = Info(LOCALE_SMONTHNAME1 + i);
    f.MonthAbbreviations[i] = Info(LOCALE_SABBREVMONTHNAME1 + i);
  }
  // Windows counts the days from Monday.
  for (int i = 0; i < 7; ++i) {
    f.DayNames[i] = Info(LOCALE_SDAYNAME1 + (i + 6) % 7);
    f.DayAbbreviations[i] = Info(LOCALE_SABBREVDAYNAME1 + (i + 6) % 7);
  }
  const std::string decimal = Info(LOCALE_SDECIMAL);
  if (!decimal.empty()) f.DecimalSeparator = decimal[0];
  return f;
}

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

std::string UpperCase(std::string text) {
  CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string LowerCase(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace os::locale
