#include "ui/form.h"

#include <algorithm>
#include <climits>

#include "ui/application.h"
#include "ui/control.h"

namespace ui {

namespace {

// A form may be given any size (settings.ini holds any int): the sum is
// taken in 64 bits and kept to the int range.
int Shifted(int value, long long by) {
  return static_cast<int>(std::clamp<long long>(value + by, INT_MIN, INT_MAX));
}

}  // namespace

TForm::TForm(const TFormParams& params)
    : peer_(CreateFormPeer(*this, params)),
      designClientWidth_(params.ClientWidth),
      designClientHeight_(params.ClientHeight) {}

TForm::~TForm() = default;

void TForm::SetBounds(int left, int top, int width, int height) {
  peer_->SetBounds(TRect{left, top, width, height});
}

void TForm::Show() {
  ApplyTabOrder();
  const bool wasHidden = !Visible();
  peer_->SetVisible(true);
  peer_->BringToFront();
  if (wasHidden && OnShow) OnShow(this);
}

void TForm::Hide() {
  const bool wasVisible = Visible();
  peer_->SetVisible(false);
  if (wasVisible && OnHide) OnHide(this);
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (modal_) {
    if (ModalResult == mrNone) ModalResult = mrCancel;
    return;  // the modal loop hides the form
  }
  if (Application && Application->MainForm == this) {
    Application->Terminate();
    return;
  }
  Hide();
}

TModalResult TForm::ShowModal() {
  ModalResult = mrNone;
  modal_ = true;
  Show();
  peer_->RunModalLoop();
  modal_ = false;
  Hide();
  return ModalResult;
}

std::intptr_t TForm::Perform(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) {
  TMessage message{msg, wparam, lparam, 0};
  Dispatch(message);
  return message.Result;
}

void TForm::Dispatch(TMessage& message) {
  message.Result = peer_->DefaultHandler(message);
}

void TForm::NotifyMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TForm::NotifyMouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TForm::NotifyMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TForm::NotifyCancel() {
  if (CancelButton && CancelButton->Enabled()) CancelButton->NotifyClick();
}

void TForm::NameComponents(std::initializer_list<std::pair<TComponent*, const char*>> components) {
  for (const auto& [component, name] : components) {
    component->Name = name;
    named_[name] = component;
  }
}

TComponent* TForm::FindComponent(const std::string& name) const {
  const auto found = named_.find(name);
  return found == named_.end() ? nullptr : found->second;
}

void TForm::AddControl(TControl& control) {
  controls_.push_back(&control);
}

void TForm::RemoveControl(TControl& control) {
  std::erase(controls_, &control);
}

// A control anchored to both opposite edges stretches with the form; one
// anchored to the right or bottom edge only moves with it.
void TForm::Realign() {
  const TRect client = peer_->ClientRect();
  const long long dx = static_cast<long long>(client.Width) - designClientWidth_;
  const long long dy = static_cast<long long>(client.Height) - designClientHeight_;
  for (TControl* control : controls_) {
    const TControlPlace& place = control->Place();
    TRect bounds = place.Bounds;
    const TAnchors a = place.Anchors;
    if ((a & akLeft) && (a & akRight))
      bounds.Width = Shifted(bounds.Width, dx);
    else if (a & akRight)
      bounds.Left = Shifted(bounds.Left, dx);
    if ((a & akTop) && (a & akBottom))
      bounds.Height = Shifted(bounds.Height, dy);
    else if (a & akBottom)
      bounds.Top = Shifted(bounds.Top, dy);
    control->SetBounds(bounds);
  }
}

void TForm::ApplyTabOrder() {
  if (tabOrderApplied_) return;
  tabOrderApplied_ = true;
  std::vector<TControl*> stops;
  for (TControl* control : controls_)
    if (control->Place().TabOrder >= 0) stops.push_back(control);
  std::stable_sort(stops.begin(), stops.end(), [](TControl* a, TControl* b) {
    return a->Place().TabOrder < b->Place().TabOrder;
  });
  std::vector<NativeHandle> handles;
  for (TControl* control : stops) handles.push_back(control->Handle());
  peer_->SetTabOrder(handles);
}

}  // namespace ui
