// Helpers of the Windows tests, for the program's loops and another program's hands.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/win32/win32_peers.h"

namespace ui_test {

struct UiTest : ::testing::Test {
  UiTest() { ui::Application = &app; }
  ~UiTest() override {  // a quit left behind would end the next test's loops
    ui::Application = nullptr;
    for (MSG quit; PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) continue;
  }
  ui::TApplication app;
};

// Answers kAdd with wParam + lParam, accepts on kAccept, throws on kThrow, counts.
constexpr UINT kAdd = WM_APP + 5, kAccept = WM_APP + 6, kThrow = WM_APP + 7;
struct ProbeForm : ui::TForm {
  explicit ProbeForm(const ui::TFormParams& params = {}) : TForm(params) {}
  void Dispatch(ui::TMessage& m) override {
    if (m.Msg == kAdd) return void(m.Result = m.WParam + m.LParam);
    if (m.Msg == kAccept) ModalResult = ui::mrOk;
    if (m.Msg == kThrow) throw std::runtime_error("handler failed");
    commands += m.Msg == WM_COMMAND, imagesDrawn += m.Msg == WM_DRAWITEM;
    TForm::Dispatch(m);
  }
  int commands = 0, imagesDrawn = 0;
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
inline std::ostream& operator<<(std::ostream& out, ui::TMouseButton button) {
  return out << static_cast<int>(button);
}
template <class... Parts>
std::string Str(const Parts&... parts) {
  std::ostringstream out;
  return (out << ... << parts), out.str();
}
template <class Object>
HWND Hwnd(const Object& object) {
  return reinterpret_cast<HWND>(object.Handle());
}

// Fails the test and runs `escape` to end the nested loop under test if it outlives `ms`.
struct LoopGuard {
  LoopGuard(DWORD ms, std::function<void()> escape) : id(SetTimer(0, 0, ms, Expired)) {
    escape_ = std::move(escape);
  }
  ~LoopGuard() { KillTimer(nullptr, id), escape_ = nullptr; }
  static void CALLBACK Expired(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id), escape_(), ADD_FAILURE() << "the loop under test did not end";
  }
  static inline std::function<void()> escape_;
  UINT_PTR id;
};

// Hands the first visible window of the class (and title) to `act`, on a thread of its own.
struct Driver {
  Driver(const char* className, const char* title, std::function<void(HWND)> act)
      : thread([=, this] {
          for (int tries = 0; tries < 500 && !found; ++tries, Sleep(10))
            for (HWND w = nullptr; !found && (w = FindWindowExA(nullptr, w, className, title));)
              if (IsWindowVisible(w)) found = true, act(w);
        }) {}
  ~Driver() { Finish(); }
  bool Finish() { return thread.joinable() ? thread.join(), found.load() : found.load(); }
  std::atomic<bool> found = false;
  std::thread thread;
};

// Posts key presses with scan codes, from which TranslateMessage makes characters.
inline void PostKeys(HWND window, const std::vector<WPARAM>& keys, bool alt = false) {
  for (WPARAM key : keys) {
    const LPARAM down = MapVirtualKeyA(key, 0) << 16 | 1 | (alt ? 1 << 29 : 0);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
    PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, key, down | 0xC0000000);
  }
}

}  // namespace ui_test
