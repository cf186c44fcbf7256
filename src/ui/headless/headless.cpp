#include "ui/headless/headless.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>

#include "os/calendar.h"
#include "os/fake/fake_os.h"
#include "ui/application.h"
#include "ui/backend.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/messages.h"
#include "ui/timer.h"
#include "ui/trayicon.h"

namespace ui::headless {
namespace {

struct State {
  std::deque<Answer> answers;
  std::vector<Dialog> shown;
  std::vector<std::string> events;
  std::function<void(const Dialog&)> unexpected;
  NativeHandle nextHandle = 0x1000;
  NativeHandle focused = 0;
  std::string trayTip;  // what the notification area shows
};

State& state() {
  static State s;
  return s;
}

// Timers by id; a deadline on the fake monotonic clock.
struct RunningTimer {
  TTimer* timer;
  int interval;
  std::int64_t deadline;
};
std::map<int, RunningTimer>& timers() {
  static std::map<int, RunningTimer> t;
  return t;
}

std::int64_t Now() {
  return os::clock::Read().MonotonicMs;
}

// Shows a dialog to the script; returns the answer or, when nobody expected
// it, reports it and returns `cancel`.
int Present(Dialog& dialog, int cancel) {
  State& s = state();
  s.shown.push_back(dialog);
  if (s.answers.empty()) {
    if (s.unexpected) s.unexpected(dialog);
    return cancel;
  }
  auto answer = std::move(s.answers.front());
  s.answers.pop_front();
  return answer(dialog);
}

// What a native window keeps, kept here instead.
template <class Peer>
class HeadlessWindow : public Peer {
 public:
  NativeHandle Handle() const override { return handle_; }
  void SetBounds(const TRect& bounds) override { bounds_ = bounds; }
  TRect Bounds() const override { return bounds_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Visible() const override { return visible_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetText(const std::string& text) override { text_ = text; }
  std::string Text() const override { return text_; }
  void SetFocus() override { state().focused = handle_; }

 protected:
  NativeHandle handle_ = state().nextHandle++;
  TRect bounds_;
  bool visible_ = false;
  bool enabled_ = true;
  std::string text_;
};

class HeadlessForm final : public HeadlessWindow<FormPeer> {
 public:
  HeadlessForm(TForm& form, const TFormParams& params) : form_(form) {
    text_ = params.Caption;
    bounds_ = {0, 0, params.ClientWidth, params.ClientHeight};
  }
  void BringToFront() override {}
  void SetBounds(const TRect& bounds) override {
    bounds_ = bounds;
    form_.Realign();
  }
  TRect ClientRect() const override { return {0, 0, bounds_.Width, bounds_.Height}; }
  void SetTabOrder(const std::vector<NativeHandle>&) override {}
  void SetForeground() override { state().events.push_back("SetForeground(" + form_.Name + ")"); }
  void SetAlpha(bool enabled, int alpha) override {
    state().events.push_back("SetAlpha(" + form_.Name + "," + (enabled ? "on" : "off") + "," +
                             std::to_string(alpha) + ")");
  }
  void Post(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) override {
    state().events.push_back("Post(" + form_.Name + "," + std::to_string(msg) + "," +
                             std::to_string(wparam) + "," + std::to_string(lparam) + ")");
  }
  void RunModalLoop() override {
    Dialog dialog{DialogKind::ModalForm, text_, "", 0, "", &form_};
    Present(dialog, 0);
    if (form_.ModalResult == mrNone) form_.ModalResult = mrCancel;  // left open by the script
  }
  std::intptr_t DefaultHandler(TMessage& message) override {
    if (message.Msg == WM_CLOSE) form_.Close();
    return 0;
  }

 private:
  TForm& form_;
};

// A child control: visible from the start, as a native child window is.
class HeadlessControl final : public HeadlessWindow<ControlPeer> {
 public:
  HeadlessControl(TControl& control, ControlKind kind) : control_(control), kind_(kind) {
    visible_ = true;
  }
  // How often the whole text was set, and the items all cleared.
  int TextRewrites() const { return textRewrites_; }
  int ItemRefills() const { return itemRefills_; }
  // Like an edit control: new text puts the caret at the start.
  void SetText(const std::string& text) override {
    const bool changed = text != text_;
    ++textRewrites_;
    text_ = text;
    start_ = length_ = 0;
    if (changed) control_.NotifyChange();
  }
  int SelStart() const override { return start_; }
  int SelLength() const override { return length_; }
  void SetSel(int start, int length) override {
    const int size = static_cast<int>(text_.size());
    start_ = std::clamp(start, 0, size);
    length_ = std::clamp(length, 0, size - start_);
  }
  void ReplaceSel(const std::string& text) override {
    const bool changed = length_ > 0 || !text.empty();
    text_.replace(start_, length_, text);
    start_ += static_cast<int>(text.size());
    length_ = 0;
    if (changed) control_.NotifyChange();
  }
  void SetFocus() override {
    HeadlessWindow::SetFocus();
    state().events.push_back(ControlEvent("Focus", control_));
  }
  void ScrollCaret() override { state().events.push_back(ControlEvent("ScrollCaret", control_)); }
  void LineScroll(int) override {}
  void CopySelection() override {
    if (length_ > 0) os::clipboard::SetText(text_.substr(start_, length_));
  }
  void Paste() override { ReplaceSel(os::clipboard::GetText()); }
  void SetMaxLength(int length) override { maxLength_ = length; }
  void SetGlyph(const TImage&) override {}
  void SetTextStyle(const TTextStyle&) override {}
  void SetFont(const TFont&) override {}
  // The selection stays on its item, as in the window system's lists.
  void AddItem(const std::string& text) override {
    auto at = items_.end();
    if (kind_ == ControlKind::SortedListBox)
      at = std::lower_bound(items_.begin(), items_.end(), text, LessIgnoringCase);
    if (itemIndex_ >= at - items_.begin()) ++itemIndex_;
    items_.insert(at, text);
  }
  void DeleteItem(int index) override {
    if (index < 0 || index >= ItemCount()) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    if (itemIndex_ > index) --itemIndex_;
  }
  int FindItem(const std::string& text) const override {
    const auto found = std::find(items_.begin(), items_.end(), text);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
  }
  void ClearItems() override {
    ++itemRefills_;
    items_.clear();
    itemIndex_ = -1;
  }
  int ItemCount() const override { return static_cast<int>(items_.size()); }
  std::string ItemText(int index) const override {
    return index >= 0 && index < ItemCount() ? items_[index] : "";
  }
  void SetItemText(int index, const std::string& text) override {
    if (index >= 0 && index < ItemCount()) items_[index] = text;
  }
  int ItemIndex() const override { return itemIndex_; }
  void SetItemIndex(int index) override {
    itemIndex_ = index >= 0 && index < ItemCount() ? index : -1;
  }
  void SetNumbersOnly(bool numbersOnly) override { numbersOnly_ = numbersOnly; }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  bool ReadOnly() const { return readOnly_; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void SetRange(int minimum, int maximum) override {
    minimum_ = minimum;
    maximum_ = maximum;
    SetPosition(position_);
  }
  int Position() const override { return position_; }
  void SetPosition(int position) override { position_ = std::clamp(position, minimum_, maximum_); }
  int MaxLength() const { return maxLength_; }
  ControlKind Kind() const { return kind_; }
  bool NumbersOnly() const { return numbersOnly_; }
  TDateAndTime DateTimeValue() const override { return value_; }
  void SetDateTimeValue(const TDateAndTime& value) override { value_ = value; }
  void SetFormat(const std::string& format) override { format_ = format; }
  void SetHint(const std::string&) override {}
  // No fonts here: a stand-in of 6 pixels a character.
  int TextWidth() const override { return 6 * static_cast<int>(text_.size()); }
  // A picker shows its value as the window system writes it.
  std::string Text() const override {
    if (kind_ != ControlKind::DatePicker && kind_ != ControlKind::TimePicker) return text_;
    const os::locale::Formats formats = os::locale::UserFormats();
    const std::string own = kind_ == ControlKind::DatePicker ? formats.ShortDate : formats.LongTime;
    const os::DateTime t{value_.Year, value_.Month,  value_.Day,
                         value_.Hour, value_.Minute, value_.Second};
    return os::calendar::Format(format_.empty() ? own : format_, t, formats);
  }

 private:
  static bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) <
             std::tolower(static_cast<unsigned char>(y));
    });
  }

  TControl& control_;
  ControlKind kind_;
  std::deque<std::string> items_;  // a sorted insert moves the shorter side
  int itemIndex_ = -1;
  bool readOnly_ = false;
  int start_ = 0;
  int length_ = 0;
  int maxLength_ = 0;
  bool numbersOnly_ = false;
  bool checked_ = false;
  int minimum_ = 0;
  int maximum_ = 10;
  int position_ = 0;
  int textRewrites_ = 0;
  int itemRefills_ = 0;
  TDateAndTime value_;
  std::string format_;
};

class HeadlessTimer final : public TimerPeer {
 public:
  explicit HeadlessTimer(TTimer& timer) : timer_(timer), id_(nextId_++) {}
  void Start(int intervalMs) override { timers()[id_] = {&timer_, intervalMs, Now() + intervalMs}; }
  void Stop() override { timers().erase(id_); }

 private:
  static inline int nextId_ = 1;
  TTimer& timer_;
  int id_;
};

class HeadlessTray final : public TrayPeer {
 public:
  explicit HeadlessTray(TTrayIcon& tray) : tray_(tray) {}
  void Update() override { state().trayTip = tray_.Hint(); }
  void Remove() override { state().trayTip.clear(); }

 private:
  TTrayIcon& tray_;
};

class HeadlessApplication final : public ApplicationPeer {
 public:
  NativeHandle Handle() const override { return handle_; }
  void HideFromTaskbar() override { state().events.push_back("HideFromTaskbar"); }
  void SetTitle(const std::string& title) override {}
  void Run() override {}
  void Terminate() override {}

 private:
  NativeHandle handle_ = state().nextHandle++;
};

}  // namespace

void Expect(headless::Answer answer) {
  state().answers.push_back(std::move(answer));
}

void ExpectButton(int id) {
  Expect([id](Dialog&) { return id; });
}

void ExpectInput(const std::string& value) {
  Expect([value](Dialog& d) {
    d.value = value;
    return 1;
  });
}

void ExpectClose() {
  Expect([](Dialog& d) {
    if (d.form) d.form->Close();
    return 0;
  });
}

std::size_t PendingAnswers() {
  return state().answers.size();
}

const std::vector<Dialog>& ShownDialogs() {
  return state().shown;
}

void SetUnexpectedDialogHandler(std::function<void(const Dialog&)> handler) {
  state().unexpected = std::move(handler);
}

std::vector<std::string>& Events() {
  return state().events;
}

void AdvanceTime(std::int64_t ms) {
  const std::int64_t target = Now() + ms;
  for (;;) {
    auto next = std::min_element(timers().begin(), timers().end(), [](auto& a, auto& b) {
      return a.second.deadline < b.second.deadline;
    });
    if (next == timers().end() || next->second.deadline > target) break;
    os::fake::AdvanceClock(next->second.deadline - Now());
    next->second.deadline += next->second.interval;
    next->second.timer->Fire();  // may stop or restart timers
  }
  // A timer's handler may have moved the clock past the target (a nested loop).
  if (target > Now()) os::fake::AdvanceClock(target - Now());
}

void HoldLoop(std::int64_t ms) {
  os::fake::AdvanceClock(ms);
  const std::int64_t now = Now();
  std::vector<std::pair<std::int64_t, int>> due;  // (deadline, id), earliest first
  for (const auto& [id, running] : timers())
    if (running.deadline <= now) due.push_back({running.deadline, id});
  std::sort(due.begin(), due.end());
  for (const auto& [deadline, id] : due) {
    // An earlier handler may have stopped or restarted this timer.
    auto it = timers().find(id);
    if (it == timers().end() || it->second.deadline != deadline) continue;
    it->second.deadline = now + it->second.interval;
    it->second.timer->Fire();
  }
}

int RunningTimers() {
  return static_cast<int>(timers().size());
}

void PressKey(TControl& control, unsigned short key, TShiftState shift) {
  unsigned short down = key;
  control.NotifyKeyDown(down, shift);
  unsigned short up = key;
  control.NotifyKeyUp(up, shift);
}

void Type(TControl& control, const std::string& text) {
  auto& peer = static_cast<HeadlessControl&>(control.Peer());
  for (char c : text) {
    char key = c;
    control.NotifyKeyPress(key);
    if (key == 0 || peer.ReadOnly()) continue;
    if (peer.NumbersOnly() && !std::isdigit(static_cast<unsigned char>(key))) continue;
    const int kept = static_cast<int>(peer.Text().size()) - peer.SelLength();
    if (peer.MaxLength() > 0 && kept >= peer.MaxLength()) continue;
    // A memo breaks the line there, as the edit control does.
    peer.ReplaceSel(key == '\r' && peer.Kind() == ControlKind::Memo ? "\r\n" : std::string(1, key));
  }
}

std::string ControlEvent(const std::string& what, const TControl& control) {
  return what + "(" + std::to_string(control.Handle()) + ")";
}

void EditDateTime(TControl& picker, const TDateAndTime& value) {
  picker.Peer().SetDateTimeValue(value);
  picker.NotifyChange();
}

std::string ShownTrayTip() {
  return state().trayTip;
}

int TextRewrites(const TControl& control) {
  const auto* peer = dynamic_cast<const HeadlessControl*>(&control.Peer());
  return peer ? peer->TextRewrites() : 0;
}

int ItemRefills(const TControl& control) {
  const auto* peer = dynamic_cast<const HeadlessControl*>(&control.Peer());
  return peer ? peer->ItemRefills() : 0;
}

NativeHandle FocusedHandle() {
  return state().focused;
}

void Reset() {
  state().focused = 0;
  auto unexpected = std::move(state().unexpected);
  state().answers.clear();
  state().shown.clear();
  state().events.clear();
  state().unexpected = std::move(unexpected);
}

}  // namespace ui::headless

namespace ui {

std::unique_ptr<FormPeer> CreateFormPeer(TForm& form, const TFormParams& params) {
  return std::make_unique<headless::HeadlessForm>(form, params);
}

std::unique_ptr<ControlPeer> CreateControlPeer(TControl& control, TForm&, ControlKind kind) {
  return std::make_unique<headless::HeadlessControl>(control, kind);
}

std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) {
  return std::make_unique<headless::HeadlessTimer>(timer);
}

std::unique_ptr<TrayPeer> CreateTrayPeer(TTrayIcon& tray) {
  return std::make_unique<headless::HeadlessTray>(tray);
}

std::unique_ptr<ApplicationPeer> CreateApplicationPeer(TApplication&) {
  return std::make_unique<headless::HeadlessApplication>();
}

TMenuItem* TrackPopupMenu(TPopupMenu& menu, int x, int y, NativeHandle) {
  const bool leftOnly = menu.TrackButton == TTrackButton::tbLeftButton;
  const bool upwards = menu.MenuAnimation == TMenuAnimation::maBottomToTop;
  headless::Events().push_back("Popup(" + menu.Name + "," + std::to_string(x) + "," +
                               std::to_string(y) + (leftOnly ? ",left button" : "") +
                               (upwards ? ",bottom to top" : "") + ")");
  return nullptr;
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   NativeHandle) {
  headless::Dialog dialog{headless::DialogKind::MessageBox, caption, text, flags, "", nullptr};
  return headless::Present(dialog, (flags & 0xF) == MB_YESNO ? IDNO : IDCANCEL);
}

bool ShowOpenFileDialog(const std::string& title, const std::string& filter,
                        std::string& fileName) {
  headless::Dialog dialog{headless::DialogKind::OpenFile, title, filter, 0, fileName, nullptr};
  const bool ok = headless::Present(dialog, 0) != 0;
  if (ok) fileName = dialog.value;
  return ok;
}

bool ShowInputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  headless::Dialog dialog{headless::DialogKind::InputQuery, caption, prompt, 0, value, nullptr};
  const bool ok = headless::Present(dialog, 0) != 0;
  if (ok) value = dialog.value;
  return ok;
}

}  // namespace ui
