#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "os/fake/cp1252_case.h"
#include "os/os.h"

namespace {

std::string EveryByte() {
  std::string bytes;
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  return bytes;
}

// Also run under code page 1251 (VELMARIND_ACP says which the run must have), where a fixed
// 1252 table would be wrong: "я" (0xFF) upper-cases to 0xDF there.
TEST(OsCaseMapping, EveryByteMapsAsTheWindowSystemMapsItInItsCodePage) {
  if (const char* acp = std::getenv("VELMARIND_ACP")) {
    ASSERT_EQ(GetACP(), std::stoul(acp));
  }
  std::string upper = EveryByte(), lower = EveryByte();
  CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  EXPECT_EQ(os::locale::UpperCase(EveryByte()), upper);
  EXPECT_EQ(os::locale::LowerCase(EveryByte()), lower);
}

// The native tests map case with this table: it must be what Windows does under 1252.
TEST(OsCaseMapping, FakeTableIsThatOfCodePage1252) {
  ASSERT_EQ(GetACP(), 1252u);
  EXPECT_EQ(os::fake::Cp1252UpperCase(EveryByte()), os::locale::UpperCase(EveryByte()));
  EXPECT_EQ(os::fake::Cp1252LowerCase(EveryByte()), os::locale::LowerCase(EveryByte()));
}

}  // namespace
