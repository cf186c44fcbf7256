// Popup menus and their items. The items a form declares are its members;
// items made at run time (AddNew) belong to their parent item.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/imagelist.h"
#include "ui/types.h"

namespace ui {

class TMenuItem : public TComponent {
 public:
  TMenuItem() = default;
  explicit TMenuItem(std::string caption, int imageIndex = -1)
      : Caption(std::move(caption)), ImageIndex(imageIndex) {}
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  std::string Caption;    // "-" makes a separator, "&" marks the next letter as the item's key
  bool Verbatim = false;  // shows Caption as it is: no separator, no key letter
  int ImageIndex = -1;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  int GroupIndex = 0;
  TNotifyEvent OnClick;

  bool IsSeparator() const { return !Verbatim && Caption == "-"; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  // Runs the item's action as if the user chose it, even while it is hidden.
  void Click();

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_[index]; }
  TMenuItem* Parent() const { return parent_; }
  // Appends an item that the caller keeps alive (a form's member).
  void Add(TMenuItem& item);
  // Appends a new item owned by this one.
  TMenuItem* AddNew(const std::string& caption);
  // Removes the item; an item made by AddNew is destroyed.
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  // The item is one of this one's items, or of theirs.
  bool Holds(const TMenuItem* item) const;

 private:
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  std::vector<std::unique_ptr<TMenuItem>> owned_;
};

// Which mouse buttons choose an item: either of them, or the left one only.
enum class TTrackButton { tbRightButton, tbLeftButton };
// How a menu unrolls as it opens.
enum class TMenuAnimation { maNone, maBottomToTop };

class TPopupMenu : public TComponent {
 public:
  TMenuItem Items;
  TImageList* Images = nullptr;
  TTrackButton TrackButton = TTrackButton::tbRightButton;
  TMenuAnimation MenuAnimation = TMenuAnimation::maNone;
  // Shows the menu at a screen position and runs the chosen item's action.
  void Popup(int x, int y, NativeHandle owner);
};

}  // namespace ui
