#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/win32/native_control.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

TShiftState KeyShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

// Marks our controls with their peer: a tooltip's subclass replaces the
// window procedure, so that does not tell them.
constexpr char kPeerProperty[] = "VelmarindPeer";

bool IsEnterKey(const MSG* message) {
  return message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
         message->wParam == VK_RETURN;
}

// The form's font with a control's own face, height, weight and underline;
// null when the form's font serves.
HFONT CreateOwnFont(HFONT formFont, const TFont& font, const TTextStyle& style) {
  if (font.Name.empty() && font.Height <= 0 && !style.Bold && !style.Underline) return nullptr;
  LOGFONTA description{};
  GetObjectA(formFont, sizeof description, &description);
  if (!font.Name.empty())
    lstrcpynA(description.lfFaceName, font.Name.c_str(), LF_FACESIZE);  // cut to 31
  if (font.Height > 0) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    description.lfHeight = -(font.InPoints ? MulDiv(font.Height, dpi, 72) : font.Height);
  }
  description.lfUnderline = style.Underline;
  if (style.Bold) description.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&description);
}

}  // namespace

NativeControl::NativeControl(TControl& control, TForm& parent, const NativeClass& native,
                             const StatePeer& state)
    : control_(control) {
  const HWND form = reinterpret_cast<HWND>(parent.Handle());
  DWORD style = native.style;
  if (control.Place().TabOrder >= 0) style |= WS_TABSTOP;
  if (!state.Visible()) style &= ~WS_VISIBLE;
  if (!control.Enabled()) style |= WS_DISABLED;
  if (native.common) UseCommonControls();
  hwnd_ =
      CreateWindowExA(native.exStyle, native.name, state.Text().c_str(), style, 0, 0, 0, 0, form,
                      reinterpret_cast<HMENU>(nextId_++), GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropA(hwnd_, kPeerProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

NativeControl::~NativeControl() {
  if (tooltip_) DestroyWindow(tooltip_);
  RemovePropA(hwnd_, kPeerProperty);
  DestroyWindow(hwnd_);
  if (ownFont_) DeleteObject(ownFont_);
}

// The setters that notify nobody, in the order that keeps each meaningful:
// the place and font (the form's unless the control has its own) first, the
// items before the selection, the range before the position, the format
// before the value, the text (given at making) before the caret.
void NativeControl::Adopt(const StatePeer& state) {
  SetBounds(state.Bounds());
  style_ = state.Style();
  ApplyFont();
  if (state.Glyph()) SetGlyph(*state.Glyph());
  SetMaxLength(state.MaxLength());
  if (state.NumbersOnly()) SetNumbersOnly(true);
  if (state.ReadOnly()) SetReadOnly(true);
  for (const std::string& item : state.Items()) AddItem(item);
  if (state.ItemIndex() >= 0) SetItemIndex(state.ItemIndex());
  if (state.Checked()) SetChecked(true);
  if (state.Kind() == ControlKind::TrackBar) {
    SetRange(state.Minimum(), state.Maximum());
    SetPosition(state.Position());
  }
  if (!state.Format().empty()) SetFormat(state.Format());
  if (state.Value()) SetDateTimeValue(*state.Value());
  if (!control_.Hint().empty()) SetHint(control_.Hint());
  if (state.SelStart() > 0 || state.SelLength() > 0) SetSel(state.SelStart(), state.SelLength());
}

void NativeControl::SetText(const std::string& text) {
  ChangeText([&] { SetWindowTextA(hwnd_, text.c_str()); });
}

void NativeControl::SetTextStyle(const TTextStyle& style) {
  style_ = style;
  ApplyFont();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// One tooltip window per control with a hint; it follows the mouse over the
// control by itself (TTF_SUBCLASS).
void NativeControl::SetHint(const std::string& hint) {
  if (!tooltip_ && hint.empty()) return;
  if (!tooltip_) UseCommonControls();
  if (!tooltip_)
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               GetParent(hwnd_), nullptr, GetModuleHandleA(nullptr), nullptr);
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(hwnd_);
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = const_cast<char*>(hint.c_str());
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (!hint.empty()) SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

int NativeControl::TextWidth() const {
  return TextWidthIn(reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)), Text());
}

void NativeControl::ApplyFont() {
  const ControlFont font = CreateControlFont(control_, style_);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.shown), TRUE);
  if (ownFont_) DeleteObject(ownFont_);
  ownFont_ = font.own;
}

ControlFont CreateControlFont(const TControl& control, const TTextStyle& style) {
  const HFONT formFont = FormFont(control.Parent());
  const HFONT own = CreateOwnFont(formFont, control.Font(), style);
  return {own, own ? own : formFont};
}

int TextWidthIn(HFONT font, const std::string& text) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ formerFont = SelectObject(dc, font);
  RECT extent{};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, formerFont);
  ReleaseDC(nullptr, dc);
  return extent.right;
}

COLORREF NativeControl::TextColor() const {
  return RGB(style_.Color >> 16, (style_.Color >> 8) & 0xFF, style_.Color & 0xFF);
}

// The brush's picture is the whole row of tabs: its origin goes to the tabs'
// corner, as the control sees it.
HBRUSH NativeControl::PageBrush(HDC dc) const {
  const TTabSheet* page = control_.Place().Page;
  NativeControl* tabs =
      page ? FromWindow(reinterpret_cast<HWND>(page->PageControl().Handle())) : nullptr;
  if (!tabs) return nullptr;
  POINT corner{0, 0};
  MapWindowPoints(tabs->hwnd_, hwnd_, &corner, 1);
  SetBrushOrgEx(dc, corner.x, corner.y, nullptr);
  return tabs->PageBackground();
}

LRESULT NativeControl::PageColors(HDC dc) const {
  const HBRUSH page = PageBrush(dc);
  if (page) SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(page);
}

NativeControl* NativeControl::FromWindow(HWND window) {
  return window ? static_cast<NativeControl*>(GetPropA(window, kPeerProperty)) : nullptr;
}

LRESULT CALLBACK NativeControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (IsForeignPointerMessage(hwnd, msg)) return 0;
  auto* self = reinterpret_cast<NativeControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return CallGuarded([&] { return self->HandleMessage(msg, wparam, lparam); });
}

LRESULT NativeControl::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_GETDLGCODE:
      // A control with a key-press handler gets its Enter key.
      if (control_.OnKeyPress && IsEnterKey(reinterpret_cast<const MSG*>(lparam)))
        return CallOriginal(msg, wparam, lparam) | DLGC_WANTMESSAGE;
      break;
    case WM_SETCURSOR:
      if (style_.HandCursor) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    // Keys pressed with Alt (and F10) come as system keys; they reach the
    // key events too, then go on to the default handling (Alt+F4 closes).
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      unsigned short key = static_cast<unsigned short>(wparam);
      TShiftState shift = KeyShiftState();
      if (HIWORD(lparam) & KF_ALTDOWN) shift |= ssAlt;
      if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)
        control_.NotifyKeyDown(key, shift);
      else
        control_.NotifyKeyUp(key, shift);
      if (key == 0) return 0;
      wparam = key;
      break;
    }
    case WM_CHAR: {
      char key = static_cast<char>(wparam);
      control_.NotifyKeyPress(key);
      if (key == 0 || TypedCharacter(key)) return 0;
      wparam = static_cast<unsigned char>(key);
      break;
    }
    case WM_LBUTTONDBLCLK:
      control_.NotifyDblClick();
      break;
  }
  return CallOriginal(msg, wparam, lparam);
}

LRESULT NativeControl::CallOriginal(UINT msg, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(original_, hwnd_, msg, wparam, lparam);
}

void ReflectCommand(HWND control, WORD code) {
  if (NativeControl* peer = NativeControl::FromWindow(control)) peer->Command(code);
}

void ReflectNotify(HWND control, UINT code) {
  if (NativeControl* peer = NativeControl::FromWindow(control)) peer->Notify(code);
}

void ReflectScroll(HWND control) {
  if (NativeControl* peer = NativeControl::FromWindow(control)) peer->Scrolled();
}

LRESULT ControlColors(HWND control, HDC dc) {
  const NativeControl* peer = NativeControl::FromWindow(control);
  return peer ? peer->Colors(dc) : 0;
}

}  // namespace ui::win32
