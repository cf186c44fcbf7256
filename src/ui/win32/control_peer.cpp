#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kMemoStyle = kChild | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                             ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
constexpr UINT kSimplePart = 255;  // SB_SIMPLEID
constexpr int kDropDownHeight = 160;

struct NativeClass {
  const char* name;
  DWORD style;
  DWORD exStyle;
};

NativeClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Memo:
      return {"EDIT", kMemoStyle, WS_EX_CLIENTEDGE};
    case ControlKind::Edit:
      return {"EDIT", kChild | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {"BUTTON", kChild | BS_PUSHBUTTON, 0};
    case ControlKind::BitBtn:
      return {"BUTTON", kChild | BS_PUSHBUTTON | BS_ICON, 0};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEA, kChild | CCS_NOPARENTALIGN | CCS_NORESIZE, 0};
    case ControlKind::Label:
      return {"STATIC", kChild | SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::ListBox:
      return {"LISTBOX", kChild | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
    case ControlKind::SortedListBox:
      return {"LISTBOX", kChild | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_SORT,
              WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      return {"COMBOBOX", kChild | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", kChild | BS_AUTOCHECKBOX, 0};
    // Frames and tabs lie behind the controls on them: clipping their
    // siblings keeps them from painting over those controls.
    case ControlKind::GroupBox:
      return {"BUTTON", kChild | WS_CLIPSIBLINGS | BS_GROUPBOX, 0};
    case ControlKind::TrackBar:
      return {TRACKBAR_CLASSA, kChild | TBS_HORZ | TBS_AUTOTICKS, 0};
    case ControlKind::PageControl:
      return {WC_TABCONTROLA, kChild | WS_CLIPSIBLINGS | TCS_MULTILINE, 0};
  }
  return {"STATIC", kChild, 0};
}

TShiftState KeyShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

class Win32Control final : public NativeWindow<ControlPeer> {
 public:
  Win32Control(TControl& control, TForm& parent, ControlKind kind)
      : control_(control), kind_(kind) {
    const NativeClass native = ClassOf(kind);
    const HWND form = reinterpret_cast<HWND>(parent.Handle());
    const DWORD tabStop = control.Place().TabOrder >= 0 ? WS_TABSTOP : 0;
    hwnd_ =
        CreateWindowExA(native.exStyle, native.name, "", native.style | tabStop, 0, 0, 0, 0, form,
                        reinterpret_cast<HMENU>(nextId_++), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd_, WM_SETFONT, SendMessageA(form, WM_GETFONT, 0, 0), FALSE);
    if (kind == ControlKind::Memo) SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);
    if (kind == ControlKind::StatusBar) SendMessageA(hwnd_, SB_SIMPLE, TRUE, 0);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  }
  ~Win32Control() override {
    DestroyWindow(hwnd_);
    if (icon_) DestroyIcon(icon_);
    if (styledFont_) DeleteObject(styledFont_);
  }

  void SetText(const std::string& text) override {
    if (kind_ == ControlKind::StatusBar) {
      statusText_ = text;
      SendMessageA(hwnd_, SB_SETTEXTA, kSimplePart, reinterpret_cast<LPARAM>(text.c_str()));
      return;
    }
    ChangeText([&] { SetWindowTextA(hwnd_, text.c_str()); });
  }
  std::string Text() const override {
    return kind_ == ControlKind::StatusBar ? statusText_ : WindowText(hwnd_);
  }
  int SelStart() const override { return Selection().start; }
  int SelLength() const override {
    const auto selection = Selection();
    return selection.end - selection.start;
  }
  void SetSel(int start, int length) override {
    SendMessageA(hwnd_, EM_SETSEL, start, start + length);
  }
  void ReplaceSel(const std::string& text) override {
    ChangeText(
        [&] { SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str())); });
  }
  void ScrollCaret() override { SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0); }
  void LineScroll(int lines) override { SendMessageA(hwnd_, EM_LINESCROLL, 0, lines); }
  void CopySelection() override { SendMessageA(hwnd_, WM_COPY, 0, 0); }
  void Paste() override {
    ChangeText([&] { SendMessageA(hwnd_, WM_PASTE, 0, 0); });
  }
  void SetMaxLength(int length) override { SendMessageA(hwnd_, EM_SETLIMITTEXT, length, 0); }
  void SetGlyph(const TImage& glyph) override {
    if (icon_) DestroyIcon(icon_);
    icon_ = CreateIconFromImage(glyph);
    SendMessageA(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_));
  }

  void SetBounds(const TRect& b) override {
    // A drop-down list's window also holds its opened list.
    const int height = kind_ == ControlKind::ComboBox ? b.Height + kDropDownHeight : b.Height;
    SetWindowPos(hwnd_, nullptr, b.Left, b.Top, b.Width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void SetTextStyle(const TTextStyle& style) override {
    style_ = style;
    if (style.Underline || style.Bold) {
      LOGFONTA font{};
      GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
      font.lfUnderline = style.Underline;
      if (style.Bold) font.lfWeight = FW_BOLD;
      if (styledFont_) DeleteObject(styledFont_);
      styledFont_ = CreateFontIndirectA(&font);
      SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(styledFont_), TRUE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  // The colours of a WM_CTLCOLOR... message the form passes on.
  LRESULT Colors(HDC dc) const {
    const COLORREF text = RGB(style_.Color >> 16, (style_.Color >> 8) & 0xFF, style_.Color & 0xFF);
    // A memo with a colour of its own; other edits keep the system's colours.
    if (kind_ == ControlKind::Memo && style_.Color != 0) {
      SetTextColor(dc, text);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    const bool isList = kind_ == ControlKind::ListBox || kind_ == ControlKind::SortedListBox;
    if (kind_ != ControlKind::Label && !isList) return 0;
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(isList ? COLOR_WINDOW : COLOR_BTNFACE));
  }

  void AddItem(const std::string& text) override {
    if (IsTabs()) {
      TCITEMA tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = const_cast<char*>(text.c_str());
      SendMessageA(hwnd_, TCM_INSERTITEMA, ItemCount(), reinterpret_cast<LPARAM>(&tab));
      return;
    }
    SendMessageA(hwnd_, IsCombo() ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
  }
  void ClearItems() override {
    SendMessageA(hwnd_,
                 IsTabs()    ? TCM_DELETEALLITEMS
                 : IsCombo() ? CB_RESETCONTENT
                             : LB_RESETCONTENT,
                 0, 0);
  }
  int ItemCount() const override {
    const UINT count = IsTabs() ? TCM_GETITEMCOUNT : IsCombo() ? CB_GETCOUNT : LB_GETCOUNT;
    return static_cast<int>(SendMessageA(hwnd_, count, 0, 0));
  }
  std::string ItemText(int index) const override {
    if (IsTabs()) return TabText(index);
    const LRESULT length =
        SendMessageA(hwnd_, IsCombo() ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
    if (length < 0) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, IsCombo() ? CB_GETLBTEXT : LB_GETTEXT, index,
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }
  int ItemIndex() const override {
    const UINT get = IsTabs() ? TCM_GETCURSEL : IsCombo() ? CB_GETCURSEL : LB_GETCURSEL;
    return static_cast<int>(SendMessageA(hwnd_, get, 0, 0));
  }
  void SetItemIndex(int index) override {
    const UINT set = IsTabs() ? TCM_SETCURSEL : IsCombo() ? CB_SETCURSEL : LB_SETCURSEL;
    SendMessageA(hwnd_, set, index, 0);
  }

  void SetReadOnly(bool readOnly) override { SendMessageA(hwnd_, EM_SETREADONLY, readOnly, 0); }
  void SetNumbersOnly(bool numbersOnly) override {
    const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    SetWindowLongA(hwnd_, GWL_STYLE, numbersOnly ? style | ES_NUMBER : style & ~ES_NUMBER);
  }
  bool Checked() const override { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) override {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void SetRange(int minimum, int maximum) override {
    SendMessageA(hwnd_, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
    reportedPosition_ = Position();
  }
  int Position() const override { return static_cast<int>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0)); }
  void SetPosition(int position) override {
    SendMessageA(hwnd_, TBM_SETPOS, TRUE, position);
    reportedPosition_ = Position();
  }

  // The peer of one of our controls; null for any other window.
  static Win32Control* FromWindow(HWND window) {
    if (!window || GetWindowLongPtrA(window, GWLP_WNDPROC) !=
                       reinterpret_cast<LONG_PTR>(&Win32Control::SubclassProc))
      return nullptr;
    return reinterpret_cast<Win32Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }

  // A WM_COMMAND notification the form passes on to its control.
  void Command(WORD code) {
    switch (kind_) {
      case ControlKind::Memo:
      case ControlKind::Edit:
        if (code == EN_CHANGE && !changingText_) control_.NotifyChange();
        break;
      case ControlKind::Button:
      case ControlKind::BitBtn:
        if (code == BN_CLICKED) control_.NotifyClick();
        break;
      case ControlKind::Label:
        if (code == STN_CLICKED) control_.NotifyClick();
        break;
      case ControlKind::ListBox:
      case ControlKind::SortedListBox:
        if (code == LBN_SELCHANGE) control_.NotifyClick();
        if (code == LBN_DBLCLK) control_.NotifyDblClick();
        break;
      case ControlKind::ComboBox:
        if (code == CBN_SELCHANGE) control_.NotifyChange();
        break;
      case ControlKind::CheckBox:
        if (code == BN_CLICKED) control_.NotifyClick();
        break;
      default:
        break;
    }
  }

  // A WM_NOTIFY notification: the user chose another tab.
  void Notify(UINT code) {
    if (IsTabs() && code == static_cast<UINT>(TCN_SELCHANGE)) control_.NotifyChange();
  }

  // A track bar's WM_HSCROLL: a drag sends several, so only a new position
  // is reported.
  void Scrolled() {
    if (kind_ != ControlKind::TrackBar || Position() == reportedPosition_) return;
    reportedPosition_ = Position();
    control_.NotifyChange();
  }

 private:
  struct Range {
    int start;
    int end;
  };
  Range Selection() const {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }

  // A change made by the program is reported once, and only when the text
  // really changed, whatever the control itself notifies.
  template <class Change>
  void ChangeText(Change change) {
    const std::string before = WindowText(hwnd_);
    changingText_ = true;
    change();
    changingText_ = false;
    if (WindowText(hwnd_) != before) control_.NotifyChange();
  }

  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<Win32Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return CallGuarded([&] { return self->HandleMessage(msg, wparam, lparam); });
  }

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    const int x = static_cast<short>(LOWORD(lparam));
    const int y = static_cast<short>(HIWORD(lparam));
    switch (msg) {
      case WM_GETDLGCODE:
        // The memo takes Tab and Enter itself instead of the dialog manager;
        // a control with a key-press handler gets its Enter key.
        if (kind_ == ControlKind::Memo) return CallOriginal(msg, wparam, lparam) | DLGC_WANTALLKEYS;
        if (control_.OnKeyPress && IsEnterKey(reinterpret_cast<const MSG*>(lparam)))
          return CallOriginal(msg, wparam, lparam) | DLGC_WANTMESSAGE;
        break;
      case WM_SETCURSOR:
        if (style_.HandCursor) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
        break;
      case WM_KEYDOWN:
      case WM_KEYUP: {
        unsigned short key = static_cast<unsigned short>(wparam);
        if (msg == WM_KEYDOWN)
          control_.NotifyKeyDown(key, KeyShiftState());
        else
          control_.NotifyKeyUp(key, KeyShiftState());
        if (key == 0) return 0;
        wparam = key;
        break;
      }
      case WM_CHAR: {
        char key = static_cast<char>(wparam);
        control_.NotifyKeyPress(key);
        if (key == 0) return 0;
        if (key == '\t' && kind_ == ControlKind::Memo) {
          // An edit control asked for its dialog code ignores typed tabs.
          SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
          return 0;
        }
        wparam = static_cast<unsigned char>(key);
        break;
      }
      case WM_LBUTTONDBLCLK:
        // A list box reports its double click once, as LBN_DBLCLK.
        if (kind_ != ControlKind::ListBox && kind_ != ControlKind::SortedListBox)
          control_.NotifyDblClick();
        break;
      case WM_LBUTTONUP:
        if (kind_ == ControlKind::Memo) {
          const LRESULT result = CallOriginal(msg, wparam, lparam);
          control_.NotifyClick();
          return result;
        }
        break;
    }
    if (kind_ == ControlKind::StatusBar && HandleMouse(msg, wparam, x, y)) return 0;
    return CallOriginal(msg, wparam, lparam);
  }

  // Mouse buttons and moves over the status bar, with the mouse captured
  // while a button is down so a fast drag does not lose it.
  bool HandleMouse(UINT msg, WPARAM wparam, int x, int y) {
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

  static bool IsEnterKey(const MSG* message) {
    return message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
           message->wParam == VK_RETURN;
  }
  bool IsCombo() const { return kind_ == ControlKind::ComboBox; }
  bool IsTabs() const { return kind_ == ControlKind::PageControl; }
  std::string TabText(int index) const {
    char text[256] = "";
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text;
    tab.cchTextMax = sizeof text;
    if (!SendMessageA(hwnd_, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&tab))) return "";
    return tab.pszText;
  }

  LRESULT CallOriginal(UINT msg, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcA(original_, hwnd_, msg, wparam, lparam);
  }

  static inline int nextId_ = 1000;
  TControl& control_;
  ControlKind kind_;
  WNDPROC original_ = nullptr;
  HICON icon_ = nullptr;
  HFONT styledFont_ = nullptr;
  TTextStyle style_;
  std::string statusText_;
  bool changingText_ = false;
  int reportedPosition_ = 0;
};

}  // namespace

void ReflectCommand(HWND control, WORD code) {
  if (Win32Control* peer = Win32Control::FromWindow(control)) peer->Command(code);
}

void ReflectNotify(HWND control, UINT code) {
  if (Win32Control* peer = Win32Control::FromWindow(control)) peer->Notify(code);
}

void ReflectScroll(HWND control) {
  if (Win32Control* peer = Win32Control::FromWindow(control)) peer->Scrolled();
}

LRESULT ControlColors(HWND control, HDC dc) {
  const Win32Control* peer = Win32Control::FromWindow(control);
  return peer ? peer->Colors(dc) : 0;
}

}  // namespace ui::win32

namespace ui {

std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control, TForm& parent, ControlKind kind) {
  return std::make_unique<win32::Win32Control>(control, parent, kind);
}

}  // namespace ui
