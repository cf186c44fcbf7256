#include "common/date_time_text.h"

#include <gtest/gtest.h>

#include "os/fake/fake_os.h"

namespace {

using datetime::Date;
using datetime::TimeOfDay;
using Formats = os::locale::Formats;
using os::fake::LocaleFormats;
using std::to_string;
constexpr int kThisYear = 2026;

Formats WithDate(const char* locale, const char* shortDate) {
  Formats f = LocaleFormats(locale);
  f.ShortDate = shortDate;
  return f;
}
Formats Clock(const char* longTime, const std::string& am, const std::string& pm) {
  Formats f;
  f.LongTime = longTime, f.Am = am, f.Pm = pm;
  return f;
}
// "2026-12-6", "15:4:0", or "-" for what could not be read.
std::string Text(const std::optional<Date>& d) {
  return d ? to_string(d->Year) + "-" + to_string(d->Month) + "-" + to_string(d->Day) : "-";
}
std::string Text(const std::optional<TimeOfDay>& t) {
  return t ? to_string(t->Hour) + ":" + to_string(t->Minute) + ":" + to_string(t->Second) : "-";
}
// What a reader makes of a text: 'D' a stored date, 'S' a stored time, 'T' a typed time.
std::string Read(char reader, const std::string& text, const Formats& f) {
  if (reader == 'D') return Text(datetime::ParseStoredDate(text, f, kThisYear));
  return Text(reader == 'S' ? datetime::ParseStoredTime(text, f)
                            : datetime::ParseInputTime(text, f));
}

TEST(Calendar, DaysWeekdaysAndDatesAgree) {
  // clang-format off
  const struct { Date date; std::int64_t days; int weekday; } rows[] = {
      {{1601, 1, 1}, -134774, 2}, {{1969, 12, 31}, -1, 4}, {{1970, 1, 1}, 0, 5},
      {{2000, 2, 29}, 11016, 3},  {{2026, 12, 6}, 20793, 1}, {{9999, 12, 31}, 2932896, 6},
  };
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(Text(datetime::CivilFromDays(r.days)), Text(r.date));
    EXPECT_EQ(datetime::DaysFromCivil(r.date), r.days) << Text(r.date);
    EXPECT_EQ(datetime::DayOfWeek(r.date), r.weekday) << Text(r.date);
  }
  // Every day from 1600 to 2400 reads back and follows the one before it in the week.
  for (std::int64_t day = -135140; day < 157000; ++day) {
    const Date d = datetime::CivilFromDays(day);
    ASSERT_EQ(datetime::DaysFromCivil(d), day);
    ASSERT_EQ(datetime::DayOfWeek(datetime::CivilFromDays(day + 1)),
              datetime::DayOfWeek(d) % 7 + 1);
  }
}

TEST(DateTimeText, FormatWritesEachPictureLetter) {
  const os::DateTime sunday{2026, 12, 6, 15, 4, 5, 0, 0}, midnight{2005, 1, 9, 0, 5, 0, 0, 0};
  // clang-format off
  const struct { const char *locale, *picture; os::DateTime moment; const char* text; } rows[] = {
      {"en-US", "d/M/y dd.MM.yy yyyy",   midnight,     "9/1/05 09.01.05 2005"},
      {"en-US", "ddd dddd MMM MMMM",     sunday,       "Sun Sunday Dec December"},
      {"de-DE", "ddd dddd MMMM",         {2026, 3, 4}, "Mi Mittwoch M\xe4rz"},
      {"",      "ddd MMMM",              sunday,       "Sun December"},  // no names: English
      {"en-US", "h:mm tt|hh t|H:m:s",    midnight,     "12:05 AM|12 A|0:5:0"},
      {"en-US", "h:mm tt|hh t|HH:mm:ss", sunday,       "3:04 PM|03 P|15:04:05"},
      {"en-US", "'at' h 'o''clock'[g] yyyy 'open", sunday, "at 3 o'clock[] 2026 open"},
  };
  // clang-format on
  for (const auto& r : rows)
    EXPECT_EQ(datetime::Format(r.picture, r.moment, LocaleFormats(r.locale)), r.text) << r.picture;
}

// The texts the alarms store: the locale's own, but 24-hour numbers whenever the designator
// cannot tell the halves of the day apart. Whatever is written reads back as itself.
TEST(DateTimeText, StoredTextsFollowTheLocaleAndReadBack) {
  const Formats ja = LocaleFormats("ja-JP");
  // clang-format off
  const struct { Formats f; const char *date, *time; } rows[] = {
      {LocaleFormats("en-US"), "12/6/2026", "3:04:05 PM"}, {LocaleFormats("de-DE"), "06.12.2026", "15:04:05"},
      {LocaleFormats("en-GB"), "06/12/2026", "15:04:05"},  {ja, "2026/12/06", "15:04:05"},
      {LocaleFormats("en-US-custom"), "06-Dec-26", "p.m. 03:04:05"},
      {WithDate("de-DE", "ddd, dd.MM.yyyy"), "So, 06.12.2026", "15:04:05"},
      {Clock("h:mm:ss", "AM", "PM"), "", "15:04:05"}, {Clock("hh:mm:ss tt", "AM", ""), "", "15:04:05"},
      {Clock("t h:mm:ss", ja.Am, ja.Pm), "", "15:04:05"},  // designators alike in the first byte
      {Clock("h:mm:ss tt", "am", "AM"), "", "15:04:05"},   // alike but for their case
  };
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(datetime::FormatDate({2026, 12, 6}, r.f), r.date);
    EXPECT_EQ(datetime::FormatTime({15, 4, 5}, r.f), r.time) << r.f.LongTime;
    for (int hour = 0; hour < 24; ++hour)
      for (const TimeOfDay t : {TimeOfDay{hour, 0, 0}, {hour, 5, 9}, {hour, 59, 59}})
        for (const char reader : {'S', 'T'})
          ASSERT_EQ(Read(reader, datetime::FormatTime(t, r.f), r.f), Text(t)) << r.f.LongTime;
    // 500 dates spread from 1601 to 9999, or over the century two-digit years stand for.
    const bool twoDigits = r.f.ShortDate.find("yyyy") == std::string::npos;
    const std::int64_t first = datetime::DaysFromCivil({twoDigits ? kThisYear - 50 : 1601, 1, 1});
    const std::int64_t last = datetime::DaysFromCivil({twoDigits ? kThisYear + 49 : 9999, 12, 31});
    for (std::int64_t day = first; *r.date && day <= last; day += (last - first) / 499) {
      const Date d = datetime::CivilFromDays(day);
      ASSERT_EQ(Read('D', datetime::FormatDate(d, r.f), r.f), Text(d)) << r.f.ShortDate;
    }
  }
}

// Stored texts in any common form; typed times with the locale's separator, or hours alone.
TEST(DateTimeText, StoredDatesStoredTimesAndTypedTimes) {
  const Formats us = LocaleFormats("en-US"), de = LocaleFormats("de-DE"), none;
  const Formats ja = LocaleFormats("ja-JP"), gb = LocaleFormats("en-GB");
  const Formats custom = LocaleFormats("en-US-custom"), dots = Clock("HH.mm", "a", "i");
  // clang-format off
  const struct { char reader; const Formats& f; const char *text, *read; } rows[] = {
      {'D', us, "12/6/2026", "2026-12-6"},    {'D', de, "12/6/2026", "-"},           {'D', us, "12-6-2026", "-"},
      {'D', none, "12-6-2026", "-"},          {'D', us, "13/6/2026", "2026-6-13"},   {'D', ja, "2026-12-06", "2026-12-6"},
      {'D', de, "6/13/2026", "2026-6-13"},    {'D', us, "5.5.2026", "2026-5-5"},     {'D', de, "12/8/2026", "-"},
      {'D', gb, " 6 Dec 2026 ", "2026-12-6"}, {'D', de, "6-dec-26", "2026-12-6"},    {'D', us, "Dec 6, 2026", "2026-12-6"},
      {'D', de, "6. M\xe4rz 2026", "2026-3-6"}, {'D', us, "1/1/75", "2075-1-1"},    {'D', us, "1/1/76", "1976-1-1"},
      {'D', us, "2/29/2028", "2028-2-29"},    {'D', us, "2/29/2026", "-"},           {'D', de, "0.1.2026", "-"},
      {'D', de, "1.1.1601", "1601-1-1"},      {'D', de, "1.1.1600", "-"},            {'D', de, "1.1.12026", "-"},
      {'D', de, "1.1.2026 x", "-"},           {'D', de, "6 Foo 2026", "-"},          {'S', us, "PM 3:04", "15:4:0"},
      {'S', us, "3.04.05 pm", "15:4:5"},      {'S', custom, "a.m. 3:04", "3:4:0"},   {'S', us, "12", "-"},
      {'S', us, "12:00 XM", "-"},             {'T', us, "7", "7:0:0"},               {'T', us, "pm7:30", "19:30:0"},
      {'T', us, " 7:30:15 ", "7:30:15"},      {'T', us, "12:05:00 AM", "0:5:0"},     {'T', us, "12:05 PM", "12:5:0"},
      {'T', dots, "7.30 i", "19:30:0"},       {'T', dots, "7:30", "-"},              {'T', us, "7.30", "-"},
      {'T', us, "7:00 junk", "-"},
  };
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(Read(r.reader, r.text, r.f), r.read) << r.text;
  // Fields out of range fail either way.
  for (const char* text : {"25:00", "24:00", "13:00 PM", "0:30 AM", "7:60", "7:00:60", ""})
    for (const char reader : {'S', 'T'}) EXPECT_EQ(Read(reader, text, us), "-") << text;
}

}  // namespace
