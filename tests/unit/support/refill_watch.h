// For the tests of the list windows: a change of one record moves its entry in the window's
// sorted lists, without refilling them, and leaves the items a refill would give; a refill
// fills each list in one go.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/headless/headless.h"
#include "ui/lists.h"

// A list's items, a blank between two.
inline std::string Joined(const ui::TListBox& list) {
  std::string text;
  for (const std::string& item : list.Items()) text += (text.empty() ? "" : " ") + item;
  return text;
}

// Watches a window's lists from the moment it is made.
class RefillWatch {
 public:
  explicit RefillWatch(std::vector<const ui::TListBox*> lists)
      : lists_(std::move(lists)), refills_(Refills()) {}

  // Fails the test when a list was refilled meanwhile, or when the refill (which it then runs)
  // lists other items or fills a list otherwise than once, in one go. The order is not
  // compared: of two names equal but for case, the list puts the later one first.
  void Check(const std::function<void()>& refill, const std::string& step) const {
    EXPECT_EQ(Refills(), refills_) << step << ": a change refills no list";
    const auto listed = SortedItems();
    const int adds = Adds();
    refill();
    EXPECT_EQ(SortedItems(), listed) << step << ": the items a refill gives";
    EXPECT_EQ(Refills() - refills_, static_cast<int>(lists_.size())) << step << ": one refill";
    EXPECT_EQ(Adds(), adds) << step << ": a refill adds no item on its own";
  }

 private:
  int Refills() const {
    int refills = 0;
    for (const ui::TListBox* list : lists_) refills += ui::headless::ItemRefills(*list);
    return refills;
  }
  int Adds() const {
    int adds = 0;
    for (const ui::TListBox* list : lists_) adds += ui::headless::ItemAdds(*list);
    return adds;
  }
  std::vector<std::vector<std::string>> SortedItems() const {
    std::vector<std::vector<std::string>> items;
    for (const ui::TListBox* list : lists_) {
      items.push_back(list->Items());
      std::sort(items.back().begin(), items.back().end());
    }
    return items;
  }

  std::vector<const ui::TListBox*> lists_;
  int refills_;
};
