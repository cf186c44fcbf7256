// Test controls of the headless backend: no windows at all. Dialogs and
// modal forms are answered by a script the test sets; timers run on the fake
// clock; what would reach the screen is written to an event log.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace ui {
class TControl;
class TForm;
class TPopupMenu;
}  // namespace ui

namespace ui::headless {

enum class DialogKind { MessageBox, InputQuery, ModalForm, OpenFile };

struct Dialog {
  DialogKind kind;
  std::string caption;
  std::string text;       // message text, input prompt; empty for a form
  unsigned flags = 0;     // MB_* flags of a message box
  std::string value;      // input query: the proposed text; the answer may change it
  TForm* form = nullptr;  // the modal form
};

// Answers one dialog: the ID* of the pressed button for a message box,
// 1 (OK) or 0 (Cancel) for an input query or a file dialog; a modal form's answer closes the
// form itself (its result is then ignored).
using Answer = std::function<int(Dialog&)>;

// Queues the answer to the next dialog that comes up.
void Expect(Answer answer);
// Shorthands: press a button / answer an input query / close a modal form.
void ExpectButton(int id);
void ExpectInput(const std::string& value);
void ExpectClose();
// Dialogs still queued and not yet shown.
std::size_t PendingAnswers();
// Every dialog shown so far, in order.
const std::vector<Dialog>& ShownDialogs();
// Called when a dialog comes up that nobody expected; the tests make it fail
// the test with the dialog's text. The dialog is then cancelled.
void SetUnexpectedDialogHandler(std::function<void(const Dialog&)> handler);

// What the windows would have done: "Popup(SecondMenu,10,20)" (a menu that
// takes only the left button or unrolls upwards says so after the place),
// "Post(0,0,0)",
// "SetForeground", "HideFromTaskbar". Menus log the component's Name;
// controls their handle, as ControlEvent writes it.
std::vector<std::string>& Events();

// Advances the fake clock by `ms`, firing every timer that falls due on the
// way, in order of their deadlines.
void AdvanceTime(std::int64_t ms);
// The message loop is held for `ms` (a command that runs long, the machine asleep): the clock
// moves on, no timer fires on the way; then every timer that fell due fires once, however many
// intervals it missed, and its next deadline is one interval from now.
void HoldLoop(std::int64_t ms);
// Number of timers running now.
int RunningTimers();

// The user presses and releases a key in a control (key down and key up events).
void PressKey(TControl& control, unsigned short key, TShiftState shift = 0);
// The user types characters into an edit control: each goes through the key
// press event and, unless it was swallowed, into the text at the caret, up
// to the control's typing limit. A digits-only edit drops every other
// character, as the window system does with typed keys.
void Type(TControl& control, const std::string& text);
// The user changes a date or time picker's value.
void EditDateTime(TControl& picker, const TDateAndTime& value);
// A control's entry in the event log: "Focus(4101)", "ScrollCaret(4101)".
std::string ControlEvent(const std::string& what, const TControl& control);
// The tooltip the tray icon shows; "" when it has none.
std::string ShownTrayTip();
// How often a control's whole text was set (not typed or replaced in part).
int TextRewrites(const TControl& control);
// How often a list's items were all cleared or replaced, as a refill of the whole list does.
int ItemRefills(const TControl& control);
// How often one item was added to a list.
int ItemAdds(const TControl& control);
// The window that last took the keyboard focus; 0 for none yet.
NativeHandle FocusedHandle();

// Forgets dialogs, answers and events (timers belong to their components).
void Reset();

}  // namespace ui::headless
