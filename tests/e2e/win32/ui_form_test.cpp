#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <thread>

#include "ui/form.h"
#include "ui/timer.h"
#include "ui_test_support.h"

namespace {

using ui_test::UiTest;

constexpr UINT kAdd = WM_APP + 5;       // the probe form answers wParam + lParam
constexpr UINT kAccept = WM_APP + 6;    // the probe form sets ModalResult to mrOk
constexpr UINT kRunModal = WM_APP + 7;  // the probe form shows itself modally
constexpr UINT kThrow = WM_APP + 8;     // the probe form's handler throws
constexpr ui::TModalResult kTimedOut = 99;

// A form that answers two messages itself and counts the WM_COMMANDs it gets.
class ProbeForm : public ui::TForm {
 public:
  explicit ProbeForm(const ui::TFormParams& params = {}) : TForm(params) {}
  void Dispatch(ui::TMessage& message) override {
    if (message.Msg == kAdd) {
      message.Result = message.WParam + message.LParam;
      return;
    }
    if (message.Msg == kAccept) ModalResult = ui::mrOk;
    if (message.Msg == kRunModal) ShowModal();
    if (message.Msg == kThrow) throw std::runtime_error("handler failed");
    if (message.Msg == WM_COMMAND) ++commands;
    TForm::Dispatch(message);
  }
  HWND Window() const { return reinterpret_cast<HWND>(Handle()); }
  int commands = 0;
};

class UiForm : public UiTest {};

TEST_F(UiForm, MainFormIsFoundByClassWithEmptyTitle) {
  ui::TFormParams params;
  params.ClassName = "TVelmarind";
  ProbeForm form(params);
  EXPECT_EQ(FindWindowA("TVelmarind", nullptr), form.Window());
  EXPECT_EQ(GetWindowTextLengthA(form.Window()), 0);
  EXPECT_FALSE(IsWindowVisible(form.Window())) << "forms are created hidden";
  EXPECT_EQ(GetWindow(form.Window(), GW_OWNER), reinterpret_cast<HWND>(app.Handle()));
}

TEST_F(UiForm, ParametersGiveStylesOwnerAndClientSize) {
  const struct Case {
    const char* name;
    std::function<void(ui::TFormParams&)> set;
    LONG styleOn, styleOff, exStyleOn, exStyleOff;
    bool owned;
    bool saveBits;
  } cases[] = {
      {"sizeable", [](ui::TFormParams&) {},
       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU, WS_VISIBLE, 0,
       WS_EX_TOPMOST | WS_EX_APPWINDOW, true, false},
      {"single with close box only",
       [](ui::TFormParams& p) {
         p.BorderStyle = ui::TBorderStyle::bsSingle;
         p.MinimizeBox = p.MaximizeBox = false;
       },
       WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, true, false},
      {"stay on top", [](ui::TFormParams& p) { p.StayOnTop = true; }, 0, 0, WS_EX_TOPMOST,
       WS_EX_APPWINDOW, true, false},
      {"app window", [](ui::TFormParams& p) { p.AppWindow = true; }, 0, 0, WS_EX_APPWINDOW,
       WS_EX_TOPMOST, false, false},
      {"save bits", [](ui::TFormParams& p) { p.SaveBits = true; }, 0, 0, 0, 0, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::TFormParams params;
    params.ClassName = std::string("TStyleProbe_") + c.name;  // class styles are per class
    params.ClientWidth = 301;
    params.ClientHeight = 203;
    c.set(params);
    ProbeForm form(params);
    const LONG style = GetWindowLongA(form.Window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongA(form.Window(), GWL_EXSTYLE);
    EXPECT_EQ(style & (c.styleOn | c.styleOff), c.styleOn);
    EXPECT_EQ(exStyle & (c.exStyleOn | c.exStyleOff), c.exStyleOn);
    const HWND expectedOwner = c.owned ? reinterpret_cast<HWND>(app.Handle()) : nullptr;
    EXPECT_EQ(GetWindow(form.Window(), GW_OWNER), expectedOwner);
    EXPECT_EQ((GetClassLongA(form.Window(), GCL_STYLE) & CS_SAVEBITS) != 0, c.saveBits);
    RECT client;
    GetClientRect(form.Window(), &client);
    EXPECT_EQ(client.right, 301);
    EXPECT_EQ(client.bottom, 203);
  }
}

TEST_F(UiForm, SentMessageReachesOverriddenDispatchAndItsResultComesBack) {
  ProbeForm form;
  EXPECT_EQ(SendMessageA(form.Window(), kAdd, 40, 2), 42);
  EXPECT_EQ(form.Perform(kAdd, 7, 8), 15);
  SendMessageA(form.Window(), WM_COMMAND, 1, 0);
  EXPECT_EQ(form.commands, 1);
}

TEST_F(UiForm, ExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  app.SetTitle("Velmarind probe");
  ProbeForm form;
  std::string shown;
  ui_test::Driver hands([] { return ui_test::FindVisibleWindow("#32770", "Velmarind probe"); },
                        [&](HWND box) {
                          char text[128] = "";
                          GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                          shown = text;
                          SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                        });
  EXPECT_EQ(SendMessageA(form.Window(), kThrow, 0, 0), 0);
  ASSERT_TRUE(hands.Finish());
  EXPECT_EQ(shown, "handler failed");
  EXPECT_EQ(SendMessageA(form.Window(), kAdd, 1, 2), 3) << "the form still answers";
}

TEST_F(UiForm, ControlFontIsMadeFromTheParameters) {
  const struct {
    const char* face;
    int height;
  } fonts[] = {{"Tahoma", -11}, {"Courier New", -16}};
  for (const auto& f : fonts) {
    ui::TFormParams params;
    params.FontName = f.face;
    params.FontHeight = f.height;
    ProbeForm form(params);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(form.Window(), WM_GETFONT, 0, 0));
    LOGFONTA logFont{};
    ASSERT_TRUE(GetObjectA(font, sizeof logFont, &logFont)) << f.face;
    EXPECT_STREQ(logFont.lfFaceName, f.face);
    EXPECT_EQ(logFont.lfHeight, f.height);
  }
}

TEST_F(UiForm, CloseMessageLetsTheFormDecide) {
  const struct {
    ui::TCloseAction action;
    bool staysVisible;
  } cases[] = {{ui::TCloseAction::caHide, false},
               {ui::TCloseAction::caNone, true},
               {ui::TCloseAction::caFree, false}};
  for (const auto& c : cases) {
    ProbeForm form;
    form.OnClose = [&](ui::TObject*, ui::TCloseAction& action) { action = c.action; };
    form.Show();
    SendMessageA(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(form.Window())) << "the window is never destroyed by WM_CLOSE";
    EXPECT_EQ(IsWindowVisible(form.Window()) != 0, c.staysVisible) << static_cast<int>(c.action);
  }
}

TEST_F(UiForm, ClosingTheMainFormEndsTheMessageLoop) {
  ProbeForm form;
  app.MainForm = &form;
  SendMessageA(form.Window(), WM_CLOSE, 0, 0);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_TRUE(app.Terminated());
  EXPECT_TRUE(IsWindow(form.Window()));
}

TEST_F(UiForm, ShowModalRunsUntilTheFormIsClosed) {
  const struct Case {
    const char* how;
    std::function<void(ProbeForm&)> close;
    ui::TModalResult result;
  } cases[] = {
      {"WM_CLOSE posted", [](ProbeForm& f) { PostMessageA(f.Window(), WM_CLOSE, 0, 0); },
       ui::mrCancel},
      {"result set by a posted message", [](ProbeForm& f) { f.PostMessage(kAccept, 0, 0); },
       ui::mrOk},
      // A sent message is handled inside GetMessage, which then waits for a
      // posted one: the loop must be woken.
      {"WM_CLOSE sent by another thread",
       [](ProbeForm& f) {
         std::thread([w = f.Window()] { SendMessageA(w, WM_CLOSE, 0, 0); }).detach();
       },
       ui::mrCancel},
  };
  ProbeForm other;
  other.Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ProbeForm form;
    bool otherEnabledMeanwhile = true;
    form.OnShow = [&](ui::TObject*) { c.close(form); };
    form.OnClose = [&](ui::TObject*, ui::TCloseAction&) {
      otherEnabledMeanwhile = IsWindowEnabled(other.Window());
    };
    ui_test::LoopGuard guard(5000, [&] { form.ModalResult = kTimedOut; });
    EXPECT_EQ(form.ShowModal(), c.result);
    EXPECT_FALSE(IsWindowVisible(form.Window()));
    if (c.result == ui::mrCancel) {
      EXPECT_FALSE(otherEnabledMeanwhile) << "other windows are disabled meanwhile";
    }
    EXPECT_TRUE(IsWindowEnabled(other.Window())) << "enabled again after the modal loop";
  }
}

// Another program sends `inner` a message that shows it modally while `outer`
// is modal; a timer then ends both. The sent message ran inside outer's
// GetMessage, which must be woken when inner's loop is over.
TEST_F(UiForm, ModalLoopRunFromASentMessageWakesTheLoopOutside) {
  ProbeForm outer, inner;
  ui::TTimer endBoth(30, false);
  endBoth.OnTimer = [&](ui::TObject*) {
    endBoth.SetEnabled(false);
    outer.ModalResult = inner.ModalResult = ui::mrOk;
  };
  outer.OnShow = [&](ui::TObject*) {
    std::thread([w = inner.Window()] { SendMessageA(w, kRunModal, 0, 0); }).detach();
  };
  inner.OnShow = [&](ui::TObject*) { endBoth.SetEnabled(true); };
  ui_test::LoopGuard guard(5000, [&] { outer.ModalResult = kTimedOut; });
  EXPECT_EQ(outer.ShowModal(), ui::mrOk);
  EXPECT_FALSE(inner.Visible());
}

TEST_F(UiForm, QuitMessageEndsTheModalLoopAndStaysQueued) {
  ProbeForm form;
  form.OnShow = [](ui::TObject*) { PostQuitMessage(3); };
  ui_test::LoopGuard guard(5000, [&] { form.ModalResult = kTimedOut; });
  EXPECT_EQ(form.ShowModal(), ui::mrCancel);
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
}

TEST_F(UiForm, MinimumSizeIsReportedToTheWindowSystem) {
  ui::TFormParams params;
  params.MinWidth = 420;
  params.MinHeight = 310;
  ProbeForm form(params);
  MINMAXINFO info{};
  SendMessageA(form.Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 420);
  EXPECT_EQ(info.ptMinTrackSize.y, 310);
}

TEST_F(UiForm, BoundsAreTheWindowRectangleOnTheScreen) {
  ProbeForm form;
  form.SetBounds(100, 120, 333, 222);
  RECT r;
  GetWindowRect(form.Window(), &r);
  EXPECT_EQ((ui::TRect{r.left, r.top, r.right - r.left, r.bottom - r.top}),
            (ui::TRect{100, 120, 333, 222}));
  EXPECT_EQ(form.BoundsRect(), (ui::TRect{100, 120, 333, 222}));
}

TEST_F(UiForm, AlphaBlendMakesTheWindowLayered) {
  ProbeForm form;
  for (int alpha : {200, 35}) {
    form.SetAlphaBlend(true, alpha);
    BYTE got = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form.Window(), nullptr, &got, &flags));
    EXPECT_EQ(got, alpha);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  }
  form.SetAlphaBlend(false, 255);
  EXPECT_EQ(GetWindowLongA(form.Window(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

}  // namespace
