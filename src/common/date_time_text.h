// PROVISIONAL stand-in until the date-time module lands.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include "os/os.h"
namespace datetime {
struct Date { int Year = 0, Month = 0, Day = 0; bool operator==(const Date&) const = default; };
struct TimeOfDay { int Hour = 0, Minute = 0, Second = 0; bool operator==(const TimeOfDay&) const = default; };
std::int64_t DaysFromCivil(const Date& d);
Date CivilFromDays(std::int64_t days);
int DayOfWeek(const Date& d);
Date DateOf(const os::DateTime& t);
TimeOfDay TimeOf(const os::DateTime& t);
std::string FormatDate(const Date& d, const os::locale::Formats& f);
std::string FormatTime(const TimeOfDay& t, const os::locale::Formats& f);
std::optional<Date> ParseStoredDate(const std::string& text, const os::locale::Formats& f, int currentYear);
std::optional<TimeOfDay> ParseStoredTime(const std::string& text, const os::locale::Formats& f);
std::optional<TimeOfDay> ParseInputTime(const std::string& text, const os::locale::Formats& f);
}
