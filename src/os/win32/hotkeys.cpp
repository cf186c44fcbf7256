#include <windows.h>

#include "os/os.h"

namespace os::hotkeys {

bool Register(WindowHandle window, int id, unsigned modifiers, int key) {
  return RegisterHotKey(reinterpret_cast<HWND>(window), id, modifiers, key) != FALSE;
}

bool Unregister(WindowHandle window, int id) {
  return UnregisterHotKey(reinterpret_cast<HWND>(window), id) != FALSE;
}

}  // namespace os::hotkeys
