#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "os/os.h"

namespace {

// A fresh, empty folder under the temporary folder, removed with its files.
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    GetTempFileNameA(base, "vtf", 0, name);  // a unique name, taken by a file
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    path_ = name;
  }
  ~TempFolder() {
    for (const auto& entry : Entries()) {
      const std::string full = File(entry);
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileA(full.c_str())) RemoveDirectoryA(full.c_str());
    }
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

  // The names of the files and folders in it.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(File("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") names.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

 private:
  std::string path_;
};

// Writes a file with plain Win32 calls, independent of the code under test.
void WriteRaw(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

// Bytes that a text-mode read or write would change, and more than one read's worth.
std::string AwkwardBytes(std::size_t size) {
  static const char kPattern[] = "line\r\nnext\nnul\0end\r\x1a\xff";
  std::string bytes;
  while (bytes.size() < size) bytes.append(kPattern, sizeof kPattern - 1);
  bytes.resize(size);
  return bytes;
}

TEST(OsFiles, ExistsOnlyForFiles) {
  TempFolder folder;
  WriteRaw(folder.File("data.ini"), "x");
  CreateDirectoryA(folder.File("sub").c_str(), nullptr);
  const struct {
    std::string path;
    bool exists;
  } cases[] = {
      {folder.File("data.ini"), true},
      {folder.File("sub"), false},
      {folder.File("missing.ini"), false},
      {folder.File("missing\\data.ini"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(os::files::Exists(c.path), c.exists) << c.path;
}

TEST(OsFiles, ReadIsByteExact) {
  const std::size_t sizes[] = {0, 1, 4095, 4096, 4097, 10000};
  for (std::size_t size : sizes) {
    SCOPED_TRACE(size);
    TempFolder folder;
    const std::string bytes = AwkwardBytes(size);
    WriteRaw(folder.File("data.ini"), bytes);
    EXPECT_EQ(os::files::Read(folder.File("data.ini")), bytes);
  }
}

TEST(OsFiles, ReadOfWhatIsNoFileFails) {
  TempFolder folder;
  CreateDirectoryA(folder.File("sub").c_str(), nullptr);
  EXPECT_EQ(os::files::Read(folder.File("missing.ini")), std::nullopt);
  EXPECT_EQ(os::files::Read(folder.File("sub")), std::nullopt);
}

TEST(OsFiles, SaveReplacesTheFileWhole) {
  const struct {
    const char* what;
    const char* old;  // nullptr: no file yet
    std::string bytes;
  } cases[] = {
      {"new file", nullptr, AwkwardBytes(30)},
      {"longer than before", "short", AwkwardBytes(9000)},
      {"shorter than before", "a much longer old content\r\n", "new\r\n"},
      {"empty", "old", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    if (c.old) WriteRaw(path, c.old);
    ASSERT_TRUE(os::files::SaveAtomically(path, c.bytes));
    EXPECT_EQ(os::files::Read(path), c.bytes);
    // No temporary file is left beside it.
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"settings.ini"});
  }
}

TEST(OsFiles, SaveIntoMissingFolderFails) {
  TempFolder folder;
  EXPECT_FALSE(os::files::SaveAtomically(folder.File("missing\\settings.ini"), "x"));
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(OsFiles, FailedSaveLeavesOldFileWhole) {
  TempFolder folder;
  const std::string path = folder.File("settings.ini");
  WriteRaw(path, "old content");
  // Another program has the file open and does not allow it to be replaced.
  HANDLE open = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(os::files::SaveAtomically(path, "new content"));
  CloseHandle(open);
  EXPECT_EQ(os::files::Read(path), "old content");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"settings.ini"});
}

TEST(OsFiles, SaveOverFolderFails) {
  TempFolder folder;
  CreateDirectoryA(folder.File("settings.ini").c_str(), nullptr);
  EXPECT_FALSE(os::files::SaveAtomically(folder.File("settings.ini"), "x"));
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"settings.ini"});
}

// Windows refuses to rename over a read-only file; Wine replaces it.
TEST(OsFiles, SaveUnderWineReplacesReadOnlyFile) {
  TempFolder folder;
  const std::string path = folder.File("settings.ini");
  WriteRaw(path, "old");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(os::files::SaveAtomically(path, "new"));
  EXPECT_EQ(os::files::Read(path), "new");
  EXPECT_EQ(folder.Entries(), std::set<std::string>{"settings.ini"});
}

TEST(OsFiles, ExecutablePathIsThisProgram) {
  const std::string path = os::files::ExecutablePath();
  const std::string name = "\\win32_tests.exe";
  ASSERT_GT(path.size(), name.size());
  EXPECT_EQ(path.substr(path.size() - name.size()), name);
  EXPECT_EQ(path.substr(1, 2), ":\\") << path;  // absolute, with a drive
  EXPECT_TRUE(os::files::Exists(path));
}

}  // namespace
