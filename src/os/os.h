// Operating-system services: the only way the program reaches the machine.
// Each function is defined twice: in win32/ (the real calls) and in fake/
// (recorded calls and scripted results for the native tests); the build
// picks one set when it links.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

using WindowHandle = std::uintptr_t;

struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int Width = 0;
  int Height = 0;
  bool operator==(const Size&) const = default;
};

// A civil date and time. DayOfWeek runs from 1 (Sunday) to 7 (Saturday).
struct DateTime {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
  int DayOfWeek = 0;
  bool operator==(const DateTime&) const = default;
};

// Local time, UTC and a monotonic millisecond count, all taken from one read.
struct ClockReading {
  DateTime Local;
  DateTime Utc;
  std::int64_t MonotonicMs = 0;
};

namespace clipboard {
// The clipboard's CF_TEXT text; "" when it cannot be opened or holds no text.
std::string GetText();
// Empties the clipboard and places the text on it as CF_TEXT. True only when
// the text really is on the clipboard.
bool SetText(const std::string& text);
}  // namespace clipboard

namespace files {
// True when a file (not a folder) of that name exists.
bool Exists(const std::string& path);
// The whole file, byte for byte; nullopt when it cannot be opened.
std::optional<std::string> Read(const std::string& path);
// Writes a temporary file beside `path`, flushes it, then renames it over
// `path`. On failure the old file stays whole and the result is false.
bool SaveAtomically(const std::string& path, const std::string& bytes);
// Full path of the running executable, from the module file name.
std::string ExecutablePath();
}  // namespace files

namespace display {
// Width and height of the display in pixels; nullopt when it cannot be queried.
std::optional<Size> ScreenSize();
}  // namespace display

namespace cursor {
Point Position();
}  // namespace cursor

namespace hotkeys {
// Global hotkeys on a window; `modifiers` are MOD_* flags, `key` a virtual key.
bool Register(WindowHandle window, int id, unsigned modifiers, int key);
bool Unregister(WindowHandle window, int id);
}  // namespace hotkeys

namespace clock {
ClockReading Read();
}  // namespace clock

namespace sound {
// PlaySound flags, from their documented values.
constexpr unsigned kSndAsync = 0x0001;
constexpr unsigned kSndNoWait = 0x2000;
constexpr unsigned kSndFileName = 0x00020000;
// Plays a wave file; false when the platform refuses.
bool PlayWave(const std::string& file, unsigned flags);
}  // namespace sound

}  // namespace os
