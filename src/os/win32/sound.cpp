#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include "os/os.h"

namespace os::sound {

bool PlayWave(const std::string& file, unsigned flags) {
  return PlaySoundA(file.c_str(), nullptr, flags) != FALSE;
}

}  // namespace os::sound
