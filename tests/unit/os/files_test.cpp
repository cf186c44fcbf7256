#include <gtest/gtest.h>

#include "os/fake/fake_os.h"
#include "os/os.h"

namespace {

// The fake saves as Windows does: a leftover "<file>.tmp" is gone after the next save, whether
// that save worked or not, and a failed save leaves the file as it was.
TEST(FakeFilesTest, ASaveReplacesALeftoverTemporaryFileAndAFailedOneLeavesTheFile) {
  for (const bool failing : {false, true}) {
    os::fake::Reset();
    auto& world = os::fake::world();
    world.files = {{"C:\\v\\a.ini", "old"}, {"C:\\v\\a.ini.tmp", "stale"}, {"C:\\v\\b.tmp", "b"}};
    if (failing) world.failingSaves.insert("C:\\v\\a.ini");
    EXPECT_EQ(os::files::SaveAtomically("C:\\v\\a.ini", "new"), !failing);
    const std::map<std::string, std::string> after = {{"C:\\v\\a.ini", failing ? "old" : "new"},
                                                      {"C:\\v\\b.tmp", "b"}};
    EXPECT_EQ(world.files, after) << failing;
  }
}

}  // namespace
