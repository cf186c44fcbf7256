// The shell's verbs, the command interpreter, and messages and mouse clicks
// that reach another window.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "os/os.h"
#include "ui_test_support.h"

namespace {

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
