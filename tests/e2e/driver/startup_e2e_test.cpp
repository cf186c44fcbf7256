// The program started in fresh folders under Wine and driven from outside.
#include <gtest/gtest.h>

#include "program.h"

namespace {

using e2e::Lines;
using e2e::Program;
using e2e::ProgramFolder;
using e2e::SettingsFile;
using e2e::WaitUntil;

constexpr UINT kHotkeyMemo = 10000;

bool IsSettingsFile(const std::string& text) {
  return Lines(text).size() == 51 && text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
}

TEST(StartupE2E, FirstRunShowsTheSettingsDialogAndItsCloseBoxWritesSettings) {
  ProgramFolder folder;
  Program program(folder);
  program.Start();
  HWND dialog = program.WaitForWindow(nullptr, "Settings - Velmarind");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(FindWindowExA(dialog, nullptr, "Button", "OK"), nullptr) << "no OK button";
  EXPECT_EQ(FindWindowA("TF_Hotkey", nullptr), nullptr) << "later windows wait for the dialog";
  EXPECT_FALSE(folder.Exists("settings.ini"));

  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsSettingsFile(folder.Read("settings.ini")); }));
  EXPECT_NE(program.WaitForWindow("TF_Hotkey"), nullptr) << "start-up completes";
  EXPECT_EQ(Lines(folder.Read("settings.ini"))[0], folder.FilePath("sound.wav"));
  EXPECT_FALSE(IsWindowVisible(dialog));

  PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(StartupE2E, MainWindowTakesHotkeysEndSessionAndClose) {
  ProgramFolder folder;
  folder.Write("settings.ini", SettingsFile(folder));
  folder.Write("memo.txt", "first\r\nsecond\r\nthird\r\n");
  Program program(folder);
  program.Start();
  HWND main = program.WaitForWindow("TF_Hotkey") ? program.MainWindow() : nullptr;
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(GetWindowTextLengthA(main), 0) << "the main window has an empty title";
  EXPECT_FALSE(IsWindowVisible(main));

  HWND memo = FindWindowA("TF_Memo", nullptr);
  ASSERT_NE(memo, nullptr);
  EXPECT_FALSE(IsWindowVisible(memo));
  SendMessageA(main, WM_HOTKEY, kHotkeyMemo, 0);
  EXPECT_TRUE(IsWindowVisible(memo));
  char caption[64] = "";
  GetWindowTextA(memo, caption, sizeof caption);
  EXPECT_STREQ(caption, "Memo - Velmarind");
  EXPECT_TRUE(GetWindowLongA(memo, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageA(main, WM_HOTKEY, kHotkeyMemo, 0);
  EXPECT_FALSE(IsWindowVisible(memo));

  // Move the caret to line 2; a log-off must keep it.
  HWND edit = FindWindowExA(memo, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  const LRESULT lineTwo = SendMessageA(edit, EM_LINEINDEX, 2, 0);
  SendMessageA(edit, EM_SETSEL, lineTwo, lineTwo);
  folder.Remove("settings.ini");
  SendMessageA(main, WM_ENDSESSION, TRUE, 0);
  ASSERT_TRUE(IsSettingsFile(folder.Read("settings.ini")));
  EXPECT_EQ(Lines(folder.Read("settings.ini"))[14], "2");
  EXPECT_EQ(folder.Read("memo.txt"), "first\r\nsecond\r\nthird\r\n");
  EXPECT_TRUE(program.Running()) << "a log-off message does not end the program by itself";

  folder.Remove("settings.ini");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_TRUE(IsSettingsFile(folder.Read("settings.ini")));
}

TEST(StartupE2E, RemoteCommandsOutsideTheRangeChangeNothing) {
  ProgramFolder folder;
  folder.Write("settings.ini", SettingsFile(folder));
  Program program(folder);
  program.Start();
  ASSERT_NE(program.WaitForWindow("TF_Hotkey"), nullptr);
  HWND main = program.MainWindow();
  for (LPARAM command : {47000, 47007, 47006})
    EXPECT_EQ(SendMessageA(main, WM_COMMAND, 3, command), 0);
  EXPECT_FALSE(IsWindowVisible(FindWindowA("TF_Memo", nullptr)));
  EXPECT_TRUE(program.Running());
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
