// Controls of a form whose native window is not made yet keep their state in
// memory; the form makes them all when it makes its window (MakeNativeControls).
// What only the native control can answer makes the form's window first.
#include <windows.h>

#include <algorithm>

#include "os/os.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

class PendingControl final : public StatePeer {
 public:
  using StatePeer::StatePeer;

  // The native control, made with its form; this peer is gone by then.
  ControlPeer& Native() const {
    TControl& control = control_;
    MakeFormWindow(control.Parent());
    return control.Peer();
  }

  NativeHandle Handle() const override { return Native().Handle(); }
  void SetFocus() override { Native().SetFocus(); }
  void CopySelection() override { Native().CopySelection(); }
  void Paste() override { Native().Paste(); }
  void SetText(const std::string& text) override {
    StatePeer::SetText(text);
    scrolledLines_ = 0;  // a new text shows from its first line
    caretScrolled_ = false;
  }
  void LineScroll(int lines) override { scrolledLines_ += lines; }
  void ScrollCaret() override { caretScrolled_ = true; }
  // A picker nobody has set shows the time it is made, as the native one does.
  TDateAndTime DateTimeValue() const override {
    if (Value()) return *Value();
    const os::DateTime t = os::clock::Read().Local;
    return {t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second};
  }
  int TextWidth() const override {
    const ControlFont font = CreateControlFont(control_, Style());
    const int width = TextWidthIn(font.shown, Text());
    if (font.own) DeleteObject(font.own);
    return width;
  }

  std::unique_ptr<NativeControl> MakeNative() const {
    std::unique_ptr<NativeControl> native = CreateNativeControl(control_, control_.Parent(), *this);
    if (scrolledLines_ != 0) {
      // Counted from the top: the selection given to the new control may have
      // scrolled it already (Wine's edit scrolls to the caret).
      const std::string text = Text();
      native->LineScroll(-1 - static_cast<int>(std::count(text.begin(), text.end(), '\n')));
      native->LineScroll(scrolledLines_);
    }
    if (caretScrolled_) native->ScrollCaret();
    return native;
  }

 private:
  int scrolledLines_ = 0;
  bool caretScrolled_ = false;
};

Family CreateFamilyPeer(TControl& control, TForm& parent, const StatePeer& state) {
  switch (state.Kind()) {
    case ControlKind::Memo:
    case ControlKind::WrappingMemo:
    case ControlKind::WrappingMemoBare:
    case ControlKind::Edit:
      return CreateEditPeer(control, parent, state);
    case ControlKind::Button:
    case ControlKind::BitBtn:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
      return CreateButtonPeer(control, parent, state);
    case ControlKind::ListBox:
    case ControlKind::SortedListBox:
    case ControlKind::ComboBox:
      return CreateListPeer(control, parent, state);
    case ControlKind::PageControl:
      return CreateTabsPeer(control, parent, state);
    case ControlKind::TrackBar:
      return CreateTrackBarPeer(control, parent, state);
    case ControlKind::Label:
      return CreateLabelPeer(control, parent, state);
    case ControlKind::StatusBar:
      return CreateStatusBarPeer(control, parent, state);
    case ControlKind::DatePicker:
    case ControlKind::TimePicker:
      return CreateDateTimePeer(control, parent, state);
  }
  return CreateLabelPeer(control, parent, state);
}

}  // namespace

std::unique_ptr<NativeControl> CreateNativeControl(TControl& control, TForm& parent,
                                                   const StatePeer& state) {
  Family native = CreateFamilyPeer(control, parent, state);
  native->Adopt(state);
  return native;
}

void MakeNativeControls(const TForm& form) {
  for (TControl* control : form.Controls())
    if (const auto* pending = dynamic_cast<const PendingControl*>(&control->Peer()))
      control->ReplacePeer(pending->MakeNative());
}

}  // namespace ui::win32

namespace ui {

std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control, TForm& parent, ControlKind kind) {
  if (!win32::FormWindowMade(parent)) return std::make_unique<win32::PendingControl>(control, kind);
  return win32::CreateNativeControl(control, parent, StatePeer(control, kind));
}

}  // namespace ui
