// Check boxes and group boxes.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A box the user ticks and unticks; each click of the user toggles it and
// runs OnClick.
class TCheckBox : public TControl {
 public:
  TCheckBox(TForm& parent, const std::string& caption, const TControlPlace& place);
  std::string Caption() const { return Peer().Text(); }
  void SetCaption(const std::string& caption) override { Peer().SetText(caption); }
  bool Checked() const { return Peer().Checked(); }
  // Ticks or unticks the box from code. When that changes its state, OnClick
  // runs, as for a user's click; setting the state it has runs nothing.
  void SetChecked(bool checked);
};

// A labelled frame around other controls, which stay children of the form.
class TGroupBox : public TControl {
 public:
  TGroupBox(TForm& parent, const std::string& caption, const TControlPlace& place);
  std::string Caption() const { return Peer().Text(); }
  void SetCaption(const std::string& caption) override { Peer().SetText(caption); }
};

}  // namespace ui
