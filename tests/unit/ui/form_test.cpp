#include "ui/form.h"

#include <climits>

#include "../../shared/list_sort_cases.h"
#include "../../shared/memo_line_model_cases.h"
#include "support/headless_test.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/page_control.h"
#include "ui/timer.h"
#include "ui/trayicon.h"

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
  const std::pair<ui::TButton*, bool> states[] = {
      {nullptr, true}, {&cancel, false}, {&cancel, true}};
  for (const auto& [button, enabled] : states) {
    form.CancelButton = button;
    cancel.SetEnabled(enabled);
    form.NotifyCancel();
  }
  EXPECT_EQ(clicks, 1) << "only by the last";
}

// The headless backend measures 6 pixels a character.
TEST_F(FormTest, ALabelledEditsLabelGrowsToHoldItsCaptionAndKeepsThatWidthAsTheFormResizes) {
  ui::TLabeledEdit edit(form, "Name", {{10, 30, 60, 21}, ui::akLeft | ui::akRight});
  // clang-format off
  const struct { std::string caption; int width; } rows[] = {
      {"Twelve chars", 72}, {"Short", 72}, {"Eleven char", 72}, {std::string(20, 'w'), 120}};
  // clang-format on
  for (const auto& r : rows) {
    edit.SetCaption(r.caption);
    EXPECT_EQ(edit.EditLabel.BoundsRect().Width, r.width) << r.caption;
  }
  form.SetBounds(0, 0, form.Width() + 30, form.Height());
  EXPECT_EQ(edit.EditLabel.BoundsRect().Width, 150) << "stretched from its grown width";
}

// A size far beyond any screen, as settings.ini may ask for: anchored controls stop at the
// ends of the int range instead of wrapping round.
TEST_F(FormTest, AnchoredControlsFollowEvenTheMostExtremeSizes) {
  ui::TForm sized{ui::TFormParams{.Caption = "", .ClientWidth = 100, .ClientHeight = 50}};
  ui::TButton stretched(sized, "s", {{10, 5, 80, 40}, ui::kAnchorsAll});
  ui::TButton moved(sized, "m", {{60, 20, 30, 20}, ui::akRight | ui::akBottom});
  // clang-format off
  const struct { int width, height; ui::TRect stretched, moved; } rows[] = {
      {100, 50,           {10, 5, 80, 40},                   {60, 20, 30, 20}},
      {101, 48,           {10, 5, 81, 38},                   {61, 18, 30, 20}},
      {INT_MAX, INT_MAX,  {10, 5, INT_MAX - 20, INT_MAX - 10}, {INT_MAX - 40, INT_MAX - 30, 30, 20}},
      {INT_MIN, INT_MIN,  {10, 5, 0, 0},                       {INT_MIN, INT_MIN, 30, 20}},
      {INT_MAX, INT_MIN,  {10, 5, INT_MAX - 20, 0},            {INT_MAX - 40, INT_MIN, 30, 20}},
  };  // a window's size is never below zero
  // clang-format on
  for (const auto& r : rows) {
    sized.SetBounds(0, 0, r.width, r.height);
    EXPECT_EQ(stretched.BoundsRect(), r.stretched) << r.width << "x" << r.height;
    EXPECT_EQ(moved.BoundsRect(), r.moved) << r.width << "x" << r.height;
  }
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
  for (const auto& c : memo_cases::Cases())
    memo_cases::RunCase(memo, c,
                        [](ui::TMemo& m, const std::string& t) { ui::headless::Type(m, t); });
  // clang-format off
  const struct { std::string text; int lastLine; std::vector<int> starts; } cases[] = {
      {"", 0, {-1, 0, -1}}, {"a\r\nb", 1, {-1, 0, 3, -1}}, {"\nb", 0, {-1, 0, -1}}, {"a\r\n\r\nb\r\n", 3, {-1, 0, 3, 5, 8, -1}},
  };
  // clang-format on
  for (const auto& c : cases) {
    memo.SetText(c.text);
    EXPECT_EQ(memo.LineFromChar(static_cast<int>(c.text.size()) + 5), c.lastLine) << c.text;
    std::vector<int> starts;  // of line -1 (none) onwards, and -1 past the last line
    for (int line = -1; starts.size() < c.starts.size(); ++line)
      starts.push_back(memo.LineIndex(line));
    EXPECT_EQ(starts, c.starts) << c.text;
  }
  memo.SetLines({"x", "y"});
  EXPECT_EQ(memo.Text(), "x\r\ny");
  EXPECT_EQ(ui::NormalizeLineBreaks("a\rb\nc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

TEST_F(FormTest, WrappingMemosFollowTheSameLineModel) {
  for (const auto bars : {ui::TScrollStyle::ssVertical, ui::TScrollStyle::ssNone}) {
    ui::TMemo memo(form, {0, 0, 100, 100}, bars);
    for (const auto& c : memo_cases::Cases())
      memo_cases::RunCase(memo, c,
                          [](ui::TMemo& m, const std::string& t) { ui::headless::Type(m, t); });
  }
}

TEST_F(FormTest, SortedListKeepsTheWindowSystemsOrderAndRemovesExactlyTheTextNamed) {
  ui::TListBox list(form, {0, 0, 100, 100}, true);
  list_cases::RunCases(list);
}

// Only ASCII letters differ in case: other ANSI bytes (here Windows-1252's capital and small
// A with umlaut) match only themselves.
TEST_F(FormTest, AListFindsTheFirstItemEqualToATextButForTheCaseOfItsLetters) {
  ui::TComboBox combo(form, {0, 0, 100, 21}, {"Alpha", "beta", "ALPHA", "\xc4rger", "x"});
  // clang-format off
  const struct { std::string text; int index; } rows[] = {
      {"alpha", 0}, {"ALPHA", 0}, {"BETA", 1}, {"\xc4RGER", 3}, {"\xe4rger", -1},
      {"alph", -1}, {"X", 4}, {"", -1},
  };
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(combo.IndexOfIgnoringCase(r.text), r.index) << r.text;
}

using TimerTest = HeadlessTest;

TEST_F(TimerTest, FiresOncePerIntervalCountedFromTheLastChangeUntilItIsStopped) {
  ui::TTimer timer(1000, false);
  int fired = 0;
  timer.OnTimer = [&](ui::TObject*) {
    if (++fired == 4) timer.SetEnabled(false);  // stopped by its own handler
  };
  // clang-format off
  const struct { std::function<void()> act; int advance, fired; } steps[] = {
      {[] {}, 5000, 0},  // made disabled
      {[&] { timer.SetEnabled(true); }, 999, 0},  {[] {}, 1, 1},  {[] {}, 900, 1},
      {[&] { timer.SetInterval(1000); }, 100, 2},  // the same interval: no restart
      {[] {}, 1500, 3},
      {[&] { timer.SetInterval(0); }, 5000, 3},   // no interval: never
      {[&] { timer.SetInterval(300); }, 299, 3},  {[] {}, 1, 4},  {[] {}, 5000, 4},
  };
  // clang-format on
  for (const auto& s : steps) {
    s.act();
    ui::headless::AdvanceTime(s.advance);
    EXPECT_EQ(fired, s.fired);
  }
  EXPECT_EQ(ui::headless::RunningTimers(), 0);
}

TEST_F(TimerTest, TrayAnimationAlternatesIconsAndStopsOnIconZero) {
  ui::TImageList icons(16, 16);
  for (int i = 0; i < 2; ++i) icons.Add({16, 16, std::vector<std::uint32_t>(256)});
  ui::TTrayIcon tray(icons, "hint", 500);
  tray.SetAnimate(true);
  std::vector<int> seen;
  for (int i = 0; i < 7; ++i) {
    if (i == 5) tray.SetAnimate(false);  // stopped while icon 1 shows
    seen.push_back(tray.IconIndex());
    ui::headless::AdvanceTime(i < 5 ? 500 : 2000);
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 0, 1, 0, 0, 0}));
}

}  // namespace
