// The notification-area icon: one image of its image list, a tooltip, an
// animation that steps through the images, and mouse-up events.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/backend.h"
#include "ui/imagelist.h"
#include "ui/timer.h"

namespace ui {

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TTrayIcon : public TComponent {
 public:
  TTrayIcon(TImageList& icons, std::string hint, int animateIntervalMs);
  ~TTrayIcon() override;

  const TImageList& Icons() const { return icons_; }
  std::string Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);
  // While animating the icon steps through the images every interval;
  // stopping shows image 0 again.
  bool Animate() const { return animate_.Enabled(); }
  void SetAnimate(bool on);
  int AnimateInterval() const { return animate_.Interval(); }

  TMouseEvent OnMouseUp;
  // Called by the backend: a button went up over the icon at screen (x, y).
  void MouseUp(TMouseButton button, int x, int y);

 private:
  TImageList& icons_;
  std::string hint_;
  int iconIndex_ = 0;
  TTimer animate_;
  std::unique_ptr<TrayPeer> peer_;
};

}  // namespace ui
