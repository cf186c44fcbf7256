#include <gtest/gtest.h>
#include <windows.h>

#include "os/os.h"

namespace {

// The test session's Xvfb screen.
TEST(OsDisplay, ScreenSizeIsTheDisplays) {
  EXPECT_EQ(os::display::ScreenSize(), (os::Size{1280, 1024}));
}

TEST(OsCursor, PositionFollowsThePointer) {
  const os::Point points[] = {{0, 0}, {100, 200}, {1279, 1023}, {640, 3}};
  for (const auto& p : points) {
    ASSERT_TRUE(SetCursorPos(p.X, p.Y));
    EXPECT_EQ(os::cursor::Position(), p) << p.X << "," << p.Y;
  }
}

}  // namespace
