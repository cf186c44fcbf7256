// Looking records up and removing one with its tray item, alike for every list.
#include "common/record_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Record {
  std::string Name;
  int Id = 0;
  ui::TMenuItem* MenuItem = nullptr;
};

TEST(RecordListTest, LookupsFindTheFirstMatchAndRemoveAtTakesItsOwnTrayItem) {
  ui::TMenuItem tray;
  std::vector<Record> records = {{"a", 7}, {"b", 3}, {"a", 3}, {"c", 9}};
  for (Record& record : records) record.MenuItem = tray.AddNew(record.Name);
  // clang-format off
  const struct { const char* name; int id; int byName, byId; } rows[] = {
      {"a", 7, 0, 0}, {"b", 3, 1, 1}, {"c", 9, 3, 3}, {"A", 0, -1, -1}, {"", 4, -1, -1},
  };
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(common::FindByName(records, r.name), r.byName) << r.name;
    EXPECT_EQ(common::FindById(records, r.id), r.byId) << r.id;
  }
  common::RemoveAt(records, 2);
  common::RemoveAt(records, 0);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Name + records[1].Name, "bc");
  ASSERT_EQ(tray.Count(), 2);
  EXPECT_EQ(tray.Items(0)->Caption + tray.Items(1)->Caption, "bc");
  EXPECT_EQ(tray.IndexOf(records[1].MenuItem), 1);
}

}  // namespace
