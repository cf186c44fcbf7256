// The registry calls of autostart, on the Run key of the local machine.
#include <gtest/gtest.h>
#include <windows.h>

#include "os/os.h"

namespace {

constexpr char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kName[] = "VelmarindRegistryTest";

// The stored value's type and bytes; type 0 when it is missing.
std::pair<DWORD, std::string> Stored() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return {0, ""};
  char data[512] = "";
  DWORD type = 0, size = sizeof data;
  const LONG result =
      RegQueryValueExA(key, kName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return {0, ""};
  return {type, std::string(data, size)};
}

class OsRegistry : public ::testing::Test {
 protected:
  ~OsRegistry() override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRun, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, kName);
      RegCloseKey(key);
    }
  }
};

TEST_F(OsRegistry, SetsReplacesAndDeletesAStringValue) {
  const struct {
    const char* path;
  } writes[] = {{"C:\\Program Files\\Velmarind\\velmarind.exe"}, {"D:\\v.exe"}};
  for (const auto& w : writes) {
    const os::registry::Key key = os::registry::Open(os::registry::Root::LocalMachine, kRun);
    ASSERT_NE(key, 0u);
    EXPECT_TRUE(os::registry::SetString(key, kName, w.path));
    os::registry::Close(key);
    const auto [type, bytes] = Stored();
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    // The byte count had no terminating zero; what a reader gets back
    // still starts with exactly the path.
    EXPECT_EQ(bytes.substr(0, bytes.find('\0')), w.path);
  }
  const os::registry::Key key = os::registry::Open(os::registry::Root::LocalMachine, kRun);
  EXPECT_TRUE(os::registry::DeleteValue(key, kName));
  EXPECT_FALSE(os::registry::DeleteValue(key, kName)) << "already gone";
  os::registry::Close(key);
  EXPECT_EQ(Stored().first, 0u);
}

TEST_F(OsRegistry, AMissingKeyIsNotCreated) {
  const std::string missing = std::string(kRun) + "\\VelmarindNoSuchKey";
  for (auto root : {os::registry::Root::LocalMachine, os::registry::Root::CurrentUser})
    EXPECT_EQ(os::registry::Open(root, missing), 0u);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, missing.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

}  // namespace
