#include <windows.h>

#include "os/os.h"

namespace os::windows {

namespace {

HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

}  // namespace

WindowHandle FindByClass(const std::string& className) {
  return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), nullptr));
}

WindowHandle FindByTitle(const std::string& title) {
  return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title.c_str()));
}

std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam) {
  return SendMessageA(ToHwnd(window), message, wParam, lParam);
}

std::optional<std::intptr_t> SendWithTimeout(WindowHandle window, unsigned message,
                                             std::uintptr_t wParam, std::intptr_t lParam,
                                             unsigned timeoutMs) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                           timeoutMs, &answer))
    return std::nullopt;
  return static_cast<std::intptr_t>(answer);
}

bool Post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  return PostMessageA(ToHwnd(window), message, wParam, lParam) != FALSE;
}

}  // namespace os::windows
