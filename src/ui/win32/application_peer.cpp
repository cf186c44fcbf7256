#include <windows.h>

#include "ui/application.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

constexpr char kApplicationWindowClass[] = "VelmarindApplication";

HWND applicationWindow = nullptr;

class Win32Application final : public ApplicationPeer {
 public:
  explicit Win32Application(TApplication& application) : application_(application) {
    RegisterWindowClass(kApplicationWindowClass, WindowProc);
    hwnd_ = CreateWindowExA(0, kApplicationWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
    applicationWindow = hwnd_;
    postedPointerFilter_ = DropPostedPointerMessages();
  }
  ~Win32Application() override {
    UnhookWindowsHookEx(postedPointerFilter_);
    applicationWindow = nullptr;
    DestroyWindow(hwnd_);
  }

  NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(hwnd_); }
  void HideFromTaskbar() override {
    SetWindowLongA(hwnd_, GWL_EXSTYLE, GetWindowLongA(hwnd_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  }
  void SetTitle(const std::string& title) override { SetWindowTextA(hwnd_, title.c_str()); }
  void Run() override {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchQueuedMessage(message);
  }
  void Terminate() override { PostQuitMessage(0); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (IsForeignPointerMessage(hwnd, msg)) return 0;
    if (msg == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Application*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    // Closing the application window closes the program the way its main
    // form does, instead of destroying the owner of every form.
    if (msg == WM_CLOSE && self) {
      if (TForm* main = self->application_.MainForm)
        main->Close();
      else
        self->application_.Terminate();
      return 0;
    }
    FillMenuOnOpening(msg, wparam);  // popup menus it owns
    if (HandleMenuImageMessage(msg, lparam)) return TRUE;
    return DefWindowProcA(hwnd, msg, wparam, lparam);
  }

  TApplication& application_;
  HWND hwnd_ = nullptr;
  HHOOK postedPointerFilter_ = nullptr;
};

}  // namespace

HWND ApplicationWindow() {
  return applicationWindow;
}

}  // namespace ui::win32

namespace ui {

std::unique_ptr<ApplicationPeer> CreateApplicationPeer(TApplication& application) {
  return std::make_unique<win32::Win32Application>(application);
}

}  // namespace ui
