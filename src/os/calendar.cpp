#include "os/calendar.h"

#include <algorithm>
#include <string_view>

namespace os::calendar {

const char* const kEnglishMonths[12] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
const char* const kEnglishMonthAbbreviations[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kEnglishDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
const char* const kEnglishDayAbbreviations[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

namespace {

bool IsFormatLetter(char c) {
  return c != 0 && std::string_view("dMyghHmst").find(c) != std::string_view::npos;
}

std::string Number(int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  return digits;
}

// A name from the locale's list, or the English one when the locale has none.
std::string Name(const std::string* names, const char* const* english, int index) {
  return names[index].empty() ? english[index] : names[index];
}

const std::string& Designator(int hour, const locale::Formats& f) {
  return hour < 12 ? f.Am : f.Pm;
}

}  // namespace

std::int64_t DaysFromCivil(const Date& d) {
  const int y = d.Year - (d.Month <= 2);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy =
      static_cast<unsigned>((153 * (d.Month + (d.Month > 2 ? -3 : 9)) + 2) / 5 + d.Day - 1);
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

Date CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return Date{static_cast<int>(yoe + era * 400 + (month <= 2)), month, day};
}

int DayOfWeek(const Date& d) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>((DaysFromCivil(d) % 7 + 11) % 7) + 1;
}

Date DateOf(const DateTime& t) {
  return Date{t.Year, t.Month, t.Day};
}

TimeOfDay TimeOf(const DateTime& t) {
  return TimeOfDay{t.Hour, t.Minute, t.Second};
}

std::int64_t MsFromCivil(const DateTime& t) {
  const std::int64_t seconds =
      ((DaysFromCivil(DateOf(t)) * 24 + t.Hour) * 60 + t.Minute) * 60 + t.Second;
  return seconds * 1000 + t.Millisecond;
}

Picture SplitPicture(const std::string& picture) {
  Picture elements;
  auto literal = [&elements](char c) {
    if (elements.empty() || elements.back().letter != 0) elements.push_back({});
    elements.back().text += c;
  };
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      // Quoted text runs to the next lone quote; a doubled quote stands for one.
      for (++i; i < picture.size(); ++i) {
        if (picture[i] != '\'') {
          literal(picture[i]);
        } else if (i + 1 < picture.size() && picture[i + 1] == '\'') {
          literal(picture[++i]);
        } else {
          break;
        }
      }
      ++i;
    } else if (IsFormatLetter(c)) {
      const std::size_t end = std::min(picture.find_first_not_of(c, i), picture.size());
      elements.push_back({c, static_cast<int>(end - i), ""});
      i = end;
    } else {
      literal(c);
      ++i;
    }
  }
  return elements;
}

std::string WriteElement(const PictureElement& e, const DateTime& t, int weekday,
                         const locale::Formats& f) {
  const int n = std::min(e.count, 2);  // the widths of number fields
  const int month = std::clamp(t.Month, 1, 12) - 1;
  switch (e.letter) {
    case 'd':
      if (e.count == 3) return Name(f.DayAbbreviations, kEnglishDayAbbreviations, weekday);
      if (e.count > 3) return Name(f.DayNames, kEnglishDays, weekday);
      return Number(t.Day, n);
    case 'M':
      if (e.count == 3) return Name(f.MonthAbbreviations, kEnglishMonthAbbreviations, month);
      if (e.count > 3) return Name(f.MonthNames, kEnglishMonths, month);
      return Number(t.Month, n);
    case 'y':
      // 'y' writes two digits as 'yy' does, as Windows does, whatever its documentation says.
      return e.count > 2 ? Number(t.Year, 1) : Number(t.Year % 100, 2);
    case 'h':
      return Number((t.Hour + 11) % 12 + 1, n);
    case 'H':
      return Number(t.Hour, n);
    case 'm':
      return Number(t.Minute, n);
    case 's':
      return Number(t.Second, n);
    case 't':
      return Designator(t.Hour, f).substr(0, e.count == 1 ? 1 : std::string::npos);
    case 'g':
      return "";
  }
  return e.text;
}

std::string FormatPicture(const Picture& picture, const DateTime& t, const locale::Formats& f) {
  const int weekday = DayOfWeek(DateOf(t)) - 1;
  std::string text;
  for (const PictureElement& e : picture) text += WriteElement(e, t, weekday, f);
  return text;
}

std::string Format(const std::string& picture, const DateTime& t, const locale::Formats& f) {
  return FormatPicture(SplitPicture(picture), t, f);
}

}  // namespace os::calendar
