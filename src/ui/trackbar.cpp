#include "ui/trackbar.h"

namespace ui {

TTrackBar::TTrackBar(TForm& parent, const TControlPlace& place, int minimum, int maximum)
    : TControl(parent, ControlKind::TrackBar, place) {
  Peer().SetRange(minimum, maximum);
}

void TTrackBar::SetPosition(int position) {
  const int before = Position();
  Peer().SetPosition(position);
  if (Position() != before) NotifyChange();
}

}  // namespace ui
