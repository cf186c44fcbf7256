// Labels and edit boxes with a label of their own.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A text on the form; it wraps at word breaks when it does not fit.
class TLabel : public TControl {
 public:
  TLabel(TForm& parent, const std::string& caption, const TControlPlace& place);
  std::string Caption() const { return Peer().Text(); }
  void SetCaption(const std::string& caption) override { Peer().SetText(caption); }
  // Blue, underlined, with a hand cursor: a label that is clicked like a link.
  void MakeLink();
  // Grows to hold its text on one line.
  void FitText() { Widen(Peer().TextWidth()); }
};

// An edit box with its label just above it. The label's clicks arrive as
// EditLabel.OnClick.
class TLabeledEdit : public TEdit {
 public:
  TLabeledEdit(TForm& parent, const std::string& label, const TControlPlace& place,
               int maxLength = 0);
  // Shows or hides the edit with its label.
  void SetVisible(bool visible);
  // A labelled edit's caption is its label's, on one line: the label grows to hold it.
  void SetCaption(const std::string& caption) override;
  TLabel EditLabel;
};

}  // namespace ui
