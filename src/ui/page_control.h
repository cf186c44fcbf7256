// A page control: a row of tabs, one page per tab. A control sits on a page
// when its place names it, and is shown only while that page is active.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class TTabSheet;

class TPageControl : public TControl {
 public:
  TPageControl(TForm& parent, const TControlPlace& place);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet& Page(int index) const { return *pages_.at(index); }
  int ActivePageIndex() const { return Peer().ItemIndex(); }
  // Selects a page from code: its tab, its controls shown, the others'
  // hidden. Runs no event.
  void SetActivePageIndex(int index);
  // The user chose a tab: its page is shown, then OnChange runs.
  void NotifyChange() override;

 private:
  friend class TTabSheet;
  void AddPage(TTabSheet& page, const std::string& caption);
  void ShowActivePage();
  std::vector<TTabSheet*> pages_;
};

class TTabSheet : public TComponent {
 public:
  // Adds the page, and its tab, at the end of the page control.
  TTabSheet(TPageControl& pageControl, const std::string& caption);
  TTabSheet(const TTabSheet&) = delete;
  TTabSheet& operator=(const TTabSheet&) = delete;
  TPageControl& PageControl() const { return pageControl_; }
  int PageIndex() const { return index_; }
  std::string Caption() const { return pageControl_.Peer().ItemText(index_); }
  // The tab's text.
  void SetCaption(const std::string& caption) override {
    pageControl_.Peer().SetItemText(index_, caption);
  }
  bool Active() const { return pageControl_.ActivePageIndex() == index_; }

  // Controls join and leave their page as they are made and destroyed.
  void AddControl(TControl& control);
  void RemoveControl(TControl& control);

 private:
  friend class TPageControl;
  void ShowControls(bool visible);
  TPageControl& pageControl_;
  int index_;
  std::vector<TControl*> controls_;
};

}  // namespace ui
