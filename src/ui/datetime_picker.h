// Date and time pickers.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A date the user picks from a calendar, or a time of day the user types or
// spins; either holds a date and a time of day. Setting the value from code
// runs no event; a user's change runs OnChange.
class TDateTimePicker : public TControl {
 public:
  enum class TKind { Date, Time };
  TDateTimePicker(TForm& parent, TKind kind, const TControlPlace& place);

  TDateAndTime Value() const { return Peer().DateTimeValue(); }
  void SetValue(const TDateAndTime& value) { Peer().SetDateTimeValue(value); }
  // The date part alone, and the time of day alone; each keeps the other part.
  void SetDate(int year, int month, int day);
  void SetTime(int hour, int minute, int second);
  // Windows picture letters ("dddd" the weekday's name); "" the user's own format.
  std::string Format() const { return format_; }
  void SetFormat(const std::string& format);

 private:
  std::string format_;
};

}  // namespace ui
