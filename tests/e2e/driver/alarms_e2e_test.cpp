// An alarm saved active fires in the real program: its message, the blinking tray, task, saved
// list.
#include <thread>

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

// A countdown made in the editor fires a second after OK; the tray switches a prepared alarm
// on; the Day type's date picker names a weekday; quitting asks about the active alarm.
TEST_F(AlarmsE2E, AnAlarmMadeInTheEditorFiresAndTheTraySwitchesAnotherOn) {
  const std::string later =
      "Later\r\n12/7/2026\r\n7:30:00 PM\r\n\r\nmsg\r\n7\r\n30\r\n0\r\n8\r\n64\r\n";
  Start({}, {{"alarmlist.ini", "1\r\n" + later + "0\r\n1\r\n0\r\n"}});
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_RIGHT, VK_RETURN});  // Alarms, Add / Edit
  const HWND window = ShownWindow("TF_AlarmHandler");
  ASSERT_NE(window, nullptr);
  const HWND active = FindWindowExA(window, nullptr, "ListBox", nullptr);
  const HWND inactive = FindWindowExA(window, active, "ListBox", nullptr);
  EXPECT_EQ(ListItems(inactive), std::vector<std::wstring>{L"Later"});
  PostMessageA(Button(window, "&New"), BM_CLICK, 0, 0);
  const HWND editor = ShownWindow("TF_Alarm", "New Alarm");
  ASSERT_NE(editor, nullptr);
  SetWindowTextA(FindWindowExA(editor, nullptr, "Edit", nullptr), "Egg");
  const HWND type = FindWindowExA(editor, nullptr, "ComboBox", nullptr);
  Pick(editor, type, 0);  // Countdown, of 00:00:00
  PostMessageA(Button(editor, "&Ok"), BM_CLICK, 0, 0);
  const DWORD ok = GetTickCount();
  HWND message = WaitForWindow("TF_ShowMessage");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(message) != 0; }));
  EXPECT_LT(GetTickCount() - ok, 3000u);
  EXPECT_NE(Text(FindWindowExA(message, nullptr, "Edit", nullptr)).find("] - Wake up!"),
            std::string::npos);
  // Fired once: saved inactive.
  EXPECT_TRUE(WaitUntil([&] {
    return Read("alarmlist.ini").find("1\r\n192\r\n0\r\n") != std::string::npos;
  })) << Read("alarmlist.ini");
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});  // "Later" on
  EXPECT_TRUE(WaitUntil([&] { return ListItems(active) == std::vector<std::wstring>{L"Later"}; }));
  EXPECT_TRUE(WaitUntil([&] {
    return Read("alarmlist.ini").find("8\r\n64\r\n1\r\n") != std::string::npos;
  })) << Read("alarmlist.ini");

  PostMessageA(Button(window, "&New"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editor); }));
  Pick(editor, type, 5);  // Day: the date picker shows the weekday's name
  const HWND time = FindWindowExA(editor, nullptr, "SysDateTimePick32", nullptr);
  const std::string day = Text(FindWindowExA(editor, time, "SysDateTimePick32", nullptr));
  const std::string days = " Sunday Monday Tuesday Wednesday Thursday Friday Saturday ";
  EXPECT_NE(days.find(" " + day + " "), std::string::npos) << day;  // a whole name
  PostMessageA(Button(editor, "&Cancel"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));

  PostMessageA(main_, WM_CLOSE, 0, 0);
  HWND box = WaitForBox("Confirm");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box), "You have 1 active alarms, quit anyway?");
  SendDlgItemMessageA(box, IDNO, BM_CLICK, 0, 0);
  Sleep(300);
  EXPECT_TRUE(IsWindow(main_)) << "No keeps the program";
  std::thread yes([] { SendDlgItemMessageA(WaitForBox("Confirm"), IDYES, BM_CLICK, 0, 0); });
  EXPECT_EQ(Close(), 0);
  yes.join();
}

}  // namespace
}  // namespace e2e
