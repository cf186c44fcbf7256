#include "ui/label.h"

namespace ui {
namespace {

constexpr int kLabelHeight = 13;
constexpr int kLabelSpacing = 3;

TControlPlace LabelPlaceAbove(const TControlPlace& edit) {
  const TRect& b = edit.Bounds;
  return {{b.Left, b.Top - kLabelHeight - kLabelSpacing, b.Width, kLabelHeight},
          edit.Anchors,
          -1,
          edit.Page};
}

}  // namespace

TLabel::TLabel(TForm& parent, const std::string& caption, const TControlPlace& place)
    : TControl(parent, ControlKind::Label, place) {
  SetCaption(caption);
}

void TLabel::MakeLink() {
  SetTextStyle(TTextStyle{.Color = 0x0000FF, .Underline = true, .HandCursor = true});
}

TLabeledEdit::TLabeledEdit(TForm& parent, const std::string& label, const TControlPlace& place,
                           int maxLength)
    : TEdit(parent, place, maxLength), EditLabel(parent, label, LabelPlaceAbove(place)) {}

void TLabeledEdit::SetCaption(const std::string& caption) {
  EditLabel.SetCaption(caption);
  EditLabel.FitText();
}

void TLabeledEdit::SetVisible(bool visible) {
  TEdit::SetVisible(visible);
  EditLabel.SetVisible(visible);
}

}  // namespace ui
