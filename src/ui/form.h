// A top-level window. Forms are built in code: the constructor of a form
// class passes its creation parameters, then builds its components.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ui/backend.h"
#include "ui/types.h"

namespace ui {

class TControl;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TForm : public TComponent {
 public:
  explicit TForm(const TFormParams& params);
  ~TForm() override;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  NativeHandle Handle() const { return peer_->Handle(); }

  std::string Caption() const { return peer_->Text(); }
  void SetCaption(const std::string& caption) override { peer_->SetText(caption); }

  TRect BoundsRect() const { return peer_->Bounds(); }
  void SetBounds(int left, int top, int width, int height);
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const { return BoundsRect().Width; }
  int Height() const { return BoundsRect().Height; }

  bool Visible() const { return peer_->Visible(); }
  // Shows the form and brings it to the front; runs OnShow when it was hidden.
  void Show();
  void Hide();
  // The close event decides: caNone keeps the form open; closing the main
  // form ends the application; any other form is hidden.
  void Close();
  // Shows the form modally and returns its ModalResult once it is closed.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult = mrNone;

  void BringToFront() { peer_->BringToFront(); }
  void SetForeground() { peer_->SetForeground(); }
  void SetAlphaBlend(bool enabled, int alpha) { peer_->SetAlpha(enabled, alpha); }
  void PostMessage(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) {
    peer_->Post(msg, wparam, lparam);
  }
  // Delivers a message to Dispatch at once, as SendMessage does.
  std::intptr_t Perform(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam);

  // Called for every message the window receives; a form that handles some
  // messages itself overrides it and passes the rest on to this one.
  virtual void Dispatch(TMessage& message);

  TNotifyEvent OnShow;
  // The form was visible and is hidden now (closed, or hidden from code).
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  // Mouse events of the client area outside the controls.
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // Input from the backend.
  void NotifyMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void NotifyMouseMove(TShiftState shift, int x, int y);
  void NotifyMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The client area changed size: anchored controls follow.
  void Realign();
  // Escape was pressed in the form: its cancel button is clicked.
  void NotifyCancel();

  // The button that Escape presses, if any.
  TControl* CancelButton = nullptr;

  // Gives components their names, by which FindComponent finds them (the
  // translations name what they set).
  void NameComponents(std::initializer_list<std::pair<TComponent*, const char*>> components);
  // The component of that name; null for none.
  TComponent* FindComponent(const std::string& name) const;

  // Controls register themselves while they exist.
  void AddControl(TControl& control);
  void RemoveControl(TControl& control);

  // The native side, and the controls in the order they were made, for the backends.
  FormPeer& Peer() const { return *peer_; }
  const std::vector<TControl*>& Controls() const { return controls_; }

 private:
  // Once, before the form is first shown: the Tab order of its controls.
  void ApplyTabOrder();

  std::unique_ptr<FormPeer> peer_;
  bool modal_ = false;
  bool tabOrderApplied_ = false;
  int designClientWidth_;
  int designClientHeight_;
  std::vector<TControl*> controls_;
  std::map<std::string, TComponent*> named_;
};

}  // namespace ui
