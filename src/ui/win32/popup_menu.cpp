#include <map>
#include <utility>
#include <vector>

#include "ui/menu.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

// A menu shows "&&" as one "&" and makes no key letter of it.
std::string ShownVerbatim(const std::string& caption) {
  std::string text;
  for (char c : caption) text.append(c == '&' ? "&&" : std::string(1, c));
  return text;
}

// Room on either side of an image, so it does not touch the caption.
constexpr int kImageMargin = 2;

void MeasureImage(MEASUREITEMSTRUCT& item) {
  BITMAP bitmap{};
  GetObjectA(reinterpret_cast<HBITMAP>(item.itemData), sizeof bitmap, &bitmap);
  item.itemWidth = bitmap.bmWidth + 2 * kImageMargin;
  item.itemHeight = bitmap.bmHeight;
}

void DrawImage(const DRAWITEMSTRUCT& item) {
  const auto image = reinterpret_cast<HBITMAP>(item.itemData);
  BITMAP bitmap{};
  GetObjectA(image, sizeof bitmap, &bitmap);
  const HDC source = CreateCompatibleDC(item.hDC);
  const HGDIOBJ old = SelectObject(source, image);
  const bool grayed = item.itemState & (ODS_GRAYED | ODS_DISABLED);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(grayed ? 96 : 255), AC_SRC_ALPHA};
  const RECT& r = item.rcItem;
  GdiAlphaBlend(item.hDC, r.left + (r.right - r.left - bitmap.bmWidth) / 2,
                r.top + (r.bottom - r.top - bitmap.bmHeight) / 2, bitmap.bmWidth, bitmap.bmHeight,
                source, 0, 0, bitmap.bmWidth, bitmap.bmHeight, blend);
  SelectObject(source, old);
  DeleteDC(source);
}

// A native menu made from the visible items of a TMenuItem tree; command id
// n stands for items_[n - 1]. A submenu is filled when it first opens, so a
// popup costs the same however many items its submenus hold. Frees its menus
// and bitmaps when it goes.
class NativeMenu {
 public:
  NativeMenu(const TMenuItem& root, const TImageList* images)
      : images_(images), menu_(CreatePopupMenu()), outer_(std::exchange(open_, this)) {
    Fill(menu_, root);
  }
  ~NativeMenu() {
    open_ = outer_;
    DestroyMenu(menu_);
    for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
  }
  NativeMenu(const NativeMenu&) = delete;
  NativeMenu& operator=(const NativeMenu&) = delete;

  HMENU Handle() const { return menu_; }
  TMenuItem* ItemOf(UINT id) const {
    return id >= 1 && id <= items_.size() ? items_[id - 1] : nullptr;
  }

  // Fills a submenu of the menu being tracked as it opens, once.
  static void FillOnOpening(HMENU submenu) {
    if (!open_) return;
    const auto found = open_->unfilled_.find(submenu);
    if (found == open_->unfilled_.end()) return;
    const TMenuItem& parent = *found->second;
    open_->unfilled_.erase(found);
    open_->Fill(submenu, parent);
  }

 private:
  // Wine moves every caption of a menu right by its widest picture but widens
  // only the items that have one, which cuts the end off the others: in a menu
  // that shows a picture, an item without one gets a blank picture.
  void Fill(HMENU menu, const TMenuItem& parent) {
    bool pictures = false;
    for (int i = 0; i < parent.Count(); ++i) pictures |= ShowsPicture(*parent.Items(i));
    for (int i = 0; i < parent.Count(); ++i)
      if (parent.Items(i)->Visible) Append(menu, *parent.Items(i), pictures);
  }

  bool ShowsPicture(const TMenuItem& item) const {
    return item.Visible && !item.IsSeparator() && images_ && images_->Get(item.ImageIndex);
  }

  void Append(HMENU menu, TMenuItem& item, bool pictures) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    std::string text = item.Verbatim ? ShownVerbatim(item.Caption) : item.Caption;
    if (item.IsSeparator()) {
      info.fType = MFT_SEPARATOR;
    } else {
      items_.push_back(&item);
      info.fMask |= MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_BITMAP | MIIM_SUBMENU | MIIM_DATA;
      info.wID = static_cast<UINT>(items_.size());
      info.fState = (item.Checked ? MFS_CHECKED : 0) | (item.Enabled ? 0 : MFS_DISABLED);
      info.dwTypeData = text.data();
      HBITMAP image = Image(item.ImageIndex);
      if (!image && pictures) image = Blank();
      info.dwItemData = reinterpret_cast<ULONG_PTR>(image);
      info.hbmpItem = info.dwItemData ? HBMMENU_CALLBACK : nullptr;
      info.hSubMenu = item.Count() > 0 ? EmptySubmenu(item) : nullptr;
    }
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
  }

  HMENU EmptySubmenu(const TMenuItem& parent) {
    const HMENU submenu = CreatePopupMenu();
    unfilled_[submenu] = &parent;
    return submenu;
  }

  HBITMAP Image(int index) {
    const TImage* image = images_ ? images_->Get(index) : nullptr;
    if (!image) return nullptr;
    bitmaps_.push_back(CreateMenuBitmap(*image));
    return bitmaps_.back();
  }

  // A transparent picture of the list's size, made once.
  HBITMAP Blank() {
    if (!blank_) {
      const int width = images_->Width(), height = images_->Height();
      blank_ = CreateMenuBitmap({width, height, std::vector<std::uint32_t>(width * height, 0)});
      bitmaps_.push_back(blank_);
    }
    return blank_;
  }

  // The menu being tracked; a menu tracked inside another's loop hides it.
  static inline NativeMenu* open_ = nullptr;

  const TImageList* images_;
  std::vector<TMenuItem*> items_;
  std::vector<HBITMAP> bitmaps_;
  std::map<HMENU, const TMenuItem*> unfilled_;
  HBITMAP blank_ = nullptr;
  HMENU menu_;
  NativeMenu* outer_;
};

}  // namespace

void FillMenuOnOpening(UINT msg, WPARAM wparam) {
  if (msg == WM_INITMENUPOPUP) NativeMenu::FillOnOpening(reinterpret_cast<HMENU>(wparam));
}

bool HandleMenuImageMessage(UINT msg, LPARAM lparam) {
  if (msg == WM_MEASUREITEM) {
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
    if (item.CtlType != ODT_MENU || !item.itemData) return false;
    MeasureImage(item);
    return true;
  }
  if (msg == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    if (item.CtlType != ODT_MENU || !item.itemData) return false;
    DrawImage(item);
    return true;
  }
  return false;
}

}  // namespace ui::win32

namespace ui {

TMenuItem* TrackPopupMenu(TPopupMenu& menu, int x, int y, NativeHandle owner) {
  const win32::NativeMenu native(menu.Items, menu.Images);
  const HWND window = owner ? reinterpret_cast<HWND>(owner) : win32::ApplicationWindow();
  // The owner must be in the foreground, or the menu stays open when the user
  // clicks elsewhere; without the task switch the posted message brings, the
  // next menu would close as soon as it opens.
  SetForegroundWindow(window);
  // Without TPM_NONOTIFY: the owner hears WM_INITMENUPOPUP, which fills a
  // submenu as it opens. TPM_RETURNCMD still keeps WM_COMMAND from it.
  UINT flags = TPM_RETURNCMD;
  flags |= menu.TrackButton == TTrackButton::tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
  if (menu.MenuAnimation == TMenuAnimation::maBottomToTop) flags |= TPM_VERNEGANIMATION;
  const UINT id = ::TrackPopupMenu(native.Handle(), flags, x, y, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
  return native.ItemOf(id);
}

}  // namespace ui
