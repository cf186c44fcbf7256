#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstring>
#include <map>

#include "ui/trayicon.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

class Win32Tray final : public TrayPeer {
 public:
  explicit Win32Tray(TTrayIcon& tray)
      : tray_(tray), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    RegisterWindowClass(kTrayWindowClass, WindowProc);
    // A hidden top-level window, not a message-only one: only those hear the
    // shell's TaskbarCreated broadcast.
    CreateWindowExA(0, kTrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
  }

  ~Win32Tray() override {
    Remove();
    DestroyWindow(hwnd_);
    for (const auto& [index, icon] : icons_) DestroyIcon(icon);
  }

  void Update() override {
    NOTIFYICONDATAA data = IconData();
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = IconOf(tray_.IconIndex());
    const std::string hint = tray_.Hint().substr(0, sizeof data.szTip - 1);
    std::memcpy(data.szTip, hint.c_str(), hint.size() + 1);
    if (added_ && Shell_NotifyIconA(NIM_MODIFY, &data)) return;
    added_ = Shell_NotifyIconA(NIM_ADD, &data);
  }

  void Remove() override {
    if (!added_) return;
    NOTIFYICONDATAA data = IconData();
    Shell_NotifyIconA(NIM_DELETE, &data);
    added_ = false;
  }

 private:
  NOTIFYICONDATAA IconData() const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd_;
    data.uID = kTrayIconId;
    return data;
  }

  // Icons are made once per image; the image list only grows.
  HICON IconOf(int index) {
    auto [it, isNew] = icons_.try_emplace(index, nullptr);
    if (isNew)
      if (const TImage* image = tray_.Icons().Get(index)) it->second = CreateIconFromImage(*image);
    return it->second;
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (IsForeignPointerMessage(hwnd, msg)) return 0;
    if (msg == WM_NCCREATE) {
      auto* self =
          static_cast<Win32Tray*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Tray*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == kTrayCallbackMessage && wparam == kTrayIconId) {
      return CallGuarded([self, lparam] {
        self->MouseMessage(static_cast<UINT>(lparam));
        return LRESULT{0};
      });
    }
    if (self && msg == self->taskbarCreated_) {
      // The shell restarted and forgot every icon.
      self->added_ = false;
      self->Update();
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
  }

  void MouseMessage(UINT mouseMessage) {
    static const std::map<UINT, TMouseButton> kButtons = {{WM_LBUTTONUP, TMouseButton::mbLeft},
                                                          {WM_RBUTTONUP, TMouseButton::mbRight},
                                                          {WM_MBUTTONUP, TMouseButton::mbMiddle}};
    const auto button = kButtons.find(mouseMessage);
    if (button == kButtons.end()) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    tray_.MouseUp(button->second, cursor.x, cursor.y);
  }

  TTrayIcon& tray_;
  const UINT taskbarCreated_;
  HWND hwnd_ = nullptr;
  std::map<int, HICON> icons_;
  bool added_ = false;
};

}  // namespace
}  // namespace ui::win32

namespace ui {

std::unique_ptr<TrayPeer> CreateTrayPeer(TTrayIcon& tray) {
  return std::make_unique<win32::Win32Tray>(tray);
}

}  // namespace ui
