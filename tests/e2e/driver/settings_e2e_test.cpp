// The settings dialog of the running program, opened from the tray menu.
#include "program.h"

namespace e2e {
namespace {

using SettingsE2E = ProgramTest;

HWND ChildEditShowing(HWND form, const std::string& text) {
  for (HWND edit = nullptr; (edit = FindWindowExA(form, edit, "Edit", nullptr)) != nullptr;)
    if (Text(edit) == text) return edit;
  return nullptr;
}

// A close refused for a missing alarm sound keeps every setting: quitting then writes
// settings.ini as it was, flags and sound line included.
TEST_F(SettingsE2E, ARefusedCloseLeavesSettingsUnchangedAtQuit) {
  // No sounds, no last known place, "Alarm Messages" in the second menu, no auto-activation,
  // auto-close after 30 seconds: all differ from what the dialog's closing starts from.
  Start({{7, "1"}, {16, "0"}, {22, "1"}, {36, "0"}, {43, "30"}}, {});
  const std::string before = Read("settings.ini");
  ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // Settings
  const HWND dialog = ShownWindow("TF_Settings");
  ASSERT_NE(dialog, nullptr);
  const HWND sound = ChildEditShowing(dialog, FilePath("sound.wav"));
  ASSERT_NE(sound, nullptr);
  const std::string missing = FilePath("missing.wav");
  SendMessageA(sound, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(missing.c_str()));
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  const HWND box = WaitForBox("Error");
  ASSERT_NE(box, nullptr);
  EXPECT_STREQ(BoxText(box).c_str(), "That file does not exist");
  PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(Read("settings.ini"), before);
}

}  // namespace
}  // namespace e2e
