// Hotkeys of hotkeylist.ini pressed through the real keyboard path: a task runs, the media
// player's window gets its commands, a player that does not answer does not hold the program,
// and a combination another program holds stays with it.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

#include "program.h"

namespace e2e {
namespace {

using HotkeysE2E = ProgramTest;

// The media player's window, on a thread of its own: logs its commands; kHang holds its thread.
constexpr UINT kHang = WM_APP + 1;
std::mutex g_mutex;
std::vector<std::string> g_commands;
LRESULT CALLBACK Player(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    std::lock_guard lock(g_mutex);
    g_commands.push_back(std::to_string(wParam) + " " + std::to_string(lParam));
  }
  if (message == kHang) Sleep(static_cast<DWORD>(wParam));
  if (message == WM_CLOSE) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}
// The player's window for one test, on its thread, closed when the test ends.
struct PlayerWindow {
  PlayerWindow()
      : owner([this] {
          WNDCLASSA type{};
          type.lpfnWndProc = Player, type.lpszClassName = "Winamp v1.x";
          RegisterClassA(&type);
          window = CreateWindowA(type.lpszClassName, "", 0, 0, 0, 1, 1, 0, 0, 0, 0);
          for (MSG m; GetMessageA(&m, nullptr, 0, 0) > 0;) DispatchMessageA(&m);
        }) {}
  ~PlayerWindow() {
    while (!window) Sleep(1);
    PostMessageA(window, WM_CLOSE, 0, 0);
    owner.join();
  }
  operator HWND() const { return window; }
  std::atomic<HWND> window = nullptr;
  std::thread owner;
};

std::vector<std::string> Commands() {
  std::lock_guard lock(g_mutex);
  return g_commands;
}

// Presses and releases a key with a modifier held, as the keyboard does.
void Press(WORD modifier, WORD key) {
  INPUT input[4] = {};
  for (int i = 0; i < 4; ++i) {
    input[i].type = INPUT_KEYBOARD, input[i].ki.wVk = i == 0 || i == 3 ? modifier : key;
    input[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, input, sizeof(INPUT));
}

TEST_F(HotkeysE2E, PressedHotkeysRunTheirTaskAndCommandThePlayerWithoutWaitingOnIt) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F9)) << "the driver holds CTRL+F9";
  PlayerWindow player;
  // Mark on ALT+F1, Next on CTRL+F9, Play on ALT+F2, Stop on ALT+F3, all enabled.
  std::string list =
      "4|Mark|mark|50|ALT||0|1|11|Next|Winamp (Next)|58|CTRL||2|1|14|"
      "Play|Winamp (Play)|51|ALT||2|1|12|Stop|Winamp (Stop)|52|ALT||2|1|13|";
  for (std::size_t at; (at = list.find('|')) != list.npos;) list.replace(at, 1, "\r\n");
  Start({}, {{"hotkeylist.ini", list},
             {"tasklist.ini", "1\r\nmark\r\n\r\necho hit>>\r\n\"" + FilePath("marker.txt") +
                                  "\"\r\n\r\nSystem Command\r\n0\r\n0\r\n"}});
  Sleep(2000);
  EXPECT_EQ(FindWindowA("#32770", "Error"), nullptr) << "a held combination is refused silently";
  Press(VK_CONTROL, VK_F9);
  MSG hotkey;
  EXPECT_TRUE(WaitUntil([&] { return PeekMessageA(&hotkey, 0, WM_HOTKEY, WM_HOTKEY, PM_REMOVE); }))
      << "CTRL+F9 still reaches the driver";
  Press(VK_MENU, VK_F1);
  EXPECT_TRUE(WaitUntil([&] { return Read("marker.txt") == "hit\r\n"; }));
  Press(VK_MENU, VK_F2), Press(VK_MENU, VK_F3);
  EXPECT_TRUE(WaitUntil([&] { return Commands().size() == 2; }));
  EXPECT_EQ(Commands(), (std::vector<std::string>{"40045 0", "40047 0"})) << "no 40048";

  // A program waiting in a send still answers sent messages, so the WM_NULL alone proves
  // little: the next key's task, which needs the program's own loop, must come in time.
  PostMessageA(player, kHang, 8000, 0);
  const DWORD start = GetTickCount();
  Press(VK_MENU, VK_F2), Press(VK_MENU, VK_F1);
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer));
  EXPECT_TRUE(WaitUntil([&] { return Read("marker.txt") == "hit\r\nhit\r\n"; }));
  EXPECT_LT(GetTickCount() - start, 5000u) << "the player is given up after its time";

  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(Read("hotkeylist.ini"), list) << "nothing is saved at exit";
  EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_ALT, VK_F1)) << "released";
  UnregisterHotKey(nullptr, 1), UnregisterHotKey(nullptr, 2);
}

// The list window and the editor: a hotkey made there is disabled, Enable registers it and it
// commands the player; one on a combination another program holds stays disabled.
TEST_F(HotkeysE2E, AHotkeyMadeInTheEditorIsEnabledFromTheListWindowAndRuns) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F9)) << "the driver holds CTRL+F9";
  PlayerWindow player;
  g_commands.clear();
  Start({}, {});
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN});  // Hotkeys, Add / Edit
  const HWND window = ShownWindow("TF_HotkeyHandler");
  ASSERT_NE(window, nullptr);
  const HWND disabled =
      FindWindowExA(window, FindWindowExA(window, nullptr, "ListBox", nullptr), "ListBox", nullptr);
  // Name, modifier, key and the ninth extra function, "Winamp (Play)"; OK; then Enable.
  const auto make = [&](const char* name, int modifier, int key) {
    PostMessageA(Button(window, "&New"), BM_CLICK, 0, 0);
    const HWND editor = ShownWindow("TF_Hotkey", "New Hotkey");
    ASSERT_NE(editor, nullptr);
    SetWindowTextA(FindWindowExA(editor, nullptr, "Edit", nullptr), name);
    FillHotkeyEditor(editor, modifier, key);
    PostMessageA(Button(editor, "&Ok"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));
    const auto items = ListItems(disabled);
    SendMessageA(disabled, LB_SETCURSEL,
                 std::find(items.begin(), items.end(), std::wstring(name, name + strlen(name))) -
                     items.begin(),
                 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(disabled), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(disabled));
  };
  make("Play", 1, 51);  // ALT+F2
  EXPECT_EQ(Text(window), "Enabled Hotkeys 0, Total 1");
  EXPECT_NE(Read("hotkeylist.ini").find("Play\r\nWinamp (Play)\r\n51\r\nALT\r\n\r\n2\r\n0\r\n"),
            std::string::npos);
  PostMessageA(Button(window, "E&nable"), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return Text(window) == "Enabled Hotkeys 1, Total 1"; }));
  Press(VK_MENU, VK_F2);
  EXPECT_TRUE(WaitUntil([&] { return Commands() == std::vector<std::string>{"40045 0"}; }));
  make("Held", 3, 58);  // CTRL+F9
  PostMessageA(Button(window, "E&nable"), BM_CLICK, 0, 0);
  const HWND box = WaitForBox("Error");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box), "The hotkey is already in use.");
  SendDlgItemMessageA(box, IDOK, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ListItems(disabled) == std::vector<std::wstring>{L"Held"}; }));
  EXPECT_EQ(Text(window), "Enabled Hotkeys 1, Total 2");
  UnregisterHotKey(nullptr, 1);
}

}  // namespace
}  // namespace e2e
