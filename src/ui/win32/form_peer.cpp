#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

struct WindowStyle {
  DWORD style;
  DWORD exStyle;
};

// WS_EX_CONTROLPARENT marks a form for the dialog manager (see DispatchQueuedMessage).
WindowStyle StyleOf(const TFormParams& params) {
  WindowStyle s{WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  switch (params.BorderStyle) {
    case TBorderStyle::bsNone:
      s.style |= WS_POPUP;
      break;
    case TBorderStyle::bsSingle:
      s.style |= WS_CAPTION | WS_SYSMENU;
      break;
    case TBorderStyle::bsSizeable:
      s.style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      break;
    case TBorderStyle::bsDialog:
      s.style |= WS_CAPTION | WS_SYSMENU;
      s.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TBorderStyle::bsToolWindow:
      s.style |= WS_CAPTION | WS_SYSMENU;
      s.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  const bool hasBoxes = params.BorderStyle == TBorderStyle::bsSingle ||
                        params.BorderStyle == TBorderStyle::bsSizeable;
  if (hasBoxes && params.MinimizeBox) s.style |= WS_MINIMIZEBOX;
  if (hasBoxes && params.MaximizeBox) s.style |= WS_MAXIMIZEBOX;
  if (!params.SystemMenu) s.style &= ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  if (params.StayOnTop) s.exStyle |= WS_EX_TOPMOST;
  if (params.AppWindow) s.exStyle |= WS_EX_APPWINDOW;
  return s;
}

// What the title bar and the frame add to the client area's size.
SIZE FrameOf(const WindowStyle& style) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style.style, FALSE, style.exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

HFONT CreateFormFont(const TFormParams& params) {
  return CreateFontA(params.FontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, params.FontName.c_str());
}

bool HasClass(HWND window, const char* className) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

bool IsGroupBox(HWND window) {
  return HasClass(window, "Button") &&
         (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsTabControl(HWND window) {
  return HasClass(window, WC_TABCONTROLA);
}

void MoveToBottom(HWND window) {
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int MouseX(const TMessage& message) {
  return static_cast<short>(LOWORD(message.LParam));
}
int MouseY(const TMessage& message) {
  return static_cast<short>(HIWORD(message.LParam));
}

// The native window is made when the form is first shown or first needs a
// handle; until then the peer keeps the caption, place, state and alpha it is
// given, and works out the sizes the window system would give the window.
class Win32Form final : public NativeWindow<FormPeer> {
 public:
  Win32Form(TForm& form, const TFormParams& params)
      : form_(form),
        params_(params),
        style_(StyleOf(params)),
        frame_(FrameOf(style_)),
        font_(CreateFormFont(params)),
        caption_(params.Caption),
        bounds_{0, 0, params.ClientWidth + frame_.cx, params.ClientHeight + frame_.cy} {
    if (params.WindowAtOnce) MakeWindow();
    // From here on TForm owns this peer, so messages may go to its Dispatch.
    attached_ = true;
  }

  ~Win32Form() override {
    attached_ = false;
    if (hwnd_) DestroyWindow(hwnd_);
    DeleteObject(font_);
    if (icon_) DestroyIcon(icon_);
  }

  // The window and then every control made, each from what its peer kept.
  void Materialise() {
    if (hwnd_) return;
    MakeWindow();
    MakeNativeControls(form_);
  }
  bool Made() const { return hwnd_ != nullptr; }
  HFONT Font() const { return font_; }

  NativeHandle Handle() const override {
    Need();
    return NativeWindow::Handle();
  }
  void SetBounds(const TRect& b) override {
    if (hwnd_) return NativeWindow::SetBounds(b);
    const TRect before = bounds_;
    bounds_ = {b.Left, b.Top, TrackedWidth(b.Width), TrackedHeight(b.Height)};
    positioned_ = true;
    if (bounds_.Width != before.Width || bounds_.Height != before.Height) form_.Realign();
  }
  // Where the window system would put it is known only once it is made.
  TRect Bounds() const override {
    if (!hwnd_ && !positioned_) Need();
    return hwnd_ ? NativeWindow::Bounds() : bounds_;
  }
  void SetVisible(bool visible) override {
    if (visible) Need();
    if (hwnd_) NativeWindow::SetVisible(visible);
  }
  bool Visible() const override { return hwnd_ && NativeWindow::Visible(); }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    if (hwnd_) NativeWindow::SetEnabled(enabled);
  }
  void SetText(const std::string& text) override {
    caption_ = text;
    if (hwnd_) NativeWindow::SetText(text);
  }
  std::string Text() const override { return hwnd_ ? NativeWindow::Text() : caption_; }
  void SetFocus() override {
    Need();
    NativeWindow::SetFocus();
  }

  // A window not made yet is made on top of the others.
  void BringToFront() override {
    if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  void SetForeground() override {
    Need();
    SetForegroundWindow(hwnd_);
  }

  TRect ClientRect() const override {
    if (!hwnd_)
      return {0, 0, std::max(0L, bounds_.Width - frame_.cx),
              std::max(0L, bounds_.Height - frame_.cy)};
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {0, 0, r.right, r.bottom};
  }

  // The Tab key follows the windows' order among their siblings. Group
  // boxes, then tab controls, go to the bottom: they lie behind the rest.
  void SetTabOrder(const std::vector<NativeHandle>& controls) override {
    Need();
    HWND previous = HWND_TOP;
    for (NativeHandle handle : controls) {
      const HWND control = reinterpret_cast<HWND>(handle);
      SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = control;
    }
    for (HWND child : ChildrenWhere(IsGroupBox)) MoveToBottom(child);
    for (HWND child : ChildrenWhere(IsTabControl)) MoveToBottom(child);
  }

  void SetAlpha(bool enabled, int alpha) override {
    alpha_ = {enabled, alpha};
    if (!hwnd_) return;
    const LONG exStyle = GetWindowLongA(hwnd_, GWL_EXSTYLE);
    if (!enabled) {
      SetWindowLongA(hwnd_, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
      return;
    }
    SetWindowLongA(hwnd_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
  }

  void Post(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) override {
    Need();
    PostMessageA(hwnd_, msg, wparam, lparam);
  }

  void RunModalLoop() override {
    const std::vector<HWND> disabled = DisableOtherWindows(hwnd_);
    inModalLoop_ = true;
    wakePosted_ = false;
    MSG message;
    while (form_.ModalResult == mrNone) {
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the application's loop
        form_.ModalResult = mrCancel;
        break;
      }
      DispatchQueuedMessage(message);
    }
    inModalLoop_ = false;
    EnableWindows(disabled);
    // Wakes a loop further out that may be waiting inside GetMessage, when
    // this one ran from a sent message.
    PostMessageA(hwnd_, WM_NULL, 0, 0);
  }

  std::intptr_t DefaultHandler(TMessage& message) override {
    FillMenuOnOpening(message.Msg, message.WParam);  // popup menus it owns
    switch (message.Msg) {
      case WM_CLOSE:
        form_.Close();  // the form decides whether it hides, stays or ends the program
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<std::intptr_t>(font_);  // the font of the form's controls
      case WM_SIZE:
        if (attached_) form_.Realign();
        break;
      case WM_MEASUREITEM:
      case WM_DRAWITEM:
        if (HandleMenuImageMessage(message.Msg, message.LParam)) return TRUE;
        break;
      case WM_COMMAND:
        // The dialog keys send IDCANCEL for Escape, with no control.
        if (message.LParam == 0 && LOWORD(message.WParam) == IDCANCEL) form_.NotifyCancel();
        ReflectCommand(reinterpret_cast<HWND>(message.LParam), HIWORD(message.WParam));
        return 0;
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        ReflectNotify(header->hwndFrom, header->code);
        return 0;
      }
      case WM_HSCROLL:
        if (message.LParam) ReflectScroll(reinterpret_cast<HWND>(message.LParam));
        return 0;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLOREDIT:
        if (const LRESULT brush = ControlColors(reinterpret_cast<HWND>(message.LParam),
                                                reinterpret_cast<HDC>(message.WParam)))
          return brush;
        break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        SetCapture(hwnd_);  // a fast drag must not lose the mouse
        form_.NotifyMouseDown(MouseButtonOf(message.Msg), MouseShiftState(message.WParam),
                              MouseX(message), MouseY(message));
        return 0;
      case WM_MOUSEMOVE:
        form_.NotifyMouseMove(MouseShiftState(message.WParam), MouseX(message), MouseY(message));
        return 0;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        ReleaseCapture();
        form_.NotifyMouseUp(MouseButtonOf(message.Msg), MouseShiftState(message.WParam),
                            MouseX(message), MouseY(message));
        return 0;
      case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, params_.MinWidth);
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, params_.MinHeight);
        return 0;
      }
    }
    Need();
    return DefWindowProcA(hwnd_, message.Msg, message.WParam, message.LParam);
  }

 private:
  void Need() const { const_cast<Win32Form*>(this)->Materialise(); }

  // Messages during the making go to the window system alone, as the form
  // does not know its window yet.
  void MakeWindow() {
    const bool attached = std::exchange(attached_, false);
    RegisterWindowClass(params_.ClassName.c_str(), WindowProc, params_.SaveBits ? CS_SAVEBITS : 0);
    const HWND owner = params_.AppWindow ? nullptr : ApplicationWindow();
    const DWORD disabled = enabled_ ? 0 : WS_DISABLED;
    const int left = positioned_ ? bounds_.Left : CW_USEDEFAULT;
    const int top = positioned_ ? bounds_.Top : CW_USEDEFAULT;
    CreateWindowExA(style_.exStyle, params_.ClassName.c_str(), caption_.c_str(),
                    style_.style | disabled, left, top, bounds_.Width, bounds_.Height, owner,
                    nullptr, GetModuleHandleA(nullptr), this);
    SetIcon(params_.Icon);
    if (alpha_.first) SetAlpha(true, alpha_.second);
    attached_ = attached;
  }

  // The size limits the window system puts on a window with a title bar or a
  // sizing frame, our minimum size included (see WM_GETMINMAXINFO).
  bool Tracked() const {
    return (style_.style & WS_THICKFRAME) || !(style_.style & (WS_POPUP | WS_CHILD));
  }
  int TrackedWidth(int width) const {
    if (!Tracked()) return width;
    const int minimum = std::max(GetSystemMetrics(SM_CXMINTRACK), params_.MinWidth);
    return std::max(std::min(width, GetSystemMetrics(SM_CXMAXTRACK)), minimum);
  }
  int TrackedHeight(int height) const {
    if (!Tracked()) return height;
    const int minimum = std::max(GetSystemMetrics(SM_CYMINTRACK), params_.MinHeight);
    return std::max(std::min(height, GetSystemMetrics(SM_CYMAXTRACK)), minimum);
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (IsForeignPointerMessage(hwnd, msg)) return 0;
    if (msg == WM_NCCREATE) {
      auto* self =
          static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->HandleMessage(msg, wparam, lparam)
                : DefWindowProcA(hwnd, msg, wparam, lparam);
  }

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage message{msg, wparam, lparam, 0};
    if (!attached_) return DefaultHandler(message);
    return CallGuarded([&] {
      form_.Dispatch(message);
      WakeModalLoopWhenDone();
      return message.Result;
    });
  }

  // A message sent to the form (a button's click sent by another program)
  // is handled inside GetMessage, which then goes on waiting for a posted
  // one; this posted message lets the modal loop see its result.
  void WakeModalLoopWhenDone() {
    if (!inModalLoop_ || wakePosted_ || form_.ModalResult == mrNone) return;
    wakePosted_ = true;
    PostMessageA(hwnd_, WM_NULL, 0, 0);
  }

  // The title bar and the taskbar button show the same picture.
  void SetIcon(const TImage& image) {
    icon_ = CreateIconFromImage(image);
    if (!icon_) return;
    for (WPARAM size : {ICON_SMALL, ICON_BIG})
      SendMessageA(hwnd_, WM_SETICON, size, reinterpret_cast<LPARAM>(icon_));
  }

  std::vector<HWND> ChildrenWhere(bool (*matches)(HWND)) const {
    std::vector<HWND> found;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (matches(child)) found.push_back(child);
    return found;
  }

  TForm& form_;
  const TFormParams params_;
  const WindowStyle style_;
  const SIZE frame_;
  HFONT font_;
  HICON icon_ = nullptr;
  std::string caption_;
  TRect bounds_;
  bool positioned_ = false;
  bool enabled_ = true;
  std::pair<bool, int> alpha_{false, 255};
  bool attached_ = false;
  bool inModalLoop_ = false;
  bool wakePosted_ = false;
};

}  // namespace
}  // namespace ui::win32

namespace ui {

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form, const TFormParams& params) {
  return std::make_unique<win32::Win32Form>(form, params);
}

namespace win32 {

void MakeFormWindow(const TForm& form) {
  static_cast<Win32Form&>(form.Peer()).Materialise();
}

bool FormWindowMade(const TForm& form) {
  return static_cast<const Win32Form&>(form.Peer()).Made();
}

HFONT FormFont(const TForm& form) {
  return static_cast<const Win32Form&>(form.Peer()).Font();
}

}  // namespace win32

}  // namespace ui
