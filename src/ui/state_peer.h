// A control peer that keeps in memory what a native control keeps: the
// headless backend's controls, and the win32 controls of a form whose native
// window is not made yet. It behaves as the native control does where the
// program can tell: a new text puts the caret at the start and is reported
// once, a sorted list keeps the window system's order, a position stays in
// its range.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class StatePeer : public ControlPeer {
 public:
  StatePeer(TControl& control, ControlKind kind) : control_(control), kind_(kind) {}

  // What only a window can do is done by the backends' own peers.
  NativeHandle Handle() const override { return 0; }
  void SetFocus() override {}
  void CopySelection() override {}
  void Paste() override {}
  int TextWidth() const override { return 0; }
  // The component keeps these itself, for the native control made later.
  void SetEnabled(bool) override {}
  void SetFont(const TFont&) override {}
  void SetHint(const std::string&) override {}

  // A window's size is never below zero.
  void SetBounds(const TRect& bounds) override;
  TRect Bounds() const override { return bounds_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetText(const std::string& text) override;
  std::string Text() const override { return text_; }

  int SelStart() const override { return start_; }
  int SelLength() const override { return length_; }
  void SetSel(int start, int length) override;
  void ReplaceSel(const std::string& text) override;
  void ScrollCaret() override {}
  void LineScroll(int) override {}
  void SetMaxLength(int length) override { maxLength_ = length; }
  void SetGlyph(const TImage& glyph) override { glyph_ = glyph; }
  void SetTextStyle(const TTextStyle& style) override { style_ = style; }
  void AddItem(const std::string& text) override;
  void SetItems(const std::vector<std::string>& items) override;
  void ClearItems() override;
  int ItemCount() const override { return static_cast<int>(items_.size()); }
  std::string ItemText(int index) const override;
  void SetItemText(int index, const std::string& text) override;
  int FindItem(const std::string& text) const override;
  void DeleteItem(int index) override;
  int ItemIndex() const override { return itemIndex_; }
  void SetItemIndex(int index) override;
  void SetNumbersOnly(bool numbersOnly) override { numbersOnly_ = numbersOnly; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void SetRange(int minimum, int maximum) override;
  int Position() const override { return position_; }
  void SetPosition(int position) override;
  TDateAndTime DateTimeValue() const override { return value_.value_or(TDateAndTime{}); }
  void SetDateTimeValue(const TDateAndTime& value) override { value_ = value; }
  void SetFormat(const std::string& format) override { format_ = format; }

  // What is kept, for a backend that makes the native control from it.
  ControlKind Kind() const { return kind_; }
  int MaxLength() const { return maxLength_; }
  bool NumbersOnly() const { return numbersOnly_; }
  bool ReadOnly() const { return readOnly_; }
  const std::optional<TImage>& Glyph() const { return glyph_; }
  const TTextStyle& Style() const { return style_; }
  const std::deque<std::string>& Items() const { return items_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  const std::optional<TDateAndTime>& Value() const { return value_; }
  const std::string& Format() const { return format_; }

 protected:
  TControl& control_;

 private:
  ControlKind kind_;
  TRect bounds_;
  bool visible_ = true;  // as a child window is made
  std::string text_;
  int start_ = 0;
  int length_ = 0;
  int maxLength_ = 0;
  bool numbersOnly_ = false;
  bool readOnly_ = false;
  std::optional<TImage> glyph_;
  TTextStyle style_;
  std::deque<std::string> items_;  // a sorted insert moves the shorter side
  int itemIndex_ = -1;
  bool checked_ = false;
  int minimum_ = 0;
  int maximum_ = 10;
  int position_ = 0;
  std::optional<TDateAndTime> value_;
  std::string format_;
};

}  // namespace ui
