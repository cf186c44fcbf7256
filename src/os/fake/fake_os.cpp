#include "os/fake/fake_os.h"

#include <cstdint>
#include <cstdio>

namespace os::fake {
namespace {

World g_world;

std::string Quote(const std::string& s) {
  return "\"" + s + "\"";
}

// The arguments of a recorded call, comma-separated.
template <class... Args>
std::string Arguments(const Args&... args) {
  std::string text;
  auto add = [&text](const std::string& arg) { text += (text.empty() ? "" : ",") + arg; };
  (add(args), ...);
  return text;
}

void Record(const std::string& call) {
  g_world.calls.push_back(call);
}

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

DateTime CivilFromMs(std::int64_t ms) {
  std::int64_t days = ms >= 0 ? ms / 86400000 : (ms - 86399999) / 86400000;
  std::int64_t rest = ms - days * 86400000;
  DateTime t;
  t.Hour = static_cast<int>(rest / 3600000);
  t.Minute = static_cast<int>(rest / 60000 % 60);
  t.Second = static_cast<int>(rest / 1000 % 60);
  t.Millisecond = static_cast<int>(rest % 1000);
  t.DayOfWeek = static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;  // 1970-01-01 was a Thursday
  std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  t.Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.Year = static_cast<int>(yoe + era * 400 + (t.Month <= 2));
  return t;
}

std::int64_t MsFromCivil(const DateTime& t) {
  return DaysFromCivil(t.Year, t.Month, t.Day) * 86400000 + t.Hour * 3600000LL +
         t.Minute * 60000LL + t.Second * 1000LL + t.Millisecond;
}

}  // namespace

World& world() {
  return g_world;
}

void Reset() {
  g_world = World{};
}

void AdvanceClock(std::int64_t ms) {
  g_world.elapsedMs += ms;
}

void SetLocalTime(const DateTime& local) {
  const std::int64_t now = MsFromCivil(g_world.localStart) + g_world.elapsedMs;
  const std::int64_t wanted = MsFromCivil(local);
  if (wanted >= now) {
    g_world.elapsedMs += wanted - now;
  } else {
    g_world.localStart = CivilFromMs(MsFromCivil(g_world.localStart) - (now - wanted));
  }
}

std::vector<std::string> CallsStartingWith(const std::string& prefix) {
  std::vector<std::string> found;
  for (const auto& c : g_world.calls)
    if (c.rfind(prefix, 0) == 0) found.push_back(c);
  return found;
}

}  // namespace os::fake

namespace os {
using fake::Quote;
using fake::Record;

namespace clipboard {
std::string GetText() {
  auto& w = fake::g_world;
  Record("clipboard::GetText()");
  if (w.clipboardLocked || !w.clipboardHasText) return "";
  return w.clipboardText;
}

bool SetText(const std::string& text) {
  auto& w = fake::g_world;
  Record("clipboard::SetText(" + Quote(text) + ")");
  if (w.clipboardLocked) return false;
  w.clipboardText = text;
  w.clipboardHasText = true;
  return true;
}
}  // namespace clipboard

namespace files {
bool Exists(const std::string& path) {
  return fake::g_world.files.count(path) > 0;
}

std::optional<std::string> Read(const std::string& path) {
  auto it = fake::g_world.files.find(path);
  if (it == fake::g_world.files.end()) return std::nullopt;
  return it->second;
}

bool SaveAtomically(const std::string& path, const std::string& bytes) {
  Record("files::SaveAtomically(" + Quote(path) + ")");
  if (fake::g_world.failingSaves.count(path)) return false;
  fake::g_world.files[path] = bytes;
  return true;
}

std::string ExecutablePath() {
  return fake::g_world.executablePath;
}
}  // namespace files

namespace display {
std::optional<Size> ScreenSize() {
  return fake::g_world.screen;
}
}  // namespace display

namespace cursor {
Point Position() {
  return fake::g_world.cursor;
}
}  // namespace cursor

namespace hotkeys {
bool Register(WindowHandle window, int id, unsigned modifiers, int key) {
  auto& w = fake::g_world;
  Record("hotkeys::Register(" + std::to_string(window) + "," + std::to_string(id) + "," +
         std::to_string(modifiers) + "," + std::to_string(key) + ")");
  for (const auto& [where, combo] : w.hotkeys)
    if (combo == std::make_pair(modifiers, key)) return false;  // held already
  if (w.hotkeys.count({window, id})) return false;
  w.hotkeys[{window, id}] = {modifiers, key};
  return true;
}

bool Unregister(WindowHandle window, int id) {
  Record("hotkeys::Unregister(" + std::to_string(window) + "," + std::to_string(id) + ")");
  return fake::g_world.hotkeys.erase({window, id}) > 0;
}
}  // namespace hotkeys

namespace registry {
namespace {
// Open keys by handle: handle n is openKeys[n - 1].
std::vector<std::string>& OpenKeys() {
  static std::vector<std::string> keys;
  return keys;
}
std::string PathOf(Key key) {
  auto& keys = OpenKeys();
  return key >= 1 && key <= keys.size() ? keys[key - 1] : "";
}
}  // namespace

Key Open(Root root, const std::string& path) {
  const std::string full = (root == Root::LocalMachine ? "HKLM\\" : "HKCU\\") + path;
  Record("registry::Open(" + Quote(full) + ")");
  if (!fake::g_world.registryKeys.count(full)) return 0;
  OpenKeys().push_back(full);
  return OpenKeys().size();
}

bool SetString(Key key, const std::string& name, const std::string& value) {
  const std::string path = PathOf(key);
  Record("registry::SetString(" + Quote(path) + "," + Quote(name) + "," + Quote(value) + ")");
  if (path.empty() || fake::g_world.refusedWrites.count(path)) return false;
  fake::g_world.registryValues[path + "\\" + name] = value;
  return true;
}

bool DeleteValue(Key key, const std::string& name) {
  const std::string path = PathOf(key);
  Record("registry::DeleteValue(" + Quote(path) + "," + Quote(name) + ")");
  if (path.empty() || fake::g_world.refusedWrites.count(path)) return false;
  return fake::g_world.registryValues.erase(path + "\\" + name) > 0;
}

void Close(Key key) {
  Record("registry::Close(" + Quote(PathOf(key)) + ")");
}
}  // namespace registry

namespace clock {
ClockReading Read() {
  const auto& w = fake::g_world;
  const std::int64_t local = fake::MsFromCivil(w.localStart) + w.elapsedMs;
  return ClockReading{fake::CivilFromMs(local),
                      fake::CivilFromMs(local - w.utcOffsetMinutes * 60000LL), w.elapsedMs};
}
}  // namespace clock

namespace locale {
// A fixed pair of formats, so tests can spell out the texts.
std::string TimeText(const DateTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  return text;
}

std::string DateText(const DateTime& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", d.Day, d.Month, d.Year);
  return text;
}
}  // namespace locale

namespace sound {
bool PlayWave(const std::string& file, unsigned flags) {
  Record("sound::PlayWave(" + Quote(file) + "," + std::to_string(flags) + ")");
  return !fake::g_world.soundRefused;
}

int WaveOutDeviceCount() {
  Record("sound::WaveOutDeviceCount()");
  return fake::g_world.waveOutDevices;
}

bool SetWaveOutVolume(std::uint32_t volume) {
  Record("sound::SetWaveOutVolume(" + std::to_string(volume) + ")");
  return fake::g_world.waveOutDevices > 0;
}
}  // namespace sound

namespace shell {
int Execute(const std::string& verb, const std::string& file, const std::string& parameters,
            const std::string& directory, int showCommand) {
  Record("shell::Execute(" +
         fake::Arguments(Quote(verb), Quote(file), Quote(parameters), Quote(directory),
                         std::to_string(showCommand)) +
         ")");
  return fake::g_world.shellResult;
}

int RunCommand(const std::string& commandLine) {
  Record("shell::RunCommand(" + Quote(commandLine) + ")");
  return fake::g_world.commandExitStatus;
}
}  // namespace shell

namespace version {
unsigned PlatformId() {
  Record("version::PlatformId()");
  return fake::g_world.platformId;
}
}  // namespace version

namespace session {
bool EnableShutdownPrivilege() {
  Record("session::EnableShutdownPrivilege()");
  return !fake::g_world.shutdownPrivilegeRefused;
}

bool End(unsigned flags) {
  Record("session::End(" + std::to_string(flags) + ")");
  return true;
}
}  // namespace session

namespace windows {
namespace {
WindowHandle Lookup(const std::map<std::string, WindowHandle>& windows, const std::string& key) {
  auto it = windows.find(key);
  return it == windows.end() ? 0 : it->second;
}
}  // namespace

WindowHandle FindByClass(const std::string& className) {
  Record("windows::FindByClass(" + Quote(className) + ")");
  return Lookup(fake::g_world.windowClasses, className);
}

WindowHandle FindByTitle(const std::string& title) {
  Record("windows::FindByTitle(" + Quote(title) + ")");
  return Lookup(fake::g_world.windowTitles, title);
}

std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam) {
  Record("windows::Send(" +
         fake::Arguments(std::to_string(window), std::to_string(message), std::to_string(wParam),
                         std::to_string(lParam)) +
         ")");
  return fake::g_world.sendResult;
}

bool Post(WindowHandle window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  Record("windows::Post(" +
         fake::Arguments(std::to_string(window), std::to_string(message), std::to_string(wParam),
                         std::to_string(lParam)) +
         ")");
  return window != 0;
}
}  // namespace windows

namespace mouse {
void ButtonEvent(unsigned flags) {
  Record("mouse::ButtonEvent(" + std::to_string(flags) + ")");
}
}  // namespace mouse

}  // namespace os
