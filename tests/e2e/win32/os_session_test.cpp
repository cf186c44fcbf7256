// Only the harmless half of session control runs here: nothing ever asks
// Windows to end the session.
#include <gtest/gtest.h>
#include <windows.h>

#include "os/os.h"

namespace {

TEST(OsVersion, WineReportsTheNtFamily) {
  EXPECT_EQ(os::version::PlatformId(), os::version::kPlatformWin32Nt);
}

TEST(OsSession, ShutdownPrivilegeIsEnabledAndTheTokenClosed) {
  // A handle left open would keep its slot: the next handle would differ.
  HANDLE before = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(before);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(os::session::EnableShutdownPrivilege());
  HANDLE after = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(after);
  EXPECT_EQ(after, before);
}

}  // namespace
