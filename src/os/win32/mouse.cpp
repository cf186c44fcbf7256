#include <windows.h>

#include "os/os.h"

namespace os::mouse {

void ButtonEvent(unsigned flags) {
  mouse_event(flags, 0, 0, 0, 0);
}

}  // namespace os::mouse
