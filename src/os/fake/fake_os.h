// The fake operating system of the native tests: every call is recorded in
// `calls` as one line ("Register(1,10000,1,65)"), results come from the state
// below, which a test sets up before and inspects after.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "os/os.h"

namespace os::fake {

inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// Ready date and time conventions: "en-US", "de-DE", "en-GB", "ja-JP" (texts in code page 932)
// and "en-US-custom" (a user's own "dd-MMM-yy" and "tt hh:mm:ss" with "a.m."/"p.m.").
// An unknown name gives empty formats.
locale::Formats LocaleFormats(const std::string& name);

struct World {
  std::vector<std::string> calls;

  // Files by full Windows path, byte for byte.
  std::map<std::string, std::string> files;
  std::set<std::string> failingSaves;  // SaveAtomically of these paths fails
  std::string executablePath = "C:\\Velmarind\\velmarind.exe";
  std::set<std::string> foldersHeldElsewhere;  // by another running copy: ClaimFolder fails

  std::string clipboardText;
  bool clipboardHasText = false;
  bool clipboardLocked = false;  // another program holds it: open fails

  std::optional<Size> screen = Size{1280, 1024};
  bool screenSaverRunning = false;
  Point cursor;

  // Registered hotkeys: (window, id) -> (modifiers, key).
  std::map<std::pair<WindowHandle, int>, std::pair<unsigned, int>> hotkeys;

  bool soundRefused = false;
  int waveOutDevices = 1;
  // Wave device 0's volume (left channel low, right high); nullopt: it cannot be read. Set
  // by SetWaveOutVolume while a device exists.
  std::optional<std::uint32_t> waveOutVolume = 0xFFFFFFFF;

  // What the shell answers to every Execute (above 32: started).
  int shellResult = 42;
  int commandExitStatus = 0;

  unsigned platformId = version::kPlatformWin32Nt;
  bool shutdownPrivilegeRefused = false;

  // Top-level windows by class and by title; Send answers sendResult, SendWithTimeout too
  // unless the window is hung.
  std::map<std::string, WindowHandle> windowClasses;
  std::map<std::string, WindowHandle> windowTitles;
  std::intptr_t sendResult = 0;
  std::set<WindowHandle> hungWindows;

  // The registry: keys that exist ("HKLM\\SOFTWARE\\..."), and string values
  // by key and name ("HKLM\\SOFTWARE\\...\\Run\\Velmarind"). Writes to a
  // key in refusedWrites fail.
  std::set<std::string> registryKeys = {"HKLM\\" + std::string(kRunKey),
                                        "HKCU\\" + std::string(kRunKey)};
  std::map<std::string, std::string> registryValues;
  std::set<std::string> refusedWrites;

  // The clock: local time, its UTC offset and the monotonic count.
  DateTime localStart{2026, 12, 6, 8, 0, 0, 0, 1};
  int utcOffsetMinutes = 60;
  std::int64_t elapsedMs = 0;

  // The user's date and time conventions; the texts read "06.12.2026" and "08:00:00".
  locale::Formats locale = LocaleFormats("de-DE");
};

World& world();
// Back to a fresh world.
void Reset();
// Moves the fake clock forward; local time, UTC and the monotonic count together.
void AdvanceClock(std::int64_t ms);
// Sets local time (the monotonic count moves forward by the difference, never back).
void SetLocalTime(const DateTime& local);
// The user or the network sets the clock: local time and UTC move by ms (either way), the
// monotonic count does not.
void JumpWallClock(std::int64_t ms);
// Daylight saving begins or ends: local time moves to the new offset from UTC; UTC and the
// monotonic count do not.
void SetUtcOffset(int minutes);
// The calls recorded whose text starts with `prefix`.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

}  // namespace os::fake
