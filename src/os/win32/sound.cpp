#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>

#include "os/os.h"
#include "os/win32/late_bound.h"

namespace os::sound {
namespace {

template <class Function>
Function* Winmm(const char* name) {
  return win32::LateBound<Function>("winmm.dll", name);
}

}  // namespace

bool PlayWave(const std::string& file, unsigned flags) {
  static auto* const play = Winmm<decltype(PlaySoundA)>("PlaySoundA");
  return play && play(file.c_str(), nullptr, flags) != FALSE;
}

int WaveOutDeviceCount() {
  static auto* const count = Winmm<decltype(waveOutGetNumDevs)>("waveOutGetNumDevs");
  return count ? static_cast<int>(count()) : 0;
}

std::optional<std::uint32_t> WaveOutVolume() {
  static auto* const get = Winmm<decltype(waveOutGetVolume)>("waveOutGetVolume");
  DWORD volume = 0;
  if (!get || get(nullptr, &volume) != MMSYSERR_NOERROR) return std::nullopt;
  return volume;
}

bool SetWaveOutVolume(std::uint32_t volume) {
  static auto* const set = Winmm<decltype(waveOutSetVolume)>("waveOutSetVolume");
  // A device id in place of a handle addresses that device: here device 0.
  return set && set(nullptr, volume) == MMSYSERR_NOERROR;
}

}  // namespace os::sound
