#include <windows.h>

#include "os/os.h"

namespace os::cursor {

Point Position() {
  POINT where{};
  GetCursorPos(&where);
  return Point{where.x, where.y};
}

}  // namespace os::cursor
