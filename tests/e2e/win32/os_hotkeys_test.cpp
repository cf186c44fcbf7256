#include <gtest/gtest.h>
#include <windows.h>

#include "os/os.h"

namespace {

constexpr unsigned kCtrlAlt = MOD_CONTROL | MOD_ALT;

// A hidden window of this test that hotkeys are registered on.
class Window {
 public:
  Window()
      : handle_(CreateWindowA("STATIC", "hotkey test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr)) {}
  ~Window() { DestroyWindow(handle_); }
  HWND Handle() const { return handle_; }
  os::WindowHandle Id() const { return reinterpret_cast<os::WindowHandle>(handle_); }

 private:
  HWND handle_;
};

TEST(OsHotkeys, CombinationIsHeldUntilUnregistered) {
  Window first, second;
  ASSERT_TRUE(os::hotkeys::Register(first.Id(), 1, kCtrlAlt, 'K'));
  const struct {
    const char* what;
    const Window& window;
    int id;
    unsigned modifiers;
    int key;
    bool registers;
  } attempts[] = {
      {"same combination, other id", first, 2, kCtrlAlt, 'K', false},
      {"same combination, other window", second, 1, kCtrlAlt, 'K', false},
      {"other key", second, 1, kCtrlAlt, 'L', true},
      {"other modifiers", second, 2, MOD_CONTROL | MOD_SHIFT, 'K', true},
  };
  for (const auto& a : attempts) {
    SCOPED_TRACE(a.what);
    SetLastError(0);
    EXPECT_EQ(os::hotkeys::Register(a.window.Id(), a.id, a.modifiers, a.key), a.registers);
    if (!a.registers) {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    }
  }

  EXPECT_TRUE(os::hotkeys::Unregister(first.Id(), 1));
  EXPECT_TRUE(os::hotkeys::Register(first.Id(), 2, kCtrlAlt, 'K'));
  for (int id : {1, 2}) EXPECT_TRUE(os::hotkeys::Unregister(second.Id(), id));
  EXPECT_TRUE(os::hotkeys::Unregister(first.Id(), 2));
}

TEST(OsHotkeys, UnregisterOfUnknownIdFails) {
  Window window;
  EXPECT_FALSE(os::hotkeys::Unregister(window.Id(), 7));
}

void PressCtrlAlt(WORD key) {
  const WORD keys[] = {VK_CONTROL, VK_MENU, key};
  INPUT inputs[6] = {};
  for (int i = 0; i < 3; ++i) {
    inputs[i].type = inputs[5 - i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = inputs[5 - i].ki.wVk = keys[i];
    inputs[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(6, inputs, sizeof(INPUT));
}

// The id of the first WM_HOTKEY for the window within two seconds; 0 if none.
WPARAM WaitForHotkey(HWND window) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 2000) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_HOTKEY && message.hwnd == window) return message.wParam;
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return 0;
}

TEST(OsHotkeys, PressedCombinationReachesItsWindow) {
  Window window;
  ASSERT_TRUE(os::hotkeys::Register(window.Id(), 42, kCtrlAlt, 'J'));
  PressCtrlAlt('J');
  EXPECT_EQ(WaitForHotkey(window.Handle()), 42u);
  EXPECT_TRUE(os::hotkeys::Unregister(window.Id(), 42));
}

}  // namespace
