// The clock, the user's formats, the screen, session control, sound, global
// hotkeys, the shell and other windows, each against what Windows reports.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "os/os.h"
#include "ui_test_support.h"

namespace {

// Milliseconds since 1601, the FILETIME epoch.
std::int64_t Ms(const os::DateTime& t) {
  const SYSTEMTIME s{
      static_cast<WORD>(t.Year),   static_cast<WORD>(t.Month),      0,
      static_cast<WORD>(t.Day),    static_cast<WORD>(t.Hour),       static_cast<WORD>(t.Minute),
      static_cast<WORD>(t.Second), static_cast<WORD>(t.Millisecond)};
  FILETIME f;
  SystemTimeToFileTime(&s, &f);
  return ((static_cast<std::int64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 10000;
}

os::DateTime Local() {
  SYSTEMTIME s;
  GetLocalTime(&s);
  return {s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds, 0};
}

// ctest runs these tests in a zone 5:45 ahead of UTC, so a mix-up shows.
TEST(OsClock, LocalTimeUtcWeekdayAndMonotonicCountComeFromOneRead) {
  const os::DateTime before = Local();
  const os::ClockReading start = os::clock::Read();
  EXPECT_LE(std::llabs(Ms(start.Local) - Ms(before)), 1000) << "local time is the system's";
  EXPECT_EQ(Ms(start.Local) - Ms(start.Utc), 345 * 60000LL);
  for (const os::DateTime& t : {start.Local, start.Utc}) {
    SYSTEMTIME day{};
    const std::int64_t ticks = Ms(t) * 10000;
    const FILETIME f{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    FileTimeToSystemTime(&f, &day);  // Windows works out the weekday itself
    EXPECT_EQ(t.DayOfWeek, day.wDayOfWeek + 1) << "Sunday is 1";
  }
  std::int64_t previous = start.MonotonicMs;
  for (int i = 0; i < 2000; ++i, previous = os::clock::Read().MonotonicMs)
    ASSERT_GE(os::clock::Read().MonotonicMs, previous) << "read " << i;
  const DWORD ticksAtStart = GetTickCount();
  Sleep(1500);  // longer than a second, so that a count of seconds shows as well
  const os::ClockReading end = os::clock::Read();
  EXPECT_NEAR(end.MonotonicMs - start.MonotonicMs, GetTickCount() - ticksAtStart, 200);
  EXPECT_NEAR(Ms(end.Utc) - Ms(start.Utc), end.MonotonicMs - start.MonotonicMs, 200);
}

// The texts follow the user's locale; whatever it is, they must be the ones
// Windows itself writes for the same moment.
TEST(OsLocale, TimeAndDateTextsAreTheUsersFormats) {
  const SYSTEMTIME st{2026, 12, 0, 6, 9, 5, 7, 0};
  char time[64] = "", date[64] = "";
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time);
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
  const os::DateTime moment{2026, 12, 6, 9, 5, 7, 0, 1};
  EXPECT_EQ(ui_test::Str(os::locale::TimeText(moment), " ", os::locale::DateText(moment)),
            ui_test::Str(time, " ", date));
  EXPECT_NE(os::locale::TimeText(moment).find("05"), std::string::npos);
  EXPECT_NE(os::locale::DateText(moment).find("2026"), std::string::npos);
}

TEST(OsDisplay, ScreenCursorVersionAndShutdownPrivilegeAreTheSessions) {
  EXPECT_EQ(os::display::ScreenSize(), (os::Size{1280, 1024})) << "the test session's Xvfb";
  const os::Point points[] = {{0, 0}, {1279, 1023}, {640, 3}};
  for (const os::Point& p : points) {
    ASSERT_TRUE(SetCursorPos(p.X, p.Y));
    EXPECT_EQ(os::cursor::Position(), p) << p.X << "," << p.Y;
  }
  EXPECT_EQ(os::version::PlatformId(), os::version::kPlatformWin32Nt);
  // A token left open would keep its handle's slot: the next handle would differ.
  HANDLE before = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(before);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(os::session::EnableShutdownPrivilege());
  HANDLE after = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(after, before);
  CloseHandle(after);
}

// The test prefix has no sound device: Wine accepts a sound played in the
// background, refuses one the caller would wait for, and refuses volume changes.
TEST(OsSound, ResultFollowsTheFlagsAndTheMissingDevice) {
  using namespace os::sound;
  const char* file = std::getenv("VELMARIND_SOUND");
  ASSERT_NE(file, nullptr) << "ctest sets VELMARIND_SOUND to assets\\sound.wav";
  // clang-format off
  const struct { unsigned flags; bool played; } cases[] = {
      {kSndFileName | kSndAsync, true}, {kSndFileName, false}, {kSndFileName | kSndNoWait, false},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(PlayWave(file, c.flags), c.played) << c.flags;
  EXPECT_EQ(WaveOutDeviceCount(), 0);
  for (const std::uint32_t volume : {0u, 0xFFFFFFFFu}) EXPECT_FALSE(SetWaveOutVolume(volume));
}

TEST(OsHotkeys, ACombinationIsHeldUntilUnregisteredAndItsPressReachesTheWindow) {
  HWND windows[2];
  for (HWND& w : windows) w = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, 0);
  const auto id = [&](int w) { return reinterpret_cast<os::WindowHandle>(windows[w]); };
  constexpr unsigned kCtrlAlt = MOD_CONTROL | MOD_ALT;
  // clang-format off
  const struct { int window, id; unsigned modifiers; int key; bool done; } cases[] = {
      {0, 1, kCtrlAlt, 'J', true},
      {0, 2, kCtrlAlt, 'J', false},  // the same combination: ERROR_HOTKEY_ALREADY_REGISTERED
      {1, 1, kCtrlAlt, 'J', false},
      {1, 1, kCtrlAlt, 'L', true},   // another key
      {1, 2, MOD_CONTROL | MOD_SHIFT, 'J', true},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(os::hotkeys::Register(id(c.window), c.id, c.modifiers, c.key), c.done) << c.key;
    EXPECT_TRUE(c.done || GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED) << GetLastError();
  }
  // The user presses Ctrl+Alt+J.
  const WORD press[] = {VK_CONTROL, VK_MENU, 'J'};
  INPUT keys[6] = {};
  for (int i = 0; i < 3; ++i) {
    keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = keys[5 - i].ki.wVk = press[i];
    keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(6, keys, sizeof(INPUT));
  MSG m{};
  for (const DWORD start = GetTickCount(); m.message != WM_HOTKEY && GetTickCount() - start < 2000;)
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
      Sleep(10);
    else if (m.message != WM_HOTKEY)
      DispatchMessageA(&m);
  EXPECT_EQ(m.hwnd == windows[0] ? m.wParam : 0, 1u);
  EXPECT_TRUE(os::hotkeys::Unregister(id(0), 1));
  EXPECT_FALSE(os::hotkeys::Unregister(id(0), 1)) << "no longer registered";
  EXPECT_TRUE(os::hotkeys::Register(id(0), 2, kCtrlAlt, 'J')) << "free again";
  EXPECT_TRUE(os::hotkeys::Unregister(id(0), 2) && os::hotkeys::Unregister(id(1), 1) &&
              os::hotkeys::Unregister(id(1), 2));
  for (HWND w : windows) DestroyWindow(w);
}

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "velmarind-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

// Waits for a file's first line, removes the file and gives its text.
std::string AwaitLine(const std::string& path) {
  char text[1024] = "";
  ui_test::PumpUntil(
      [&] {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD got = 0;
        ReadFile(file, text, sizeof text - 1, &got, nullptr), CloseHandle(file);
        return std::strstr(text, "\r\n");
      },
      10000);
  DeleteFileA(path.c_str());
  return text;
}

void SetDefault(const std::string& key, const std::string& value) {
  HKEY opened;
  RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened,
                  nullptr);
  RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 value.size() + 1);
  RegCloseKey(opened);
}

// A file type of our own whose "open" and "record" verbs run a command
// interpreter that writes the verb, file, parameters and working folder it was
// given to `record`.
TEST(OsShell, ExecuteRunsTheVerbOrGivesTheShellsCodeAndCommandsTheirExitStatus) {
  const std::string record = TempPath("record.txt"), document = TempPath("a document.velmarindrec");
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  SetDefault(".velmarindrec", "VelmarindRecorder");
  for (const std::string verb : {"open", "record"})
    SetDefault("VelmarindRecorder\\shell\\" + verb + "\\command",
               "cmd.exe /v:on /c echo " + verb + " [%1] [%*] !CD!> \"" + record + "\"");
  CloseHandle(CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  // clang-format off
  const struct { const char* verb; std::string file; int result; const char* recorded; } cases[] = {
      {"open", document, 33, "open"}, {"Open", document, 33, "open"}, {"record", document, 33, "record"},
      {"open", TempPath("missing.velmarindrec"), 2, nullptr},
      {"open", "C:\\no such folder\\x.txt", 2, nullptr},
      {"frobnicate", document, 31, nullptr},  // a verb the file type lacks
  };
  // clang-format on
  for (const auto& c : cases) {
    const int result = os::shell::Execute(c.verb, c.file, "-x \"two words\"", windows, 1);
    EXPECT_EQ(std::min(result, 33), c.result) << c.verb << " " << c.file;
    if (!c.recorded) continue;
    EXPECT_EQ(AwaitLine(record),
              c.recorded + (" [" + document + "] [-x \"two words\"] ") + windows + "\r\n");
  }
  for (const std::string key : {"open\\command", "open", "record\\command", "record", ""})
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ("VelmarindRecorder\\shell\\" + key).c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "VelmarindRecorder"),
      RegDeleteKeyA(HKEY_CLASSES_ROOT, ".velmarindrec");
  DeleteFileA(document.c_str());
  const std::string output = TempPath("command.txt");
  EXPECT_EQ(os::shell::RunCommand("echo ran> \"" + output + "\""), 0);
  EXPECT_EQ(AwaitLine(output), "ran\r\n") << "written before RunCommand returned";
  EXPECT_EQ(os::shell::RunCommand("exit 3"), 3);
}

constexpr UINT kProbe = WM_APP + 7;
std::vector<std::string> received;  // the messages the target noted

std::string Noted(UINT message, WPARAM wParam, LPARAM lParam) {
  return std::to_string(message) + " " + std::to_string(wParam) + " " + std::to_string(lParam);
}

LRESULT CALLBACK Note(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kProbe && (message < WM_LBUTTONDOWN || message > WM_MBUTTONUP))
    return DefWindowProcA(window, message, wParam, lParam);
  received.push_back(Noted(message, message == kProbe ? wParam : 0, lParam));
  return 4242;
}

TEST(OsWindows, FindSendPostAndClickReachATopLevelWindow) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Note, windowClass.lpszClassName = "VelmarindOsTestTarget";
  RegisterClassA(&windowClass);
  const HWND target = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "Velmarind target",
                                      WS_POPUP | WS_VISIBLE, 300, 300, 200, 200, 0, 0, 0, 0);
  const auto id = reinterpret_cast<os::WindowHandle>(target);
  ui_test::Pump(100);
  EXPECT_EQ(os::windows::FindByClass("VelmarindOsTestTarget"), id);
  EXPECT_EQ(os::windows::FindByTitle("Velmarind target"), id);
  EXPECT_EQ(
      os::windows::FindByClass("VelmarindNoSuchClass") + os::windows::FindByTitle("Velmarind"), 0u);
  received.clear();
  EXPECT_EQ(os::windows::Send(id, kProbe, 7, -3), 4242);
  EXPECT_TRUE(os::windows::Post(id, kProbe, 1, 2));
  EXPECT_EQ(received, std::vector<std::string>{Noted(kProbe, 7, -3)})
      << "a post waits in the queue";
  SetForegroundWindow(target);
  ASSERT_TRUE(SetCursorPos(350, 360));
  using namespace os::mouse;
  for (const unsigned flags : {kLeftDown, kLeftUp, kMiddleDown, kMiddleUp, kRightDown, kRightUp})
    ButtonEvent(flags);
  ui_test::PumpUntil([] { return received.size() >= 8; });
  std::vector<std::string> expected = {Noted(kProbe, 7, -3), Noted(kProbe, 1, 2)};
  for (UINT button :
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP})
    expected.push_back(Noted(button, 0, MAKELPARAM(50, 60)));  // in the client area
  EXPECT_EQ(received, expected);
  EXPECT_EQ(os::cursor::Position(), (os::Point{350, 360})) << "the cursor stays";
  DestroyWindow(target);
  UnregisterClassA(windowClass.lpszClassName, nullptr);
}

}  // namespace
