// Check boxes, group boxes, track bars, page controls and digits-only edits
// on the win32 backend, driven as the user and other programs drive them.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "ui/checkbox.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/trackbar.h"
#include "ui_test_support.h"

namespace {

using ui_test::UiTest;

HWND Hwnd(const ui::TControl& control) {
  return reinterpret_cast<HWND>(control.Handle());
}

class UiSettingsControls : public UiTest {
 protected:
  HWND Form() { return reinterpret_cast<HWND>(form.Handle()); }
  ui::TForm form{ui::TFormParams{.ClassName = "TControlsProbe",
                                 .Caption = "Controls",
                                 .ClientWidth = 300,
                                 .ClientHeight = 240}};
  ui::TPageControl pages{form, {{0, 0, 300, 240}}};
  ui::TTabSheet first{pages, "First"};
  ui::TTabSheet second{pages, "Second"};
  ui::TGroupBox group{form, "Group", {{8, 30, 280, 100}, ui::akLeft | ui::akTop, -1, &first}};
  ui::TCheckBox box{form, "Tick", {{16, 50, 100, 17}, ui::akLeft | ui::akTop, 0, &first}};
  ui::TTrackBar bar{form, {{16, 140, 200, 30}, ui::akLeft | ui::akTop, 1, &first}, 0, 16};
  ui::TEdit digits{form, {{16, 50, 80, 21}, ui::akLeft | ui::akTop, 2, &second}, 4};
};

TEST_F(UiSettingsControls, CheckBoxClickedByAnotherProgramAndSetFromCode) {
  int clicks = 0;
  box.OnClick = [&](ui::TObject*) { ++clicks; };
  SendMessageA(Hwnd(box), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks, 1);
  const struct {
    bool set;
    int clicks;
  } steps[] = {{true, 1}, {false, 2}, {false, 2}, {true, 3}};
  for (const auto& step : steps) {
    box.SetChecked(step.set);
    EXPECT_EQ(SendMessageA(Hwnd(box), BM_GETCHECK, 0, 0), step.set ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(clicks, step.clicks) << "the native box must not report the change a second time";
  }
}

TEST_F(UiSettingsControls, TrackBarReportsTheUsersMovesOnce) {
  std::vector<int> seen;
  bar.OnChange = [&](ui::TObject*) { seen.push_back(bar.Position()); };
  bar.SetPosition(12);
  bar.SetPosition(30);  // beyond the range
  EXPECT_EQ(SendMessageA(Hwnd(bar), TBM_GETPOS, 0, 0), 16);
  // The user's drag: the slider moves, then the parent hears of it several times.
  SendMessageA(Hwnd(bar), TBM_SETPOS, TRUE, 3);
  for (WPARAM code : {TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK})
    SendMessageA(Form(), WM_HSCROLL, code, reinterpret_cast<LPARAM>(Hwnd(bar)));
  // Keys on the slider itself.
  SendMessageA(Hwnd(bar), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(seen, (std::vector<int>{12, 16, 3, 4}));
}

TEST_F(UiSettingsControls, PageControlShowsOnePageAndLiesBehindItsControls) {
  form.Show();
  EXPECT_EQ(SendMessageA(Hwnd(pages), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(second.Caption(), "Second");
  const struct {
    int page;
    bool byUser;
  } steps[] = {{0, false}, {1, false}, {0, true}, {1, true}};
  int changes = 0;
  pages.OnChange = [&](ui::TObject*) { ++changes; };
  for (const auto& step : steps) {
    if (step.byUser) {
      // The user clicks a tab: the tab control tells the form by WM_NOTIFY.
      RECT tab{};
      SendMessageA(Hwnd(pages), TCM_GETITEMRECT, step.page, reinterpret_cast<LPARAM>(&tab));
      const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
      SendMessageA(Hwnd(pages), WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageA(Hwnd(pages), WM_LBUTTONUP, 0, at);
    } else {
      pages.SetActivePageIndex(step.page);
    }
    EXPECT_EQ(SendMessageA(Hwnd(pages), TCM_GETCURSEL, 0, 0), step.page);
    EXPECT_EQ(IsWindowVisible(Hwnd(box)) != 0, step.page == 0) << step.page;
    EXPECT_EQ(IsWindowVisible(Hwnd(group)) != 0, step.page == 0) << step.page;
    EXPECT_EQ(IsWindowVisible(Hwnd(digits)) != 0, step.page == 1) << step.page;
  }
  EXPECT_EQ(changes, 2);
  // Behind everything: the tab control last, the group box just above it.
  HWND last = GetWindow(Hwnd(pages), GW_HWNDLAST);
  EXPECT_EQ(last, Hwnd(pages));
  EXPECT_EQ(GetWindow(last, GW_HWNDPREV), Hwnd(group));
  EXPECT_TRUE(GetWindowLongA(Hwnd(group), GWL_STYLE) & WS_CLIPSIBLINGS);
}

TEST_F(UiSettingsControls, DigitsOnlyEditRefusesTypedLetters) {
  const struct {
    bool digitsOnly;
    const char* typed;
    const char* text;
  } cases[] = {{true, "1a2-3", "123"}, {false, "1a2", "1a2"}, {true, "98765", "9876"}};
  for (const auto& c : cases) {
    digits.SetText("");
    digits.SetNumbersOnly(c.digitsOnly);
    EXPECT_EQ((GetWindowLongA(Hwnd(digits), GWL_STYLE) & ES_NUMBER) != 0, c.digitsOnly);
    for (const char* key = c.typed; *key; ++key)
      SendMessageA(Hwnd(digits), WM_CHAR, static_cast<unsigned char>(*key), 1);
    EXPECT_EQ(digits.Text(), c.text) << c.typed;
  }
}

}  // namespace
