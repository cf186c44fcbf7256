// Operating-system services: the only way the program reaches the machine.
// Each function is defined twice: in win32/ (the real calls) and in fake/
// (recorded calls and scripted results for the native tests); the build
// picks one set when it links.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
// Writes `path` + ".tmp", flushes it, then renames it over `path`. On
// failure the old file stays whole and the result is false. One temporary
// name per file: what a save cut short left behind, the next save replaces.
bool SaveAtomically(const std::string& path, const std::string& bytes);
// Full path of the running executable, from the module file name.
std::string ExecutablePath();
// The names (without their folder) of the files, not folders, that a
// pattern such as "C:\\Velmarind\\*.vmd" matches, in the file system's order.
std::vector<std::string> List(const std::string& pattern);
}  // namespace files

namespace instance {
// Claims the program folder for this process until it ends, a crash included; false when a
// running copy from that folder (in any letter case) holds it already.
bool ClaimFolder(const std::string& folder);
}  // namespace instance

namespace display {
// Width and height of the display in pixels; nullopt when it cannot be queried.
std::optional<Size> ScreenSize();
// True while a screen saver runs; a failed query counts as none running.
bool ScreenSaverRunning();
}  // namespace display

namespace cursor {
Point Position();
}  // namespace cursor

namespace shell {
// Opens a file, folder or address with a verb ("open", "print"...; "" for the
// default one), as the shell does, with no owner window. The shell's result: above 32 when it
// started something, else its error code.
int Execute(const std::string& verb, const std::string& file, const std::string& parameters,
            const std::string& directory, int showCommand);
// Runs a command line through the command interpreter and waits until it
// ends; the command's exit status.
int RunCommand(const std::string& commandLine);
}  // namespace shell

namespace version {
// The platform id of the running Windows: 2 on the NT family.
constexpr unsigned kPlatformWin32Nt = 2;
unsigned PlatformId();
}  // namespace version

namespace session {
// ExitWindowsEx flags, from their documented values.
constexpr unsigned kLogoff = 0;
constexpr unsigned kShutdown = 0x01;
constexpr unsigned kReboot = 0x02;
constexpr unsigned kForce = 0x04;
constexpr unsigned kPowerOff = 0x08;
// Enables the shutdown privilege of this process's token; false when any
// step fails.
bool EnableShutdownPrivilege();
// Asks Windows to end the session; false when it refuses.
bool End(unsigned flags);
}  // namespace session

namespace hotkeys {
// Global hotkeys on a window; `modifiers` are MOD_* flags, `key` a virtual key.
bool Register(WindowHandle window, int id, unsigned modifiers, int key);
bool Unregister(WindowHandle window, int id);
}  // namespace hotkeys

namespace registry {
enum class Root { LocalMachine, CurrentUser };
using Key = std::uintptr_t;
// Opens an existing key for writing values; never creates one. 0 when it
// cannot be opened.
Key Open(Root root, const std::string& path);
// Sets a string value (REG_SZ); the byte count handed over is the text's
// length, without a terminating zero. False when refused.
bool SetString(Key key, const std::string& name, const std::string& value);
// False when the value cannot be deleted (for instance it does not exist).
bool DeleteValue(Key key, const std::string& name);
void Close(Key key);
}  // namespace registry

namespace clock {
ClockReading Read();
}  // namespace clock

namespace locale {
// The user's date and time conventions. Pictures use the Windows format letters
// (d dd ddd dddd M MM MMM MMMM y yy yyyy gg; h hh H HH m mm s ss t tt; 'quoted' text).
struct Formats {
  std::string ShortDate;  // "M/d/yyyy", "dd.MM.yyyy"
  std::string LongTime;   // "h:mm:ss tt", "HH:mm:ss"
  std::string Am, Pm;     // "AM", "PM"; either may be empty
  std::string MonthNames[12], MonthAbbreviations[12];
  std::string DayNames[7], DayAbbreviations[7];  // Sunday first
  char DecimalSeparator = '.';
};
Formats UserFormats();
// A time as the user's long time format writes it, a date in the short date format.
std::string TimeText(const DateTime& time);
std::string DateText(const DateTime& date);
// Upper and lower case by the window system's ANSI code page, so that letters
// beyond ASCII change case too; every byte is mapped, NUL included.
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);
}  // namespace locale

namespace sound {
// PlaySound flags, from their documented values.
constexpr unsigned kSndAsync = 0x0001;
constexpr unsigned kSndNoWait = 0x2000;
constexpr unsigned kSndFileName = 0x00020000;
// Plays a wave file; false when the platform refuses.
bool PlayWave(const std::string& file, unsigned flags);
// Number of wave output devices.
int WaveOutDeviceCount();
// The volume of wave output device 0: the left channel in the low 16 bits,
// the right one in the high 16 bits. nullopt when it cannot be read (no
// device).
std::optional<std::uint32_t> WaveOutVolume();
// Sets the volume of wave output device 0, in the same form. False when the
// device refuses.
bool SetWaveOutVolume(std::uint32_t volume);
}  // namespace sound

namespace windows {
// A top-level window by its class or by its exact title; 0 when none.
WindowHandle FindByClass(const std::string& className);
WindowHandle FindByTitle(const std::string& title);
// Sends a message and waits until it has been handled; the window's answer.
std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam);
// Sends a message and waits at most `timeoutMs`, and not at all when the
// window's thread has stopped answering; the window's answer, nullopt when it
// was not handled in that time.
std::optional<std::intptr_t> SendWithTimeout(WindowHandle window, unsigned message,
                                             std::uintptr_t wParam, std::intptr_t lParam,
                                             unsigned timeoutMs);
// Posts a message without waiting; false when it could not be queued.
bool Post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
}  // namespace windows

namespace mouse {
// mouse_event flags of the buttons, from their documented values.
constexpr unsigned kLeftDown = 0x0002;
constexpr unsigned kLeftUp = 0x0004;
constexpr unsigned kRightDown = 0x0008;
constexpr unsigned kRightUp = 0x0010;
constexpr unsigned kMiddleDown = 0x0020;
constexpr unsigned kMiddleUp = 0x0040;
// Presses or releases buttons where the cursor is, without moving it.
void ButtonEvent(unsigned flags);
}  // namespace mouse

}  // namespace os
