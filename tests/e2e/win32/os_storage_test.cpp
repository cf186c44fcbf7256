// Files, the registry and the clipboard, checked with calls independent of
// the code under test.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "os/os.h"

namespace {

namespace fs = std::filesystem;

// Bytes that a text-mode read or write would change.
std::string Awkward(std::size_t size) {
  std::string bytes;
  while (bytes.size() < size) bytes += std::string("line\r\nnext\nnul\0end\r\x1a\xff", 22);
  return bytes.substr(0, size);
}

enum Before { kNothing, kFile, kReadOnly, kHeldOpen, kFolder, kNoFolder };

TEST(OsFiles, SaveReplacesTheFileWholeOrLeavesItAsItWas) {
  // clang-format off
  const struct { Before before; std::string bytes; bool saved; } cases[] = {
      {kNothing, Awkward(30), true}, {kFile, Awkward(9000), true}, {kFile, "new\r\n", true}, {kFile, "", true},
      {kReadOnly, "new", true},  // Wine replaces it, where Windows would refuse
      {kHeldOpen, "new", false}, {kFolder, "x", false}, {kNoFolder, "x", false},
  };
  // clang-format on
  const std::string old = Awkward(4097);  // more than one read's worth
  const fs::path folder =
      fs::temp_directory_path() / ("velmarind-" + std::to_string(GetCurrentProcessId()));
  for (int row = 0; const auto& c : cases) {
    SCOPED_TRACE(row++);
    fs::create_directory(folder);
    const std::string path =
        (folder / (c.before == kNoFolder ? "missing\\settings.ini" : "settings.ini")).string();
    if (c.before == kFolder) fs::create_directory(path);
    if (c.before == kFile || c.before == kReadOnly || c.before == kHeldOpen)
      std::ofstream(path, std::ios::binary) << old;
    if (c.before == kReadOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (c.before != kHeldOpen) CloseHandle(held);
    EXPECT_EQ(os::files::SaveAtomically(path, c.bytes), c.saved);
    if (c.before == kHeldOpen) CloseHandle(held);
    const bool file = c.before != kFolder && c.before != kNoFolder;
    EXPECT_EQ(os::files::Exists(path), file);
    EXPECT_EQ(os::files::Read(path), file ? std::optional(c.saved ? c.bytes : old) : std::nullopt);
    std::vector<std::string> entries;  // no temporary file is left
    for (const auto& entry : fs::directory_iterator(folder))
      entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string>(c.before != kNoFolder, "settings.ini"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL), fs::remove_all(folder);
  }
  const fs::path self = os::files::ExecutablePath();
  EXPECT_EQ(self.filename().string(), "win32_tests.exe");
  EXPECT_TRUE(self.is_absolute() && os::files::Exists(self.string())) << self;
}

constexpr char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The type and text of our value in the Run key; type 0 when it is missing.
std::string Stored() {
  char data[512] = "";
  DWORD type = 0, size = sizeof data;
  HKEY key = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE, &key);
  RegQueryValueExA(key, "VelmarindTest", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  return RegCloseKey(key), std::to_string(type) + " " + data;
}

TEST(OsRegistry, SetsReplacesAndDeletesAStringOfAnExistingKeyOnly) {
  using os::registry::Root;
  const std::string missing = std::string(kRun) + "\\VelmarindNoSuchKey";
  HKEY key = nullptr;
  EXPECT_EQ(os::registry::Open(Root::LocalMachine, missing) +
                os::registry::Open(Root::CurrentUser, missing),
            0u);
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, missing.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS)
      << "not made";
  // clang-format off
  const struct { const char* value; bool done; std::string stored; } cases[] = {  // null: delete it
      {"C:\\Program Files\\Velmarind\\velmarind.exe", true, "1 C:\\Program Files\\Velmarind\\velmarind.exe"},
      {"D:\\v.exe", true, "1 D:\\v.exe"}, {nullptr, true, "0 "}, {nullptr, false, "0 "},
  };
  // clang-format on
  for (const auto& c : cases) {
    const os::registry::Key run = os::registry::Open(Root::LocalMachine, kRun);
    ASSERT_NE(run, 0u);
    const bool done = c.value ? os::registry::SetString(run, "VelmarindTest", c.value)
                              : os::registry::DeleteValue(run, "VelmarindTest");
    os::registry::Close(run);
    EXPECT_EQ(done, c.done) << c.stored;
    EXPECT_EQ(Stored(), c.stored);
  }
}

// Puts bytes on the clipboard in a format of our own, as another program would,
// and tells which of the two formats the clipboard then holds.
std::string Formats(bool put = false) {
  const UINT own = RegisterClipboardFormatA("VelmarindTestFormat");
  OpenClipboard(nullptr);
  if (put) {
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(block), "abc", 4), GlobalUnlock(block), SetClipboardData(own, block);
  }
  const std::string held = std::to_string(IsClipboardFormatAvailable(CF_TEXT)) +
                           std::to_string(IsClipboardFormatAvailable(own));
  return CloseClipboard(), held;
}

TEST(OsClipboard, TextComesBackByteForByteAndReplacesOtherFormats) {
  const std::string texts[] = {"Hello", "one\r\ntwo\r\n", "caf\xe9 \xfc\xdf", "",
                               std::string(100000, 'x')};
  for (const std::string& text : texts) {
    EXPECT_EQ(Formats(true), "01");
    EXPECT_EQ(os::clipboard::GetText(), "") << "no text is empty text";
    ASSERT_TRUE(os::clipboard::SetText(text));
    EXPECT_EQ(os::clipboard::GetText(), text);
    EXPECT_EQ(Formats(), "10") << text.size();
  }
  // Another thread's window holds the clipboard open: nothing changes.
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr),
         done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    HWND window =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    OpenClipboard(window), SetEvent(opened), WaitForSingleObject(done, 10000);
    CloseClipboard(), DestroyWindow(window);
  });
  WaitForSingleObject(opened, 10000);
  EXPECT_FALSE(os::clipboard::SetText("new text"));
  EXPECT_EQ(os::clipboard::GetText(), "");
  SetEvent(done), holder.join(), CloseHandle(opened), CloseHandle(done);
  EXPECT_EQ(os::clipboard::GetText(), texts[4]);
}

}  // namespace
