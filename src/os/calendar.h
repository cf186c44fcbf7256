// Calendar arithmetic and writing dates and times with a Windows format picture: pure code that
// both the fake operating system and the program's date texts stand on.
//
// Pictures use the Windows letters: d dd ddd dddd, M MM MMM MMMM, y yy (both two digits, as
// Windows writes them) yyyy, g gg (an era: written as nothing, the Gregorian calendar has none
// worth showing), h hh (12-hour), H HH (24-hour), m mm, s ss, t (first letter of the designator)
// tt (the designator), 'quoted text' ('' is a quote). Any other character is written as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/os.h"

namespace os::calendar {

struct Date {
  int Year = 0, Month = 0, Day = 0;
  bool operator==(const Date&) const = default;
};

struct TimeOfDay {
  int Hour = 0, Minute = 0, Second = 0;
  bool operator==(const TimeOfDay&) const = default;
};

// Proleptic Gregorian; day 0 = 1970-01-01.
std::int64_t DaysFromCivil(const Date& d);
Date CivilFromDays(std::int64_t days);
int DayOfWeek(const Date& d);  // 1 Sunday .. 7 Saturday
Date DateOf(const DateTime& t);
TimeOfDay TimeOf(const DateTime& t);
// Milliseconds from 1970-01-01 00:00 to that moment, both read on the same clock.
std::int64_t MsFromCivil(const DateTime& t);

extern const char* const kEnglishMonths[12];
extern const char* const kEnglishMonthAbbreviations[12];
extern const char* const kEnglishDays[7];  // Sunday first
extern const char* const kEnglishDayAbbreviations[7];

// One piece of a picture: a run of one format letter, or literal text (letter 0).
struct PictureElement {
  char letter = 0;
  int count = 0;
  std::string text;
};
using Picture = std::vector<PictureElement>;

Picture SplitPicture(const std::string& picture);
// One element as written for that moment; `weekday` 0 is Sunday. Names missing from the formats
// are written in English.
std::string WriteElement(const PictureElement& e, const DateTime& t, int weekday,
                         const locale::Formats& f);
// Writes as GetDateFormat/GetTimeFormat do; the weekday is worked out from the date.
std::string FormatPicture(const Picture& picture, const DateTime& t, const locale::Formats& f);
std::string Format(const std::string& picture, const DateTime& t, const locale::Formats& f);

}  // namespace os::calendar
