// Hotkeys of hotkeylist.ini pressed through the real keyboard path: a task runs, the media
// player's window gets its commands, a player that does not answer does not hold the program,
// and a combination another program holds stays with it.
#include <atomic>
#include <mutex>
#include <thread>

#include "program.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;
using HotkeysE2E = ProgramTest;

// A window of the media player's class on a thread of its own, logging the commands it gets.
class FakePlayer {
 public:
  FakePlayer() : thread_([this] { Run(); }) {
    WaitUntil([this] { return window_.load() != nullptr; });
  }
  ~FakePlayer() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  Strings Log() {
    std::lock_guard lock(mutex_);
    return log_;
  }
  // Holds the player's thread, as a hung program's is held.
  void Hang(int ms) { PostMessageA(window_, kHang, ms, 0); }

 private:
  static constexpr UINT kHang = WM_APP + 1;
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakePlayer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && self) {
      std::lock_guard lock(self->mutex_);
      self->log_.push_back(std::to_string(wParam) + " " + std::to_string(lParam));
    }
    if (message == kHang) Sleep(static_cast<DWORD>(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
  }
  void Run() {
    WNDCLASSA type{};
    type.lpfnWndProc = Proc, type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "Winamp v1.x";
    RegisterClassA(&type);
    const HWND window =
        CreateWindowA(type.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    threadId_ = GetCurrentThreadId(), window_ = window;
    for (MSG m; GetMessageA(&m, nullptr, 0, 0) > 0;) DispatchMessageA(&m);
    DestroyWindow(window);
  }

  std::mutex mutex_;
  Strings log_;
  std::atomic<HWND> window_ = nullptr;
  std::atomic<DWORD> threadId_ = 0;
  std::thread thread_;
};

// Presses and releases a key with a modifier held, as the keyboard does.
void Press(WORD modifier, WORD key) {
  INPUT input[4] = {};
  const WORD keys[] = {modifier, key, key, modifier};
  for (int i = 0; i < 4; ++i) {
    input[i].type = INPUT_KEYBOARD, input[i].ki.wVk = keys[i];
    input[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, input, sizeof(INPUT));
}

std::string HotkeyLines(const char* name, const char* param, int key, const char* modifier,
                        int function, int id) {
  return std::string(name) + "\r\n" + param + "\r\n" + std::to_string(key) + "\r\n" + modifier +
         "\r\n\r\n" + std::to_string(function) + "\r\n1\r\n" + std::to_string(id) + "\r\n";
}

TEST_F(HotkeysE2E, PressedHotkeysRunTheirTaskAndCommandThePlayerWithoutWaitingOnIt) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F9)) << "the driver holds CTRL+F9";
  FakePlayer player;
  const std::string task = "mark\r\n\r\necho hit>>\r\n\"" + FilePath("marker.txt") +
                           "\"\r\n\r\nSystem Command\r\n0\r\n0\r\n";
  const std::string list = "4\r\n" + HotkeyLines("Mark", "mark", 50, "ALT", 0, 11) +  // F1
                           HotkeyLines("Next", "Winamp (Next)", 58, "CTRL", 2, 14) +  // F9
                           HotkeyLines("Play", "Winamp (Play)", 51, "ALT", 2, 12) +
                           HotkeyLines("Stop", "Winamp (Stop)", 52, "ALT", 2, 13);
  Start({}, {{"tasklist.ini", "1\r\n" + task}, {"hotkeylist.ini", list}});
  Sleep(2000);
  EXPECT_EQ(FindWindowA("#32770", "Error"), nullptr) << "a held combination is refused silently";
  Press(VK_CONTROL, VK_F9);
  EXPECT_TRUE(WaitUntil([] {
    MSG m;
    return PeekMessageA(&m, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE) != 0;
  })) << "CTRL+F9 still reaches the driver";

  Press(VK_MENU, VK_F1);
  EXPECT_TRUE(WaitUntil([&] { return Read("marker.txt") == "hit\r\n"; }));
  Press(VK_MENU, VK_F2), Press(VK_MENU, VK_F3);
  EXPECT_TRUE(WaitUntil([&] { return player.Log().size() == 2; }));
  EXPECT_EQ(player.Log(), (Strings{"40045 0", "40047 0"})) << "no 40048 from the held CTRL+F9";

  // A player that does not answer is given up on, and the program goes on with the next key.
  // A program waiting in a send still answers sent messages, so the WM_NULL alone would prove
  // nothing: the task of the next key, which needs the program's own loop, must come in time.
  player.Hang(8000);
  const DWORD start = GetTickCount();
  Press(VK_MENU, VK_F2), Press(VK_MENU, VK_F1);
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer));
  EXPECT_TRUE(WaitUntil([&] { return Read("marker.txt") == "hit\r\nhit\r\n"; }));
  EXPECT_LT(GetTickCount() - start, 5000u);

  EXPECT_EQ(Close(), 0);
  main_ = nullptr;
  EXPECT_EQ(Read("hotkeylist.ini"), list) << "nothing is saved at exit";
  EXPECT_TRUE(RegisterHotKey(nullptr, 2, MOD_ALT, VK_F1)) << "released";
  UnregisterHotKey(nullptr, 1), UnregisterHotKey(nullptr, 2);
}

}  // namespace
}  // namespace e2e
