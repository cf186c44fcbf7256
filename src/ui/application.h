// The application object: its hidden window, the forms it owns and the
// message loop.
#pragma once

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"

namespace ui {

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  NativeHandle Handle() const { return peer_->Handle(); }
  // Gives the hidden application window the tool-window style, so the program
  // has no taskbar button.
  void HideFromTaskbar() { peer_->HideFromTaskbar(); }
  void Initialize() {}
  std::string Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Creates a form owned by the application. `global` points at the new form
  // before its constructor runs, so code that the constructor calls can reach
  // it. The first form created becomes the main form.
  template <class Form>
  void CreateForm(Form*& global) {
    void* memory = ::operator new(sizeof(Form));
    global = static_cast<Form*>(memory);
    try {
      new (memory) Form();
    } catch (...) {
      global = nullptr;
      ::operator delete(memory);
      throw;
    }
    Adopt(global, [&global] { global = nullptr; });
  }

  TForm* MainForm = nullptr;
  bool ShowMainForm = true;

  // Runs the message loop until Terminate; shows the main form first when
  // ShowMainForm is set.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Destroys the forms it owns, the last created first, and nulls their globals.
  void DestroyForms();

 private:
  void Adopt(TForm* form, std::function<void()> clearGlobal);

  struct OwnedForm {
    TForm* form;
    std::function<void()> clearGlobal;
  };
  std::unique_ptr<ApplicationPeer> peer_;
  std::vector<OwnedForm> forms_;
  std::string title_;
  bool terminated_ = false;
};

extern TApplication* Application;

}  // namespace ui
