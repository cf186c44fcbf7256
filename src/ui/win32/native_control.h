// The win32 peer of a child control. NativeControl does what every control
// does the same way; each family of controls (edit, button, list, tabs,
// track bar, static text) derives from it in its own file and decodes its
// own notifications. A new kind of control is one more family file.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/backend.h"
#include "ui/state_peer.h"
#include "ui/win32/win32_peers.h"

namespace ui {
class TControl;
class TForm;
}  // namespace ui

namespace ui::win32 {

inline constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The window class and styles a control is made with.
struct NativeClass {
  const char* name;
  DWORD style;
  DWORD exStyle;
  bool common = false;  // one of the common controls
};

class NativeControl : public NativeWindow<ControlPeer> {
 public:
  // Made with the text and visibility kept so far (see Adopt) and the
  // component's enabled state.
  NativeControl(TControl& control, TForm& parent, const NativeClass& native,
                const StatePeer& state);
  ~NativeControl() override;

  // Takes on the rest of what a peer kept before the native control was
  // made, and the component's font and hint.
  void Adopt(const StatePeer& state);

  // A change of the text by the program notifies the control (see ChangeText).
  void SetText(const std::string& text) override;
  void SetTextStyle(const TTextStyle& style) override;
  void SetFont(const TFont&) override { ApplyFont(); }

  // What the families that have them override; others ignore them.
  int SelStart() const override { return 0; }
  int SelLength() const override { return 0; }
  void SetSel(int, int) override {}
  void ReplaceSel(const std::string&) override {}
  void ScrollCaret() override {}
  void LineScroll(int) override {}
  void CopySelection() override {}
  void Paste() override {}
  void SetMaxLength(int) override {}
  void SetGlyph(const TImage&) override {}
  void AddItem(const std::string&) override {}
  void ClearItems() override {}
  int ItemCount() const override { return 0; }
  std::string ItemText(int) const override { return ""; }
  void SetItemText(int, const std::string&) override {}
  int FindItem(const std::string&) const override { return -1; }
  void DeleteItem(int) override {}
  int ItemIndex() const override { return -1; }
  void SetItemIndex(int) override {}
  void SetNumbersOnly(bool) override {}
  void SetReadOnly(bool) override {}
  bool Checked() const override { return false; }
  void SetChecked(bool) override {}
  void SetRange(int, int) override {}
  int Position() const override { return 0; }
  void SetPosition(int) override {}
  TDateAndTime DateTimeValue() const override { return {}; }
  void SetDateTimeValue(const TDateAndTime&) override {}
  void SetFormat(const std::string&) override {}
  void SetHint(const std::string& hint) override;
  int TextWidth() const override;

  // The notifications the form reflects to its control: a WM_COMMAND code,
  // a WM_NOTIFY code, a WM_HSCROLL.
  virtual void Command(WORD) {}
  virtual void Notify(UINT) {}
  virtual void Scrolled() {}
  // The colours of a WM_CTLCOLOR... message; 0 keeps the system's.
  virtual LRESULT Colors(HDC) const { return 0; }
  // The brush a row of tabs paints its pages with; null for other controls.
  virtual HBRUSH PageBackground() { return nullptr; }

  // The peer of one of our controls; null for any other window.
  static NativeControl* FromWindow(HWND window);

 protected:
  // Every message of the control's window, before the window class sees it.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  // A character typed into the control, after its OnKeyPress; true when the
  // peer has dealt with it and the window class must not see it.
  virtual bool TypedCharacter(char) { return false; }
  LRESULT CallOriginal(UINT msg, WPARAM wparam, LPARAM lparam);

  // A change made by the program is reported once, and only when the text
  // really changed, whatever the control itself notifies.
  template <class Change>
  void ChangeText(Change change) {
    const std::string before = WindowText(hwnd_);
    changingText_ = true;
    change();
    changingText_ = false;
    if (WindowText(hwnd_) != before) control_.NotifyChange();
  }
  bool ChangingText() const { return changingText_; }
  COLORREF TextColor() const;
  // The background of the page the control lies on, lined up with the control
  // in `dc`; null when it lies on no page.
  HBRUSH PageBrush(HDC dc) const;
  // A control drawn on its page: its text over the page's background; 0 (the
  // system's colours) when it lies on no page.
  LRESULT PageColors(HDC dc) const;

  TControl& control_;
  TTextStyle style_;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

  void ApplyFont();

  static inline int nextId_ = 1000;
  WNDPROC original_ = nullptr;
  HWND tooltip_ = nullptr;
  HFONT ownFont_ = nullptr;  // null while the control shows its form's font
  bool changingText_ = false;
};

// The font a control shows in a text style: a font of its own (its form's
// with the control's face, height, weight and underline), which the caller
// deletes, or none when its form's serves.
struct ControlFont {
  HFONT own;
  HFONT shown;
};
ControlFont CreateControlFont(const TControl& control, const TTextStyle& style);
// The width of a text on one line in a font ("&" marks a key letter).
int TextWidthIn(HFONT font, const std::string& text);

// The native control of a kind, made from what a peer kept, or afresh.
std::unique_ptr<NativeControl> CreateNativeControl(TControl& control, TForm& parent,
                                                   const StatePeer& state);
// Makes the native controls of a form whose window has just been made.
void MakeNativeControls(const TForm& form);

// The families, one file each.
using Family = std::unique_ptr<NativeControl>;
Family CreateEditPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateButtonPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateListPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateTabsPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateTrackBarPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateLabelPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateStatusBarPeer(TControl& control, TForm& parent, const StatePeer& state);
Family CreateDateTimePeer(TControl& control, TForm& parent, const StatePeer& state);

}  // namespace ui::win32
