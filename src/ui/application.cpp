#include "ui/application.h"

namespace ui {

TApplication* Application = nullptr;

TApplication::TApplication() : peer_(CreateApplicationPeer(*this)) {}

TApplication::~TApplication() {
  DestroyForms();
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  peer_->SetTitle(title);
}

void TApplication::Adopt(TForm* form, std::function<void()> clearGlobal) {
  if (!MainForm) MainForm = form;
  forms_.push_back({form, std::move(clearGlobal)});
}

void TApplication::Run() {
  if (terminated_) return;
  if (ShowMainForm && MainForm) MainForm->Show();
  peer_->Run();
}

void TApplication::Terminate() {
  terminated_ = true;
  peer_->Terminate();
}

void TApplication::DestroyForms() {
  while (!forms_.empty()) {
    OwnedForm owned = std::move(forms_.back());
    forms_.pop_back();
    if (owned.form == MainForm) MainForm = nullptr;
    delete owned.form;
    owned.clearGlobal();
  }
}

}  // namespace ui
