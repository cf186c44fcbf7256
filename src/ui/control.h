// A child control of a form: its native peer, where it sits, how it follows
// the form's size, and its events. The backends report user input through
// the Notify... calls, which run the events.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "ui/backend.h"
#include "ui/types.h"

namespace ui {

class TForm;
class TTabSheet;

// Which edges of the form a control keeps its distance to.
enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors kAnchorsAll = akLeft | akTop | akRight | akBottom;

// Shift state bits of key and mouse events.
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;

using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

// Where a control is made: its place in the form's client area at the
// form's design size, its anchors, its position in the Tab order and the
// page of a page control it sits on (it is shown only while that page is).
struct TControlPlace {
  TRect Bounds;
  TAnchors Anchors = akLeft | akTop;
  int TabOrder = -1;  // -1: not a Tab stop
  TTabSheet* Page = nullptr;
};

class TControl : public TComponent {
 public:
  TControl(TForm& parent, ControlKind kind, const TControlPlace& place);
  ~TControl() override;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  NativeHandle Handle() const { return peer_->Handle(); }
  TForm& Parent() const { return parent_; }
  const TControlPlace& Place() const { return place_; }

  TRect BoundsRect() const { return peer_->Bounds(); }
  void SetBounds(const TRect& bounds) { peer_->SetBounds(bounds); }
  bool Visible() const { return peer_->Visible(); }
  void SetVisible(bool visible) { peer_->SetVisible(visible); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Gives the control the keyboard focus; nothing when it is hidden or disabled.
  void SetFocus();
  void SetTextStyle(const TTextStyle& style) { peer_->SetTextStyle(style); }
  // The tooltip shown while the mouse rests on the control.
  std::string Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // The font as asked for, the whole face name included.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnChange;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // Input from the backend. A key event handler that sets the key to 0
  // keeps it from the control.
  void NotifyClick();
  void NotifyDblClick();
  virtual void NotifyChange();
  void NotifyKeyDown(unsigned short& key, TShiftState shift);
  void NotifyKeyUp(unsigned short& key, TShiftState shift);
  void NotifyKeyPress(char& key);
  void NotifyMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void NotifyMouseMove(TShiftState shift, int x, int y);
  void NotifyMouseUp(TMouseButton button, TShiftState shift, int x, int y);

  // The native side, for the backends. A backend that makes the native
  // control later replaces the peer that kept its state until then.
  ControlPeer& Peer() const { return *peer_; }
  void ReplacePeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

 protected:
  // Makes the control at least that wide, at the design size and now.
  void Widen(int width);

 private:
  TForm& parent_;
  TControlPlace place_;
  // Made before the peer: a native control made with it reads them.
  bool enabled_ = true;
  std::string hint_;
  TFont font_;
  std::unique_ptr<ControlPeer> peer_;
};

// Enter in `from` gives the focus to the first control of `chain` that is
// shown and enabled, if there is one; the key goes no further.
void MoveFocusOnEnter(TControl& from, std::initializer_list<TControl*> chain);

// A push button; "&" in the caption marks its Alt+letter.
class TButton : public TControl {
 public:
  TButton(TForm& parent, const std::string& caption, const TControlPlace& place,
          ControlKind kind = ControlKind::Button);
  std::string Caption() const { return Peer().Text(); }
  void SetCaption(const std::string& caption) override { Peer().SetText(caption); }
  // Runs the button's action as a user's click does.
  void Click() { NotifyClick(); }
};

// A button that shows a picture.
class TBitBtn : public TButton {
 public:
  TBitBtn(TForm& parent, const TImage& glyph, const TControlPlace& place);
};

// A single-line edit box.
class TEdit : public TControl {
 public:
  TEdit(TForm& parent, const TControlPlace& place, int maxLength = 0);
  std::string Text() const { return Peer().Text(); }
  void SetText(const std::string& text) { Peer().SetText(text); }
  // Only digits can be typed; pasted text still arrives unfiltered.
  void SetNumbersOnly(bool numbersOnly) { Peer().SetNumbersOnly(numbersOnly); }
};

// A status bar showing one simple text.
class TStatusBar : public TControl {
 public:
  TStatusBar(TForm& parent, const TControlPlace& place);
  std::string SimpleText() const { return Peer().Text(); }
  void SetSimpleText(const std::string& text) { Peer().SetText(text); }
};

}  // namespace ui
