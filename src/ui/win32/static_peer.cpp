// Static text: labels (STN_CLICKED becomes OnClick) and the status bar, whose
// one simple part holds the text and which reports the mouse as a form does.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

constexpr NativeClass kLabelClass{"STATIC", kChild | SS_LEFT | SS_NOTIFY, 0};
constexpr NativeClass kStatusBarClass{STATUSCLASSNAMEA, kChild | CCS_NOPARENTALIGN | CCS_NORESIZE,
                                      0, true};

class LabelPeer final : public NativeControl {
 public:
  LabelPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, kLabelClass, state) {}

  void Command(WORD code) override {
    if (code == STN_CLICKED) control_.NotifyClick();
  }

  // The label's own text colour on its page's background, or its form's.
  LRESULT Colors(HDC dc) const override {
    SetTextColor(dc, TextColor());
    SetBkMode(dc, TRANSPARENT);
    const HBRUSH page = PageBrush(dc);
    return reinterpret_cast<LRESULT>(page ? page : GetSysColorBrush(COLOR_BTNFACE));
  }
};

class StatusBarPeer final : public NativeControl {
 public:
  StatusBarPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, kStatusBarClass, state) {
    SendMessageA(hwnd_, SB_SIMPLE, TRUE, 0);
    SetText(state.Text());
  }

  void SetText(const std::string& text) override {
    text_ = text;
    SendMessageA(hwnd_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::string Text() const override { return text_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (HandleMouse(msg, wparam, lparam)) return 0;
    return NativeControl::HandleMessage(msg, wparam, lparam);
  }

 private:
  // Mouse buttons and moves, with the mouse captured while a button is down
  // so a fast drag does not lose it.
  bool HandleMouse(UINT msg, WPARAM wparam, LPARAM lparam) {
    const int x = static_cast<short>(LOWORD(lparam));
    const int y = static_cast<short>(HIWORD(lparam));
    const TShiftState shift = MouseShiftState(wparam);
    switch (msg) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        SetCapture(hwnd_);
        control_.NotifyMouseDown(MouseButtonOf(msg), shift, x, y);
        return true;
      case WM_MOUSEMOVE:
        control_.NotifyMouseMove(shift, x, y);
        return true;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        ReleaseCapture();
        control_.NotifyMouseUp(MouseButtonOf(msg), shift, x, y);
        return true;
    }
    return false;
  }

  std::string text_;
};

}  // namespace

Family CreateLabelPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<LabelPeer>(control, parent, state);
}

Family CreateStatusBarPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<StatusBarPeer>(control, parent, state);
}

}  // namespace ui::win32
