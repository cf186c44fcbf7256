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
  ~TabsPeer() override { ForgetPageBackground(); }

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

  // The controls on the pages are drawn on a picture of the tabs as they paint
  // themselves, whatever the theme makes of a page (a colour, a gradient).
  HBRUSH PageBackground() override {
    if (!pageBrush_) PaintPageBackground();
    return pageBrush_;
  }

 protected:
  // A paint into a DC of its own (wparam) may be our picture being made.
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == WM_SIZE || msg == WM_THEMECHANGED) ForgetPageBackground();
    if (msg == WM_PAINT && !wparam) RedrawControlsOnTheEdge();
    return NativeControl::HandleMessage(msg, wparam, lparam);
  }

 private:
  // The tabs paint their row anew when another tab is chosen, a caption
  // changes, the focus or the mouse comes or goes: the controls lying over its
  // edge show a piece of it, so they are drawn again, on a new picture.
  void RedrawControlsOnTheEdge() {
    ForgetPageBackground();
    RECT page;
    GetClientRect(hwnd_, &page);
    const LONG width = page.right;
    SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    RECT edge{0, 0, width, page.top};
    MapWindowPoints(hwnd_, GetParent(hwnd_), reinterpret_cast<POINT*>(&edge), 2);
    RedrawWindow(GetParent(hwnd_), &edge, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }

  // Where the tabs print nothing, the form's colour shows through, as on the screen.
  void PaintPageBackground() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const HDC window = GetDC(hwnd_);
    const HDC picture = CreateCompatibleDC(window);
    pagePicture_ = CreateCompatibleBitmap(window, client.right, client.bottom);
    ReleaseDC(hwnd_, window);
    const HGDIOBJ former = SelectObject(picture, pagePicture_);
    FillRect(picture, &client, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageA(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture), PRF_CLIENT);
    SelectObject(picture, former);
    DeleteDC(picture);
    pageBrush_ = CreatePatternBrush(pagePicture_);
  }

  void ForgetPageBackground() {
    if (pageBrush_) DeleteObject(pageBrush_);
    if (pagePicture_) DeleteObject(pagePicture_);
    pageBrush_ = nullptr;
    pagePicture_ = nullptr;
  }

  HBITMAP pagePicture_ = nullptr;
  HBRUSH pageBrush_ = nullptr;
};

}  // namespace

Family CreateTabsPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<TabsPeer>(control, parent, state);
}

}  // namespace ui::win32
