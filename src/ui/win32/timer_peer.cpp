#include <map>

#include "ui/timer.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

constexpr char kTimerWindowClass[] = "VelmarindTimers";

// Running timers by id. A timer leaves the map when it stops, so a WM_TIMER
// still queued for it finds nothing.
std::map<UINT_PTR, TTimer*>& RunningTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg != WM_TIMER) return DefWindowProcA(hwnd, msg, wparam, lparam);
  const auto it = RunningTimers().find(wparam);
  if (it == RunningTimers().end()) return 0;
  TTimer* timer = it->second;
  return CallGuarded([timer] {
    timer->Fire();  // may stop or destroy the timer
    return LRESULT{0};
  });
}

// One message-only window receives the WM_TIMER of every timer.
HWND TimerWindow() {
  static const HWND window = [] {
    RegisterWindowClass(kTimerWindowClass, TimerWindowProc);
    return CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }();
  return window;
}

class Win32Timer final : public TimerPeer {
 public:
  explicit Win32Timer(TTimer& timer) : timer_(timer), id_(nextId_++) {}
  ~Win32Timer() override { Stop(); }

  void Start(int intervalMs) override {
    RunningTimers()[id_] = &timer_;
    SetTimer(TimerWindow(), id_, intervalMs, nullptr);
  }
  void Stop() override {
    if (RunningTimers().erase(id_)) KillTimer(TimerWindow(), id_);
  }

 private:
  static inline UINT_PTR nextId_ = 1;
  TTimer& timer_;
  UINT_PTR id_;
};

}  // namespace
}  // namespace ui::win32

namespace ui {

std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) {
  return std::make_unique<win32::Win32Timer>(timer);
}

}  // namespace ui
