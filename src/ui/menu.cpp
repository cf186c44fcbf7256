#include "ui/menu.h"

#include <algorithm>

#include "ui/backend.h"

namespace ui {

// The action runs from a copy: it may remove the very item it belongs to.
void TMenuItem::Click() {
  if (const TNotifyEvent action = OnClick) action(this);
}

void TMenuItem::Add(TMenuItem& item) {
  item.parent_ = this;
  items_.push_back(&item);
}

TMenuItem* TMenuItem::AddNew(const std::string& caption) {
  owned_.push_back(std::make_unique<TMenuItem>(caption));
  Add(*owned_.back());
  return owned_.back().get();
}

void TMenuItem::Remove(TMenuItem* item) {
  std::erase(items_, item);
  std::erase_if(owned_, [item](const auto& owned) { return owned.get() == item; });
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

bool TMenuItem::Holds(const TMenuItem* item) const {
  return std::any_of(items_.begin(), items_.end(), [item](const TMenuItem* child) {
    return child == item || child->Holds(item);
  });
}

// A timer may remove the chosen item while the menu is open: only an item
// still in the menu runs.
void TPopupMenu::Popup(int x, int y, NativeHandle owner) {
  TMenuItem* chosen = TrackPopupMenu(*this, x, y, owner);
  if (chosen && Items.Holds(chosen)) chosen->Click();
}

}  // namespace ui
