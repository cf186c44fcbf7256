// The names a file's records get: each one that no record before it has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/record_list.h"

namespace {

using Names = std::vector<std::string>;

TEST(NameKeeperTest, ARecordGetsAFreeNameWhateverTheOrderOfTheFile) {
  // clang-format off
  const struct { Names file, claimed; } cases[] = {
      {{"a", "b", "c"},                {"a", "b", "c"}},  // a saved file, in name order
      {{"c", "b", "a"},                {"c", "b", "a"}},  // out of order, all free
      {{"a", "a", "a"},                {"a", "a (2)", "a (3)"}},
      {{"a", "b", "c", "a"},           {"a", "b", "c", "a (2)"}},  // taken long before the order broke
      {{"b", "c", "a", "c"},           {"b", "c", "a", "c (2)"}},  // taken before, found after
      {{"a", "a (2)", "a"},            {"a", "a (2)", "a (3)"}},   // a suffix already taken
      {{"a", "a", "a (2)"},            {"a", "a (2)", "a (2) (2)"}},
      {{"", "", "B", "b"},             {"", " (2)", "B", "b"}},    // empty names; case counts
  };
  // clang-format on
  for (const auto& c : cases) {
    common::NameKeeper keeper;
    Names claimed;
    for (std::string name : c.file) {
      const std::string before = name;
      const bool renamed = keeper.Claim(name);
      EXPECT_EQ(renamed, name != before) << "renamed is reported";
      claimed.push_back(name);
    }
    EXPECT_EQ(claimed, c.claimed) << testing::PrintToString(c.file);
  }
}

}  // namespace
