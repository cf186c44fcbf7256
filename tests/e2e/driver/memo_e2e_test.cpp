// The memo window of the running program, driven as the user does.
#include <gtest/gtest.h>

#include "program.h"

namespace {

using e2e::Lines;
using e2e::Program;
using e2e::ProgramFolder;
using e2e::SettingsFile;

constexpr UINT kHotkeyMemo = 10000;

TEST(MemoE2E, ShowsTheSavedCaretLineAndKeepsWhatIsTypedAcrossTheExit) {
  ProgramFolder folder;
  // Line 15 is the caret line, lines 11-14 the geometry.
  folder.Write("settings.ini",
               SettingsFile(folder, {{11, "40"}, {12, "50"}, {13, "400"}, {14, "300"}, {15, "2"}}));
  folder.Write("memo.txt", "zero\r\none\r\ntwo\r\nthree");
  Program program(folder);
  program.Start();
  ASSERT_NE(program.WaitForWindow("TF_Hotkey"), nullptr);
  const HWND main = program.MainWindow();
  const HWND memo = FindWindowA("TF_Memo", nullptr);
  const HWND edit = FindWindowExA(memo, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);

  SendMessageA(main, WM_HOTKEY, kHotkeyMemo, 0);
  ASSERT_TRUE(IsWindowVisible(memo));
  DWORD caret = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
  EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, caret, 0), 2) << "the caret on the saved line";
  RECT frame{};
  GetWindowRect(memo, &frame);
  EXPECT_EQ(frame.left, 40);
  EXPECT_EQ(frame.right - frame.left, 400);

  for (char c : std::string("new ")) SendMessageA(edit, WM_CHAR, c, 0);
  MoveWindow(memo, 60, 70, 410, 310, TRUE);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(folder.Read("memo.txt"), "zero\r\none\r\nnew two\r\nthree");
  const auto settings = Lines(folder.Read("settings.ini"));
  ASSERT_EQ(settings.size(), 51u);
  EXPECT_EQ(settings[14], "2");
  EXPECT_EQ(settings[10], "60");
  EXPECT_EQ(settings[11], "70");
  EXPECT_EQ(settings[12], "410");
  EXPECT_EQ(settings[13], "310");
}

}  // namespace

namespace {

// Another program's control: GetWindowText would not ask it, WM_GETTEXT does.
std::string EditText(HWND edit) {
  char text[256] = "";
  SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(MemoE2E, F8ScramblesATypedLineAndF8AgainRestoresIt) {
  ProgramFolder folder;
  folder.Write("settings.ini", e2e::SettingsFile(folder));  // F8 runs "encrypt()"
  Program program(folder);
  program.Start();
  ASSERT_NE(program.WaitForWindow("TF_Hotkey"), nullptr);
  SendMessageA(program.MainWindow(), WM_HOTKEY, 10000, 0);
  const HWND edit = FindWindowExA(FindWindowA("TF_Memo", nullptr), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  for (char c : std::string("meet at noon")) SendMessageA(edit, WM_CHAR, c, 0);
  SendMessageA(edit, WM_KEYDOWN, VK_F8, 0);
  const std::string scrambled = EditText(edit);
  EXPECT_NE(scrambled, "meet at noon");
  EXPECT_EQ(scrambled.size(), 12u);
  SendMessageA(edit, WM_KEYDOWN, VK_F8, 0);
  EXPECT_EQ(EditText(edit), "meet at noon");
  PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
