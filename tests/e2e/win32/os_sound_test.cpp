#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "os/os.h"

namespace {

// The test prefix has no sound device: Wine accepts a sound to be played in
// the background and refuses one the caller would wait for.
TEST(OsSound, ResultFollowsTheFlags) {
  const char* file = std::getenv("VELMARIND_SOUND");
  ASSERT_NE(file, nullptr) << "ctest sets VELMARIND_SOUND to assets\\sound.wav";
  const struct {
    const char* what;
    unsigned flags;
    bool played;
  } cases[] = {
      {"in the background", os::sound::kSndFileName | os::sound::kSndAsync, true},
      {"waiting for it", os::sound::kSndFileName, false},
      {"waiting, unless busy", os::sound::kSndFileName | os::sound::kSndNoWait, false},
  };
  for (const auto& c : cases) EXPECT_EQ(os::sound::PlayWave(file, c.flags), c.played) << c.what;
}

// The prefix has no wave device: volume changes are refused, never fatal.
TEST(OsSound, WithoutADeviceTheVolumeIsRefused) {
  EXPECT_EQ(os::sound::WaveOutDeviceCount(), 0);
  for (const std::uint32_t volume : {0u, 0xFFFFFFFFu})
    EXPECT_FALSE(os::sound::SetWaveOutVolume(volume));
}

}  // namespace
