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

// What a control of each kind keeps beside its text, as Wine draws it: a push button its 2-px
// edge and its focus rectangle on either side; a check box its 13-px box and a gap of 4; a group
// box the 8 px before its caption, a blank pixel after it and its 2-px frame. A label wraps its
// text at word breaks and shows the lines its height holds.
struct Kind {
  const char* className;
  LONG type;  // the style's SS_TYPEMASK bits
  int margin;
  bool wraps;
};
constexpr Kind kKinds[] = {{"Button", BS_PUSHBUTTON, 6, false},
                           {"Button", BS_AUTOCHECKBOX, 17, false},
                           {"Button", BS_GROUPBOX, 11, false},
                           {"Static", SS_LEFT, 0, true}};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

const Kind* KindOf(HWND control) {
  const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
  for (const Kind& kind : kKinds)
    if (lstrcmpiA(ClassOf(control).c_str(), kind.className) == 0 && type == kind.type) return &kind;
  return nullptr;
}

// The program's captions, hidden ones included, that do not fit their controls, each after its
// window's class. A hook in the program measures them in their controls' own fonts.
std::vector<std::string> CaptionsThatDoNotFit(HWND main) {
  const HMODULE dll = LoadLibraryA(std::getenv("VELMARIND_TEXT_EXTENT"));
  const auto measureText =
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "MeasureText")));
  const HHOOK hook =
      SetWindowsHookExA(WH_CALLWNDPROC, measureText, dll, GetWindowThreadProcessId(main, nullptr));
  EXPECT_NE(hook, nullptr);
  const auto extent = [measure = RegisterWindowMessageA("VelmarindTextExtent")](HWND control,
                                                                                int wrapAt) {
    SendMessageA(control, measure, wrapAt, 0);
    const auto size = reinterpret_cast<UINT_PTR>(GetPropA(control, "VelmarindTextExtent"));
    return SIZE{LOWORD(size), HIWORD(size)};
  };
  std::vector<std::string> misfits;
  for (HWND control : ProgramWindows(main)) {
    const Kind* kind = KindOf(control);
    if (!kind || Text(control).empty()) continue;
    RECT client;
    GetClientRect(control, &client);
    const int room = client.right - kind->margin;
    const SIZE line = extent(control, 0);
    const SIZE wrapped = kind->wraps ? extent(control, room) : line;
    // A label lower than one line still shows that line.
    if (wrapped.cx > room || wrapped.cy > std::max(line.cy, client.bottom))
      misfits.push_back(ClassOf(GetParent(control)) + " " + Text(control));
  }
  UnhookWindowsHookEx(hook);
  std::sort(misfits.begin(), misfits.end());
  return misfits;
}

// Every caption fits its control, English and German; a text made too long is caught.
TEST_F(TranslationE2E, EveryCaptionFitsItsControl) {
  std::string tooLong = Deutsch();
  tooLong.insert(tooLong.find("B_Copy:Kopie") + 12, "ren");
  const struct {
    std::string file;
    const char* newButton;
    std::vector<std::string> misfits;
  } rows[] = {{"", "&New", {}}, {Deutsch(), "&Neu", {}}, {tooLong, "&Neu", {"TF_Memo Kopieren"}}};
  for (const auto& row : rows) {
    Start({{35, row.file.empty() ? "" : "x.vmd"}}, {{"x.vmd", row.file}});
    ShowEveryWindow();
    for (auto [list, editor] : {std::pair{"TF_HotkeyHandler", "TF_Hotkey"},
                                {"TF_TaskHandler", "TF_Task"},
                                {"TF_AlarmHandler", "TF_Alarm"}}) {
      PostMessageA(Button(ShownWindow(list), row.newButton), BM_CLICK, 0, 0);  // a modal editor
      const HWND shown = ShownWindow(editor);
      ASSERT_NE(shown, nullptr) << editor;
      PostMessageA(shown, WM_CLOSE, 0, 0);
      ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(shown); }));
    }
    EXPECT_EQ(CaptionsThatDoNotFit(main_), row.misfits);
    EXPECT_EQ(Close(), 0);
  }
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
