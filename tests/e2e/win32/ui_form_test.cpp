// Forms, the application window, the input query and timers: message routing
// and the nested loops that only the win32 backend has.
#include "ui/timer.h"
#include "ui_test_support.h"

namespace {

using namespace ui_test;
constexpr ui::TModalResult kTimedOut = 99;

using UiForm = UiTest;

TEST_F(UiForm, AnAppWindowHasNoOwnerAndEveryFormItsClientSize) {
  for (const bool appWindow : {false, true}) {
    ui::TFormParams p;
    p.ClassName = Str("TProbe", appWindow), p.ClientWidth = 301, p.ClientHeight = 203;
    p.BorderStyle = appWindow ? ui::TBorderStyle::bsSingle : ui::TBorderStyle::bsSizeable;
    p.StayOnTop = p.AppWindow = appWindow;
    ProbeForm form(p);
    RECT client;
    GetClientRect(Hwnd(form), &client);
    const LONG ex = GetWindowLongA(Hwnd(form), GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(Hwnd(form), GW_OWNER), appWindow ? nullptr : Hwnd(app));
    EXPECT_EQ(Str(client.right, "x", client.bottom, " ", ex),
              Str("301x203 ", appWindow ? WS_EX_TOPMOST | WS_EX_APPWINDOW : 0));
  }
}

TEST_F(UiForm, SentMessageReachesOverriddenDispatchAndAnExceptionIsShownUnderTheTitle) {
  app.SetTitle("Velmarind probe");  // on the application window, which leaves the taskbar
  EXPECT_EQ(GetWindowLongA(Hwnd(app), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  app.HideFromTaskbar();
  EXPECT_NE(GetWindowLongA(Hwnd(app), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  ProbeForm form;
  EXPECT_EQ(SendMessageA(Hwnd(form), kAdd, 40, 2) + form.Perform(kAdd, 7, 8), 42 + 15);
  SendMessageA(Hwnd(form), WM_COMMAND, 1, 0);
  EXPECT_EQ(form.commands, 1);
  std::string shown;
  Driver hands("#32770", "Velmarind probe", [&](HWND box) {
    shown = ui::win32::WindowText(GetDlgItem(box, 0xFFFF));
    SendDlgItemMessageA(box, IDOK, BM_CLICK, 0, 0);
  });
  EXPECT_EQ(SendMessageA(Hwnd(form), kThrow, 0, 0), 0);
  EXPECT_TRUE(hands.Finish());
  EXPECT_EQ(shown, "handler failed");
  EXPECT_EQ(SendMessageA(Hwnd(form), kAdd, 1, 2), 3) << "the program goes on";
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
      {"WM_CLOSE to the application window, which closes the main form", [](ProbeForm& f) {
        ui::Application->MainForm = &f, PostMessageA(Hwnd(*ui::Application), WM_CLOSE, 0, 0); }, ui::mrCancel, 0},
  };
  // clang-format on
  ProbeForm other;
  other.Show();
  for (const auto& c : cases) {
    ProbeForm form;
    bool otherEnabledMeanwhile = false;  // stays so when OnClose never runs
    form.OnShow = [&](ui::TObject*) { c.close(form); };
    form.OnClose = [&](auto, auto&) { otherEnabledMeanwhile = IsWindowEnabled(Hwnd(other)); };
    LoopGuard guard(5000, [&] { form.ModalResult = kTimedOut; });
    EXPECT_EQ(form.ShowModal(), c.result) << c.how;
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(quit.wParam, c.quit) << c.how;
    EXPECT_FALSE(IsWindowVisible(Hwnd(form)) || otherEnabledMeanwhile) << c.how;
    EXPECT_TRUE(IsWindowEnabled(Hwnd(other))) << c.how << ": enabled again afterwards";
    app.MainForm = nullptr;
  }
}

TEST_F(UiForm, InputQueryShowsTheValueSelectedAndAnswersButtonsAndKeys) {
  // clang-format off
  const struct { void (*answer)(HWND dialog, HWND edit); bool ok; const char* value; } cases[] = {
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); }, true, "typed"},
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), SendDlgItemMessageA(d, IDCANCEL, BM_CLICK, 0, 0); }, false, "old value"},
      {[](HWND, HWND e) { PostKeys(e, {'N'}), Sleep(100), PostKeys(e, {VK_RETURN}); }, true, "n"},  // typed over the whole value
      {[](HWND, HWND e) { PostKeys(e, {VK_ESCAPE}); }, false, "old value"},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string value = "old value";
    Driver hands("#32770", "Rename", [&](HWND d) { c.answer(d, FindWindowExA(d, 0, "Edit", 0)); });
    LoopGuard guard(5000, [] { EndDialog(FindWindowA("#32770", "Rename"), IDCANCEL); });
    EXPECT_EQ(ui::ShowInputQuery("Rename", "New name:", value), c.ok) << c.value;
    EXPECT_TRUE(hands.Finish());
    EXPECT_EQ(value, c.value);
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
    EXPECT_TRUE(PumpUntil([&] { return fired == fires; }));
    // Taken from the queue unhandled: a dead timer's tick could crash.
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 200; Sleep(10))
      for (MSG m; PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE);) ++ticksAfter;
    EXPECT_EQ(std::pair(fired, ticksAfter), std::pair(fires, 0)) << fires;
  }
}

}  // namespace
