#include "ui/state_peer.h"

#include <algorithm>
#include <numeric>

#include "ui/control.h"

namespace ui {
namespace {

// The order of a sorted list box: letters compared without their case.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

}  // namespace

void StatePeer::SetBounds(const TRect& bounds) {
  bounds_ = {bounds.Left, bounds.Top, std::max(bounds.Width, 0), std::max(bounds.Height, 0)};
}

void StatePeer::SetText(const std::string& text) {
  const bool changed = text != text_;
  text_ = text;
  start_ = length_ = 0;
  if (changed) control_.NotifyChange();
}

void StatePeer::SetSel(int start, int length) {
  const int size = static_cast<int>(text_.size());
  start_ = std::clamp(start, 0, size);
  length_ = std::clamp(length, 0, size - start_);
}

void StatePeer::ReplaceSel(const std::string& text) {
  const bool changed = length_ > 0 || !text.empty();
  text_.replace(start_, length_, text);
  start_ += static_cast<int>(text.size());
  length_ = 0;
  if (changed) control_.NotifyChange();
}

// The selection stays on its item, as in the window system's lists.
void StatePeer::AddItem(const std::string& text) {
  auto at = items_.end();
  // Items that come in order, as a loaded list does, go to the end at once.
  if (kind_ == ControlKind::SortedListBox && !items_.empty() &&
      !LessIgnoringCase(items_.back(), text))
    at = std::lower_bound(items_.begin(), items_.end(), text, LessIgnoringCase);
  if (itemIndex_ >= at - items_.begin()) ++itemIndex_;
  items_.insert(at, text);
}

// One sort instead of an insert per item (of places, not texts). Of items
// equal but for case the later comes first, as AddItem puts it.
void StatePeer::SetItems(const std::vector<std::string>& items) {
  std::vector<std::size_t> order(items.size());
  std::iota(order.begin(), order.end(), 0);
  const auto before = [&items](std::size_t a, std::size_t b) {
    return LessIgnoringCase(items[a], items[b]) || (!LessIgnoringCase(items[b], items[a]) && a > b);
  };
  // A list saved in name order mostly comes in order: one pass tells.
  if (kind_ == ControlKind::SortedListBox && !std::is_sorted(order.begin(), order.end(), before))
    std::sort(order.begin(), order.end(), before);
  items_.clear();
  for (const std::size_t at : order) items_.push_back(items[at]);
  itemIndex_ = -1;
}

int StatePeer::FindItem(const std::string& text) const {
  const auto found = std::find(items_.begin(), items_.end(), text);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void StatePeer::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  items_.erase(items_.begin() + index);
  if (itemIndex_ == index) itemIndex_ = -1;
  if (itemIndex_ > index) --itemIndex_;
}

void StatePeer::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
}

std::string StatePeer::ItemText(int index) const {
  return index >= 0 && index < ItemCount() ? items_[index] : "";
}

void StatePeer::SetItemText(int index, const std::string& text) {
  if (index >= 0 && index < ItemCount()) items_[index] = text;
}

void StatePeer::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
}

void StatePeer::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  SetPosition(position_);
}

void StatePeer::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

}  // namespace ui
