// PROVISIONAL stand-in until the date-time module lands.
#include "common/date_time_text.h"
#include <cstdio>
namespace datetime {
std::int64_t DaysFromCivil(const Date& d) {
  int y = d.Year - (d.Month <= 2);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (d.Month + (d.Month > 2 ? -3 : 9)) + 2) / 5 + d.Day - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}
Date CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  Date d;
  d.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  d.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  d.Year = static_cast<int>(yoe + era * 400 + (d.Month <= 2));
  return d;
}
int DayOfWeek(const Date& d) { return static_cast<int>(((DaysFromCivil(d) % 7) + 7 + 4) % 7) + 1; }
Date DateOf(const os::DateTime& t) { return {t.Year, t.Month, t.Day}; }
TimeOfDay TimeOf(const os::DateTime& t) { return {t.Hour, t.Minute, t.Second}; }
std::string FormatDate(const Date& d, const os::locale::Formats&) {
  char s[32]; std::snprintf(s, sizeof s, "%02d.%02d.%04d", d.Day, d.Month, d.Year); return s;
}
std::string FormatTime(const TimeOfDay& t, const os::locale::Formats&) {
  char s[32]; std::snprintf(s, sizeof s, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second); return s;
}
std::optional<Date> ParseStoredDate(const std::string& text, const os::locale::Formats&, int) {
  Date d; char c;
  if (std::sscanf(text.c_str(), "%d.%d.%d%c", &d.Day, &d.Month, &d.Year, &c) != 3) return std::nullopt;
  if (d.Month < 1 || d.Month > 12 || d.Day < 1 || d.Day > 31) return std::nullopt;
  return d;
}
std::optional<TimeOfDay> ParseStoredTime(const std::string& text, const os::locale::Formats&) {
  TimeOfDay t; char c;
  const int n = std::sscanf(text.c_str(), "%d:%d:%d%c", &t.Hour, &t.Minute, &t.Second, &c);
  if (n != 2 && n != 3) return std::nullopt;
  if (t.Hour < 0 || t.Hour > 23 || t.Minute < 0 || t.Minute > 59 || t.Second < 0 || t.Second > 59) return std::nullopt;
  return t;
}
std::optional<TimeOfDay> ParseInputTime(const std::string& text, const os::locale::Formats& f) { return ParseStoredTime(text, f); }
}
