#include "ui/page_control.h"

#include <algorithm>

namespace ui {

TPageControl::TPageControl(TForm& parent, const TControlPlace& place)
    : TControl(parent, ControlKind::PageControl, place) {}

void TPageControl::AddPage(TTabSheet& page, const std::string& caption) {
  pages_.push_back(&page);
  Peer().AddItem(caption);
  if (ActivePageIndex() < 0) Peer().SetItemIndex(0);
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= PageCount()) return;
  Peer().SetItemIndex(index);
  ShowActivePage();
}

void TPageControl::NotifyChange() {
  ShowActivePage();
  TControl::NotifyChange();
}

// Hides before showing, so no two pages are ever visible at once.
void TPageControl::ShowActivePage() {
  for (TTabSheet* page : pages_)
    if (!page->Active()) page->ShowControls(false);
  for (TTabSheet* page : pages_)
    if (page->Active()) page->ShowControls(true);
}

TTabSheet::TTabSheet(TPageControl& pageControl, const std::string& caption)
    : pageControl_(pageControl), index_(pageControl.PageCount()) {
  pageControl_.AddPage(*this, caption);
}

void TTabSheet::AddControl(TControl& control) {
  controls_.push_back(&control);
  control.SetVisible(Active());
}

void TTabSheet::RemoveControl(TControl& control) {
  std::erase(controls_, &control);
}

void TTabSheet::ShowControls(bool visible) {
  for (TControl* control : controls_) control->SetVisible(visible);
}

}  // namespace ui
