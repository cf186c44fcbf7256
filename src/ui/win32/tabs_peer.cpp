// A row of tabs: the items are the tabs' captions; TCN_SELCHANGE becomes
// OnChange.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

// Tabs lie behind the controls on them: clipping their siblings keeps them
// from painting over those controls.
constexpr NativeClass kTabsClass{WC_TABCONTROLA, kChild | WS_CLIPSIBLINGS | TCS_MULTILINE, 0, true};

class TabsPeer final : public NativeControl {
 public:
  TabsPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, kTabsClass, state) {}

  void AddItem(const std::string& text) override {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(text.c_str());
    SendMessageA(hwnd_, TCM_INSERTITEMA, ItemCount(), reinterpret_cast<LPARAM>(&tab));
  }
  void ClearItems() override { SendMessageA(hwnd_, TCM_DELETEALLITEMS, 0, 0); }
  int ItemCount() const override {
    return static_cast<int>(SendMessageA(hwnd_, TCM_GETITEMCOUNT, 0, 0));
  }
  std::string ItemText(int index) const override {
    char text[256] = "";
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = text;
    tab.cchTextMax = sizeof text;
    if (!SendMessageA(hwnd_, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&tab))) return "";
    return tab.pszText;
  }
  void SetItemText(int index, const std::string& text) override {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(text.c_str());
    SendMessageA(hwnd_, TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&tab));
  }
  int ItemIndex() const override {
    return static_cast<int>(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0));
  }
  void SetItemIndex(int index) override { SendMessageA(hwnd_, TCM_SETCURSEL, index, 0); }

  void Notify(UINT code) override {
    if (code == static_cast<UINT>(TCN_SELCHANGE)) control_.NotifyChange();
  }
};

}  // namespace

Family CreateTabsPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<TabsPeer>(control, parent, state);
}

}  // namespace ui::win32
