// Dates and times as texts: writing them in the user's formats, and reading the texts the
// alarms store and the user types.
//
// Pictures are written as os/calendar.h says.
//
// Two-digit years are read in a sliding window of one century: the year ending in those digits
// from currentYear - 50 to currentYear + 49 (2026: "75" is 2075, "76" is 1976), so an alarm set
// a few decades ahead or behind reads back as written.
//
// 12-hour numbers ('h', 'hh') are only unambiguous next to a designator. Format writes what
// Windows writes, 12-hour numbers, designator or not, so the screen shows the user's own format.
// FormatTime, which writes the texts the alarms store, writes 24-hour numbers and no designator
// whenever the locale's time cannot tell morning from afternoon (no 't'/'tt', or the designators
// are empty or written alike): a stored 15:00 must never read back as 03:00. The readers take an
// hour without a designator as a 24-hour number (0-23) and one with a designator as 1-12.
//
// Nothing here throws; every text that cannot be read is nullopt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "os/calendar.h"
#include "os/os.h"

namespace datetime {

using os::calendar::CivilFromDays;
using os::calendar::Date;
using os::calendar::DateOf;
using os::calendar::DayOfWeek;
using os::calendar::DaysFromCivil;
using os::calendar::Format;
using os::calendar::TimeOf;
using os::calendar::TimeOfDay;

std::string FormatDate(const Date& d, const os::locale::Formats& f);       // ShortDate
std::string FormatTime(const TimeOfDay& t, const os::locale::Formats& f);  // LongTime

// Stored texts (alarmlist.ini, the editor's fields). Tried in turn: the locale's own picture;
// ISO "yyyy-MM-dd"; day-month-year or month-day-year with "/", "." or "-", but only where the
// two orders cannot read it as two different dates (a number above 12 is a day, "1/2/2027" is
// unreadable); forms with a month name or abbreviation ("5 Jan 2026", "5-Jan-26", "Jan 5, 2026").
// Month names, designators and weekday names are the locale's or English, in any case. Years
// have two or four digits; years run from 1601 to 9999.
std::optional<Date> ParseStoredDate(const std::string& text, const os::locale::Formats& f,
                                    int currentYear);
// Times with ":" or "." between hours, minutes and optional seconds, with the locale's or English
// "AM"/"PM" before or after; the locale's own picture first.
std::optional<TimeOfDay> ParseStoredTime(const std::string& text, const os::locale::Formats& f);

// New input typed by the user: hours alone ("7" is 07:00:00), h:mm or h:mm:ss with the locale's
// time separator, and an optional designator before or after ("12:05:00 AM" is 00:05:00).
// Out-of-range fields, an empty text and anything left over fail.
std::optional<TimeOfDay> ParseInputTime(const std::string& text, const os::locale::Formats& f);

}  // namespace datetime
