// A list of small pictures (menu images, tray icons), kept as pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/types.h"

namespace ui {

// Pixels row by row from the top, each 0xAARRGGBB; alpha 0 is transparent.
struct TImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;
};

class TImageList : public TComponent {
 public:
  TImageList(int width, int height) : width_(width), height_(height) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }
  void Add(TImage image) { images_.push_back(std::move(image)); }
  // The image at `index`; null when there is none.
  const TImage* Get(int index) const {
    return index >= 0 && index < Count() ? &images_[index] : nullptr;
  }

 private:
  int width_;
  int height_;
  std::vector<TImage> images_;
};

}  // namespace ui
