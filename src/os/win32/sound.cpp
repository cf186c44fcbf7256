#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include "os/os.h"

namespace os::sound {

bool PlayWave(const std::string& file, unsigned flags) {
  return PlaySoundA(file.c_str(), nullptr, flags) != FALSE;
}

int WaveOutDeviceCount() {
  return static_cast<int>(waveOutGetNumDevs());
}

std::optional<std::uint32_t> WaveOutVolume() {
  DWORD volume = 0;
  if (waveOutGetVolume(nullptr, &volume) != MMSYSERR_NOERROR) return std::nullopt;
  return volume;
}

bool SetWaveOutVolume(std::uint32_t volume) {
  // A device id in place of a handle addresses that device: here device 0.
  return waveOutSetVolume(nullptr, volume) == MMSYSERR_NOERROR;
}

}  // namespace os::sound
