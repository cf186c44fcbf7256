// List boxes and drop-down lists.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// Items and a selection, shared by both kinds. Setting the selection from
// code runs no event; a user's choice does (OnClick for a list box,
// OnChange for a drop-down list).
class TItemsControl : public TControl {
 public:
  using TControl::TControl;
  void Clear() { Peer().ClearItems(); }
  void Add(const std::string& item) { Peer().AddItem(item); }
  // Replaces the items in one go (a sorted list sorts them); none is selected then.
  void SetItems(const std::vector<std::string>& items) { Peer().SetItems(items); }
  int Count() const { return Peer().ItemCount(); }
  std::string Item(int index) const { return Peer().ItemText(index); }
  std::vector<std::string> Items() const;
  // Removes the first item with exactly that text; false when there is none.
  bool Remove(const std::string& item);
  int ItemIndex() const { return Peer().ItemIndex(); }
  void SetItemIndex(int index) { Peer().SetItemIndex(index); }
  // The selected item's text; "" without a selection.
  std::string Text() const;
  // The first item equal to the text but for the case of its letters; -1 for none.
  int IndexOfIgnoringCase(const std::string& text) const;
};

class TListBox : public TItemsControl {
 public:
  // A sorted list box keeps its items in the window system's order.
  TListBox(TForm& parent, const TControlPlace& place, bool sorted = false);
};

// A drop-down list: the user picks one of the items.
class TComboBox : public TItemsControl {
 public:
  TComboBox(TForm& parent, const TControlPlace& place, const std::vector<std::string>& items);
};

}  // namespace ui
