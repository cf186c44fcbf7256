// What a component asks of the window system. ui/win32/ and ui/headless/ each
// define the factory functions and dialog calls below; the build links one.
// The peer holds what the user can change in the native control (text,
// selection, bounds, visibility), so reading a property asks the peer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/imagelist.h"
#include "ui/types.h"

namespace ui {

class TForm;
class TControl;
class TPopupMenu;
class TMenuItem;
class TTimer;
class TTrayIcon;
class TApplication;

class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual NativeHandle Handle() const = 0;
  virtual void SetBounds(const TRect& bounds) = 0;
  virtual TRect Bounds() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string Text() const = 0;
  virtual void SetFocus() = 0;
};

// How a form's native window is made (the creation parameters).
struct TFormParams {
  std::string ClassName = "TForm";
  std::string Caption;
  int ClientWidth = 0, ClientHeight = 0;
  TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
  bool SystemMenu = true;  // false: no buttons in the title bar at all
  bool MinimizeBox = true;
  bool MaximizeBox = true;
  bool StayOnTop = false;
  // A top-level window of its own with a taskbar button (no owner), instead
  // of a window owned by the application's hidden window.
  bool AppWindow = false;
  bool SaveBits = false;
  int MinWidth = 0, MinHeight = 0;
  std::string FontName = "Tahoma";
  int FontHeight = -11;
  // The window's own icon; without one the window system's default.
  TImage Icon{};
  // The native window is made with the form, not when it is first needed:
  // for a window other programs look for from the start.
  bool WindowAtOnce = false;
};

class FormPeer : public WindowPeer {
 public:
  virtual void BringToFront() = 0;
  virtual void SetForeground() = 0;
  virtual void SetAlpha(bool enabled, int alpha) = 0;
  virtual void Post(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) = 0;
  // Runs a nested message loop until the form's ModalResult is set.
  virtual void RunModalLoop() = 0;
  // What the window system does with a message the form does not handle.
  virtual std::intptr_t DefaultHandler(TMessage& message) = 0;
  // The client area's size (Left and Top are 0).
  virtual TRect ClientRect() const = 0;
  // Puts the child controls in this order for the Tab key.
  virtual void SetTabOrder(const std::vector<NativeHandle>& controls) = 0;
};

// The kinds of child control a form can hold.
enum class ControlKind {
  Memo,              // lines not wrapped, both scroll bars
  WrappingMemo,      // lines wrap at the right edge, a vertical scroll bar
  WrappingMemoBare,  // lines wrap, no scroll bars
  Edit,
  Button,
  BitBtn,
  StatusBar,
  Label,
  ListBox,
  SortedListBox,
  ComboBox,  // a drop-down list: the user picks, never types
  CheckBox,
  GroupBox,     // a labelled frame drawn behind the controls it surrounds
  TrackBar,     // a horizontal slider
  PageControl,  // a row of tabs; the items are the tabs' captions
  DatePicker,   // a date the user picks from a calendar
  TimePicker    // a time of day the user types or spins
};

// The multi-line edit kinds, wrapping or not.
inline bool IsMemo(ControlKind kind) {
  return kind == ControlKind::Memo || kind == ControlKind::WrappingMemo ||
         kind == ControlKind::WrappingMemoBare;
}

// How a control draws its text: colour 0xRRGGBB, underlined or bold, and a
// hand cursor for labels that work as links.
struct TTextStyle {
  std::uint32_t Color = 0;
  bool Underline = false;
  bool Bold = false;
  bool HandCursor = false;
};

// A control's own font instead of its form's: a face name ("" keeps the
// form's) and a height (0 keeps the form's), the character height in pixels
// or the size in points, which the display's resolution turns into pixels.
// The window system takes at most 31 characters of a face name.
struct TFont {
  std::string Name{};
  int Height = 0;
  bool InPoints = false;
};

// A child control. The text operations serve the edit kinds; the others
// ignore them. Every change of an edit's text, by the user or by these
// calls, is reported to the control (NotifyChange) once.
class ControlPeer : public WindowPeer {
 public:
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual void SetSel(int start, int length) = 0;
  // Replaces the selection (or inserts at the caret) and puts the caret after it.
  virtual void ReplaceSel(const std::string& text) = 0;
  virtual void ScrollCaret() = 0;
  // Scrolls the view by whole lines, down for positive counts.
  virtual void LineScroll(int lines) = 0;
  // The clipboard operations of the control itself, on its selection.
  virtual void CopySelection() = 0;
  virtual void Paste() = 0;
  // The most characters the user may type; 0 for no limit.
  virtual void SetMaxLength(int length) = 0;
  virtual void SetGlyph(const TImage& glyph) = 0;
  virtual void SetTextStyle(const TTextStyle& style) = 0;
  virtual void SetFont(const TFont& font) = 0;
  // The items of a list box or drop-down list. A sorted list box keeps them
  // in the window system's order (case-insensitive).
  virtual void AddItem(const std::string& text) = 0;
  // Replaces all the items, the selection gone. The list peers do it in one
  // go; a list filled an item at a time repaints at each while it shows.
  virtual void SetItems(const std::vector<std::string>& items) {
    ClearItems();
    for (const std::string& item : items) AddItem(item);
  }
  virtual void ClearItems() = 0;
  virtual int ItemCount() const = 0;
  virtual std::string ItemText(int index) const = 0;
  virtual void SetItemText(int index, const std::string& text) = 0;
  // The index of the item with exactly that text (case and all), -1 for none.
  virtual int FindItem(const std::string& text) const = 0;
  virtual void DeleteItem(int index) = 0;
  // The selected item (or tab), -1 for none; setting it notifies nobody.
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
  // An edit that takes only digits from the keyboard; pasted text is not
  // filtered, as with the window system's own style.
  virtual void SetNumbersOnly(bool numbersOnly) = 0;
  // An edit whose text the user can read and select but not change.
  virtual void SetReadOnly(bool readOnly) = 0;
  // A check box's tick; setting it notifies nobody.
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
  // A track bar's range and position; setting them notifies nobody. The
  // position is kept inside the range.
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual int Position() const = 0;
  virtual void SetPosition(int position) = 0;
  // A date or time picker's value (setting it notifies nobody; a user's
  // change is reported with NotifyChange) and its display format with the
  // Windows picture letters, "" for the user's own format.
  virtual TDateAndTime DateTimeValue() const = 0;
  virtual void SetDateTimeValue(const TDateAndTime& value) = 0;
  virtual void SetFormat(const std::string& format) = 0;
  // The tooltip shown while the mouse rests on the control; "" for none.
  virtual void SetHint(const std::string& hint) = 0;
  // The width in pixels of the control's text on one line, in its font.
  virtual int TextWidth() const = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

class TrayPeer {
 public:
  virtual ~TrayPeer() = default;
  // Shows or updates the icon with the image and tooltip of its component.
  virtual void Update() = 0;
  virtual void Remove() = 0;
};

class ApplicationPeer {
 public:
  virtual ~ApplicationPeer() = default;
  virtual NativeHandle Handle() const = 0;
  virtual void HideFromTaskbar() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Runs the message loop until Terminate.
  virtual void Run() = 0;
  virtual void Terminate() = 0;
};

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form, const TFormParams& params);
std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control, TForm& parent, ControlKind kind);
std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer);
std::unique_ptr<TrayPeer> CreateTrayPeer(TTrayIcon& tray);
std::unique_ptr<ApplicationPeer> CreateApplicationPeer(TApplication& application);

// Tracks a popup menu at a screen position; returns the chosen item or null.
// The choice is never sent to any window as WM_COMMAND.
TMenuItem* TrackPopupMenu(TPopupMenu& menu, int x, int y, NativeHandle owner);

// A message box (MB_* flags); returns the ID* of the pressed button.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   NativeHandle owner);
// The file-open dialog; `fileName` holds the proposed name and receives the
// chosen one. False when cancelled.
bool ShowOpenFileDialog(const std::string& title, const std::string& filter, std::string& fileName);
// The input query: a modal prompt with one edit field; false when cancelled.
bool ShowInputQuery(const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace ui
