#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/win32/win32_peers.h"
#include "ui_test_support.h"

namespace {

using ui_test::Hwnd;
using ui_test::PumpLikeTheProgram;
using ui_test::UiTest;

// A form laid out like the memo window: a memo over a row of controls.
class UiControl : public UiTest {
 protected:
  ui::TForm form{ui::TFormParams{
      .ClassName = "TControlProbe", .Caption = "Probe", .ClientWidth = 300, .ClientHeight = 200}};
  ui::TMemo memo{form, {{0, 0, 300, 150}, ui::kAnchorsAll, 0}};
  ui::TButton close{form, "&Close", {{240, 160, 60, 25}, ui::akRight | ui::akBottom, 2}};
  ui::TEdit search{form, {{100, 160, 60, 21}, ui::akLeft | ui::akBottom, 1}, 5};
  ui::TStatusBar status{form, {{0, 185, 300, 15}, ui::akLeft | ui::akRight | ui::akBottom}};
};

TEST_F(UiControl, ButtonClickByAnotherProgramRunsOnClick) {
  int clicks = 0;
  close.OnClick = [&](ui::TObject* sender) {
    EXPECT_EQ(sender, &close);
    ++clicks;
  };
  SendMessageA(Hwnd(close), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  char caption[16] = "";
  GetWindowTextA(Hwnd(close), caption, sizeof caption);
  EXPECT_STREQ(caption, "&Close");
}

TEST_F(UiControl, TextChangesAreReportedOnceWhateverMadeThem) {
  int changes = 0;
  memo.OnChange = [&](ui::TObject*) { ++changes; };
  memo.SetText("abc");
  EXPECT_EQ(changes, 1);
  memo.SetText("abc");
  EXPECT_EQ(changes, 1) << "the same text again is no change";
  memo.SetSel(3, 0);
  memo.SetSelText("d");
  EXPECT_EQ(changes, 2);
  SendMessageA(Hwnd(memo), WM_CHAR, 'e', 0);  // typed
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(memo.Text(), "abcde");
}

TEST_F(UiControl, KeyEventsSeeKeysFirstAndMaySwallowThem) {
  std::vector<unsigned short> downs;
  memo.OnKeyDown = [&](ui::TObject*, unsigned short& key, ui::TShiftState) {
    downs.push_back(key);
  };
  memo.OnKeyPress = [](ui::TObject*, char& key) {
    if (key == 'x') key = 0;
  };
  SendMessageA(Hwnd(memo), WM_KEYDOWN, VK_F5, 0);
  SendMessageA(Hwnd(memo), WM_CHAR, 'x', 0);
  SendMessageA(Hwnd(memo), WM_CHAR, 'y', 0);
  EXPECT_EQ(downs, std::vector<unsigned short>{VK_F5});
  EXPECT_EQ(memo.Text(), "y");
}

TEST_F(UiControl, EditTypingLimitAndEvents) {
  std::string pressed;
  int doubleClicks = 0;
  search.OnKeyPress = [&](ui::TObject*, char& key) { pressed += key; };
  search.OnDblClick = [&](ui::TObject*) { ++doubleClicks; };
  for (char c : std::string("abcdefg")) SendMessageA(Hwnd(search), WM_CHAR, c, 0);
  EXPECT_EQ(search.Text(), "abcde") << "typing stops at the limit";
  EXPECT_EQ(pressed, "abcdefg");
  search.SetText("longer than five");
  EXPECT_EQ(search.Text(), "longer than five") << "the limit is for typing only";
  SendMessageA(Hwnd(search), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(UiControl, TabIsTypedIntoTheMemoAndMovesOnFromOtherControls) {
  form.Show();
  SetFocus(Hwnd(memo));
  // TranslateMessage makes the WM_CHAR of the Tab key, as for real keys.
  for (WPARAM key : {VK_TAB, VK_RETURN}) {
    PostMessageA(Hwnd(memo), WM_KEYDOWN, key, 0x000F0001);
    PostMessageA(Hwnd(memo), WM_KEYUP, key, 0xC00F0001);
  }
  PumpLikeTheProgram(100);
  EXPECT_EQ(memo.Text(), "\t\r\n");
  EXPECT_EQ(GetFocus(), Hwnd(memo));
  // The Tab order: memo, search box, Close.
  EXPECT_EQ(GetNextDlgTabItem(reinterpret_cast<HWND>(form.Handle()), Hwnd(memo), FALSE),
            Hwnd(search));
  EXPECT_EQ(GetNextDlgTabItem(reinterpret_cast<HWND>(form.Handle()), Hwnd(search), FALSE),
            Hwnd(close));
}

TEST_F(UiControl, AltAndTheMarkedLetterPressesTheButton) {
  int clicks = 0;
  close.OnClick = [&](ui::TObject*) { ++clicks; };
  form.Show();
  SetFocus(Hwnd(search));
  // TranslateMessage makes the WM_SYSCHAR of Alt+C, as for real keys.
  PostMessageA(Hwnd(search), WM_SYSKEYDOWN, 'C', 0x202E0001);
  PostMessageA(Hwnd(search), WM_SYSKEYUP, 'C', 0xE02E0001);
  PumpLikeTheProgram(150);
  EXPECT_EQ(clicks, 1);
}

TEST_F(UiControl, AnchoredControlsFollowTheFormsSize) {
  RECT client{};
  GetClientRect(reinterpret_cast<HWND>(form.Handle()), &client);
  ASSERT_EQ(client.right, 300);
  const ui::TRect bounds = form.BoundsRect();
  form.SetBounds(bounds.Left, bounds.Top, bounds.Width + 40, bounds.Height + 30);
  EXPECT_EQ(memo.BoundsRect(), (ui::TRect{0, 0, 340, 180}));
  EXPECT_EQ(close.BoundsRect(), (ui::TRect{280, 190, 60, 25}));
  EXPECT_EQ(search.BoundsRect(), (ui::TRect{100, 190, 60, 21}));
  EXPECT_EQ(status.BoundsRect(), (ui::TRect{0, 215, 340, 15}));
}

TEST_F(UiControl, StatusBarShowsItsTextAndReportsTheMouse) {
  status.SetSimpleText("2/3");
  EXPECT_EQ(status.SimpleText(), "2/3");
  std::vector<std::string> seen;
  status.OnMouseDown = [&](ui::TObject*, ui::TMouseButton b, ui::TShiftState, int x, int y) {
    seen.push_back("down " + std::to_string(b == ui::TMouseButton::mbLeft) + " " +
                   std::to_string(x) + "," + std::to_string(y));
  };
  status.OnMouseMove = [&](ui::TObject*, ui::TShiftState, int x, int y) {
    seen.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  };
  status.OnMouseUp = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
    seen.push_back("up");
  };
  SendMessageA(Hwnd(status), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  SendMessageA(Hwnd(status), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 7));
  SendMessageA(Hwnd(status), WM_LBUTTONUP, 0, MAKELPARAM(9, 7));
  EXPECT_EQ(seen, (std::vector<std::string>{"down 1 5,6", "move 9,7", "up"}));
}

TEST_F(UiControl, FormReportsMouseOnItsFreeArea) {
  std::vector<int> xs;
  form.OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int x, int) {
    xs.push_back(x);
  };
  form.OnMouseMove = [&](ui::TObject*, ui::TShiftState, int x, int) { xs.push_back(x); };
  const HWND window = reinterpret_cast<HWND>(form.Handle());
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 160));
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 161));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(25, 161));
  EXPECT_EQ(xs, (std::vector<int>{20, 25}));
}

TEST_F(UiControl, FocusGoesOnlyToShownAndEnabledControls) {
  form.Show();
  search.SetFocus();
  ASSERT_EQ(GetFocus(), Hwnd(search));
  close.SetEnabled(false);
  close.SetFocus();
  memo.SetVisible(false);
  memo.SetFocus();
  EXPECT_EQ(GetFocus(), Hwnd(search));
}

TEST_F(UiControl, EscapePressesTheCancelButton) {
  int clicks = 0;
  close.OnClick = [&](ui::TObject*) { ++clicks; };
  form.Show();
  search.SetFocus();
  PostMessageA(Hwnd(search), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PumpLikeTheProgram(100);
  EXPECT_EQ(clicks, 0) << "no cancel button yet";
  form.CancelButton = &close;
  PostMessageA(Hwnd(search), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PumpLikeTheProgram(100);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
