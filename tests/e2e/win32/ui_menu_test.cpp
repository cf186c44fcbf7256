// Popup menus, the tray icon and their images: tracked by the shell's own
// loops and driven here from another thread, as the user drives them.
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/trayicon.h"
#include "ui_test_support.h"

namespace {

using ui_test::Str;

ui::TImage Solid(std::uint32_t argb) {
  return {16, 16, std::vector<std::uint32_t>(256, argb)};
}

using UiMenu = ui_test::UiTest;

TEST_F(UiMenu, ShowsTheVisibleItemsAndRunsTheChosenOneWithoutAnyWmCommand) {
  ui::TImageList images(16, 16);
  images.Add(Solid(0xFFFF0000)), images.Add(Solid(0x80008000));
  ui::TPopupMenu menu;
  menu.Images = &images;
  ui::TMenuItem open{"&Open", 0}, separator{"-"}, hidden{"Hidden"}, disabled{"Disabled"},
      checked{"Checked", 1}, more{"More"}, inner{"Inner"};
  hidden.Visible = disabled.Enabled = false, checked.Checked = true;
  for (ui::TMenuItem* item : {&open, &separator, &hidden, &disabled, &checked, &more})
    menu.Items.Add(*item);
  more.Add(inner);
  std::vector<std::string> clicked;
  for (ui::TMenuItem* item : {&open, &hidden, &disabled, &checked, &inner})
    item->OnClick = [&, item](ui::TObject*) { clicked.push_back(item->Caption); };
  ui_test::ProbeForm owner;
  // clang-format off
  const struct { std::vector<WPARAM> keys; std::vector<std::string> clicked; } cases[] = {
      {{VK_DOWN, VK_RETURN}, {"&Open"}},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, {"Checked"}},  // past the separator and the disabled item
      {{VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, {}},        // the disabled item
      {{VK_UP, VK_RIGHT, VK_RETURN}, {"Inner"}},
      {{VK_ESCAPE}, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    clicked.clear(), owner.commands = owner.imagesDrawn = 0;
    ui_test::Driver hands("#32768", nullptr, [&](HWND window) {
      Sleep(100);  // lets the menu paint before the keys arrive
      ui_test::PostKeys(window, c.keys);
    });
    ui_test::LoopGuard guard(5000, [] { EndMenu(); });
    menu.Popup(100, 100, owner.Handle());
    EXPECT_TRUE(hands.Finish()) << "no menu came up";
    ui_test::Pump(50);  // a WM_COMMAND would have been posted
    EXPECT_EQ(clicked, c.clicked) << c.keys.size();
    EXPECT_EQ(owner.commands, 0);
    EXPECT_GE(owner.imagesDrawn, 2) << "the owner draws the images of Open and Checked";
  }
}

TEST_F(UiMenu, TrayIconReportsTheButtonAtTheCursorAndComesBackWithTheShell) {
  using namespace ui::win32;
  ui::TImageList icons(16, 16);
  icons.Add(Solid(0xFF2060C0));
  ui::TTrayIcon tray(icons, std::string(300, 'h'), 500);  // a hint longer than a tooltip holds
  std::vector<std::string> events;
  tray.OnMouseUp = [&](auto, ui::TMouseButton b, auto, int x, int y) {
    events.push_back(Str(static_cast<int>(b), "@", x, ",", y));
  };
  SetCursorPos(50, 60);
  const HWND window = FindWindowA(kTrayWindowClass, nullptr);
  // clang-format off
  const struct { WPARAM id; LPARAM mouse; std::vector<std::string> events; } cases[] = {
      {kTrayIconId, WM_LBUTTONUP, {"0@50,60"}}, {kTrayIconId, WM_RBUTTONUP, {"1@50,60"}}, {kTrayIconId, WM_MBUTTONUP, {"2@50,60"}},
      {kTrayIconId, WM_RBUTTONDOWN, {}}, {kTrayIconId, WM_MOUSEMOVE, {}}, {kTrayIconId + 1, WM_RBUTTONUP, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    events.clear();
    PostMessageA(window, kTrayCallbackMessage, c.id, c.mouse);
    ui_test::Pump(30);
    EXPECT_EQ(events, c.events) << "icon " << c.id << " mouse message " << c.mouse;
  }
}

// The 32-bit pixels of a bitmap, top row first.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(width * height);
  const HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  return pixels;
}

TEST(UiImages, MenuImagesAreBlendedAndFadedAndIconsMaskTheirTransparentPixels) {
  // Opaque red, half-opaque blue, transparent with colour in it, opaque green;
  // drawn on grey, so that no channel saturates and a blend of colours not
  // premultiplied would show.
  const std::vector<std::uint32_t> row = {0xFFFF0000, 0x800000FF, 0x00123456, 0xFF00FF00};
  // clang-format off
  const struct { UINT state; std::vector<std::uint32_t> expected; } cases[] = {  // 0xRRGGBB
      {0, {0xFF0000, 0x2020A0, 0x404040, 0x00FF00}}, {ODS_GRAYED, {0x882828, 0x343464, 0x404040, 0x288828}},
  };
  // clang-format on
  const HBITMAP image = ui::win32::CreateMenuBitmap({4, 1, row});
  const HBITMAP target = CreateBitmap(4, 1, 1, 32, nullptr);
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const auto& c : cases) {
    const HGDIOBJ old = SelectObject(dc, target);
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, 0, 0x404040);
    DRAWITEMSTRUCT item{ODT_MENU, 0, 0, 0, c.state, nullptr, dc, {0, 0, 4, 1}, ULONG_PTR(image)};
    EXPECT_TRUE(ui::win32::HandleMenuImageMessage(WM_DRAWITEM, reinterpret_cast<LPARAM>(&item)));
    SelectObject(dc, old);
    const auto pixels = Pixels(target, 4, 1);
    for (int x = 0; x < 4; ++x)
      for (int shift : {16, 8, 0})
        EXPECT_NEAR(pixels[x] >> shift & 0xFF, c.expected[x] >> shift & 0xFF, 2) << c.state << x;
  }
  DeleteDC(dc), DeleteObject(target), DeleteObject(image);
  // An icon of two such rows: its mask marks the transparent pixels alone, which are black.
  std::vector<std::uint32_t> rows = row;
  rows.insert(rows.end(), row.begin(), row.end());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(ui::win32::CreateIconFromImage({4, 2, rows}), &info));
  const auto mask = Pixels(info.hbmMask, 4, 2), color = Pixels(info.hbmColor, 4, 2);
  for (int at = 0; at < 8; ++at)
    EXPECT_EQ(Str(mask[at] & 0xFFFFFF, " ", color[at]),
              Str(at % 4 == 2 ? 0xFFFFFF : 0, " ", at % 4 == 2 ? 0 : rows[at]))
        << at;
  EXPECT_EQ(ui::win32::CreateIconFromImage({4, 2, row}), nullptr) << "too few pixels";
}

}  // namespace
