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
  UINT add, remove, reset, initStorage, count, textLength, text, find, getSelection, setSelection;
};
// clang-format off
constexpr ListMessages kListBoxMessages{LB_ADDSTRING, LB_DELETESTRING, LB_RESETCONTENT,
    LB_INITSTORAGE, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_FINDSTRINGEXACT, LB_GETCURSEL,
    LB_SETCURSEL};
constexpr ListMessages kComboBoxMessages{CB_ADDSTRING, CB_DELETESTRING, CB_RESETCONTENT,
    CB_INITSTORAGE, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_FINDSTRINGEXACT, CB_GETCURSEL,
    CB_SETCURSEL};
// clang-format on

class ListPeer final : public NativeControl {
 public:
  ListPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, ListClass(state.Kind()), state),
        combo_(state.Kind() == ControlKind::ComboBox),
        sorted_(state.Kind() == ControlKind::SortedListBox),
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
  // With redrawing off: a list box that shows repaints its scroll bar at each
  // item added, milliseconds an item under Wine, and sets it once redrawing
  // is on again.
  void SetItems(const std::vector<std::string>& items) override {
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    ClearItems();
    std::size_t bytes = 0;
    for (const std::string& item : items) bytes += item.size() + 1;
    SendMessageA(hwnd_, messages_.initStorage, items.size(), bytes);
    for (const std::string& item : items) AddItem(item);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
  }
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
  // A sorted list box is searched by halves; the window system's own search
  // goes through every item.
  int FindItem(const std::string& text) const override {
    const int found = sorted_ ? FindSorted(text) : -1;
    return found >= 0 ? found : FindAnywhere(text);
  }
  void DeleteItem(int index) override { SendMessageA(hwnd_, messages_.remove, index, 0); }
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
  // Finds an item equal but for case, then the one of that run with exactly
  // the text; -1 when there is none (or the system compares otherwise).
  int FindSorted(const std::string& text) const {
    const auto locale = static_cast<LCID>(SendMessageA(hwnd_, LB_GETLOCALE, 0, 0));
    // The item's order against the text, as the list box sorts: in its
    // locale, ignoring case.
    const auto order = [&](int index) {
      const std::string item = ItemText(index);
      return CompareStringA(locale, NORM_IGNORECASE, item.c_str(), -1, text.c_str(), -1) -
             CSTR_EQUAL;
    };
    int low = 0, high = ItemCount() - 1, equal = -1;
    while (low <= high && equal < 0) {
      const int middle = (low + high) / 2, compared = order(middle);
      if (compared == 0)
        equal = middle;
      else if (compared < 0)
        low = middle + 1;
      else
        high = middle - 1;
    }
    if (equal < 0) return -1;
    while (equal > 0 && order(equal - 1) == 0) --equal;
    for (; equal < ItemCount() && order(equal) == 0; ++equal)
      if (ItemText(equal) == text) return equal;
    return -1;
  }

  // The window system's search ignores case and never finds an empty text:
  // it only narrows the search, which goes on past items that differ in case.
  int FindAnywhere(const std::string& text) const {
    if (text.empty()) return FirstEmptyItem();
    for (int after = -1;;) {
      const auto found = static_cast<int>(
          SendMessageA(hwnd_, messages_.find, after, reinterpret_cast<LPARAM>(text.c_str())));
      if (found <= after) return -1;  // none, or the search came round again
      if (ItemText(found) == text) return found;
      after = found;
    }
  }

  int FirstEmptyItem() const {
    for (int i = 0; i < ItemCount(); ++i)
      if (SendMessageA(hwnd_, messages_.textLength, i, 0) == 0) return i;
    return -1;
  }

  bool combo_;
  bool sorted_;
  const ListMessages& messages_;
};

}  // namespace

Family CreateListPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<ListPeer>(control, parent, state);
}

}  // namespace ui::win32
