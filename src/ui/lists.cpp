#include "ui/lists.h"

#include <algorithm>

namespace ui {

std::vector<std::string> TItemsControl::Items() const {
  std::vector<std::string> items;
  for (int i = 0; i < Count(); ++i) items.push_back(Item(i));
  return items;
}

bool TItemsControl::Remove(const std::string& item) {
  const int index = Peer().FindItem(item);
  if (index >= 0) Peer().DeleteItem(index);
  return index >= 0;
}

std::string TItemsControl::Text() const {
  const int index = ItemIndex();
  return index >= 0 && index < Count() ? Item(index) : "";
}

int TItemsControl::IndexOfIgnoringCase(const std::string& text) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string item = Item(i);
    if (std::ranges::equal(item, text, {}, LowerAscii, LowerAscii)) return i;
  }
  return -1;
}

TListBox::TListBox(TForm& parent, const TControlPlace& place, bool sorted)
    : TItemsControl(parent, sorted ? ControlKind::SortedListBox : ControlKind::ListBox, place) {}

TComboBox::TComboBox(TForm& parent, const TControlPlace& place,
                     const std::vector<std::string>& items)
    : TItemsControl(parent, ControlKind::ComboBox, place) {
  SetItems(items);
}

}  // namespace ui
