// Basic types of the component layer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace ui {

using NativeHandle = std::uintptr_t;

// The case the component layer ignores: an ASCII capital in lower case, any
// other byte of the ANSI text as it is.
inline unsigned char LowerAscii(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
}

struct TRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TRect&) const = default;
};

// A date and a time of day, as a date and time picker holds them.
struct TDateAndTime {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0;
  bool operator==(const TDateAndTime&) const = default;
};

struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };

using TShiftState = unsigned;
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// An event that calls a handler method of a form, the one way an event is
// wired to its handler: `B_Ok.OnClick = ui::Handler(this, &TF_Task::B_OkClick);`.
// A method whose parameters differ from the event's fails to compile there.
template <class Form, class... Args>
std::function<void(Args...)> Handler(Form* form, void (Form::*method)(Args...)) {
  return [form, method](Args... args) { (form->*method)(std::forward<Args>(args)...); };
}

class TComponent : public TObject {
 public:
  std::string Name;
  int Tag = 0;
  // The text a user reads on the component: a button's, a label's, a
  // labelled edit's label, a menu item's, a tab's; nothing for the others.
  virtual void SetCaption(const std::string&) {}
};

}  // namespace ui
