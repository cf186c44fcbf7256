#include <gtest/gtest.h>
#include <windows.h>

#include "ui/application.h"
#include "ui/timer.h"
#include "ui_test_support.h"

namespace {

using ui_test::UiTest;

struct PlainForm : ui::TForm {
  PlainForm() : TForm(ui::TFormParams{}) {}
};

class UiApplication : public UiTest {
 protected:
  HWND Window() const { return reinterpret_cast<HWND>(app.Handle()); }
};

TEST_F(UiApplication, HiddenWindowCarriesTheTitleAndCanLeaveTheTaskbar) {
  app.SetTitle("Velmarind test");
  char title[64] = {};
  GetWindowTextA(Window(), title, sizeof title);
  EXPECT_STREQ(title, "Velmarind test");
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_EQ(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  app.HideFromTaskbar();
  EXPECT_NE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

TEST_F(UiApplication, RunShowsTheMainFormAndReturnsAfterTerminate) {
  PlainForm* main = nullptr;
  app.CreateForm(main);
  bool visibleWhileRunning = false;
  ui::TTimer stop(50);
  stop.OnTimer = [&](ui::TObject*) {
    visibleWhileRunning = main->Visible();
    app.Terminate();
  };
  ui_test::LoopGuard guard(5000, [&] { app.Terminate(); });
  app.Run();
  EXPECT_TRUE(visibleWhileRunning);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(UiApplication, ClosingItsWindowClosesTheMainForm) {
  PlainForm* main = nullptr;
  app.CreateForm(main);
  bool closed = false;
  main->OnClose = [&](ui::TObject*, ui::TCloseAction&) { closed = true; };
  SendMessageA(Window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(app.Terminated());
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_TRUE(IsWindow(Window()));
}

}  // namespace
