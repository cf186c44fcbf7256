// Push buttons, image buttons and check boxes: BN_CLICKED becomes OnClick.
// Group boxes are buttons too, and report nothing.
#include <windows.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

NativeClass ButtonClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::BitBtn:
      return {"BUTTON", kChild | BS_PUSHBUTTON | BS_ICON, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", kChild | BS_AUTOCHECKBOX, 0};
    // A frame lies behind the controls on it: clipping its siblings keeps
    // it from painting over them.
    case ControlKind::GroupBox:
      return {"BUTTON", kChild | WS_CLIPSIBLINGS | BS_GROUPBOX, 0};
    default:
      return {"BUTTON", kChild | BS_PUSHBUTTON, 0};
  }
}

class ButtonPeer final : public NativeControl {
 public:
  ButtonPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, ButtonClass(state.Kind()), state) {}
  ~ButtonPeer() override {
    if (icon_) DestroyIcon(icon_);
  }

  void SetGlyph(const TImage& glyph) override {
    if (icon_) DestroyIcon(icon_);
    icon_ = CreateIconFromImage(glyph);
    SendMessageA(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_));
  }
  bool Checked() const override { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) override {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  void Command(WORD code) override {
    if (code == BN_CLICKED) control_.NotifyClick();
  }
  // A check box on a page; push buttons ask with another message.
  LRESULT Colors(HDC dc) const override { return PageColors(dc); }

 private:
  HICON icon_ = nullptr;
};

// The form clips its children, so nobody else paints behind the frame:
// it fills its own background (its page's or its form's), its siblings left out.
class GroupBoxPeer final : public NativeControl {
 public:
  GroupBoxPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, ButtonClass(ControlKind::GroupBox), state) {}

  LRESULT Colors(HDC dc) const override { return PageColors(dc); }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg != WM_ERASEBKGND) return NativeControl::HandleMessage(msg, wparam, lparam);
    const HDC dc = reinterpret_cast<HDC>(wparam);
    const HBRUSH page = PageBrush(dc);
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, page ? page : GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
};

}  // namespace

Family CreateButtonPeer(TControl& control, TForm& parent, const StatePeer& state) {
  if (state.Kind() == ControlKind::GroupBox)
    return std::make_unique<GroupBoxPeer>(control, parent, state);
  return std::make_unique<ButtonPeer>(control, parent, state);
}

}  // namespace ui::win32
