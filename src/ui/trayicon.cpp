#include "ui/trayicon.h"

namespace ui {

TTrayIcon::TTrayIcon(TImageList& icons, std::string hint, int animateIntervalMs)
    : icons_(icons), hint_(std::move(hint)), animate_(animateIntervalMs, false) {
  animate_.OnTimer = [this](TObject*) {
    SetIconIndex(icons_.Count() > 0 ? (iconIndex_ + 1) % icons_.Count() : 0);
  };
  peer_ = CreateTrayPeer(*this);
  peer_->Update();
}

TTrayIcon::~TTrayIcon() {
  peer_->Remove();
}

void TTrayIcon::SetHint(const std::string& hint) {
  hint_ = hint;
  peer_->Update();
}

void TTrayIcon::SetIconIndex(int index) {
  if (index == iconIndex_) return;
  iconIndex_ = index;
  peer_->Update();
}

void TTrayIcon::SetAnimate(bool on) {
  animate_.SetEnabled(on);
  if (!on) SetIconIndex(0);
}

void TTrayIcon::MouseUp(TMouseButton button, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, 0, x, y);
}

}  // namespace ui
