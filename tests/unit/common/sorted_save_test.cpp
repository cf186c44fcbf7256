// A list file is written in name order, and the list takes that order only
// when the file was written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/record_file.h"
#include "os/fake/fake_os.h"

namespace {

struct Entry {
  std::string Name;
  int Number = 0;  // the place the entry had before the save
};
constexpr common::Field<Entry> kEntryFields[] = {&Entry::Name, &Entry::Number};
using Names = std::vector<std::string>;

std::vector<Entry> Entries(const Names& names) {
  std::vector<Entry> entries;
  for (const std::string& name : names) entries.push_back({name, static_cast<int>(entries.size())});
  return entries;
}

std::string Listed(const std::vector<Entry>& entries) {
  std::string text;
  for (const Entry& entry : entries) text += entry.Name + "/" + std::to_string(entry.Number) + " ";
  return text;
}

std::string FileOf(const std::vector<Entry>& entries) {
  std::string file = std::to_string(entries.size()) + "\r\n";
  for (const Entry& entry : entries) common::AppendRecord(file, entry, kEntryFields);
  return file;
}

TEST(SortedSaveTest, TheFileAndTheListTakeNameOrderStableOnlyWhenWritten) {
  // clang-format off
  const struct { Names names; std::string sorted; } cases[] = {
      {{},                        ""},
      {{"a", "b", "c"},           "a/0 b/1 c/2 "},              // as once saved
      {{"a", "c", "e", "b"},      "a/0 b/3 c/1 e/2 "},          // one added since
      {{"a", "d", "c", "b"},      "a/0 b/3 c/2 d/1 "},          // several, out of order
      {{"b", "a", "b", "a"},      "a/1 a/3 b/0 b/2 "},          // equal names keep their order
      {{"c", "b", "a", "B", "A"}, "A/4 B/3 a/2 b/1 c/0 "},      // byte order, capitals first
      {{"x", "a", "x", "a", "x"}, "a/1 a/3 x/0 x/2 x/4 "},
  };
  // clang-format on
  const std::string path = "C:\\list.ini";
  for (const auto& c : cases) {
    os::fake::Reset();
    std::vector<Entry> entries = Entries(c.names);
    os::fake::world().failingSaves.insert(path);
    EXPECT_FALSE(common::SaveSortedList(path, entries, kEntryFields));
    EXPECT_EQ(Listed(entries), Listed(Entries(c.names))) << "a failed save keeps the order";
    os::fake::world().failingSaves.clear();
    ASSERT_TRUE(common::SaveSortedList(path, entries, kEntryFields));
    EXPECT_EQ(Listed(entries), c.sorted);
    EXPECT_EQ(os::fake::world().files[path], FileOf(entries)) << c.sorted;
  }
}

}  // namespace
