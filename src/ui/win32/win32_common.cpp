#include <exception>
#include <vector>

#include "os/win32/late_bound.h"
#include "ui/control.h"
#include "ui/win32/win32_peers.h"
// after windows.h
#include <commctrl.h>

namespace ui::win32 {

void RegisterWindowClass(const char* name, WNDPROC procedure, UINT style) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, name, &windowClass)) return;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

namespace {

BOOL CALLBACK CollectEnabledVisibleWindow(HWND window, LPARAM windows) {
  if (IsWindowVisible(window) && IsWindowEnabled(window))
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

void UseCommonControls() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  const auto init =
      os::win32::LateBound<decltype(InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  if (init) init(&controls);
}

// Only visible windows: a window shown while the modal one is open (an
// alarm fired by a timer) must still take clicks.
std::vector<HWND> DisableOtherWindows(HWND modal) {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledVisibleWindow,
                    reinterpret_cast<LPARAM>(&windows));
  std::erase(windows, modal);
  for (HWND window : windows) EnableWindow(window, FALSE);
  return windows;
}

void EnableWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) EnableWindow(window, TRUE);
}

std::string WindowText(HWND window) {
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
  return text;
}

TRect WindowBounds(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  if (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return TRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void DispatchQueuedMessage(MSG& message) {
  // Forms carry WS_EX_CONTROLPARENT; other windows (menus, message boxes)
  // handle their keys themselves.
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && (GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) &&
      IsDialogMessageA(root, &message))
    return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

TMouseButton MouseButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return TMouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return TMouseButton::mbMiddle;
    default:
      return TMouseButton::mbLeft;
  }
}

TShiftState MouseShiftState(WPARAM wparam) {
  TShiftState shift = 0;
  if (wparam & MK_SHIFT) shift |= ssShift;
  if (wparam & MK_CONTROL) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

LRESULT CallGuarded(const std::function<LRESULT()>& handler) {
  try {
    return handler();
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), WindowText(ApplicationWindow()).c_str(), MB_ICONERROR);
  } catch (...) {
    MessageBoxA(nullptr, "", WindowText(ApplicationWindow()).c_str(), MB_ICONERROR);
  }
  return 0;
}

}  // namespace ui::win32
