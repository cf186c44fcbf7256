#include "ui/datetime_picker.h"

namespace ui {

TDateTimePicker::TDateTimePicker(TForm& parent, TKind kind, const TControlPlace& place)
    : TControl(parent, kind == TKind::Date ? ControlKind::DatePicker : ControlKind::TimePicker,
               place) {}

void TDateTimePicker::SetDate(int year, int month, int day) {
  TDateAndTime value = Value();
  value.Year = year, value.Month = month, value.Day = day;
  SetValue(value);
}

void TDateTimePicker::SetTime(int hour, int minute, int second) {
  TDateAndTime value = Value();
  value.Hour = hour, value.Minute = minute, value.Second = second;
  SetValue(value);
}

void TDateTimePicker::SetFormat(const std::string& format) {
  format_ = format;
  Peer().SetFormat(format);
}

}  // namespace ui
