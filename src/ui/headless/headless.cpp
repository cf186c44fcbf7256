#include "ui/headless/headless.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>

#include "os/fake/fake_os.h"
#include "ui/application.h"
#include "ui/backend.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/messages.h"
#include "ui/state_peer.h"
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

// A child control: the state kept in memory, a handle of its own, and what
// would reach the screen written to the event log.
class HeadlessControl final : public StatePeer {
 public:
  HeadlessControl(TControl& control, ControlKind kind) : StatePeer(control, kind) {}
  NativeHandle Handle() const override { return handle_; }
  // How often the whole text was set, the items all cleared or replaced, and
  // one item added.
  int TextRewrites() const { return textRewrites_; }
  int ItemRefills() const { return itemRefills_; }
  int ItemAdds() const { return itemAdds_; }
  void SetText(const std::string& text) override {
    ++textRewrites_;
    StatePeer::SetText(text);
  }
  void SetFocus() override {
    state().focused = handle_;
    state().events.push_back(ControlEvent("Focus", control_));
  }
  void ScrollCaret() override { state().events.push_back(ControlEvent("ScrollCaret", control_)); }
  void CopySelection() override {
    if (SelLength() > 0) os::clipboard::SetText(Text().substr(SelStart(), SelLength()));
  }
  void Paste() override { ReplaceSel(os::clipboard::GetText()); }
  void ClearItems() override {
    ++itemRefills_;
    StatePeer::ClearItems();
  }
  void SetItems(const std::vector<std::string>& items) override {
    ++itemRefills_;
    StatePeer::SetItems(items);
  }
  void AddItem(const std::string& text) override {
    ++itemAdds_;
    StatePeer::AddItem(text);
  }
  // No fonts here: a stand-in of 6 pixels a character.
  int TextWidth() const override { return 6 * static_cast<int>(Text().size()); }

 private:
  NativeHandle handle_ = state().nextHandle++;
  int textRewrites_ = 0;
  int itemRefills_ = 0;
  int itemAdds_ = 0;
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
    peer.ReplaceSel(key == '\r' && IsMemo(peer.Kind()) ? "\r\n" : std::string(1, key));
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

int ItemAdds(const TControl& control) {
  const auto* peer = dynamic_cast<const HeadlessControl*>(&control.Peer());
  return peer ? peer->ItemAdds() : 0;
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
