// Translation files read by the running program, with Wine's ANSI code page 1252.
#include <algorithm>

#include "program.h"

namespace e2e {
namespace {

using TranslationE2E = ProgramTest;

std::string Deutsch() {
  std::ifstream file(std::getenv("VELMARIND_DEUTSCH"), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The captions of a window's buttons in alphabetical order; buttons without one left out.
std::vector<std::string> ButtonTexts(HWND form) {
  std::vector<std::string> texts;
  for (HWND button = nullptr; (button = FindWindowExA(form, button, "Button", nullptr));)
    if (!Text(button).empty()) texts.push_back(Text(button));
  std::sort(texts.begin(), texts.end());
  return texts;
}

// The memo's buttons, About's button and the settings' autostart button read German, byte for
// byte; the language list offers the file, not a folder that looks like one.
TEST_F(TranslationE2E, AFileNamedInSettingsTranslatesTheWindowsAtStart) {
  ASSERT_TRUE(CreateDirectoryA(FilePath("x.vmd").c_str(), nullptr));
  Start({{35, "Deutsch.vmd"}}, {{"Deutsch.vmd", Deutsch()}});
  SendMessageA(main_, WM_HOTKEY, 10000, 0);  // the memo's own hotkey
  EXPECT_EQ(ButtonTexts(ShownWindow("TF_Memo")),
            (std::vector<std::string>{"&Beenden", "&Entf", "Einfg", "Kopie"}));

  ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_RETURN});  // About
  const HWND about = ShownWindow("TF_About");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(ButtonTexts(about), std::vector<std::string>{"&OK"});
  PostMessageA(FindWindowExA(about, nullptr, "Button", nullptr), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));

  ChooseFromTrayMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // Settings
  const HWND settings = ShownWindow("TF_Settings");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(std::ranges::count(ButtonTexts(settings), "Zum &Autostart hinzuf\xfcgen"), 1);
  HWND language = nullptr;
  for (HWND combo = nullptr; (combo = FindWindowExA(settings, combo, "ComboBox", nullptr));)
    if (!ListItems(combo).empty() && ListItems(combo)[0] == L"Default") language = combo;
  ASSERT_NE(language, nullptr);
  EXPECT_EQ(ListItems(language), (std::vector<std::wstring>{L"Default", L"Deutsch.vmd"}));
  EXPECT_EQ(SendMessageA(language, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(TranslationE2E, AMissingFileIsSaidOnceAtStartAndForgotten) {
  Prepare({{35, "gone.vmd"}}, {});
  Launch();
  const HWND box = WaitForBox("Error");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box),
            "Could not find that language file, make sure it's in the same folder as Velmarind");
  PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  AwaitStart();
  Sleep(500);  // time enough for a second box to show
  EXPECT_EQ(FindWindowA("#32770", "Error"), nullptr) << "said once";
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(SettingsLine(35), "");
}

}  // namespace
}  // namespace e2e
