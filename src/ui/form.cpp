#include "ui/form.h"

#include "ui/application.h"

namespace ui {

TForm::TForm(const TFormParams& params) : peer_(CreateFormPeer(*this, params)) {}

TForm::~TForm() = default;

void TForm::SetBounds(int left, int top, int width, int height) {
  peer_->SetBounds(TRect{left, top, width, height});
}

void TForm::Show() {
  const bool wasHidden = !Visible();
  peer_->SetVisible(true);
  peer_->BringToFront();
  if (wasHidden && OnShow) OnShow(this);
}

void TForm::Hide() {
  peer_->SetVisible(false);
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

}  // namespace ui
