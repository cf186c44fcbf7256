#include "common/date_time_text.h"

#include <gtest/gtest.h>

#include "os/fake/fake_os.h"

namespace datetime {
// Readable failures.
void PrintTo(const Date& d, std::ostream* os) {
  *os << d.Year << "-" << d.Month << "-" << d.Day;
}
void PrintTo(const TimeOfDay& t, std::ostream* os) {
  *os << t.Hour << ":" << t.Minute << ":" << t.Second;
}
}  // namespace datetime

namespace {

using datetime::Date;
using datetime::TimeOfDay;
using Formats = os::locale::Formats;

constexpr int kThisYear = 2026;
const char* const kPresets[] = {"en-US", "de-DE", "en-GB", "ja-JP", "en-US-custom"};

os::DateTime At(Date d, TimeOfDay t = {}) {
  return {d.Year, d.Month, d.Day, t.Hour, t.Minute, t.Second, 0, 0};
}

Formats Clock(const std::string& longTime, const std::string& am = "AM",
              const std::string& pm = "PM") {
  Formats f;
  f.LongTime = longTime;
  f.Am = am;
  f.Pm = pm;
  return f;
}

Formats Locale(const char* name) {
  return os::fake::LocaleFormats(name);
}

TEST(Calendar, DaysWeekdaysAndDatesAgree) {
  struct Row {
    Date date;
    std::int64_t days;
    int weekday;
  };
  // clang-format off
  const Row rows[] = {
      {{1601, 1, 1}, -134774, 2},  {{1969, 12, 31}, -1, 4},     {{1970, 1, 1}, 0, 5},
      {{2000, 2, 29}, 11016, 3},   {{2026, 12, 6}, 20793, 1},   {{9999, 12, 31}, 2932896, 6},
  };
  // clang-format on
  for (const Row& r : rows) {
    EXPECT_EQ(datetime::DaysFromCivil(r.date), r.days) << r.date.Year;
    EXPECT_EQ(datetime::CivilFromDays(r.days), r.date) << r.days;
    EXPECT_EQ(datetime::DayOfWeek(r.date), r.weekday) << r.days;
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
  struct Row {
    const char* locale;
    const char* picture;
    os::DateTime moment;
    const char* text;
  };
  const os::DateTime sunday = At({2026, 12, 6}, {15, 4, 5});
  // clang-format off
  const Row rows[] = {
      {"en-US", "d/M/y dd.MM.yy yyyy",  At({2005, 1, 9}),             "9/1/05 09.01.05 2005"},
      {"en-US", "ddd dddd MMM MMMM",    sunday,                       "Sun Sunday Dec December"},
      {"de-DE", "ddd dddd MMM MMMM",    At({2026, 3, 4}),             "Mi Mittwoch M\xe4r M\xe4rz"},
      {"",      "ddd MMMM",             sunday,                       "Sun December"},
      {"en-US", "h:mm tt|hh t",         At({2026, 1, 1}, {0, 5, 0}),  "12:05 AM|12 A"},
      {"en-US", "h:mm tt|hh t",         At({2026, 1, 1}, {12, 0, 0}), "12:00 PM|12 P"},
      {"en-US", "h:mm tt|hh t",         sunday,                       "3:04 PM|03 P"},
      {"de-DE", "h:mm:ss",              sunday,                       "3:04:05"},
      {"de-DE", "H:m:s|HH:mm:ss",       At({2026, 1, 1}, {9, 5, 7}),  "9:5:7|09:05:07"},
      {"en-US", "'at' h 'o''clock'[g]", sunday,                       "at 3 o'clock[]"},
      {"en-US", "yyyy 'open",           sunday,                       "2026 open"},
  };
  // clang-format on
  for (const Row& r : rows)
    EXPECT_EQ(datetime::Format(r.picture, r.moment, Locale(r.locale)), r.text) << r.picture;
}

TEST(DateTimeText, EachPresetWritesItsOwnDateAndTime) {
  struct Row {
    const char *locale, *date, *time;
  };
  // clang-format off
  const Row rows[] = {
      {"en-US",        "12/6/2026",  "3:04:05 PM"},
      {"de-DE",        "06.12.2026", "15:04:05"},
      {"en-GB",        "06/12/2026", "15:04:05"},
      {"ja-JP",        "2026/12/06", "15:04:05"},
      {"en-US-custom", "06-Dec-26",  "p.m. 03:04:05"},
  };
  // clang-format on
  for (const Row& r : rows) {
    EXPECT_EQ(datetime::FormatDate({2026, 12, 6}, Locale(r.locale)), r.date) << r.locale;
    EXPECT_EQ(datetime::FormatTime({15, 4, 5}, Locale(r.locale)), r.time) << r.locale;
  }
}

TEST(DateTimeText, StoredTimesUse24HoursWhenTheDesignatorCannotTellTheHalves) {
  struct Row {
    Formats formats;
    const char* text;
    TimeOfDay readBack;
  };
  const Formats ja = Locale("ja-JP");
  // clang-format off
  const Row rows[] = {
      {Clock("h:mm:ss tt"),            "3:04:05 PM", {15, 4, 5}},
      {Clock("h:mm:ss"),               "15:04:05",   {15, 4, 5}},
      {Clock("hh:mm tt", "", ""),      "15:04",      {15, 4, 0}},
      {Clock("hh:mm tt", "AM", ""),    "15:04",      {15, 4, 0}},
      {Clock("t h:mm", ja.Am, ja.Pm),  "15:04",      {15, 4, 0}},
  };
  // clang-format on
  for (const Row& r : rows) {
    EXPECT_EQ(datetime::FormatTime({15, 4, 5}, r.formats), r.text) << r.formats.LongTime;
    EXPECT_EQ(datetime::ParseStoredTime(r.text, r.formats), r.readBack) << r.formats.LongTime;
  }
}

// Every date and time the presets can write reads back as itself.
TEST(DateTimeText, WhatIsWrittenReadsBack) {
  for (const char* locale : kPresets) {
    const Formats f = Locale(locale);
    const bool twoDigitYears = f.ShortDate.find("yyyy") == std::string::npos;
    for (const int year : {1601, 1976, 2000, 2026, 2075, 9999}) {
      if (twoDigitYears && (year < kThisYear - 50 || year > kThisYear + 49)) continue;
      for (int month = 1; month <= 12; ++month) {
        for (const int day : {1, 9, 10, 28, 29, 30, 31}) {
          const Date d{year, month, day};
          if (datetime::CivilFromDays(datetime::DaysFromCivil(d)) != d) continue;  // no such day
          const std::string text = datetime::FormatDate(d, f);
          ASSERT_EQ(datetime::ParseStoredDate(text, f, kThisYear), d) << locale << " " << text;
        }
      }
    }
    for (int hour = 0; hour < 24; ++hour) {
      for (const TimeOfDay t : {TimeOfDay{hour, 0, 0}, {hour, 5, 9}, {hour, 59, 59}}) {
        const std::string text = datetime::FormatTime(t, f);
        ASSERT_EQ(datetime::ParseStoredTime(text, f), t) << locale << " " << text;
        ASSERT_EQ(datetime::ParseInputTime(text, f), t) << locale << " " << text;
      }
    }
  }
}

TEST(DateTimeText, StoredDatesInCommonForms) {
  struct Row {
    const char *locale, *text;
    std::optional<Date> date;
  };
  // clang-format off
  const Row rows[] = {
      {"en-US", "12/6/2026",        Date{2026, 12, 6}},
      {"de-DE", "12/6/2026",        Date{2026, 6, 12}},
      {"en-US", "12-6-2026",        Date{2026, 12, 6}},
      {"",      "12-6-2026",        Date{2026, 6, 12}},
      {"en-US", "13/6/2026",        Date{2026, 6, 13}},
      {"ja-JP", "2026-12-06",       Date{2026, 12, 6}},
      {"en-GB", "6.12.2026",        Date{2026, 12, 6}},
      {"en-GB", " 6 Dec 2026 ",     Date{2026, 12, 6}},
      {"de-DE", "6-dec-26",         Date{2026, 12, 6}},
      {"en-US", "Dec 6, 2026",      Date{2026, 12, 6}},
      {"en-US", "DECEMBER 6 2026",  Date{2026, 12, 6}},
      {"de-DE", "6. M\xe4rz 2026",  Date{2026, 3, 6}},
      {"de-DE", "6 Mai 2026",       Date{2026, 5, 6}},
      {"en-US", "1/1/75",           Date{2075, 1, 1}},
      {"en-US", "1/1/76",           Date{1976, 1, 1}},
      {"en-US", "2/29/2028",        Date{2028, 2, 29}},
      {"en-US", "2/29/2026",        std::nullopt},
      {"de-DE", "31.04.2026",       std::nullopt},
      {"de-DE", "0.1.2026",         std::nullopt},
      {"de-DE", "1.1.1601",         Date{1601, 1, 1}},
      {"de-DE", "1.1.1600",         std::nullopt},
      {"de-DE", "1.1.12026",        std::nullopt},
      {"de-DE", "1.1.2026 x",       std::nullopt},
      {"de-DE", "6 Foo 2026",       std::nullopt},
      {"de-DE", "",                 std::nullopt},
  };
  // clang-format on
  for (const Row& r : rows) {
    EXPECT_EQ(datetime::ParseStoredDate(r.text, Locale(r.locale), kThisYear), r.date)
        << r.locale << " \"" << r.text << "\"";
  }
}

// Stored times take any common form; typed ones only the locale's separator, but hours alone.
TEST(DateTimeText, StoredAndTypedTimes) {
  using Parse = std::optional<TimeOfDay> (*)(const std::string&, const Formats&);
  const Parse stored = datetime::ParseStoredTime, typed = datetime::ParseInputTime;
  struct Row {
    Parse parse;
    Formats formats;
    const char* text;
    std::optional<TimeOfDay> time;
  };
  const Formats us = Locale("en-US"), de = Locale("de-DE"), custom = Locale("en-US-custom");
  const Formats dots = Clock("HH.mm.ss", "ap", "ip");
  // clang-format off
  const Row rows[] = {
      {stored, us,     "3:04 pm",        TimeOfDay{15, 4, 0}},
      {stored, us,     "PM 3:04",        TimeOfDay{15, 4, 0}},
      {stored, us,     "15:04:05",       TimeOfDay{15, 4, 5}},
      {stored, de,     "15.04",          TimeOfDay{15, 4, 0}},
      {stored, de,     "3.04.05 PM",     TimeOfDay{15, 4, 5}},
      {stored, custom, "03:04:05 p.m.",  TimeOfDay{15, 4, 5}},
      {stored, custom, "a.m. 3:04",      TimeOfDay{3, 4, 0}},
      {stored, de,     "12",             std::nullopt},
      {stored, de,     "12:00 XM",       std::nullopt},
      {typed,  us,     "7",              TimeOfDay{7, 0, 0}},
      {typed,  us,     "7 PM",           TimeOfDay{19, 0, 0}},
      {typed,  us,     "pm7:30",         TimeOfDay{19, 30, 0}},
      {typed,  us,     " 7:30:15 ",      TimeOfDay{7, 30, 15}},
      {typed,  us,     "12:05:00 AM",    TimeOfDay{0, 5, 0}},
      {typed,  us,     "12:05 PM",       TimeOfDay{12, 5, 0}},
      {typed,  dots,   "7.30 ip",        TimeOfDay{19, 30, 0}},
      {typed,  dots,   "7:30",           std::nullopt},
      {typed,  us,     "7.30",           std::nullopt},
      {typed,  us,     "7:",             std::nullopt},
      {typed,  us,     "7:00 junk",      std::nullopt},
  };
  // clang-format on
  for (const Row& r : rows) {
    EXPECT_EQ(r.parse(r.text, r.formats), r.time) << r.formats.LongTime << " \"" << r.text << "\"";
  }
  // Fields out of range fail either way.
  for (const char* text : {"24:00", "13:00 PM", "0:30 AM", "7:60", "7:00:60", ""}) {
    EXPECT_EQ(stored(text, us), std::nullopt) << text;
    EXPECT_EQ(typed(text, us), std::nullopt) << text;
  }
}

}  // namespace
