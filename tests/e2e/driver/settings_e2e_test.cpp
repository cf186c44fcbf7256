// The settings dialog of the running program, driven as the user does.
#include <gtest/gtest.h>

#include "program.h"

namespace {

using e2e::Lines;
using e2e::Program;
using e2e::ProgramFolder;
using e2e::WaitUntil;

TEST(SettingsE2E, ATickedSecondMenuBoxReachesSettingsIni) {
  const struct {
    const char* caption;
    std::size_t line, untouched;  // indexes in settings.ini, from 0
  } cases[] = {{"Show \"New Alarm\"", 18, 20}, {"Show \"Open In Browser\"", 20, 18}};
  for (const auto& c : cases) {
    ProgramFolder folder;
    Program program(folder);
    program.Start();
    HWND dialog = program.WaitForWindow(nullptr, "Settings - Velmarind");
    ASSERT_NE(dialog, nullptr);
    HWND box = FindWindowExA(dialog, nullptr, "Button", c.caption);
    ASSERT_NE(box, nullptr) << c.caption;
    EXPECT_FALSE(IsWindowVisible(box)) << "its page is not the first";
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Lines(folder.Read("settings.ini")).size() == 51; }));
    EXPECT_EQ(Lines(folder.Read("settings.ini"))[c.line], "1") << c.caption;
    EXPECT_EQ(Lines(folder.Read("settings.ini"))[c.untouched], "0") << c.caption;
    PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
  }
}

}  // namespace
