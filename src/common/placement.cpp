#include "common/placement.h"

#include "os/os.h"

namespace common {

void PlaceFromBottomRight(ui::TForm& form, int margin) {
  int left = margin, top = margin;
  if (const auto screen = os::display::ScreenSize()) {
    left = screen->Width - (form.Width() + margin);
    top = screen->Height - (form.Height() + margin);
  }
  form.SetBounds(left, top, form.Width(), form.Height());
}

}  // namespace common
