#include "os/fake/fake_os.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "os/calendar.h"
#include "os/fake/cp1252_case.h"

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

constexpr std::int64_t kMsPerDay = 86400000;

DateTime CivilFromMs(std::int64_t ms) {
  const std::int64_t days = ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay;
  const std::int64_t rest = ms - days * kMsPerDay;
  const calendar::Date date = calendar::CivilFromDays(days);
  return DateTime{date.Year,
                  date.Month,
                  date.Day,
                  static_cast<int>(rest / 3600000),
                  static_cast<int>(rest / 60000 % 60),
                  static_cast<int>(rest / 1000 % 60),
                  static_cast<int>(rest % 1000),
                  calendar::DayOfWeek(date)};
}

void MoveLocalStart(std::int64_t ms) {
  g_world.localStart = CivilFromMs(calendar::MsFromCivil(g_world.localStart) + ms);
}

struct Preset {
  const char* name;
  const char* shortDate;
  const char* longTime;
  const char* am;
  const char* pm;
  const char* language;
  char decimalSeparator;
};

// clang-format off
constexpr Preset kPresets[] = {
    {"en-US",        "M/d/yyyy",   "h:mm:ss tt",  "AM",           "PM",           "en", '.'},
    {"de-DE",        "dd.MM.yyyy", "HH:mm:ss",    "",             "",             "de", ','},
    {"en-GB",        "dd/MM/yyyy", "HH:mm:ss",    "AM",           "PM",           "en", '.'},
    {"ja-JP",        "yyyy/MM/dd", "H:mm:ss",     "\x8c\xdf\x91\x4f", "\x8c\xdf\x8c\xe3", "ja", '.'},
    {"en-US-custom", "dd-MMM-yy",  "tt hh:mm:ss", "a.m.",         "p.m.",         "en", '.'},
};
// clang-format on

// Month and day names of a language, each list a comma-separated text, days Sunday first.
struct Language {
  const char* name;
  const char* months;
  const char* monthAbbreviations;
  const char* days;
  const char* dayAbbreviations;
};

const Language kLanguages[] = {
    {"en", "January,February,March,April,May,June,July,August,September,October,November,December",
     "Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec",
     "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday", "Sun,Mon,Tue,Wed,Thu,Fri,Sat"},
    {"de", "Januar,Februar,M\xe4rz,April,Mai,Juni,Juli,August,September,Oktober,November,Dezember",
     "Jan,Feb,M\xe4r,Apr,Mai,Jun,Jul,Aug,Sep,Okt,Nov,Dez",
     "Sonntag,Montag,Dienstag,Mittwoch,Donnerstag,Freitag,Samstag", "So,Mo,Di,Mi,Do,Fr,Sa"},
    // Code page 932: "1\x8c\x8e" is "1 month", "\x97\x6a\x93\xfa" the weekday word.
    {"ja",
     "1\x8c\x8e,2\x8c\x8e,3\x8c\x8e,4\x8c\x8e,5\x8c\x8e,6\x8c\x8e,7\x8c\x8e,8\x8c\x8e,"
     "9\x8c\x8e,10\x8c\x8e,11\x8c\x8e,12\x8c\x8e",
     "1,2,3,4,5,6,7,8,9,10,11,12",
     "\x93\xfa\x97\x6a\x93\xfa,\x8c\x8e\x97\x6a\x93\xfa,\x89\xce\x97\x6a\x93\xfa,"
     "\x90\x85\x97\x6a\x93\xfa,\x96\xd8\x97\x6a\x93\xfa,\x8b\xe0\x97\x6a\x93\xfa,"
     "\x93\x79\x97\x6a\x93\xfa",
     "\x93\xfa,\x8c\x8e,\x89\xce,\x90\x85,\x96\xd8,\x8b\xe0,\x93\x79"},
};

void SplitNames(const char* list, std::string* names, int count) {
  std::string text = list;
  for (int i = 0; i < count; ++i) {
    const std::size_t comma = text.find(',');
    names[i] = text.substr(0, comma);
    text = comma == std::string::npos ? "" : text.substr(comma + 1);
  }
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
  const std::int64_t now = calendar::MsFromCivil(g_world.localStart) + g_world.elapsedMs;
  const std::int64_t wanted = calendar::MsFromCivil(local);
  if (wanted >= now) {
    g_world.elapsedMs += wanted - now;
  } else {
    MoveLocalStart(wanted - now);
  }
}

void JumpWallClock(std::int64_t ms) {
  MoveLocalStart(ms);
}

void SetUtcOffset(int minutes) {
  MoveLocalStart((minutes - g_world.utcOffsetMinutes) * 60000LL);
  g_world.utcOffsetMinutes = minutes;
}

locale::Formats LocaleFormats(const std::string& name) {
  locale::Formats f;
  for (const Preset& p : kPresets) {
    if (name != p.name) continue;
    f.ShortDate = p.shortDate;
    f.LongTime = p.longTime;
    f.Am = p.am;
    f.Pm = p.pm;
    f.DecimalSeparator = p.decimalSeparator;
    for (const Language& l : kLanguages) {
      if (std::string(l.name) != p.language) continue;
      SplitNames(l.months, f.MonthNames, 12);
      SplitNames(l.monthAbbreviations, f.MonthAbbreviations, 12);
      SplitNames(l.days, f.DayNames, 7);
      SplitNames(l.dayAbbreviations, f.DayAbbreviations, 7);
    }
  }
  return f;
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
  Record("files::Read(" + Quote(path) + ")");
  auto it = fake::g_world.files.find(path);
  if (it == fake::g_world.files.end()) return std::nullopt;
  return it->second;
}

bool SaveAtomically(const std::string& path, const std::string& bytes) {
  Record("files::SaveAtomically(" + Quote(path) + ")");
  fake::g_world.files.erase(path + ".tmp");  // written anew, then renamed or deleted
  if (fake::g_world.failingSaves.count(path)) return false;
  fake::g_world.files[path] = bytes;
  return true;
}

std::string ExecutablePath() {
  return fake::g_world.executablePath;
}

// Patterns of the form "folder\\*.ext", matched without regard to case.
std::vector<std::string> List(const std::string& pattern) {
  const std::size_t star = pattern.rfind("\\*");
  const std::string folder = pattern.substr(0, star + 1), ending = pattern.substr(star + 2);
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  std::vector<std::string> names;
  for (const auto& [path, bytes] : fake::g_world.files) {
    const std::string name = path.substr(std::min(folder.size(), path.size()));
    if (path.starts_with(folder) && name.find('\\') == std::string::npos &&
        lower(name).ends_with(lower(ending)))
      names.push_back(name);
  }
  return names;
}
}  // namespace files

namespace instance {
bool ClaimFolder(const std::string& folder) {
  Record("instance::ClaimFolder(" + Quote(folder) + ")");
  return fake::g_world.foldersHeldElsewhere.count(folder) == 0;
}
}  // namespace instance

namespace display {
std::optional<Size> ScreenSize() {
  return fake::g_world.screen;
}

bool ScreenSaverRunning() {
  Record("display::ScreenSaverRunning()");
  return fake::g_world.screenSaverRunning;
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
  const std::int64_t local = calendar::MsFromCivil(w.localStart) + w.elapsedMs;
  return ClockReading{fake::CivilFromMs(local),
                      fake::CivilFromMs(local - w.utcOffsetMinutes * 60000LL), w.elapsedMs};
}
}  // namespace clock

namespace locale {
Formats UserFormats() {
  return fake::g_world.locale;
}

std::string TimeText(const DateTime& t) {
  return calendar::Format(fake::g_world.locale.LongTime, t, fake::g_world.locale);
}

std::string DateText(const DateTime& d) {
  return calendar::Format(fake::g_world.locale.ShortDate, d, fake::g_world.locale);
}

std::string UpperCase(std::string text) {
  return fake::Cp1252UpperCase(std::move(text));
}

std::string LowerCase(std::string text) {
  return fake::Cp1252LowerCase(std::move(text));
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

std::optional<std::uint32_t> WaveOutVolume() {
  Record("sound::WaveOutVolume()");
  return fake::g_world.waveOutVolume;
}

bool SetWaveOutVolume(std::uint32_t volume) {
  Record("sound::SetWaveOutVolume(" + std::to_string(volume) + ")");
  if (fake::g_world.waveOutDevices < 1) return false;
  fake::g_world.waveOutVolume = volume;
  return true;
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

std::optional<std::intptr_t> SendWithTimeout(WindowHandle window, unsigned message,
                                             std::uintptr_t wParam, std::intptr_t lParam,
                                             unsigned timeoutMs) {
  Record("windows::SendWithTimeout(" +
         fake::Arguments(std::to_string(window), std::to_string(message), std::to_string(wParam),
                         std::to_string(lParam), std::to_string(timeoutMs)) +
         ")");
  if (fake::g_world.hungWindows.count(window)) return std::nullopt;
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
