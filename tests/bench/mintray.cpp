// The yardstick of velmarind.exe's start: the least a tray program does, a
// hidden window, a tray icon and a message loop; WM_CLOSE ends it.
// "mintray keeper" makes no icon and registers another class: the benchmark
// keeps one running throughout, so that Wine's desktop process stays up
// instead of starting again for every program measured.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstring>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const bool keeper = std::strcmp(commandLine, "keeper") == 0;
  WNDCLASSA type{};
  type.lpfnWndProc = WindowProc;
  type.hInstance = instance;
  type.lpszClassName = keeper ? "BenchKeeper" : "MinTray";
  RegisterClassA(&type);
  HWND window = CreateWindowExA(0, type.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr);
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = WM_APP + 1;
  icon.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  std::strcpy(icon.szTip, "MinTray");
  if (!keeper) Shell_NotifyIconA(NIM_ADD, &icon);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (!keeper) Shell_NotifyIconA(NIM_DELETE, &icon);
  return 0;
}
