// Check boxes, track bars, page controls and digits-only edits on the
// headless backend.
#include "support/headless_test.h"
#include "ui/checkbox.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/trackbar.h"

namespace {

class ControlsTest : public HeadlessTest {
 protected:
  ui::TForm form{ui::TFormParams{
      .ClassName = "TProbe", .Caption = "Probe", .ClientWidth = 300, .ClientHeight = 200}};
};

TEST_F(ControlsTest, CheckBoxRunsOnClickOnlyWhenCodeChangesItsState) {
  ui::TCheckBox box(form, "Tick me", {{0, 0, 100, 17}});
  std::vector<bool> seen;  // the state each click found
  box.OnClick = [&](ui::TObject*) { seen.push_back(box.Checked()); };
  struct Step {
    bool set;
    std::vector<bool> seen;
  };
  const Step steps[] = {{false, {}},  // already unticked: nothing runs
                        {true, {true}},
                        {true, {true}},
                        {false, {true, false}}};
  for (const Step& step : steps) {
    box.SetChecked(step.set);
    EXPECT_EQ(box.Checked(), step.set);
    EXPECT_EQ(seen, step.seen);
  }
  EXPECT_EQ(box.Caption(), "Tick me");
}

TEST_F(ControlsTest, TrackBarKeepsItsRangeAndReportsOnlyMoves) {
  ui::TTrackBar bar(form, {{0, 0, 100, 30}}, 0, 16);
  std::vector<int> seen;
  bar.OnChange = [&](ui::TObject*) { seen.push_back(bar.Position()); };
  const std::pair<int, int> moves[] = {{12, 12}, {12, 12}, {20, 16}, {-3, 0}, {0, 0}};
  for (const auto& [to, position] : moves) {
    bar.SetPosition(to);
    EXPECT_EQ(bar.Position(), position) << to;
  }
  EXPECT_EQ(seen, (std::vector<int>{12, 16, 0}));
}

TEST_F(ControlsTest, PageControlShowsOnlyTheActivePagesControls) {
  ui::TPageControl pages(form, {{0, 0, 300, 200}});
  ui::TTabSheet first(pages, "First");
  ui::TTabSheet second(pages, "Second");
  ui::TButton onFirst(form, "A", {{10, 30, 50, 23}, ui::akLeft | ui::akTop, 0, &first});
  ui::TButton onSecond(form, "B", {{10, 30, 50, 23}, ui::akLeft | ui::akTop, 1, &second});
  ui::TButton onForm(form, "C", {{10, 250, 50, 23}});
  int changes = 0;
  pages.OnChange = [&](ui::TObject*) { ++changes; };
  EXPECT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(second.Caption(), "Second");
  struct Step {
    int index;
    bool byUser;
    bool firstShown, secondShown;
  };
  const Step steps[] = {{-1, false, true, false},  // as made: the first page
                        {1, false, false, true},
                        {0, true, true, false},
                        {7, false, true, false}};  // no such page: nothing changes
  for (const Step& step : steps) {
    if (step.byUser) {
      pages.Peer().SetItemIndex(step.index);  // the user picks the tab
      pages.NotifyChange();
    } else if (step.index >= 0) {
      pages.SetActivePageIndex(step.index);
    }
    EXPECT_EQ(onFirst.Visible(), step.firstShown) << step.index;
    EXPECT_EQ(onSecond.Visible(), step.secondShown) << step.index;
    EXPECT_TRUE(onForm.Visible());
    EXPECT_EQ(first.Active(), step.firstShown);
  }
  EXPECT_EQ(changes, 1) << "only the user's choice runs OnChange";
}

TEST_F(ControlsTest, AHiddenPageTakesNoFocus) {
  ui::TPageControl pages(form, {{0, 0, 300, 200}});
  ui::TTabSheet first(pages, "First");
  ui::TTabSheet second(pages, "Second");
  ui::TEdit edit(form, {{10, 30, 50, 21}, ui::akLeft | ui::akTop, 0, &second});
  edit.SetFocus();
  EXPECT_NE(ui::headless::FocusedHandle(), edit.Handle());
  pages.SetActivePageIndex(1);
  edit.SetFocus();
  EXPECT_EQ(ui::headless::FocusedHandle(), edit.Handle());
}

TEST_F(ControlsTest, DigitsOnlyEditDropsTypedLettersButNotPastedOnes) {
  ui::TEdit edit(form, {{0, 0, 80, 21}}, 4);
  const struct {
    bool digitsOnly;
    std::string typed, text;
  } cases[] = {{true, "1a2-b3", "123"}, {false, "1a2", "1a2"}, {true, "123456", "1234"}};
  for (const auto& c : cases) {
    edit.SetText("");
    edit.SetNumbersOnly(c.digitsOnly);
    ui::headless::Type(edit, c.typed);
    EXPECT_EQ(edit.Text(), c.text) << c.typed;
  }
  edit.SetNumbersOnly(true);
  edit.SetText("");
  os::clipboard::SetText("x7");
  edit.Peer().Paste();
  EXPECT_EQ(edit.Text(), "x7");
}

}  // namespace
