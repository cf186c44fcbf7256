#include "ui/form.h"

#include "../../shared/memo_line_model_cases.h"
#include "support/headless_test.h"
#include "ui/page_control.h"

namespace {

class FormTest : public HeadlessTest {
 protected:
  ui::TForm form{ui::TFormParams{}};
};

TEST_F(FormTest, ShowModalReturnsOnceTheScriptClosesTheForm) {
  int closes = 0;
  form.OnClose = [&](ui::TObject*, ui::TCloseAction& a) {
    a = ++closes == 1 ? ui::TCloseAction::caNone : ui::TCloseAction::caHide;
  };
  ui::headless::Expect([&](ui::headless::Dialog& d) {
    EXPECT_TRUE(d.form == &form && form.Visible() && form.Modal());
    form.Close();  // refused by the close event
    EXPECT_EQ(form.ModalResult, ui::mrNone);
    form.Close();
    return 0;
  });
  EXPECT_EQ(form.ShowModal(), ui::mrCancel);
  EXPECT_FALSE(form.Visible() || form.Modal());
}

TEST_F(FormTest, EscapePressesOnlyAnEnabledCancelButton) {
  ui::TButton cancel(form, "Cancel", {{0, 0, 75, 25}});
  int clicks = 0;
  cancel.OnClick = [&](ui::TObject*) { ++clicks; };
  form.NotifyCancel();  // without a Cancel button nothing happens
  form.CancelButton = &cancel;
  cancel.SetEnabled(false);
  form.NotifyCancel();
  EXPECT_EQ(clicks, 0);
  cancel.SetEnabled(true);
  form.NotifyCancel();
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormTest, PageControlShowsOnlyTheActivePagesControlsAndOnlyTheUserRunsOnChange) {
  ui::TPageControl pages(form, {{0, 0, 300, 200}});
  ui::TTabSheet first(pages, "First"), second(pages, "Second");
  ui::TEdit onFirst(form, {{10, 30, 50, 21}, ui::akLeft | ui::akTop, 0, &first});
  ui::TEdit onSecond(form, {{10, 30, 50, 21}, ui::akLeft | ui::akTop, 1, &second});
  int changes = 0;
  pages.OnChange = [&](ui::TObject*) { ++changes; };
  onSecond.SetFocus();
  EXPECT_NE(ui::headless::FocusedHandle(), onSecond.Handle()) << "a hidden page takes no focus";
  std::string shown;  // the edits shown after each step
  const std::function<void()> steps[] = {
      [] {}, [&] { pages.SetActivePageIndex(1); },
      [&] { pages.Peer().SetItemIndex(0), pages.NotifyChange(); },  // the user picks the tab
      [&] { pages.SetActivePageIndex(7); },                         // no such page
  };
  for (const auto& step : steps) {
    step();
    shown += std::string(onFirst.Visible() ? "1" : "") + (onSecond.Visible() ? "2" : "") + " ";
  }
  EXPECT_EQ(shown + std::to_string(changes), "1 2 1 1 1");
}

TEST_F(FormTest, MemoCountsLinesAndFindsWhereEachStarts) {
  ui::TMemo memo(form, {0, 0, 100, 100});
  for (const auto& c : memo_cases::Cases()) memo_cases::RunCase(memo, c);
  // clang-format off
  const struct { std::string text; int lastLine; std::vector<int> starts; } cases[] = {
      {"", 0, {0, -1}}, {"a\r\nb", 1, {0, 3, -1}}, {"\nb", 1, {0, 1, -1}}, {"a\r\n\r\nb\r\n", 3, {0, 3, 5, 8, -1}},
  };
  // clang-format on
  for (const auto& c : cases) {
    memo.SetText(c.text);
    EXPECT_EQ(memo.LineFromChar(static_cast<int>(c.text.size()) + 5), c.lastLine) << c.text;
    std::vector<int> starts;  // of line 0 onwards, and -1 past the last line
    for (std::size_t line = 0; line < c.starts.size(); ++line)
      starts.push_back(memo.LineIndex(static_cast<int>(line)));
    EXPECT_EQ(starts, c.starts) << c.text;
  }
  EXPECT_EQ(memo.LineIndex(-1), -1);
  memo.SetLines({"x", "y"});
  EXPECT_EQ(memo.Text(), "x\r\ny");
  EXPECT_EQ(ui::NormalizeLineBreaks("a\rb\nc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

}  // namespace
