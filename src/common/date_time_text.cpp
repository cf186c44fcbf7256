#include "common/date_time_text.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace datetime {
namespace {

using os::calendar::kEnglishDayAbbreviations;
using os::calendar::kEnglishDays;
using os::calendar::kEnglishMonthAbbreviations;
using os::calendar::kEnglishMonths;
using os::calendar::Picture;
using os::calendar::PictureElement;
using os::calendar::SplitPicture;
using os::calendar::WriteElement;

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 9999;

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[i]) != Lower(prefix[i])) return false;
  return true;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

const PictureElement* Find(const Picture& picture, char letter) {
  for (const PictureElement& e : picture)
    if (e.letter == letter) return &e;
  return nullptr;
}

// Whether the picture's designator tells morning from afternoon.
bool ShowsHalfOfDay(const Picture& picture, const os::locale::Formats& f) {
  const PictureElement* t = Find(picture, 't');
  if (!t) return false;
  const os::DateTime morning{.Hour = 1}, afternoon{.Hour = 13};
  const std::string am = WriteElement(*t, morning, 0, f), pm = WriteElement(*t, afternoon, 0, f);
  // Compared as the readers compare them: "am" and "AM" cannot tell the halves apart.
  return !am.empty() && !pm.empty() && !EqualNoCase(am, pm);
}

// ---- Reading ----

// What a text gave for each field; -1 where the picture has none.
struct Reading {
  int year = -1, yearDigits = 0, month = -1, day = -1;
  int hour = -1, minute = -1, second = -1;
  int half = -1;  // 0 before noon, 1 after
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Reads 1 to maxDigits decimal digits.
bool ReadNumber(std::string_view& s, int maxDigits, int& value, int& digits) {
  value = 0;
  digits = 0;
  while (digits < maxDigits && digits < static_cast<int>(s.size()) && s[digits] >= '0' &&
         s[digits] <= '9')
    value = value * 10 + (s[digits++] - '0');
  s.remove_prefix(static_cast<std::size_t>(digits));
  return digits > 0;
}

// Texts a name field may hold, each with the value it stands for.
using Names = std::vector<std::pair<std::string, int>>;

void AddNames(Names& names, const std::string* locale, const char* const* english, int count) {
  for (int i = 0; i < count; ++i) names.push_back({locale[i], i});
  for (int i = 0; i < count; ++i) names.push_back({english[i], i});
}

// The longest name the text starts with, in any case; the earlier one of two alike.
bool ReadName(std::string_view& s, const Names& names, int& value) {
  std::size_t best = 0;
  for (const auto& [name, v] : names) {
    if (name.size() > best && StartsWithNoCase(s, name)) {
      best = name.size();
      value = v;
    }
  }
  s.remove_prefix(best);
  return best > 0;
}

Names MonthNames(const os::locale::Formats& f) {
  Names names;
  AddNames(names, f.MonthNames, kEnglishMonths, 12);
  AddNames(names, f.MonthAbbreviations, kEnglishMonthAbbreviations, 12);
  return names;
}

Names DayNames(const os::locale::Formats& f) {
  Names names;
  AddNames(names, f.DayNames, kEnglishDays, 7);
  AddNames(names, f.DayAbbreviations, kEnglishDayAbbreviations, 7);
  return names;
}

Names Designators(const os::locale::Formats& f, bool firstLetters) {
  Names names = {{f.Am, 0}, {f.Pm, 1}, {"AM", 0}, {"PM", 1}};
  if (firstLetters)
    for (int i = 0; i < 4; ++i) names.push_back({names[i].first.substr(0, 1), names[i].second});
  return names;
}

// A space in a picture stands for any run of spaces, none included; other characters must be
// there, in any case.
bool ReadLiteral(std::string_view& s, const std::string& literal) {
  for (const char c : literal) {
    if (IsSpace(c)) {
      while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    } else if (!s.empty() && Lower(s.front()) == Lower(c)) {
      s.remove_prefix(1);
    } else {
      return false;
    }
  }
  return true;
}

// Number fields: the letter, where its value goes, and at most how many digits it has.
struct NumberField {
  char letter;
  int Reading::*slot;
  int digits;
};
// clang-format off
constexpr NumberField kNumberFields[] = {
    {'d', &Reading::day, 2},    {'M', &Reading::month, 2},  {'y', &Reading::year, 4},
    {'h', &Reading::hour, 2},   {'H', &Reading::hour, 2},   {'m', &Reading::minute, 2},
    {'s', &Reading::second, 2},
};
// clang-format on

bool ReadElement(std::string_view& s, const PictureElement& e, const os::locale::Formats& f,
                 Reading& r) {
  if (e.letter == 0) return ReadLiteral(s, e.text);
  if (e.letter == 'g') return true;
  if (e.letter == 't') return ReadName(s, Designators(f, e.count == 1), r.half);
  if (e.letter == 'M' && e.count > 2) {
    const bool read = ReadName(s, MonthNames(f), r.month);
    ++r.month;
    return read;
  }
  int weekday = 0;
  if (e.letter == 'd' && e.count > 2) return ReadName(s, DayNames(f), weekday);
  for (const NumberField& field : kNumberFields) {
    if (field.letter != e.letter) continue;
    const int digits = e.letter == 'y' && e.count <= 2 ? 2 : field.digits;
    int ignored = 0;
    return ReadNumber(s, digits, r.*field.slot, e.letter == 'y' ? r.yearDigits : ignored);
  }
  return false;
}

std::optional<Reading> Match(const Picture& picture, const std::string& text,
                             const os::locale::Formats& f) {
  std::string_view rest = Trim(text);
  Reading r;
  for (const PictureElement& e : picture)
    if (!ReadElement(rest, e, f, r)) return std::nullopt;
  if (!rest.empty()) return std::nullopt;
  return r;
}

// The year a one- or two-digit year stands for: the one in the century window that ends in
// those digits.
int WindowedYear(int value, int digits, int currentYear) {
  if (digits > 2) return value;
  const int first = currentYear - 50;
  return first + ((value - first) % 100 + 100) % 100;
}

int DaysInMonth(int year, int month) {
  const Date next = month == 12 ? Date{year + 1, 1, 1} : Date{year, month + 1, 1};
  return static_cast<int>(DaysFromCivil(next) - DaysFromCivil(Date{year, month, 1}));
}

std::optional<Date> ToDate(const Reading& r, int currentYear) {
  const int year = r.year < 0 ? currentYear : WindowedYear(r.year, r.yearDigits, currentYear);
  if (year < kFirstYear || year > kLastYear) return std::nullopt;
  if (r.month < 1 || r.month > 12) return std::nullopt;
  if (r.day < 1 || r.day > DaysInMonth(year, r.month)) return std::nullopt;
  return Date{year, r.month, r.day};
}

std::optional<TimeOfDay> ToTime(const Reading& r) {
  int hour = r.hour;
  if (r.half >= 0) {
    if (hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + 12 * r.half;
  }
  const int minute = std::max(r.minute, 0), second = std::max(r.second, 0);
  if (hour < 0 || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return TimeOfDay{hour, minute, second};
}

std::vector<Picture> Pictures(std::initializer_list<std::string> pictures) {
  std::vector<Picture> split;
  for (const std::string& p : pictures) split.push_back(SplitPicture(p));
  return split;
}

// The pictures below are the same for every locale: split once, as every
// date and time of alarmlist.ini is read through them.

// Day and month as numbers in one order, with any of the common separators.
const std::vector<Picture>& NumericDates(bool monthFirst) {
  static const auto split = [](const std::string& first, const std::string& second) {
    std::vector<Picture> pictures;
    for (const std::string separator : {"/", ".", "-"})
      pictures.push_back(SplitPicture(first + separator + second + separator + "yyyy"));
    return pictures;
  };
  static const std::vector<Picture> dayFirst = split("d", "M"), monthFirstOrder = split("M", "d");
  return monthFirst ? monthFirstOrder : dayFirst;
}

const std::vector<Picture>& IsoDates() {
  static const std::vector<Picture> pictures = Pictures({"yyyy-MM-dd"});
  return pictures;
}

const std::vector<Picture>& NamedDates() {
  static const std::vector<Picture> pictures =
      Pictures({"d MMM yyyy", "d-MMM-yyyy", "d. MMM yyyy", "MMM d, yyyy", "MMM d yyyy"});
  return pictures;
}

// A picture for text put in as it is, quoted.
std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

// The same clock pictures bare, with the designator after and with it before.
void AddWithDesignators(std::vector<Picture>& pictures, const std::string& clock) {
  for (const std::string& p : {clock, clock + " tt", "tt " + clock})
    pictures.push_back(SplitPicture(p));
}

// The clock pictures tried after the locale's own.
const std::vector<Picture>& StoredTimePictures() {
  static const std::vector<Picture> pictures = [] {
    std::vector<Picture> split;
    for (const std::string separator : {":", "."}) {
      AddWithDesignators(split, "H" + separator + "mm" + separator + "ss");
      AddWithDesignators(split, "H" + separator + "mm");
    }
    return split;
  }();
  return pictures;
}

// The text between the hours and the minutes of the locale's time; ":" when it has none.
std::string TimeSeparator(const os::locale::Formats& f) {
  const Picture picture = SplitPicture(f.LongTime);
  for (std::size_t i = 0; i + 1 < picture.size(); ++i) {
    const char letter = picture[i].letter;
    if (letter != 'h' && letter != 'H') continue;
    const std::string separator(Trim(picture[i + 1].text));
    if (picture[i + 1].letter == 0 && !separator.empty()) return separator;
  }
  return ":";
}

template <class Result, class Convert>
std::optional<Result> FirstMatch(const std::vector<Picture>& pictures, const std::string& text,
                                 const os::locale::Formats& f, Convert convert) {
  for (const Picture& picture : pictures) {
    const std::optional<Reading> reading = Match(picture, text, f);
    if (!reading) continue;
    if (std::optional<Result> result = convert(*reading)) return result;
  }
  return std::nullopt;
}

}  // namespace

std::string FormatDate(const Date& d, const os::locale::Formats& f) {
  return Format(f.ShortDate, os::DateTime{.Year = d.Year, .Month = d.Month, .Day = d.Day}, f);
}

std::string FormatTime(const TimeOfDay& t, const os::locale::Formats& f) {
  Picture picture = SplitPicture(f.LongTime);
  const bool halves = ShowsHalfOfDay(picture, f);
  if (!halves) {
    std::erase_if(picture, [](const PictureElement& e) { return e.letter == 't'; });
    for (PictureElement& e : picture)
      if (e.letter == 'h') e.letter = 'H';
  }
  const os::DateTime moment{
      .Year = 2000, .Month = 1, .Day = 1, .Hour = t.Hour, .Minute = t.Minute, .Second = t.Second};
  const std::string text = FormatPicture(picture, moment, f);
  return halves ? text : std::string(Trim(text));
}

std::optional<Date> ParseStoredDate(const std::string& text, const os::locale::Formats& f,
                                    int currentYear) {
  auto toDate = [currentYear](const Reading& r) { return ToDate(r, currentYear); };
  if (auto date = FirstMatch<Date>({SplitPicture(f.ShortDate)}, text, f, toDate)) return date;
  if (auto date = FirstMatch<Date>(IsoDates(), text, f, toDate)) return date;
  // Numbers in another order than the locale's are taken only where just one
  // order can read them (a number above 12 is a day): a stored date must
  // never be read as another date.
  const auto dayFirst = FirstMatch<Date>(NumericDates(false), text, f, toDate);
  const auto monthFirst = FirstMatch<Date>(NumericDates(true), text, f, toDate);
  if (dayFirst && monthFirst && *dayFirst != *monthFirst) return std::nullopt;
  if (dayFirst || monthFirst) return dayFirst ? dayFirst : monthFirst;
  return FirstMatch<Date>(NamedDates(), text, f, toDate);
}

std::optional<TimeOfDay> ParseStoredTime(const std::string& text, const os::locale::Formats& f) {
  if (auto time = FirstMatch<TimeOfDay>({SplitPicture(f.LongTime)}, text, f, ToTime)) return time;
  return FirstMatch<TimeOfDay>(StoredTimePictures(), text, f, ToTime);
}

std::optional<TimeOfDay> ParseInputTime(const std::string& text, const os::locale::Formats& f) {
  const std::string separator = Quoted(TimeSeparator(f));
  std::vector<Picture> pictures;
  for (const std::string& clock :
       {std::string("H"), "H" + separator + "m", "H" + separator + "m" + separator + "s"})
    AddWithDesignators(pictures, clock);
  return FirstMatch<TimeOfDay>(pictures, text, f, ToTime);
}

}  // namespace datetime
