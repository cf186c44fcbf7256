// Forms, the application window, the input query and timers: message routing
// and the nested loops that only the win32 backend has.
#include <windows.h>

#include <stdexcept>

#include "ui/backend.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui_test_support.h"

namespace {

using ui_test::Hwnd;
using ui_test::LoopGuard;

constexpr UINT kAdd = WM_APP + 5;       // the probe form answers wParam + lParam
constexpr UINT kAccept = WM_APP + 6;    // the probe form sets ModalResult to mrOk
constexpr UINT kRunModal = WM_APP + 7;  // the probe form shows itself modally
constexpr UINT kThrow = WM_APP + 8;     // the probe form's handler throws
constexpr ui::TModalResult kTimedOut = 99;

// A form that answers some messages itself and counts the WM_COMMANDs it gets.
struct ProbeForm : ui::TForm {
  explicit ProbeForm(const ui::TFormParams& params = {}) : TForm(params) {}
  void Dispatch(ui::TMessage& message) override {
    if (message.Msg == kAdd) return void(message.Result = message.WParam + message.LParam);
    if (message.Msg == kAccept) ModalResult = ui::mrOk;
    if (message.Msg == kRunModal) ShowModal();
    if (message.Msg == kThrow) throw std::runtime_error("handler failed");
    commands += message.Msg == WM_COMMAND;
    TForm::Dispatch(message);
  }
  int commands = 0;
};

using UiForm = ui_test::UiTest;

TEST_F(UiForm, ParametersGiveStylesOwnerSizesFontAndAlpha) {
  using enum ui::TBorderStyle;
  constexpr LONG kFrame = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  // clang-format off
  const struct { ui::TBorderStyle border; bool boxes, top, app; LONG on, off, exOn, exOff; int alpha; } cases[] = {
      {bsSizeable, true, false, false, kFrame | WS_SYSMENU, WS_VISIBLE, 0, WS_EX_TOPMOST | WS_EX_APPWINDOW, -1},
      {bsSingle, false, false, false, WS_CAPTION | WS_SYSMENU, kFrame, 0, 0, 200},
      {bsSizeable, true, true, false, 0, 0, WS_EX_TOPMOST, WS_EX_APPWINDOW, 35},
      {bsSizeable, true, false, true, 0, 0, WS_EX_APPWINDOW, WS_EX_TOPMOST, -1},
  };
  // clang-format on
  auto rect = [](RECT r) { return ui::TRect{r.left, r.top, r.right - r.left, r.bottom - r.top}; };
  for (int row = 0; const auto& c : cases) {
    ui::TFormParams p;
    p.ClassName = ui_test::Str("TStyleProbe", ++row), p.BorderStyle = c.border;
    p.ClientWidth = 301 + row, p.ClientHeight = 203, p.MinWidth = 420 + row, p.MinHeight = 310;
    p.MinimizeBox = p.MaximizeBox = c.boxes, p.StayOnTop = c.top, p.AppWindow = p.SaveBits = c.app;
    p.FontName = row % 2 ? "Tahoma" : "Courier New", p.FontHeight = -10 - row;
    ProbeForm form(p);
    const HWND window = Hwnd(form);
    RECT client, bounds;
    GetClientRect(window, &client);
    form.SetBounds(100 + row, 120, 333, 222);  // smaller than the minimum, which wins
    GetWindowRect(window, &bounds);
    MINMAXINFO limits{};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    form.SetAlphaBlend(true, 100);
    form.SetAlphaBlend(c.alpha >= 0, c.alpha);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    const LONG style = GetWindowLongA(window, GWL_STYLE), ex = GetWindowLongA(window, GWL_EXSTYLE);
    SCOPED_TRACE(row);
    EXPECT_EQ(FindWindowA(p.ClassName.c_str(), nullptr), window);
    EXPECT_EQ(ui_test::Text(window) + (IsWindowVisible(window) ? " visible" : ""), "");
    EXPECT_EQ(style & (c.on | c.off), c.on);
    EXPECT_EQ(ex & (c.exOn | c.exOff), c.exOn);
    EXPECT_EQ(GetWindow(window, GW_OWNER), c.app ? nullptr : Hwnd(app));
    EXPECT_EQ((GetClassLongA(window, GCL_STYLE) & CS_SAVEBITS) != 0, p.SaveBits);
    EXPECT_EQ(rect(client), (ui::TRect{0, 0, p.ClientWidth, p.ClientHeight}));
    EXPECT_EQ(rect({0, 0, limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}),
              (ui::TRect{0, 0, p.MinWidth, p.MinHeight}));
    EXPECT_EQ(font.lfFaceName + std::to_string(font.lfHeight),
              p.FontName + std::to_string(p.FontHeight));
    EXPECT_EQ(rect(bounds), (ui::TRect{100 + row, 120, p.MinWidth, 310}));
    EXPECT_EQ(form.BoundsRect(), rect(bounds));
    EXPECT_EQ((ex & WS_EX_LAYERED) ? alpha : -1, c.alpha);
  }
}

TEST_F(UiForm, SentMessageReachesOverriddenDispatchAndAnExceptionIsShownUnderTheTitle) {
  app.SetTitle("Velmarind probe");
  for (const bool hidden : {false, true}) {  // the application window, which has the title
    if (hidden) app.HideFromTaskbar();
    EXPECT_EQ((GetWindowLongA(Hwnd(app), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, hidden);
  }
  ProbeForm form;
  EXPECT_EQ(SendMessageA(Hwnd(form), kAdd, 40, 2) + form.Perform(kAdd, 7, 8), 42 + 15);
  SendMessageA(Hwnd(form), WM_COMMAND, 1, 0);
  EXPECT_EQ(form.commands, 1);
  std::string shown;
  ui_test::Driver hands("#32770", "Velmarind probe", [&](HWND box) {
    shown = ui_test::Text(GetDlgItem(box, 0xFFFF));
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(SendMessageA(Hwnd(form), kThrow, 0, 0), 0);
  EXPECT_TRUE(hands.Finish());
  EXPECT_EQ(shown, "handler failed");
  EXPECT_EQ(SendMessageA(Hwnd(form), kAdd, 1, 2), 3) << "the program goes on";
}

TEST_F(UiForm, CloseMessageLetsTheFormDecideAndTheMainFormEndsTheLoop) {
  using enum ui::TCloseAction;
  // clang-format off
  const struct { ui::TCloseAction action; bool main, toApplication, visible; } cases[] = {
      {caHide, false, false, false}, {caNone, false, false, true}, {caFree, false, false, false},
      {caHide, true, false, true}, {caHide, true, true, true},  // the program quits
  };
  // clang-format on
  for (const auto& c : cases) {
    ProbeForm form;
    form.Show();
    app.MainForm = c.main ? &form : nullptr;
    bool asked = false;
    form.OnClose = [&](ui::TObject*, ui::TCloseAction& action) { asked = true, action = c.action; };
    SendMessageA(c.toApplication ? Hwnd(app) : Hwnd(form), WM_CLOSE, 0, 0);
    MSG quit;
    const bool quits = PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    const int row = static_cast<int>(&c - cases);
    EXPECT_TRUE(asked && IsWindow(Hwnd(form))) << row << ": never destroyed by WM_CLOSE";
    EXPECT_EQ(IsWindowVisible(Hwnd(form)) != 0, c.visible) << row;
    EXPECT_EQ(std::pair(quits, app.Terminated()), std::pair(c.main, c.main)) << row;
  }
  app.MainForm = nullptr;
}

TEST_F(UiForm, ShowModalRunsUntilTheFormIsClosedWithTheOtherWindowsDisabled) {
  using Close = void (*)(ProbeForm&);
  // clang-format off
  const struct { const char* how; Close close; ui::TModalResult result; WPARAM quit; } cases[] = {
      {"WM_CLOSE posted", [](ProbeForm& f) { PostMessageA(Hwnd(f), WM_CLOSE, 0, 0); }, ui::mrCancel, 0},
      {"result set by a posted message", [](ProbeForm& f) { f.PostMessage(kAccept, 0, 0); }, ui::mrOk, 0},
      // Handled inside GetMessage, which then waits for a posted message.
      {"WM_CLOSE sent by another thread", [](ProbeForm& f) {
        std::thread([w = Hwnd(f)] { SendMessageA(w, WM_CLOSE, 0, 0); }).detach(); }, ui::mrCancel, 0},
      {"quit, left queued for the loop outside", [](ProbeForm&) { PostQuitMessage(3); }, ui::mrCancel, 3},
  };
  // clang-format on
  ProbeForm other;
  other.Show();
  for (const auto& c : cases) {
    ProbeForm form;
    bool closed = false, otherEnabledMeanwhile = true;
    form.OnShow = [&](ui::TObject*) { c.close(form); };
    form.OnClose = [&](ui::TObject*, ui::TCloseAction&) {
      closed = true, otherEnabledMeanwhile = IsWindowEnabled(Hwnd(other));
    };
    LoopGuard guard(5000, [&] { form.ModalResult = kTimedOut; });
    EXPECT_EQ(form.ShowModal(), c.result) << c.how;
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(quit.wParam, c.quit) << c.how;
    EXPECT_FALSE(IsWindowVisible(Hwnd(form)) || (closed && otherEnabledMeanwhile)) << c.how;
    EXPECT_TRUE(IsWindowEnabled(Hwnd(other))) << c.how << ": enabled again afterwards";
  }
}

// Another program sends `inner` a message that shows it modally while `outer`
// is modal; a timer then ends both. The sent message ran inside outer's
// GetMessage, which must be woken when inner's loop is over.
TEST_F(UiForm, ModalLoopRunFromASentMessageWakesTheLoopOutside) {
  ProbeForm outer, inner;
  ui::TTimer endBoth(30, false);
  endBoth.OnTimer = [&](ui::TObject*) {
    endBoth.SetEnabled(false), outer.ModalResult = inner.ModalResult = ui::mrOk;
  };
  outer.OnShow = [&](ui::TObject*) {
    std::thread([w = Hwnd(inner)] { SendMessageA(w, kRunModal, 0, 0); }).detach();
  };
  inner.OnShow = [&](ui::TObject*) { endBoth.SetEnabled(true); };
  LoopGuard guard(5000, [&] { outer.ModalResult = kTimedOut; });
  EXPECT_EQ(outer.ShowModal(), ui::mrOk);
  EXPECT_FALSE(inner.Visible());
}

void Press(HWND dialog, int id) {
  SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TEST_F(UiForm, InputQueryShowsTheValueSelectedAndAnswersButtonsAndKeys) {
  // clang-format off
  const struct { void (*answer)(HWND dialog, HWND edit); bool ok; const char* value; } cases[] = {
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), Press(d, IDOK); }, true, "typed"},
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), Press(d, IDCANCEL); }, false, "old value"},
      {[](HWND, HWND e) { ui_test::PostKeys(e, {VK_RETURN}); }, true, "old value"},
      {[](HWND, HWND e) { ui_test::PostKeys(e, {VK_ESCAPE}); }, false, "old value"},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string seen, value = "old value";
    ui_test::Driver hands("#32770", "Rename", [&](HWND dialog) {
      const HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
      DWORD from = 1, to = 0;
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
      seen = ui_test::Text(FindWindowExA(dialog, nullptr, "Static", nullptr)) + "|" +
             ui_test::Text(edit) + "|" + ui_test::Text(GetDlgItem(dialog, IDOK)) + "|" +
             ui_test::Text(GetDlgItem(dialog, IDCANCEL)) + "|" + std::to_string(from) + "-" +
             std::to_string(to);
      c.answer(dialog, edit);
    });
    ui_test::LoopGuard guard(5000, [] { EndDialog(FindWindowA("#32770", "Rename"), IDCANCEL); });
    EXPECT_EQ(ui::ShowInputQuery("Rename", "New name:", value), c.ok) << c.value;
    EXPECT_TRUE(hands.Finish());
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(seen, "New name:|old value|OK|Cancel|0-9") << "the whole value is selected";
  }
}

// A timer stops itself, or is destroyed, in its handler after `fires` ticks;
// no WM_TIMER comes after that.
TEST(UiTimer, FiresThroughTheLoopUntilStoppedOrDestroyedInItsHandler) {
  for (const int fires : {3, 1}) {
    auto timer = std::make_unique<ui::TTimer>(20, true);
    int fired = 0, ticksAfter = 0;
    timer->OnTimer = [&](ui::TObject*) {
      if (++fired == fires) fires == 1 ? timer.reset() : timer->SetEnabled(false);
    };
    EXPECT_TRUE(ui_test::PumpUntil([&] { return fired == fires; }));
    // Taken from the queue unhandled: a dead timer's tick could crash.
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 200; Sleep(10))
      for (MSG m; PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE);) ++ticksAfter;
    EXPECT_EQ(fired, fires);
    EXPECT_EQ(ticksAfter, 0) << fires;
  }
}

}  // namespace
