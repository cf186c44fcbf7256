#include <windows.h>

#include "os/os.h"

namespace os::display {

std::optional<Size> ScreenSize() {
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (!screen) return std::nullopt;
  const Size size{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)};
  DeleteDC(screen);
  return size;
}

bool ScreenSaverRunning() {
  BOOL running = FALSE;
  return SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0) && running;
}

}  // namespace os::display
