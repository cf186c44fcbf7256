#include "ui/timer.h"

namespace ui {

TTimer::TTimer(int intervalMs, bool enabled)
    : peer_(CreateTimerPeer(*this)), interval_(intervalMs), enabled_(enabled) {
  Restart();
}

TTimer::~TTimer() {
  peer_->Stop();
}

void TTimer::SetInterval(int intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Restart();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::Restart() {
  peer_->Stop();
  if (enabled_ && interval_ > 0) peer_->Start(interval_);
}

void TTimer::Fire() {
  if (enabled_ && OnTimer) OnTimer(this);
}

}  // namespace ui
