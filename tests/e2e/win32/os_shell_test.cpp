#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "os/os.h"
#include "ui_test_support.h"

namespace {

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "velmarind-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

std::string ReadText(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  char buffer[1024];
  DWORD got = 0;
  ReadFile(file, buffer, sizeof buffer, &got, nullptr);
  CloseHandle(file);
  return std::string(buffer, got);
}

// A file type of our own whose "open" and "record" verbs run a command
// interpreter that writes the file, parameters and working folder it was
// given to a record file.
class RecorderFileType {
 public:
  static constexpr const char* kExtension = ".velmarindrec";
  static constexpr const char* kType = "VelmarindRecorder";

  explicit RecorderFileType(const std::string& recordPath) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    SetDefault(kExtension, kType);
    for (const std::string verb : {"open", "record"})
      SetDefault(std::string(kType) + "\\shell\\" + verb + "\\command",
                 std::string(system) + "\\cmd.exe /v:on /c echo " + verb + " [%1] [%*] !CD!> \"" +
                     recordPath + "\"");
  }
  ~RecorderFileType() {
    const std::string type = kType;
    for (const std::string& key : {type + "\\shell\\open\\command", type + "\\shell\\open",
                                   type + "\\shell\\record\\command", type + "\\shell\\record",
                                   type + "\\shell", type, std::string(kExtension)})
      RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
  }

 private:
  static void SetDefault(const std::string& key, const std::string& value) {
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
  }
};

// Waits for the launched command interpreter to write its record.
std::string AwaitRecord(const std::string& path) {
  std::string record;
  ui_test::PumpUntil(
      [&] {
        record = ReadText(path);
        return record.find("\r\n") != std::string::npos;
      },
      10000);
  DeleteFileA(path.c_str());
  return record;
}

TEST(OsShell, ExecuteRunsTheVerbWithFileParametersAndFolder) {
  const std::string record = TempPath("record.txt");
  const std::string document = TempPath("a document.velmarindrec");
  RecorderFileType recorder(record);
  CloseHandle(CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const struct {
    const char* verb;
    const char* recorded;
  } cases[] = {{"open", "open"}, {"Open", "open"}, {"record", "record"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.verb);
    EXPECT_GT(os::shell::Execute(c.verb, document, "-x \"two words\"", windows, 1), 32);
    EXPECT_EQ(AwaitRecord(record), std::string(c.recorded) + " [" + document +
                                       "] [-x \"two words\"] " + windows + "\r\n");
  }
  DeleteFileA(document.c_str());
}

TEST(OsShell, ExecuteFailuresGiveTheShellsCode) {
  const std::string document = TempPath("exists.velmarindrec");
  RecorderFileType recorder(TempPath("unused.txt"));
  CloseHandle(CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const struct {
    const char* what;
    std::string verb, file;
    int result;
  } cases[] = {
      {"missing file", "open", TempPath("missing.velmarindrec"), 2},
      {"missing folder", "open", "C:\\no such folder\\x.txt", 2},
      {"verb the file type lacks", "frobnicate", document, 31},
  };
  for (const auto& c : cases)
    EXPECT_EQ(os::shell::Execute(c.verb, c.file, "", "", 1), c.result) << c.what;
  DeleteFileA(document.c_str());
}

TEST(OsShell, RunCommandWaitsForTheCommandAndGivesItsExitStatus) {
  const std::string output = TempPath("command.txt");
  EXPECT_EQ(os::shell::RunCommand("echo ran> \"" + output + "\""), 0);
  EXPECT_EQ(ReadText(output), "ran\r\n") << "written before RunCommand returned";
  DeleteFileA(output.c_str());
  EXPECT_EQ(os::shell::RunCommand("exit 3"), 3);
}

}  // namespace
