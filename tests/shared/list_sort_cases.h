// How a sorted list box orders its items and removes one, for both backends: the native tests
// run these cases against the headless list, the Windows tests against the real list box.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/lists.h"

namespace list_cases {

struct SortCase {
  const char* name;
  std::vector<std::string> added;   // in this order
  std::vector<std::string> listed;  // as the list box then shows them
};

inline const std::vector<SortCase>& SortCases() {
  static const std::vector<SortCase> cases = {
      {"alphabetical", {"b", "c", "a"}, {"a", "b", "c"}},
      // Equal but for case: the newer goes before the older.
      {"case does not decide", {"b", "A", "a", "B"}, {"a", "A", "B", "b"}},
      {"prefix first", {"abc", "ab", "a"}, {"a", "ab", "abc"}},
      {"digits before letters", {"x", "2", "10"}, {"10", "2", "x"}},
  };
  return cases;
}

// Remove takes exactly the text named, case and all, however the window system compares.
struct RemoveCase {
  const char* name;
  std::vector<std::string> added;
  std::vector<std::string> removed;  // in this order
  std::string found;                 // "1" for each removal that found its item, else "0"
  std::vector<std::string> listed;   // what is left
};

inline const std::vector<RemoveCase>& RemoveCases() {
  static const std::vector<RemoveCase> cases = {
      {"case decides", {"b", "A", "a", "B"}, {"B", "A"}, "11", {"a", "b"}},
      {"another case is another text", {"Tea"}, {"tea", "TEA"}, "00", {"Tea"}},
      {"one of two alike", {"x", "x"}, {"x"}, "1", {"x"}},
      {"empty texts", {"", "a", ""}, {"", "", ""}, "110", {"a"}},
      {"texts a comparison may equate",
       {"co-op", "coop",
        "Stra\xDF"
        "e",
        "Strasse"},
       {"coop", "Strasse"},
       "11",
       {"co-op",
        "Stra\xDF"
        "e"}},
  };
  return cases;
}

inline void RunCases(ui::TListBox& list) {
  for (const SortCase& c : SortCases()) {
    list.Clear();
    for (const std::string& item : c.added) list.Add(item);
    EXPECT_EQ(list.Items(), c.listed) << c.name;
    list.SetItemIndex(0);
    list.SetItems(c.added);
    EXPECT_EQ(list.Items(), c.listed) << c.name << ", refilled";
    EXPECT_EQ(list.ItemIndex(), -1) << c.name << ", refilled";
  }
  for (const RemoveCase& c : RemoveCases()) {
    list.Clear();
    for (const std::string& item : c.added) list.Add(item);
    std::string found;
    for (const std::string& item : c.removed) found += list.Remove(item) ? '1' : '0';
    EXPECT_EQ(found, c.found) << c.name;
    EXPECT_EQ(list.Items(), c.listed) << c.name;
  }
  // The selection stays on its item while others come and go, and goes with it.
  list.Clear();
  for (const char* item : {"a", "b", "c"}) list.Add(item);
  list.SetItemIndex(1);
  list.Remove("a");
  list.Add("0");
  list.Add("x");
  EXPECT_EQ(list.Text() + std::to_string(list.ItemIndex()), "b1");
  list.Remove("b");
  EXPECT_EQ(list.ItemIndex(), -1);
}

}  // namespace list_cases
