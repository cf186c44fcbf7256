// Helpers of the Windows tests: an application object per test, the program's
// loop step with a deadline, a guard that ends a nested loop that hangs, and
// another program's hands on a thread of their own.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ui/application.h"
#include "ui/win32/win32_peers.h"

namespace ui_test {

struct UiTest : ::testing::Test {
  UiTest() { ui::Application = &app; }
  ~UiTest() override {
    ui::Application = nullptr;
    MSG quit;  // a quit left behind would end the next test's loops
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) continue;
  }
  ui::TApplication app;
};

// Runs the program's loop step until done() holds; false when timeoutMs passed first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  for (const DWORD start = GetTickCount(); !done();) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) ui::win32::DispatchQueuedMessage(m);
  }
  return true;
}
inline void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}
inline std::string Text(HWND window) {
  return ui::win32::WindowText(window);
}
// The parts one after another, as a stream writes them.
template <class... Parts>
std::string Str(const Parts&... parts) {
  std::ostringstream out;
  (out << ... << parts);
  return out.str();
}
template <class Object>
HWND Hwnd(const Object& object) {
  return reinterpret_cast<HWND>(object.Handle());
}

// Fails the test and runs `escape`, which must end the nested loop under test,
// when that loop still runs after `ms`; a thread timer, so it works even when
// the component layer's timers do not.
struct LoopGuard {
  LoopGuard(DWORD ms, std::function<void()> escape) {
    escape_ = std::move(escape), id_ = SetTimer(0, 0, ms, Expired);
  }
  ~LoopGuard() { KillTimer(nullptr, id_), escape_ = nullptr; }
  static void CALLBACK Expired(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ADD_FAILURE() << "the loop under test did not end in time";
    if (escape_) escape_();
  }
  static inline std::function<void()> escape_;
  UINT_PTR id_;
};

// Another program's hands: waits up to five seconds for a visible window of
// the class (and title) and hands it to `act`. Finish() tells whether it came.
class Driver {
 public:
  Driver(const char* className, const char* title, std::function<void(HWND)> act)
      : thread_([=, this] {
          for (int tries = 0; tries < 500 && !found_; ++tries, Sleep(10))
            for (HWND w = nullptr; !found_ && (w = FindWindowExA(nullptr, w, className, title));)
              if (IsWindowVisible(w)) found_ = true, act(w);
        }) {}
  ~Driver() { Finish(); }
  bool Finish() {
    if (thread_.joinable()) thread_.join();
    return found_;
  }

 private:
  std::atomic<bool> found_ = false;
  std::thread thread_;
};

// Posts key presses with their scan codes, as the keyboard does, so that
// TranslateMessage makes their characters; with Alt held when `alt`.
inline void PostKeys(HWND window, const std::vector<WPARAM>& keys, bool alt = false) {
  for (WPARAM key : keys) {
    const LPARAM down = MapVirtualKeyA(key, 0) << 16 | 1 | (alt ? 1 << 29 : 0);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
    PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, key, down | 0xC0000000);
  }
}

}  // namespace ui_test
