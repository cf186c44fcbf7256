#include <windows.h>
// after windows.h, which it needs
#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ui/trayicon.h"
#include "ui/win32/win32_peers.h"
#include "ui_test_support.h"

namespace {

using ui::win32::kTrayCallbackMessage;
using ui::win32::kTrayIconId;

class UiTray : public ui_test::UiTest {
 protected:
  UiTray() : icons(16, 16) {
    for (std::uint32_t argb : {0xFF2060C0u, 0x00000000u})
      icons.Add(ui::TImage{16, 16, std::vector<std::uint32_t>(256, argb)});
  }
  static HWND TrayWindow() { return FindWindowA(ui::win32::kTrayWindowClass, nullptr); }
  // The shell knows the icon when it lets us change it.
  static bool IconShown(HWND window) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &data);
  }
  ui::TImageList icons;
};

TEST_F(UiTray, IconIsShownWhileTheComponentLives) {
  HWND window;
  {
    ui::TTrayIcon tray(icons, "Velmarind", 500);
    window = TrayWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IconShown(window));
    tray.SetHint(std::string(300, 'h'));  // longer than a tooltip holds
    tray.SetIconIndex(1);                 // fully transparent
    EXPECT_TRUE(IconShown(window));
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(TrayWindow(), nullptr);
}

TEST_F(UiTray, CallbackButtonUpReportsTheButtonAtTheCursor) {
  ui::TTrayIcon tray(icons, "Velmarind", 500);
  std::vector<std::string> events;
  tray.OnMouseUp = [&](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState, int x,
                       int y) {
    EXPECT_EQ(sender, &tray);
    events.push_back(std::to_string(static_cast<int>(button)) + "@" + std::to_string(x) + "," +
                     std::to_string(y));
  };
  SetCursorPos(50, 60);
  const struct {
    WPARAM id;
    LPARAM mouse;
    const char* event;  // null: nothing
  } cases[] = {
      {kTrayIconId, WM_LBUTTONUP, "0@50,60"}, {kTrayIconId, WM_RBUTTONUP, "1@50,60"},
      {kTrayIconId, WM_MBUTTONUP, "2@50,60"}, {kTrayIconId, WM_RBUTTONDOWN, nullptr},
      {kTrayIconId, WM_MOUSEMOVE, nullptr},   {kTrayIconId + 1, WM_RBUTTONUP, nullptr},
  };
  for (const auto& c : cases) {
    events.clear();
    PostMessageA(TrayWindow(), kTrayCallbackMessage, c.id, c.mouse);
    ui_test::Pump(30);
    EXPECT_EQ(events, c.event ? std::vector<std::string>{c.event} : std::vector<std::string>{})
        << "icon " << c.id << " mouse message " << c.mouse;
  }
}

TEST_F(UiTray, IconComesBackWhenTheTaskbarIsCreatedAgain) {
  ui::TTrayIcon tray(icons, "Velmarind", 500);
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = TrayWindow();
  data.uID = kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));  // as a restarted shell forgets it
  ASSERT_FALSE(IconShown(TrayWindow()));
  SendMessageA(TrayWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(IconShown(TrayWindow()));
}

// The bits of a 16x16 bitmap as 32-bit pixels, top row first.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(256);
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, 16, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return pixels;
}

TEST(UiTrayIconImage, TransparentPixelsAreMaskedAndBlack) {
  // Columns 0-4 transparent (with colour in them), so no mask byte is all
  // one kind; the rest opaque above and half opaque below.
  ui::TImage image{16, 16, std::vector<std::uint32_t>(256)};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      image.Pixels[y * 16 + x] = x < 5 ? 0x00ABCDEF : (y < 8 ? 0xFF102030 : 0x80405060);
  const HICON icon = ui::win32::CreateIconFromImage(image);
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  const auto mask = Pixels(info.hbmMask), color = Pixels(info.hbmColor);
  const struct {
    int x, y;
    std::uint32_t mask, color;  // mask white: transparent
  } samples[] = {{0, 0, 0xFFFFFF, 0},    {4, 15, 0xFFFFFF, 0},  {5, 0, 0, 0xFF102030},
                 {15, 7, 0, 0xFF102030}, {7, 8, 0, 0x80405060}, {15, 15, 0, 0x80405060}};
  for (const auto& s : samples) {
    EXPECT_EQ(mask[s.y * 16 + s.x] & 0xFFFFFF, s.mask) << s.x << "," << s.y;
    EXPECT_EQ(color[s.y * 16 + s.x], s.color) << s.x << "," << s.y;
  }
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  DestroyIcon(icon);
}

TEST(UiTrayIconImage, ImageWithMissingPixelsMakesNoIcon) {
  EXPECT_EQ(ui::win32::CreateIconFromImage(ui::TImage{16, 16, std::vector<std::uint32_t>(255)}),
            nullptr);
  EXPECT_EQ(ui::win32::CreateIconFromImage(ui::TImage{}), nullptr);
}

}  // namespace
