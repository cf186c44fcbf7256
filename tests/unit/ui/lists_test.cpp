#include "ui/lists.h"

#include "support/headless_test.h"
#include "ui/checkbox.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/open_dialog.h"
#include "ui/page_control.h"
#include "ui/trackbar.h"

namespace {

class ListsTest : public HeadlessTest {
 protected:
  ui::TForm form{ui::TFormParams{}};
};

TEST_F(ListsTest, SelectionFromCodeRunsNoEventAndOutOfRangeMeansNone) {
  ui::TComboBox combo(form, {{0, 0, 100, 21}}, {"one", "two"});
  int changes = 0;
  combo.OnChange = [&](ui::TObject*) { ++changes; };
  const std::pair<int, std::string> picks[] = {{1, "two"}, {0, "one"}, {2, ""}, {-1, ""}};
  for (const auto& [index, text] : picks) {
    combo.SetItemIndex(index);
    EXPECT_EQ(combo.Text(), text) << index;
  }
  EXPECT_EQ(changes, 0);
}

TEST_F(ListsTest, CheckBoxAndTrackBarRunTheirEventOnlyWhenCodeChangesTheirState) {
  ui::TCheckBox box(form, "Tick", {{0, 0, 100, 17}});
  ui::TTrackBar bar(form, {{0, 20, 100, 30}}, 0, 16);
  std::vector<int> seen;  // the state each event found; the bar's plus 100
  box.OnClick = [&](ui::TObject*) { seen.push_back(box.Checked()); };
  bar.OnChange = [&](ui::TObject*) { seen.push_back(100 + bar.Position()); };
  for (bool checked : {false, true, true, false}) box.SetChecked(checked);
  for (int position : {12, 12, 20, -3}) bar.SetPosition(position);  // kept within 0..16
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 112, 116, 100}));
}

TEST_F(ListsTest, LabeledEditPutsItsLabelAboveIt) {
  ui::TLabeledEdit edit(form, "Name", {{8, 40, 200, 21}, ui::akLeft | ui::akTop, 0}, 255);
  EXPECT_EQ(edit.EditLabel.Caption(), "Name");
  EXPECT_EQ(edit.EditLabel.BoundsRect(), (ui::TRect{8, 24, 200, 13}));
}

TEST_F(ListsTest, OpenDialogProposesTheLastChoiceAndCancelKeepsIt) {
  ui::TOpenDialog dialog("Velmarind - Select File", "All (*.*)|*.*");
  for (const auto& [answer, proposed] : {std::pair(1, ""), std::pair(0, "C:\\b.exe")}) {
    ui::headless::Expect([&](ui::headless::Dialog& d) {
      EXPECT_EQ(d.caption + "|" + d.text + "|" + d.value,
                "Velmarind - Select File|All (*.*)|*.*|" + std::string(proposed));
      d.value = answer ? "C:\\b.exe" : "ignored";
      return answer;
    });
    EXPECT_EQ(dialog.Execute(), answer == 1);
    EXPECT_EQ(dialog.FileName, "C:\\b.exe");
  }
}

TEST_F(ListsTest, PageControlShowsOnlyTheActivePagesControlsAndOnlyTheUserRunsOnChange) {
  ui::TPageControl pages(form, {{0, 0, 300, 200}});
  ui::TTabSheet first(pages, "First"), second(pages, "Second");
  ui::TEdit onFirst(form, {{10, 30, 50, 21}, ui::akLeft | ui::akTop, 0, &first});
  ui::TEdit onSecond(form, {{10, 30, 50, 21}, ui::akLeft | ui::akTop, 1, &second});
  int changes = 0;
  pages.OnChange = [&](ui::TObject*) { ++changes; };
  onSecond.SetFocus();
  EXPECT_NE(ui::headless::FocusedHandle(), onSecond.Handle()) << "a hidden page takes no focus";
  // clang-format off
  const struct { int index; bool byUser; bool firstShown; } steps[] = {
      {-1, false, true},  // as made: the first page
      {1, false, false}, {0, true, true}, {7, false, true},  // no such page: nothing changes
  };
  // clang-format on
  for (const auto& s : steps) {
    if (s.byUser) {
      pages.Peer().SetItemIndex(s.index);  // the user picks the tab
      pages.NotifyChange();
    } else if (s.index >= 0) {
      pages.SetActivePageIndex(s.index);
    }
    EXPECT_EQ(onFirst.Visible(), s.firstShown) << s.index;
    EXPECT_EQ(onSecond.Visible(), !s.firstShown) << s.index;
    EXPECT_EQ(first.Active(), s.firstShown);
  }
  EXPECT_EQ(changes, 1);
  pages.SetActivePageIndex(1);
  onSecond.SetFocus();
  EXPECT_EQ(ui::headless::FocusedHandle(), onSecond.Handle());
}

}  // namespace
