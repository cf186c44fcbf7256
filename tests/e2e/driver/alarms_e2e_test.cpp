// An alarm saved as active fires in the real program: its line in the
// message window, the blinking tray icon, its task and the saved list.
#include "program.h"

namespace e2e {
namespace {

using AlarmsE2E = ProgramTest;

std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// The pixels of a window as it is on the screen now.
std::vector<std::uint32_t> Capture(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = r.right;
  info.bmiHeader.biHeight = -r.bottom;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(r.right) * r.bottom);
  GetDIBits(memory, bitmap, 0, r.bottom, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

// Whether captures taken over a second all look the same.
bool StaysStill(HWND window) {
  const auto first = Capture(window);
  for (int i = 0; i < 8; ++i) {
    Sleep(125);
    if (Capture(window) != first) return false;
  }
  return true;
}

TEST_F(AlarmsE2E, ACountdownSavedActiveFiresWithItsMessageTaskAndBlinking) {
  const std::string out = FilePath("fired.txt");
  Start({}, {{"tasklist.ini", CrLf({"1", "write", "", "echo fired>", '"' + out + '"', "",
                                    "System Command", "0", "0"})},
             {"alarmlist.ini", CrLf({"1", "tea", "", "0:00:03", "write", "Tea is ready", "0", "0",
                                     "3", "1", "448", "1", "0", "0"})}});
  HWND tray = FindWindowA(nullptr, "Wine System Tray");
  ASSERT_NE(tray, nullptr);
  EXPECT_TRUE(StaysStill(tray)) << "nothing blinks before the alarm";
  HWND message = WaitForWindow("TF_ShowMessage");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(message) != 0; }));
  const std::string text = Text(FindWindowExA(message, nullptr, "Edit", nullptr));
  EXPECT_EQ(text.front(), '[');
  EXPECT_NE(text.find("] - Tea is ready"), std::string::npos) << text;
  EXPECT_FALSE(StaysStill(tray)) << "the tray icon blinks";
  EXPECT_TRUE(WaitUntil([&] { return Read("fired.txt").starts_with("fired"); }));
  // One-shot: inactive, and saved with its full length.
  const std::string saved = CrLf({"1", "tea", "", "0:00:03", "write", "Tea is ready", "0", "0", "3",
                                  "1", "448", "0", "0", "0"});
  EXPECT_TRUE(WaitUntil([&] { return Read("alarmlist.ini") == saved; })) << Read("alarmlist.ini");
}

}  // namespace
}  // namespace e2e
