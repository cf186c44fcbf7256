// Helpers of the component-layer tests: an application object per test, a
// message loop with a deadline, a guard that ends a nested loop that hangs,
// and a second thread that drives our windows the way another program does.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/win32/win32_peers.h"

namespace ui_test {

// Every test has its own application object, as the program has one.
class UiTest : public ::testing::Test {
 protected:
  UiTest() { ui::Application = &app; }
  ~UiTest() override {
    ui::Application = nullptr;
    MSG quit;  // a quit left by the test would end the next test's loops
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  ui::TApplication app;
};

// Runs the message loop until done() holds; false when timeoutMs passed first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

// The native window of a control.
inline HWND Hwnd(const ui::TControl& control) {
  return reinterpret_cast<HWND>(control.Handle());
}

// Runs the program's own loop step (dialog keys first) for a while.
inline void PumpLikeTheProgram(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < ms) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      ui::win32::DispatchQueuedMessage(message);
    Sleep(5);
  }
}

inline void Pump(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

// Fails the test and runs `escape`, which must end the nested loop under
// test, when that loop still runs after `ms`. A thread timer of its own, so
// it works even when the timers of the component layer do not.
class LoopGuard {
 public:
  LoopGuard(DWORD ms, std::function<void()> escape) : escape_(std::move(escape)) {
    active_ = this;
    id_ = SetTimer(nullptr, 0, ms, Expired);
  }
  ~LoopGuard() {
    KillTimer(nullptr, id_);
    active_ = nullptr;
  }
  LoopGuard(const LoopGuard&) = delete;
  LoopGuard& operator=(const LoopGuard&) = delete;

 private:
  static void CALLBACK Expired(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (!active_) return;
    ADD_FAILURE() << "the loop under test did not end in time";
    active_->escape_();
  }
  static inline LoopGuard* active_ = nullptr;
  std::function<void()> escape_;
  UINT_PTR id_;
};

// The first visible top-level window of a class (and title, unless null).
inline HWND FindVisibleWindow(const char* className, const char* title = nullptr) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, className, title)))
    if (IsWindowVisible(window)) return window;
  return nullptr;
}

// Another program's hands: on its own thread, waits up to five seconds for
// `find` to return a window, then runs `act` on it.
class Driver {
 public:
  Driver(std::function<HWND()> find, std::function<void(HWND)> act)
      : thread_([this, find = std::move(find), act = std::move(act)] {
          for (int tries = 0; tries < 500; ++tries, Sleep(10))
            if (HWND window = find()) {
              found_ = true;
              act(window);
              return;
            }
        }) {}
  ~Driver() { Finish(); }
  // Waits for the thread; true when it found its window.
  bool Finish() {
    if (thread_.joinable()) thread_.join();
    return found_;
  }

 private:
  std::atomic<bool> found_ = false;
  std::thread thread_;
};

inline void PostKeys(HWND window, const std::vector<WPARAM>& keys) {
  for (WPARAM key : keys) {
    PostMessageA(window, WM_KEYDOWN, key, 0);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
  }
}

}  // namespace ui_test
