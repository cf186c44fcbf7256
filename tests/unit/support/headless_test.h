// Base fixture of the native tests: a fresh fake OS and headless backend, and
// any dialog that the test did not expect fails the test with its text.
#pragma once

#include <gtest/gtest.h>

#include "os/fake/fake_os.h"
#include "ui/headless/headless.h"

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    os::fake::Reset();
    ui::headless::Reset();
    ui::headless::SetUnexpectedDialogHandler([](const ui::headless::Dialog& d) {
      ADD_FAILURE() << "unexpected dialog \"" << d.caption << "\": " << d.text;
    });
  }
  void TearDown() override {
    EXPECT_EQ(ui::headless::PendingAnswers(), 0u) << "a dialog the test expected never came up";
    ui::headless::Reset();
  }
};
