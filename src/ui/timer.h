// A timer that runs OnTimer every Interval milliseconds while Enabled.
#pragma once

#include <memory>

#include "ui/backend.h"
#include "ui/types.h"

namespace ui {

class TTimer : public TComponent {
 public:
  explicit TTimer(int intervalMs = 1000, bool enabled = true);
  ~TTimer() override;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  int Interval() const { return interval_; }
  // A new interval restarts a running timer from now; the same one changes nothing.
  void SetInterval(int intervalMs);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TNotifyEvent OnTimer;
  // Called by the backend when the interval has passed.
  void Fire();

 private:
  void Restart();

  std::unique_ptr<TimerPeer> peer_;
  int interval_;
  bool enabled_;
};

}  // namespace ui
