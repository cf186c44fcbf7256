// Where windows place themselves on the screen.
#pragma once

#include "ui/form.h"

namespace common {

// `margin` pixels from the bottom-right corner of the whole screen; at
// (margin, margin) when the display cannot be queried.
void PlaceFromBottomRight(ui::TForm& form, int margin);

}  // namespace common
