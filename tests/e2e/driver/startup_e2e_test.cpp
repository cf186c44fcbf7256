// The program's start, its main window's messages, the memo, and the end of
// the program and of the session, under Wine.
#include "os/os.h"
#include "program.h"

namespace e2e {
namespace {

using StartupE2E = ProgramTest;

// The dialog's check boxes are real controls even on a page not shown yet.
TEST_F(StartupE2E, FirstRunShowsTheSettingsDialogAndItsCloseBoxWritesSettings) {
  Launch();
  const HWND dialog = WaitForWindow(nullptr, "Settings - Velmarind");
  ASSERT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(FindWindowExA(dialog, nullptr, "Button", "OK"), nullptr) << "no OK button";
  EXPECT_EQ(Read("settings.ini"), "");
  const HWND box = FindWindowExA(dialog, nullptr, "Button", "Show \"New Alarm\"");
  EXPECT_FALSE(IsWindowVisible(box)) << "its page is not the first";
  SendMessageA(box, BM_CLICK, 0, 0);
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !SettingsLine(1).empty(); }));
  main_ = WaitForWindow("TVelmarind");
  EXPECT_NE(main_, nullptr);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(SettingsLine(1), FilePath("sound.wav"));
  EXPECT_EQ(SettingsLine(19) + SettingsLine(21), "10") << "the ticked box and its neighbour";
}

TEST_F(StartupE2E, MemoKeysLogOffAndCloseKeepTheMemoAndItsPlace) {
  Start({{15, "1"}}, {{"memo.txt", "zero\r\none\r\ntwo"}});  // line 15: the memo's caret line
  EXPECT_FALSE(IsWindowVisible(main_));
  EXPECT_EQ(SendMessageA(main_, WM_COMMAND, 3, 47007), 0) << "past the last remote command";
  EXPECT_EQ(FindWindowA("TF_Memo", nullptr), nullptr) << "made when first shown";
  SendMessageA(main_, WM_HOTKEY, 10000, 0);  // the memo's own hotkey
  const HWND memo = ShownWindow("TF_Memo");
  ASSERT_NE(memo, nullptr);
  const HWND edit = FindWindowExA(memo, nullptr, "Edit", nullptr);
  EXPECT_TRUE(GetWindowLongA(memo, GWL_EXSTYLE) & WS_EX_TOPMOST);

  // Typed on the saved caret line; F8 runs the factory "encrypt()" on that
  // line, a second F8 restores it.
  for (char c : std::string("new ")) SendMessageA(edit, WM_CHAR, c, 0);
  SendMessageA(edit, WM_KEYDOWN, VK_F8, 0);
  EXPECT_EQ(Text(edit).find("new one"), std::string::npos) << Text(edit);
  SendMessageA(edit, WM_KEYDOWN, VK_F8, 0);
  EXPECT_EQ(Text(edit), "zero\r\nnew one\r\ntwo");
  MoveWindow(memo, 60, 70, 410, 310, TRUE);
  SendMessageA(main_, WM_HOTKEY, 10000, 0);
  EXPECT_FALSE(IsWindowVisible(memo));

  // A log-off saves the caret's new line but leaves the program running.
  const LRESULT lineTwo = SendMessageA(edit, EM_LINEINDEX, 2, 0);
  SendMessageA(edit, EM_SETSEL, lineTwo, lineTwo);
  DeleteFileA(FilePath("settings.ini").c_str());
  SendMessageA(main_, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(SettingsLine(15), "2");
  EXPECT_TRUE(IsWindow(main_)) << "the program goes on";

  DeleteFileA(FilePath("settings.ini").c_str());
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(Read("memo.txt"), "zero\r\nnew one\r\ntwo");
  std::string placeAndCaret;  // lines 11-14 hold the memo's place and size
  for (int line = 11; line <= 15; ++line) placeAndCaret += SettingsLine(line) + " ";
  EXPECT_EQ(placeAndCaret, "60 70 410 310 2 ");
}

// Scroll bars as the windows' tables give them, on the program's real windows (their fonts are
// the program's own handles, which another process cannot read); the memo window has an icon
// of its own for its title bar and taskbar button. A long memo opens scrolled to its saved caret
// line (settings.ini line 15).
TEST_F(StartupE2E, EachMemoHasTheScrollBarsOfItsWindowAndTheMemoWindowItsIcon) {
  std::string text;
  for (int line = 0; line < 200; ++line) text += std::to_string(line) + "\r\n";
  Start({{15, "150"}}, {{"memo.txt", text}});
  ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_RETURN});                 // About
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN});  // Alarms, Alarm Messages
  SendMessageA(main_, WM_HOTKEY, 10000, 0);                          // the memo
  const auto bars = [](const char* form) {
    const HWND edit = FindWindowExA(ShownWindow(form), nullptr, "Edit", nullptr);
    return GetWindowLongA(edit, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL);
  };
  EXPECT_EQ(bars("TF_About"), 0);
  EXPECT_EQ(bars("TF_ShowMessage"), WS_VSCROLL);
  EXPECT_EQ(bars("TF_Memo"), WS_VSCROLL | WS_HSCROLL);
  // Another process cannot ask for the icon under Wine, so look at the title bar: the memo
  // picture's yellow is there.
  const HWND memo = ShownWindow("TF_Memo");
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(
      SendMessageA(FindWindowExA(memo, nullptr, "Edit", nullptr), EM_GETFIRSTVISIBLELINE, 0, 0),
      150);
  RECT window;
  GetWindowRect(memo, &window);
  POINT client{0, 0};
  ClientToScreen(memo, &client);
  const HDC dc = GetWindowDC(memo);
  int yellow = 0;
  for (int y = 0; y < client.y - window.top; ++y)  // the frame and title bar
    for (int x = 0; x < 40; ++x) yellow += GetPixel(dc, x, y) == RGB(0xFF, 0xE4, 0x6A);
  ReleaseDC(memo, dc);
  EXPECT_GT(yellow, 20);
}

// Translucency set in settings.ini (lines 38 and 39, level 12), and the smallest size a drag of
// the border leaves the memo and the alarm message window.
TEST_F(StartupE2E, TheMemoIsTranslucentAndItAndTheMessageWindowKeepTheirMinimumSize) {
  Start({{38, "1"}, {39, "12"}}, {});
  SendMessageA(main_, WM_HOTKEY, 10000, 0);
  const HWND memo = ShownWindow("TF_Memo");
  ASSERT_NE(memo, nullptr);
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN});  // Alarms, Alarm Messages
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(memo, nullptr, &alpha, &flags));
  EXPECT_EQ(std::pair(alpha + 0, flags), std::pair(188, DWORD{LWA_ALPHA}));
  for (const auto& [form, size] : {std::pair{"TF_Memo", "325x69"}, {"TF_ShowMessage", "300x150"}}) {
    const HWND window = ShownWindow(form);
    SetWindowPos(window, nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top), size);
  }
}

// A second start from the folder of a running copy, spelt in other letters (Wine keeps only the
// drive letter's case), says so in one box and ends with 0 while the first goes on. A copy in
// another folder runs beside it and, once crashed, leaves its folder free for the next start.
TEST_F(StartupE2E, OneCopyRunsPerFolderAndACrashedCopyLeavesItsFolderFree) {
  Start({}, {});
  std::string exe = FilePath("velmarind.exe");
  CharLowerBuffA(exe.data(), static_cast<DWORD>(exe.size()));
  const HANDLE second = LaunchCopy(exe).hProcess;
  const HWND box = WaitForBox("Information");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box), "Velmarind is already running from this folder.");
  EXPECT_EQ(CountWindows("TVelmarind"), 1);
  PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(WaitForSingleObject(second, 10000) == WAIT_OBJECT_0 &&
              GetExitCodeProcess(second, &code) && code == 0);
  ASSERT_TRUE(os::clipboard::SetText("kept"));
  SendMessageA(main_, WM_COMMAND, 0, 47005);  // adds the clipboard to the memo
  EXPECT_EQ(Read("memo.txt"), "kept\r\n");

  const std::string other = FilePath("other\\");
  CreateDirectoryA(other.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(exe.c_str(), (other + "velmarind.exe").c_str(), FALSE));
  const auto copiesRunning = [](int n) {
    return WaitUntil([n] { return CountWindows("TVelmarind") == n; });
  };
  const HANDLE copy = LaunchCopy(other + "velmarind.exe").hProcess;
  EXPECT_TRUE(copiesRunning(2)) << "a copy in another folder runs beside it";
  TerminateProcess(copy, 1);
  EXPECT_TRUE(copiesRunning(1));
  LaunchCopy(other + "velmarind.exe");
  EXPECT_TRUE(copiesRunning(2)) << "a crash leaves no lock";
}

// Another program posts and sends messages carrying a stray pointer to every window of the
// program, controls included: the program goes on answering and taking remote commands.
TEST_F(StartupE2E, StrayPointersToAnyWindowLeaveTheProgramRunning) {
  Start({}, {});
  ShowEveryWindow();
  const HWND memo = ShownWindow("TF_Memo");
  ASSERT_NE(memo, nullptr);
  const std::vector<HWND> windows = ProgramWindows(main_);
  EXPECT_GT(windows.size(), 100u);
  const LPARAM stray = static_cast<LPARAM>(0xA0D15C88);
  for (HWND window : windows)
    for (UINT msg : {WM_NOTIFY, WM_INITDIALOG, WM_GETDLGCODE, WM_MEASUREITEM, WM_DRAWITEM,
                     WM_GETMINMAXINFO, WM_NCCREATE}) {
      PostMessageA(window, msg, 0, stray);
      // Answered, or refused at once: Wine passes no pointer of one process to another.
      ASSERT_TRUE(SendMessageTimeoutA(window, msg, 0, stray, SMTO_NORMAL, 1000, nullptr) ||
                  GetLastError() != ERROR_TIMEOUT);
    }
  PostMessageA(main_, WM_HOTKEY, 10000, 0);  // taken after the posted ones: hides the memo
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(memo); }));
  EXPECT_TRUE(SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr));
}

}  // namespace
}  // namespace e2e
