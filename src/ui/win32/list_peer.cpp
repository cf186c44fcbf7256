// List boxes and drop-down lists: their items and selection. A list box's
// LBN_SELCHANGE becomes OnClick and LBN_DBLCLK OnDblClick; a drop-down
// list's CBN_SELCHANGE becomes OnChange.
#include <windows.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

constexpr int kDropDownHeight = 160;

NativeClass ListClass(ControlKind kind) {
  constexpr DWORD kListBox = kChild | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  switch (kind) {
    case ControlKind::ComboBox:
      return {"COMBOBOX", kChild | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::SortedListBox:
      return {"LISTBOX", kListBox | LBS_SORT, WS_EX_CLIENTEDGE};
    default:
      return {"LISTBOX", kListBox, WS_EX_CLIENTEDGE};
  }
}

// The messages of one kind of list.
struct ListMessages {
  UINT add, reset, count, textLength, text, getSelection, setSelection;
};
constexpr ListMessages kListBoxMessages{LB_ADDSTRING, LB_RESETCONTENT, LB_GETCOUNT, LB_GETTEXTLEN,
                                        LB_GETTEXT,   LB_GETCURSEL,    LB_SETCURSEL};
constexpr ListMessages kComboBoxMessages{CB_ADDSTRING,    CB_RESETCONTENT, CB_GETCOUNT,
                                         CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETCURSEL,
                                         CB_SETCURSEL};

class ListPeer final : public NativeControl {
 public:
  ListPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, ListClass(state.Kind()), state),
        combo_(state.Kind() == ControlKind::ComboBox),
        messages_(combo_ ? kComboBoxMessages : kListBoxMessages) {}

  void SetBounds(const TRect& b) override {
    // A drop-down list's window also holds its opened list.
    const int height = combo_ ? b.Height + kDropDownHeight : b.Height;
    SetWindowPos(hwnd_, nullptr, b.Left, b.Top, b.Width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void AddItem(const std::string& text) override {
    SendMessageA(hwnd_, messages_.add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void ClearItems() override { SendMessageA(hwnd_, messages_.reset, 0, 0); }
  int ItemCount() const override {
    return static_cast<int>(SendMessageA(hwnd_, messages_.count, 0, 0));
  }
  std::string ItemText(int index) const override {
    const LRESULT length = SendMessageA(hwnd_, messages_.textLength, index, 0);
    if (length < 0) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, messages_.text, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }
  int ItemIndex() const override {
    return static_cast<int>(SendMessageA(hwnd_, messages_.getSelection, 0, 0));
  }
  void SetItemIndex(int index) override { SendMessageA(hwnd_, messages_.setSelection, index, 0); }

  void Command(WORD code) override {
    if (combo_) {
      if (code == CBN_SELCHANGE) control_.NotifyChange();
      return;
    }
    if (code == LBN_SELCHANGE) control_.NotifyClick();
    if (code == LBN_DBLCLK) control_.NotifyDblClick();
  }

  // The list box's own text colour, on the window background.
  LRESULT Colors(HDC dc) const override {
    if (combo_) return 0;
    SetTextColor(dc, TextColor());
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    // A list box reports its double click once, as LBN_DBLCLK.
    if (!combo_ && msg == WM_LBUTTONDBLCLK) return CallOriginal(msg, wparam, lparam);
    return NativeControl::HandleMessage(msg, wparam, lparam);
  }

 private:
  bool combo_;
  const ListMessages& messages_;
};

}  // namespace

Family CreateListPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<ListPeer>(control, parent, state);
}

}  // namespace ui::win32
