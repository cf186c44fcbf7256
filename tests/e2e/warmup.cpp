// Run once when a test session starts, with its output thrown away. The first
// Wine process of a session starts Wine's background services, and they keep
// that process's output open: a test started first would leave ctest waiting
// on the pipe. Showing a window also brings up the desktop and its tray.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HWND window =
      CreateWindowA("STATIC", "warm-up", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  DestroyWindow(window);
  if (OpenClipboard(nullptr)) CloseClipboard();
  return 0;
}
