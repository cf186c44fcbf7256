#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/win32/win32_peers.h"
#include "ui_test_support.h"

namespace {

using ui_test::UiTest;

constexpr char kMenuClass[] = "#32768";

// A hidden form like the main form: counts the WM_COMMANDs it receives and
// the menu images it is asked to draw.
class OwnerForm : public ui::TForm {
 public:
  OwnerForm() : TForm(ui::TFormParams{}) {}
  void Dispatch(ui::TMessage& message) override {
    if (message.Msg == WM_COMMAND) ++commands;
    if (message.Msg == WM_DRAWITEM &&
        reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU)
      ++imagesDrawn;
    TForm::Dispatch(message);
  }
  int commands = 0;
  int imagesDrawn = 0;
};

ui::TImage SolidImage(std::uint32_t argb) {
  return ui::TImage{16, 16, std::vector<std::uint32_t>(16 * 16, argb)};
}

// Open (image 0), -, Hidden (invisible), Disabled, Checked (image 1), More > Inner
class UiMenu : public UiTest {
 protected:
  UiMenu() : images(16, 16) {
    images.Add(SolidImage(0xFFFF0000));
    images.Add(SolidImage(0x80008000));
    menu.Images = &images;
    hidden.Visible = false;
    disabled.Enabled = false;
    checked.Checked = true;
    for (ui::TMenuItem* item : {&open, &separator, &hidden, &disabled, &checked, &more})
      menu.Items.Add(*item);
    more.Add(inner);
    for (ui::TMenuItem* item : {&open, &hidden, &disabled, &checked, &inner})
      item->OnClick = [this](ui::TObject* sender) {
        clicked.push_back(static_cast<ui::TMenuItem*>(sender)->Caption);
      };
  }

  // Pops the menu up while `driver` works it from another thread.
  void Popup(const std::function<void(HWND)>& driver) {
    ui_test::Driver hands([] { return ui_test::FindVisibleWindow(kMenuClass); }, driver);
    ui_test::LoopGuard guard(5000, [] { EndMenu(); });
    menu.Popup(100, 100, owner.Handle());
    EXPECT_TRUE(hands.Finish()) << "no menu came up";
  }

  ui::TImageList images;
  ui::TPopupMenu menu;
  ui::TMenuItem open{"&Open", 0}, separator{"-"}, hidden{"Hidden"}, disabled{"Disabled"},
      checked{"Checked", 1}, more{"More"}, inner{"Inner"};
  OwnerForm owner;
  std::vector<std::string> clicked;
};

struct ItemView {
  std::string text;  // "-" for a separator
  UINT state;
  bool hasImage;
  bool hasSubmenu;
  bool operator==(const ItemView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ItemView& v) {
  return out << v.text << " state " << v.state << (v.hasImage ? " image" : "")
             << (v.hasSubmenu ? " submenu" : "");
}

std::vector<ItemView> ReadItems(HMENU menu) {
  std::vector<ItemView> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_BITMAP | MIIM_SUBMENU | MIIM_DATA;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    const bool separator = info.fType & MFT_SEPARATOR;
    items.push_back({separator ? "-" : text, info.fState & (MFS_CHECKED | MFS_DISABLED),
                     info.hbmpItem == HBMMENU_CALLBACK && info.dwItemData,
                     info.hSubMenu != nullptr});
  }
  return items;
}

TEST_F(UiMenu, NativeMenuShowsTheVisibleItemsWithTheirState) {
  std::vector<ItemView> items;
  Popup([&](HWND window) {
    items = ReadItems(reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)));
    Sleep(200);  // lets the menu paint before the key arrives
    ui_test::PostKeys(window, {VK_ESCAPE});
  });
  EXPECT_TRUE(clicked.empty());
  EXPECT_GE(owner.imagesDrawn, 2) << "the owner draws the images of Open and Checked";
  const std::vector<ItemView> expected = {
      {"&Open", 0, true, false},
      {"-", 0, false, false},
      {"Disabled", MFS_DISABLED, false, false},
      {"Checked", MFS_CHECKED, true, false},
      {"More", 0, false, true},
  };
  EXPECT_EQ(items, expected);
}

TEST_F(UiMenu, KeysChooseAnItemWhoseClickRunsWithoutAnyWmCommand) {
  const struct Case {
    const char* name;
    std::vector<WPARAM> keys;
    std::vector<std::string> clicked;
  } cases[] = {
      {"first item", {VK_DOWN, VK_RETURN}, {"&Open"}},
      {"past the separator and the disabled item",
       {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
       {"Checked"}},
      {"disabled item", {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, {}},
      {"submenu", {VK_UP, VK_RIGHT, VK_RETURN}, {"Inner"}},
      {"escape", {VK_ESCAPE}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clicked.clear();
    owner.commands = 0;
    Popup([&](HWND window) { ui_test::PostKeys(window, c.keys); });
    ui_test::Pump(50);  // a WM_COMMAND would have been posted
    EXPECT_EQ(clicked, c.clicked);
    EXPECT_EQ(owner.commands, 0);
  }
}

// The colours a 4x1 image leaves on a grey item background; grey, so that
// no channel saturates and a blend of colours not premultiplied would show.
TEST(UiMenuImage, IsBlendedOverTheItemBackground) {
  const ui::TImage image{4, 1, {0xFFFF0000, 0x800000FF, 0x00123456, 0xFF00FF00}};
  const struct {
    const char* name;
    UINT state;
    std::vector<std::uint32_t> expected;  // 0xRRGGBB
  } cases[] = {
      {"enabled", 0, {0xFF0000, 0x2020A0, 0x404040, 0x00FF00}},
      {"disabled, faded", ODS_GRAYED, {0x882828, 0x343464, 0x404040, 0x288828}},
  };
  const HBITMAP bitmap = ui::win32::CreateMenuBitmap(image);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + 4, 0x404040u);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, target);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemState = c.state;
    item.hDC = dc;
    item.rcItem = {0, 0, 4, 1};
    item.itemData = reinterpret_cast<ULONG_PTR>(bitmap);
    EXPECT_TRUE(ui::win32::HandleMenuImageMessage(WM_DRAWITEM, reinterpret_cast<LPARAM>(&item)));
    GdiFlush();
    for (int x = 0; x < 4; ++x)
      for (int shift : {16, 8, 0})
        EXPECT_NEAR(pixels[x] >> shift & 0xFF, c.expected[x] >> shift & 0xFF, 2)
            << "pixel " << x << " channel at bit " << shift;
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
  }
  DeleteObject(bitmap);
}

TEST(UiMenuImage, OtherOwnerDrawMessagesAreLeftAlone) {
  DRAWITEMSTRUCT control{};
  control.CtlType = ODT_LISTBOX;
  control.itemData = 1;
  MEASUREITEMSTRUCT textItem{};
  textItem.CtlType = ODT_MENU;  // a menu item without an image
  EXPECT_FALSE(ui::win32::HandleMenuImageMessage(WM_DRAWITEM, reinterpret_cast<LPARAM>(&control)));
  EXPECT_FALSE(
      ui::win32::HandleMenuImageMessage(WM_MEASUREITEM, reinterpret_cast<LPARAM>(&textItem)));
}

}  // namespace
