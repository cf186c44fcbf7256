// The OS services, checked with calls independent of the code under test.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "os/os.h"
#include "ui_test_support.h"
// after windows.h, which it needs
#include <mmsystem.h>

namespace {

namespace fs = std::filesystem;
using ui_test::Str;

enum Before { kNothing, kFile, kFolder, kNoFolder };

TEST(OsFiles, SaveReplacesTheFileWholeOrLeavesItAsItWas) {
  std::string awkward;  // bytes that a text-mode read or write would change
  while (awkward.size() < 9000) awkward += std::string("line\r\nnext\nnul\0end\r\x1a\xff", 22);
  const std::string old = awkward.substr(0, 4097);  // more than one read's worth
  // stale: a.ini.tmp is there, with other bytes, as a save cut short by a kill leaves it.
  // clang-format off
  const struct { Before before; std::string bytes; bool saved; bool stale; } cases[] = {
      {kNothing, "new", true, false}, {kFile, awkward, true, false}, {kFile, "", true, false},
      {kFolder, "x", false, false}, {kNoFolder, "x", false, false},
      {kNothing, "new", true, true}, {kFile, "new", true, true}, {kFolder, "x", false, true},
  };
  // clang-format on
  const fs::path folder = fs::temp_directory_path() / ("vel-" + std::to_string(GetTickCount()));
  for (int row = 0; const auto& c : cases) {
    SCOPED_TRACE(row++);
    fs::create_directory(folder);
    const std::string path = (folder / (c.before == kNoFolder ? "no\\a.ini" : "a.ini")).string();
    if (c.before == kFolder) fs::create_directory(path);
    if (c.before == kFile) std::ofstream(path, std::ios::binary) << old;
    if (c.stale) std::ofstream(path + ".tmp", std::ios::binary) << awkward;
    EXPECT_EQ(os::files::SaveAtomically(path, c.bytes), c.saved);
    const bool file = c.before < kFolder;
    EXPECT_EQ(os::files::Read(path), file ? std::optional(c.saved ? c.bytes : old) : std::nullopt);
    EXPECT_EQ(os::files::Exists(path), file);
    std::vector<std::string> entries;  // no temporary file is left, nor a stale one
    for (const auto& entry : fs::directory_iterator(folder))
      entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>(c.before != kNoFolder, "a.ini"));
    fs::remove_all(folder);
  }
}

TEST(OsRegistry, SetsReplacesAndDeletesAStringOfAnExistingKeyOnly) {
  using namespace os::registry;
  const std::string run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  EXPECT_EQ(Open(Root::CurrentUser, run + "\\VelmarindNoSuchKey"), 0u);
  // clang-format off
  const struct { const char* value; bool done; std::string stored; } cases[] = {  // null: delete it
      {"C:\\Program Files\\v.exe", true, "1 C:\\Program Files\\v.exe"}, {"D:\\w.exe", true, "1 D:\\w.exe"},
      {nullptr, true, "0 "}, {nullptr, false, "0 "},
  };
  // clang-format on
  for (const auto& c : cases) {
    const Key key = Open(Root::LocalMachine, run);
    EXPECT_EQ(c.value ? SetString(key, "VelTest", c.value) : DeleteValue(key, "VelTest"), c.done);
    Close(key);
    char data[64] = "";
    DWORD type = 0, size = sizeof data;
    RegGetValueA(HKEY_LOCAL_MACHINE, run.c_str(), "VelTest", RRF_RT_ANY, &type, data, &size);
    EXPECT_EQ(Str(type, " ", data), c.stored) << "type 1 is REG_SZ";
  }
}

// Puts a format of our own on the clipboard, as another program would; tells which are there.
std::string Formats(bool put = false) {
  const UINT own = RegisterClipboardFormatA("VelmarindTestFormat");
  OpenClipboard(nullptr);
  if (put) EmptyClipboard(), SetClipboardData(own, GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
  const std::string held =
      Str(IsClipboardFormatAvailable(CF_TEXT), IsClipboardFormatAvailable(own));
  return CloseClipboard(), held;
}

TEST(OsClipboard, TextComesBackByteForByteAndReplacesOtherFormats) {
  for (const std::string text : {"one\r\ntwo\r\n", "caf\xe9 \xfc\xdf", ""}) {
    EXPECT_EQ(Formats(true), "01");
    EXPECT_EQ(os::clipboard::GetText(), "") << "no text is empty text";
    EXPECT_TRUE(os::clipboard::SetText(text));
    EXPECT_EQ(os::clipboard::GetText(), text);
    EXPECT_EQ(Formats(), "10");
  }
}

// Another thread's window holds the clipboard open: nothing is read or written meanwhile.
TEST(OsClipboard, AClipboardHeldElsewhereChangesNothing) {
  ASSERT_TRUE(os::clipboard::SetText("old text"));
  const HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr),
               release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool held = false;
  std::thread holder([&] {
    // Wine lets two threads open it without windows; a window's claim is exclusive.
    const HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, 0);
    held = OpenClipboard(window), SetEvent(opened);
    WaitForSingleObject(release, 10000);
    if (held) CloseClipboard();
    DestroyWindow(window);
  });
  WaitForSingleObject(opened, 10000);
  EXPECT_TRUE(held);
  EXPECT_FALSE(os::clipboard::SetText("new text"));
  EXPECT_EQ(os::clipboard::GetText(), "");
  SetEvent(release), holder.join(), CloseHandle(opened), CloseHandle(release);
  EXPECT_EQ(os::clipboard::GetText(), "old text");
}

// Milliseconds since 1601; the weekday must be the one Windows finds, with Sunday 1.
std::int64_t Ms(const os::DateTime& t) {
  SYSTEMTIME s{};
  s.wYear = t.Year, s.wMonth = t.Month, s.wDay = t.Day, s.wHour = t.Hour, s.wMinute = t.Minute;
  s.wSecond = t.Second, s.wMilliseconds = t.Millisecond;
  FILETIME f;
  SystemTimeToFileTime(&s, &f), FileTimeToSystemTime(&f, &s);
  EXPECT_EQ(t.DayOfWeek, s.wDayOfWeek + 1) << t.Year << "-" << t.Month << "-" << t.Day;
  return (static_cast<std::int64_t>(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 10000;
}

// ctest runs these tests in a zone 5:45 ahead of UTC, so a mix-up shows.
TEST(OsClock, LocalTimeUtcWeekdayMonotonicCountAndTheirTextsAreTheSystems) {
  const os::ClockReading start = os::clock::Read();
  EXPECT_EQ(Ms(start.Local) - Ms(start.Utc), 345 * 60000LL);
  const DWORD ticksAtStart = GetTickCount();
  Sleep(1500);  // longer than a second, so that a count of seconds shows as well
  const os::ClockReading end = os::clock::Read();
  EXPECT_NEAR(end.MonotonicMs - start.MonotonicMs, GetTickCount() - ticksAtStart, 200);
  EXPECT_NEAR(Ms(end.Utc) - Ms(start.Utc), end.MonotonicMs - start.MonotonicMs, 200);
  // Whatever the user's locale, the texts are the ones Windows writes for the moment.
  const SYSTEMTIME st{2026, 12, 0, 6, 9, 5, 7, 0};
  char time[64] = "", date[64] = "";
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time);
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
  const os::DateTime moment{2026, 12, 6, 9, 5, 7, 0, 1};
  EXPECT_EQ(os::locale::TimeText(moment) + " " + os::locale::DateText(moment),
            Str(time, " ", date));
  EXPECT_NE(std::string(time).find("07"), std::string::npos) << "the seconds are shown";
}

TEST(OsDisplay, ScreenAndShutdownPrivilegeAreTheSessions) {
  EXPECT_EQ(os::display::ScreenSize(), (os::Size{1280, 1024})) << "the test session's Xvfb";
  // A token left open would keep its handle's slot: the next handle would differ.
  const HANDLE before = CreateEventA(0, 0, 0, 0);
  CloseHandle(before);
  EXPECT_TRUE(os::session::EnableShutdownPrivilege() && os::session::EnableShutdownPrivilege());
  const HANDLE after = CreateEventA(0, 0, 0, 0);
  EXPECT_EQ(after, before);
  CloseHandle(after);
}

// Waits for a file's first whole line, removes the file and gives the line.
std::string AwaitLine(const fs::path& path) {
  std::string line;
  ui_test::PumpUntil([&] { return std::getline(std::ifstream(path), line).good(); }, 10000);
  return fs::remove(path), line;
}

// A file type of our own whose verb writes the file, parameters and folder it was given.
TEST(OsShell, ExecuteRunsTheVerbOrGivesTheShellsCodeAndCommandsTheirExitStatus) {
  const std::string record = (fs::temp_directory_path() / "vel-record.txt").string();
  const std::string doc = (fs::temp_directory_path() / "a b.velrec").string();
  const std::string open = "cmd.exe /v:on /c echo [%1] [%*] !CD!> \"" + record + "\"";
  RegSetValueA(HKEY_CLASSES_ROOT, ".velrec", REG_SZ, "VelRec", 6);
  RegSetValueA(HKEY_CLASSES_ROOT, "VelRec\\shell\\open\\command", REG_SZ, open.c_str(),
               open.size());
  std::ofstream{doc};
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  // clang-format off
  const struct { const char* verb; std::string file; int result; } cases[] = {
      {"open", doc, 33}, {"", doc, 33},  // no verb: the default one
      {"open", doc + "x", 2}, {"print", doc, 31},  // a verb the file type lacks
  };
  // clang-format on
  for (const auto& c : cases) {
    const int result = os::shell::Execute(c.verb, c.file, "-x \"two words\"", windows, 1);
    EXPECT_EQ(std::min(result, 33), c.result) << c.verb << " " << c.file;
    EXPECT_EQ(result > 32 ? AwaitLine(record) : "",
              result > 32 ? Str("[", doc, "] [-x \"two words\"] ", windows) : "");
  }
  for (const char* key : {"VelRec\\shell\\open\\command", "VelRec\\shell\\open", "VelRec\\shell",
                          "VelRec", ".velrec"})
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
  fs::remove(doc);
  EXPECT_EQ(os::shell::RunCommand("echo ran> \"" + record + "\""), 0);
  EXPECT_EQ(AwaitLine(record), "ran") << "written before RunCommand returned";
  EXPECT_EQ(os::shell::RunCommand("exit 3"), 3);
}

using OsWindows = ui_test::UiTest;

TEST_F(OsWindows, FindSendPostAndClickReachATopLevelWindow) {
  ui::TFormParams p;
  p.ClassName = "VelmarindOsTestTarget", p.Caption = "Velmarind target";
  p.BorderStyle = ui::TBorderStyle::bsNone, p.StayOnTop = true;
  ui_test::ProbeForm target(p);
  std::vector<std::string> clicks;
  target.OnMouseDown = target.OnMouseUp = [&](auto, auto b, auto, int x, int y) {
    clicks.push_back(Str(b, "@", x, ",", y));
  };
  target.SetBounds(300, 300, 200, 200), target.Show();
  ui_test::Pump(100);
  const auto id = reinterpret_cast<os::WindowHandle>(target.Handle());
  using namespace os::windows;
  EXPECT_EQ(Str(FindByClass("VelmarindOsTestTarget"), " ", FindByTitle("Velmarind target")),
            Str(id, " ", id));
  EXPECT_EQ(FindByClass("VelmarindNo") + FindByTitle("Velmarind"), 0u);
  EXPECT_EQ(Send(id, ui_test::kAdd, 40, 2), 42);
  EXPECT_EQ(SendWithTimeout(id, ui_test::kAdd, 40, 3, 1000), 43);
  EXPECT_TRUE(Post(id, WM_COMMAND, 1, 0));
  EXPECT_EQ(target.commands, 0) << "a post waits in the queue";
  ASSERT_TRUE(SetCursorPos(350, 360));
  using namespace os::mouse;
  for (const unsigned flags : {kLeftDown, kLeftUp, kRightDown, kRightUp, kMiddleDown, kMiddleUp})
    ButtonEvent(flags);
  ui_test::PumpUntil([&] { return clicks.size() >= 6; });
  EXPECT_EQ(clicks, (std::vector<std::string>{"0@50,60", "0@50,60", "1@50,60", "1@50,60", "2@50,60",
                                              "2@50,60"}));  // down and up of each
  EXPECT_EQ(target.commands, 1);
  EXPECT_EQ(os::cursor::Position(), (os::Point{350, 360})) << "the cursor stays";
}

// A window whose thread sleeps, as a hung program's does: the send gives up after its time.
TEST(OsWindowsTimeout, SendWithTimeoutGivesUpOnAThreadThatDoesNotAnswer) {
  std::atomic<HWND> asleep = nullptr;
  std::thread owner([&] {
    const HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, 0, 0, 0, 0);
    asleep = window, Sleep(2500), DestroyWindow(window);
  });
  while (!asleep) Sleep(10);
  const DWORD start = GetTickCount();
  EXPECT_EQ(os::windows::SendWithTimeout(reinterpret_cast<os::WindowHandle>(asleep.load()), WM_NULL,
                                         0, 0, 1000),
            std::nullopt);
  EXPECT_NEAR(GetTickCount() - start, 1000, 300);
  owner.join();
}

// Without a device Wine refuses a sound the caller would wait for, and still takes one to play
// in the background: so the program's sounds never hold its loop.
TEST(OsSound, ASoundPlaysInTheBackground) {
  using namespace os::sound;
  const std::string sound = std::getenv("VELMARIND_SOUND");
  EXPECT_TRUE(PlayWave(sound, kSndFileName | kSndAsync | kSndNoWait));
  EXPECT_FALSE(PlayWave(sound, kSndFileName | kSndNoWait)) << "the probe: a sound that blocks";
}

// The test session has no sound device: the volume cannot be read, and nothing is made up.
TEST(OsSound, TheWaveVolumeIsReadOnlyFromADevice) {
  ASSERT_EQ(waveOutGetNumDevs(), 0u);
  EXPECT_EQ(os::sound::WaveOutVolume(), std::nullopt);
  EXPECT_FALSE(os::sound::SetWaveOutVolume(0x80008000));
}

}  // namespace
