#include "ui/control.h"

#include <vector>

#include "ui/form.h"
#include "ui/page_control.h"

namespace ui {

TControl::TControl(TForm& parent, ControlKind kind, const TControlPlace& place)
    : parent_(parent), place_(place), peer_(CreateControlPeer(*this, parent, kind)) {
  peer_->SetBounds(place.Bounds);
  parent_.AddControl(*this);
  if (place.Page) place.Page->AddControl(*this);
}

TControl::~TControl() {
  if (place_.Page) place_.Page->RemoveControl(*this);
  parent_.RemoveControl(*this);
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  peer_->SetEnabled(enabled);
}

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  peer_->SetHint(hint);
}

void TControl::Widen(int width) {
  if (width <= place_.Bounds.Width) return;
  TRect bounds = BoundsRect();
  bounds.Width += width - place_.Bounds.Width;
  place_.Bounds.Width = width;
  SetBounds(bounds);
}

void TControl::SetFont(const TFont& font) {
  font_ = font;
  peer_->SetFont(font);
}

void TControl::SetFocus() {
  if (Visible() && Enabled()) peer_->SetFocus();
}

void TControl::NotifyClick() {
  if (OnClick) OnClick(this);
}

void TControl::NotifyDblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::NotifyChange() {
  if (OnChange) OnChange(this);
}

void TControl::NotifyKeyDown(unsigned short& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TControl::NotifyKeyUp(unsigned short& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TControl::NotifyKeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TControl::NotifyMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::NotifyMouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::NotifyMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void MoveFocusOnEnter(TControl& from, std::initializer_list<TControl*> chain) {
  from.OnKeyPress = [targets = std::vector<TControl*>(chain)](TObject*, char& key) {
    if (key != '\r') return;
    key = 0;
    for (TControl* target : targets) {
      if (target->Visible() && target->Enabled()) {
        target->SetFocus();
        return;
      }
    }
  };
}

TButton::TButton(TForm& parent, const std::string& caption, const TControlPlace& place,
                 ControlKind kind)
    : TControl(parent, kind, place) {
  SetCaption(caption);
}

TBitBtn::TBitBtn(TForm& parent, const TImage& glyph, const TControlPlace& place)
    : TButton(parent, "", place, ControlKind::BitBtn) {
  Peer().SetGlyph(glyph);
}

TEdit::TEdit(TForm& parent, const TControlPlace& place, int maxLength)
    : TControl(parent, ControlKind::Edit, place) {
  Peer().SetMaxLength(maxLength);
}

TStatusBar::TStatusBar(TForm& parent, const TControlPlace& place)
    : TControl(parent, ControlKind::StatusBar, place) {}

}  // namespace ui
