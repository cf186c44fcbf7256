#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "../../shared/memo_line_model_cases.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui_test_support.h"

namespace {

using ui_test::UiTest;

class UiMemo : public UiTest {
 protected:
  ui::TForm form{ui::TFormParams{}};
  ui::TMemo memo{form, ui::TControlPlace{ui::TRect{8, 10, 200, 100}}};
  HWND Edit() const { return reinterpret_cast<HWND>(memo.Handle()); }
};

std::string ManyLines(std::size_t size) {
  std::string text;
  for (int line = 0; text.size() < size; ++line) text += "line " + std::to_string(line) + "\r\n";
  return text;
}

TEST_F(UiMemo, IsAChildOfItsFormWithTheFormsFontAndBounds) {
  EXPECT_EQ(GetParent(Edit()), reinterpret_cast<HWND>(form.Handle()));
  EXPECT_EQ(SendMessageA(Edit(), WM_GETFONT, 0, 0),
            SendMessageA(reinterpret_cast<HWND>(form.Handle()), WM_GETFONT, 0, 0));
  RECT r;
  GetWindowRect(Edit(), &r);
  MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(form.Handle()), reinterpret_cast<POINT*>(&r),
                  2);
  EXPECT_EQ((ui::TRect{r.left, r.top, r.right - r.left, r.bottom - r.top}),
            (ui::TRect{8, 10, 200, 100}));
}

TEST_F(UiMemo, HoldsTextLargerThan64KilobytesWhole) {
  const std::string text = ManyLines(100000);
  memo.SetText(text);
  EXPECT_EQ(memo.Text(), text);
  EXPECT_EQ(memo.LineCount(), std::count(text.begin(), text.end(), '\n'));
}

TEST_F(UiMemo, TypingGoesOnPast30000Characters) {
  memo.SetText(std::string(40000, 'a'));
  memo.SetSel(40000, 0);
  for (char c : {'x', 'y', 'z'}) PostMessageA(Edit(), WM_CHAR, c, 1);
  ui_test::Pump(100);
  const std::string text = memo.Text();
  EXPECT_EQ(text.size(), 40003u);
  EXPECT_EQ(text.substr(text.size() - 3), "xyz");
}

TEST_F(UiMemo, SelectionIsReadBackAsTheControlKeepsIt) {
  const struct {
    int start, length;
    int selStart, selLength;
  } cases[] = {
      {2, 3, 2, 3},    // inside the text
      {5, 0, 5, 0},    // a caret
      {8, 100, 8, 4},  // cut at the end of "hello\r\nworld"
      {12, 0, 12, 0},  // the caret at the end
  };
  memo.SetText("hello\r\nworld");
  for (const auto& c : cases) {
    memo.SetSel(c.start, c.length);
    EXPECT_EQ(memo.SelStart(), c.selStart) << c.start << "+" << c.length;
    EXPECT_EQ(memo.SelLength(), c.selLength) << c.start << "+" << c.length;
  }
  memo.SetText("abc");
  EXPECT_EQ(memo.SelStart(), 0) << "new text puts the caret at the start";
  EXPECT_EQ(memo.SelLength(), 0);
}

TEST_F(UiMemo, ScrollCaretBringsTheCaretLineIntoView) {
  form.Show();
  memo.SetText(ManyLines(5000));
  memo.SetSel(memo.LineIndex(300), 0);
  memo.ScrollCaret();
  const auto firstVisible = SendMessageA(Edit(), EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(firstVisible, 250);
  EXPECT_LE(firstVisible, 300);
}

}  // namespace

namespace {

TEST_F(UiMemo, EditControlFollowsTheSharedLineModelCases) {
  for (const auto& c : memo_cases::Cases()) memo_cases::RunCase(memo, c);
}

}  // namespace

namespace {

TEST_F(UiMemo, ReadOnlyMemoTakesNoTyping) {
  memo.SetText("fixed");
  memo.SetReadOnly(true);
  SendMessageA(Edit(), WM_CHAR, 'x', 0);
  EXPECT_EQ(memo.Text(), "fixed");
  memo.SetReadOnly(false);
  SendMessageA(Edit(), WM_CHAR, 'x', 0);
  EXPECT_EQ(memo.Text(), "xfixed");
}

}  // namespace
