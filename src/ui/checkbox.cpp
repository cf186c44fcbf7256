#include "ui/checkbox.h"

namespace ui {

TCheckBox::TCheckBox(TForm& parent, const std::string& caption, const TControlPlace& place)
    : TControl(parent, ControlKind::CheckBox, place) {
  Peer().SetText(caption);
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  Peer().SetChecked(checked);
  NotifyClick();
}

TGroupBox::TGroupBox(TForm& parent, const std::string& caption, const TControlPlace& place)
    : TControl(parent, ControlKind::GroupBox, place) {
  Peer().SetText(caption);
}

}  // namespace ui
