// An alarm saved active fires in the real program: its message, the blinking tray, task, saved
// list.
#include "program.h"

namespace e2e {
namespace {

using AlarmsE2E = ProgramTest;

// Every other pixel of a window as the screen shows it now.
std::vector<COLORREF> Capture(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  HDC dc = GetDC(window);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < r.bottom; y += 2)
    for (int x = 0; x < r.right; x += 2) pixels.push_back(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return pixels;
}

// Whether captures taken over a second all look the same.
bool StaysStill(HWND window) {
  const auto first = Capture(window);
  for (int i = 0; i < 8; ++i, Sleep(125))
    if (Capture(window) != first) return false;
  return true;
}

TEST_F(AlarmsE2E, ACountdownSavedActiveFiresWithItsMessageTaskAndBlinking) {
  // "tea": a 3-second countdown that shows its message, plays and runs "write".
  auto alarmlist = [](const std::string& state) {
    return "1\r\ntea\r\n\r\n0:00:03\r\nwrite\r\nTea is ready\r\n0\r\n0\r\n3\r\n1\r\n448\r\n" +
           state + "\r\n0\r\n0\r\n";
  };
  Start({}, {{"tasklist.ini", "1\r\nwrite\r\n\r\necho fired>\r\n\"" + FilePath("fired.txt") + "\"" +
                                  "\r\n\r\nSystem Command\r\n0\r\n0\r\n"},
             {"alarmlist.ini", alarmlist("1")}});
  HWND tray = FindWindowA(nullptr, "Wine System Tray");
  ASSERT_NE(tray, nullptr);
  EXPECT_TRUE(StaysStill(tray)) << "nothing blinks before the alarm";
  HWND message = WaitForWindow("TF_ShowMessage");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(message) != 0; }));
  const std::string text = Text(FindWindowExA(message, nullptr, "Edit", nullptr));
  EXPECT_TRUE(text.starts_with("[") && text.find("] - Tea is ready") != text.npos) << text;
  EXPECT_FALSE(StaysStill(tray)) << "the tray icon blinks";
  EXPECT_TRUE(WaitUntil([&] { return Read("fired.txt").starts_with("fired"); }));
  // One-shot: saved inactive, with its full length.
  EXPECT_TRUE(WaitUntil([&] { return Read("alarmlist.ini") == alarmlist("0"); }))
      << Read("alarmlist.ini");
}

}  // namespace
}  // namespace e2e
