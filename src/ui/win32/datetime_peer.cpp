// Date and time pickers (the common controls' date-time picker): the value,
// the display format, and DTN_DATETIMECHANGE from the user as OnChange.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

NativeClass PickerClass(ControlKind kind) {
  const DWORD style = kind == ControlKind::TimePicker ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
  return {DATETIMEPICK_CLASSA, kChild | style, 0, true};
}

class DateTimePeer final : public NativeControl {
 public:
  DateTimePeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, PickerClass(state.Kind()), state) {}

  TDateAndTime DateTimeValue() const override {
    SYSTEMTIME t{};
    SendMessageA(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
  }
  void SetDateTimeValue(const TDateAndTime& v) override {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(v.Year), t.wMonth = static_cast<WORD>(v.Month);
    t.wDay = static_cast<WORD>(v.Day), t.wHour = static_cast<WORD>(v.Hour);
    t.wMinute = static_cast<WORD>(v.Minute), t.wSecond = static_cast<WORD>(v.Second);
    settingValue_ = true;
    SendMessageA(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
    settingValue_ = false;
  }
  void SetFormat(const std::string& format) override {
    SendMessageA(hwnd_, DTM_SETFORMATA, 0,
                 format.empty() ? 0 : reinterpret_cast<LPARAM>(format.c_str()));
  }
  // Only the user's changes are events, whatever the control reports for ours.
  void Notify(UINT code) override {
    if (code == DTN_DATETIMECHANGE && !settingValue_) control_.NotifyChange();
  }

 private:
  bool settingValue_ = false;
};

}  // namespace

Family CreateDateTimePeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<DateTimePeer>(control, parent, state);
}

}  // namespace ui::win32
