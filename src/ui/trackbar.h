// A horizontal slider over a range of whole numbers.
#pragma once

#include "ui/control.h"

namespace ui {

class TTrackBar : public TControl {
 public:
  TTrackBar(TForm& parent, const TControlPlace& place, int minimum, int maximum);
  int Position() const { return Peer().Position(); }
  // Moves the slider (kept inside the range). When that changes the
  // position, OnChange runs, as for the user's move.
  void SetPosition(int position);
};

}  // namespace ui
