// How a sorted list box orders its items, for both backends.
#pragma once

#include <string>
#include <vector>

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

}  // namespace list_cases
