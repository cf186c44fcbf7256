#include "ui/lists.h"

#include "../../shared/list_sort_cases.h"
#include "support/headless_test.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/open_dialog.h"

namespace {

class ListsTest : public HeadlessTest {
 protected:
  ui::TForm form{ui::TFormParams{}};
};

TEST_F(ListsTest, SortedListBoxFollowsTheSharedCases) {
  ui::TListBox list(form, {{0, 0, 100, 100}}, true);
  for (const auto& c : list_cases::SortCases()) {
    list.Clear();
    for (const auto& item : c.added) list.Add(item);
    EXPECT_EQ(list.Items(), c.listed) << c.name;
  }
}

TEST_F(ListsTest, SelectionFromCodeRunsNoEventAndOutOfRangeMeansNone) {
  ui::TComboBox combo(form, {{0, 0, 100, 21}}, {"one", "two"});
  int changes = 0;
  combo.OnChange = [&](ui::TObject*) { ++changes; };
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Text(), "");
  combo.SetItemIndex(1);
  EXPECT_EQ(combo.Text(), "two");
  combo.SetItemIndex(5);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(changes, 0);
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
}

TEST_F(ListsTest, LabeledEditPutsItsLabelAboveIt) {
  ui::TLabeledEdit edit(form, "Name", {{8, 40, 200, 21}, ui::akLeft | ui::akTop, 0}, 255);
  EXPECT_EQ(edit.EditLabel.Caption(), "Name");
  EXPECT_EQ(edit.EditLabel.BoundsRect(), (ui::TRect{8, 24, 200, 13}));
}

TEST_F(ListsTest, OpenDialogRemembersTheLastChoiceAndCancelKeepsIt) {
  ui::TOpenDialog dialog("Velmarind - Select File", "All (*.*)|*.*");
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.kind, ui::headless::DialogKind::OpenFile);
    EXPECT_EQ(d.caption, "Velmarind - Select File");
    EXPECT_EQ(d.text, "All (*.*)|*.*");
    d.value = "C:\\a\\b.exe";
    return 1;
  });
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\a\\b.exe");
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.value, "C:\\a\\b.exe") << "proposes the last file";
    d.value = "ignored";
    return 0;
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "C:\\a\\b.exe");
}

}  // namespace
