// Runs velmarind.exe in a fresh program folder and drives it from outside,
// as other programs and the user do.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../../shared/factory_settings.h"
#include "hands.h"

namespace e2e {

// Polls a condition every 20 ms until it holds or ten seconds pass.
template <class Condition>
bool WaitUntil(Condition condition) {
  for (int waited = 0; waited <= 10000; waited += 20, Sleep(20))
    if (condition()) return true;
  return false;
}

// Clicks the tray icon (its window, callback message and id) and works the
// menu with keys: Close, About, Settings, -, Memo, Hotkeys, Tasks (Add / Edit,
// -, the tasks), Alarms (Add / Edit, Alarm Messages, -, the alarms), Clipboard.
inline void ChooseFromTrayMenu(std::initializer_list<WPARAM> keys) {
  ClickTrayIcon(TrayIconWindow());
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr; }));
  Sleep(200);  // the menu takes keys once it is tracked
  PostKeys(menu, keys);
  EXPECT_TRUE(WaitUntil([] { return VisibleMenu() == nullptr; }));
}

// The program's window of that class once it shows; null after ten seconds. A window is
// made when it is first shown.
inline HWND ShownWindow(const char* className, const char* title = nullptr) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindWindowA(className, title)) && IsWindowVisible(window); });
  return window;
}

// A list box's or drop-down list's items, asked in UTF-16: Wine answers the ANSI call of
// another process so.
inline std::vector<std::wstring> ListItems(HWND list) {
  char type[16] = "";
  GetClassNameA(list, type, sizeof type);
  const bool combo = lstrcmpiA(type, "ComboBox") == 0;
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t item[256] = L"";
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
    items.push_back(item);
  }
  return items;
}

// How many top-level windows of that class exist, hidden ones included.
inline int CountWindows(const char* className) {
  int count = 0;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));)
    ++count;
  return count;
}

inline BOOL CALLBACK Collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

// Every window of the program that made `main`, controls and hidden windows included.
inline std::vector<HWND> ProgramWindows(HWND main) {
  DWORD program = 0, owner = 0;
  GetWindowThreadProcessId(main, &program);
  std::vector<HWND> topLevel, windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&topLevel));
  for (HWND window : topLevel) {
    if (GetWindowThreadProcessId(window, &owner), owner != program) continue;
    windows.push_back(window);
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&windows));
  }
  return windows;
}

// A message box of the program with that caption, once it shows; null after ten seconds.
inline HWND WaitForBox(const char* caption) {
  return ShownWindow("#32770", caption);
}

// Each test has velmarind.exe and the factory sound.wav in a new temporary
// folder; the program is closed when the test ends and must exit with 0.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);  // ends in a backslash
    path_ = temp + ("velmarind-e2e-" + std::to_string(GetCurrentProcessId()) + "\\");
    CreateDirectoryA(path_.c_str(), nullptr);
    // The build says where the program and the alarm sound are.
    for (auto [variable, name] :
         {std::pair{"VELMARIND_EXE", "velmarind.exe"}, {"VELMARIND_SOUND", "sound.wav"}})
      ASSERT_TRUE(CopyFileA(std::getenv(variable), FilePath(name).c_str(), FALSE)) << variable;
  }
  void TearDown() override {
    EXPECT_EQ(main_ ? Close() : 0, 0);
    for (const PROCESS_INFORMATION& copy : copies_) {
      TerminateProcess(copy.hProcess, 1);  // fails harmlessly when it has ended
      WaitForSingleObject(copy.hProcess, 5000);
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  std::string FilePath(const std::string& name) const { return path_ + name; }
  std::string Read(const std::string& name) const {  // "" when missing
    std::ifstream file(FilePath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
  // Line `line` (from 1) of settings.ini; "" unless the file has all 51.
  std::string SettingsLine(int line) const {
    std::istringstream file(Read("settings.ini"));
    std::vector<std::string> lines;
    for (std::string text; std::getline(file, text);)
      lines.push_back(text.substr(0, text.find('\r')));
    return lines.size() == 51 ? lines[line - 1] : "";
  }

  void Launch() { process_ = LaunchCopy(FilePath("velmarind.exe")); }
  // Starts the program at `exe`; the test's end ends every copy it started.
  PROCESS_INFORMATION LaunchCopy(const std::string& exe) {
    // Started from another folder: the program must find its files by its own path.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = '"' + exe + '"';
    PROCESS_INFORMATION copy{};
    EXPECT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &copy));
    WaitForInputIdle(copy.hProcess, 5000);
    return copies_.emplace_back(copy);
  }
  // Writes the factory settings with some lines (from 1) replaced, and the files.
  void Prepare(const std::vector<std::pair<int, std::string>>& settingsLines,
               const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<std::string> lines = settings_cases::FactoryLines(FilePath("sound.wav"));
    for (const auto& [line, value] : settingsLines) lines[line - 1] = value;
    std::ofstream settings(FilePath("settings.ini"), std::ios::binary);
    for (const auto& line : lines) settings << line << "\r\n";
    settings.close();
    for (const auto& [name, bytes] : files)
      std::ofstream(FilePath(name), std::ios::binary) << bytes;
  }
  // Prepares, launches the program and waits until start-up completes.
  void Start(const std::vector<std::pair<int, std::string>>& settingsLines,
             const std::vector<std::pair<std::string, std::string>>& files) {
    Prepare(settingsLines, files);
    Launch();
    AwaitStart();
  }
  // The program waits for input once its start-up is done; its other windows are made
  // when they are first shown.
  void AwaitStart() {
    ASSERT_EQ(WaitForInputIdle(process_.hProcess, 10000), 0u) << "start-up completes";
    main_ = WaitForWindow("TVelmarind");
  }
  // Shows every window that the memo hotkey and the tray menu reach.
  void ShowEveryWindow() {
    SendMessageA(main_, WM_HOTKEY, 10000, 0);                               // the memo
    ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_RETURN});                      // About
    ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});             // Settings
    ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN});  // Hotkeys, Add / Edit
    ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN});         // Tasks, Add / Edit
    ChooseFromTrayMenu({VK_UP, VK_UP, VK_RIGHT, VK_RETURN});                // Alarms, Add / Edit
    ChooseFromTrayMenu({VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN});       // Alarm Messages
  }
  HWND WaitForWindow(const char* className, const char* title = nullptr) const {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindWindowA(className, title)) != nullptr; });
    return window;
  }
  // Posts WM_CLOSE; the exit code, or -1 when the program has not ended in ten seconds.
  // A program that ended has no main window left for the test's end to close.
  int Close() {
    PostMessageA(main_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    const bool ended = WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
    if (ended) main_ = nullptr;
    return ended && GetExitCodeProcess(process_.hProcess, &code) ? static_cast<int>(code) : -1;
  }

  HWND main_ = nullptr;

 private:
  std::string path_;  // with a trailing backslash
  PROCESS_INFORMATION process_{};
  std::vector<PROCESS_INFORMATION> copies_;
};

}  // namespace e2e
