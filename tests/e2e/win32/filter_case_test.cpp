#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "memo/ansi_case.h"

namespace {

// The filters' case table must agree with the window system's ANSI calls for
// every byte, so "uppercase" and "lowercase" act the same in both builds.
TEST(FilterCase, TableAgreesWithCharUpperAndCharLowerForEveryByte) {
  ASSERT_EQ(GetACP(), 1252u) << "the table is that of code page 1252";
  std::string everyByte;
  for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
  std::string upper = everyByte, lower = everyByte;
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(memo::AnsiUpperChar(c), static_cast<unsigned char>(upper[c])) << "byte " << c;
    EXPECT_EQ(memo::AnsiLowerChar(c), static_cast<unsigned char>(lower[c])) << "byte " << c;
  }
  EXPECT_EQ(memo::AnsiUpperCase(everyByte), upper);
  EXPECT_EQ(memo::AnsiLowerCase(everyByte), lower);
}

}  // namespace
