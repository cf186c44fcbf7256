#include "memo/memo_form.h"

#include "support/app_test.h"

namespace {

class MemoFormTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
  }
};

TEST_F(MemoFormTest, AlphaForLevelIsClampedSoTheMemoNeverVanishes) {
  const std::pair<int, int> cases[] = {{0, 20},  {12, 188}, {16, 244},
                                       {-3, 20}, {17, 244}, {1000, 244}};
  for (const auto& [level, alpha] : cases) EXPECT_EQ(TF_Memo::AlphaForLevel(level), alpha);
}

TEST_F(MemoFormTest, GoToLineInAndOutOfRange) {
  struct Case {
    std::string text;
    int line;
    int caret;  // expected caret position, starting from 0
  };
  const Case cases[] = {
      {"a\r\nbb\r\nc", 1, 3},
      {"a\r\nbb\r\nc", 2, 7},
      {"a\r\nbb\r\nc", 3, 0},
      {"a\r\nbb\r\n", 2, 7},
      {"a\r\nbb", -1, 0},
      {"", 0, 0},
      {"", 1, 0},
  };
  for (const Case& c : cases) {
    F_Memo->Memo.SetText(c.text);
    F_Memo->GoToLine(c.line);
    EXPECT_EQ(F_Memo->Memo.SelStart(), c.caret) << c.line;
  }
}

TEST_F(MemoFormTest, LoadTurnsNulsIntoBlanksAndLoneBreaksIntoCrLf) {
  File("memo.txt") = std::string("a\0b\nc\rd\r\n", 9);
  ASSERT_TRUE(F_Memo->LoadFromFile(std::string(kDir) + "memo.txt"));
  EXPECT_EQ(F_Memo->Memo.Text(), "a b\r\nc\r\nd\r\n");
  EXPECT_FALSE(F_Memo->LoadFromFile(std::string(kDir) + "none.txt"));
}

TEST_F(MemoFormTest, SavedPositionIsCorrectedIntoTheScreen) {
  struct Case {
    int left, top;
    ui::TRect expected;
  };
  const Case cases[] = {
      {100, 200, {100, 200, 360, 320}},
      {1280, 1024, {1280, 1024, 360, 320}},
      {-1, -50, {10, 10, 360, 320}},
  };
  for (const Case& c : cases) {
    Settings().MemoLeft = c.left;
    Settings().MemoTop = c.top;
    F_Memo->ApplySavedPosition();
    EXPECT_EQ(F_Memo->BoundsRect(), c.expected) << c.left << "," << c.top;
  }
  F_Memo->SetBounds(0, 0, 300, 200);
  Settings().MemoLeft = 5000;
  Settings().MemoTop = 3000;
  F_Memo->ApplySavedPosition();
  EXPECT_EQ(F_Memo->BoundsRect(), (ui::TRect{1280 - 332, 1024 - 232, 360, 320}))
      << "off screen: the size before the move decides";
}

TEST_F(MemoFormTest, ShowingPutsAnOffScreenMemoBackAt16) {
  Settings().MemoLeft = 1281;
  Settings().MemoTop = -1;
  F_Memo->Show();
  EXPECT_EQ(F_Memo->Left(), 16);
  EXPECT_EQ(F_Memo->Top(), 16);
  EXPECT_EQ(Settings().MemoLeft, 16);
}

TEST_F(MemoFormTest, CloseSaveWritesAChangedMemoAndStoresCaretAndGeometry) {
  F_Memo->Show();
  F_Memo->Memo.SetText("x\r\ny");
  F_Memo->Memo.SetSel(3, 0);
  F_Memo->Modified = 1;
  F_Memo->SetBounds(40, 50, 400, 300);
  F_Memo->Close();
  EXPECT_EQ(File("memo.txt"), "x\r\ny");
  EXPECT_EQ(F_Memo->Modified, 0);
  EXPECT_EQ(Settings().MemoCaretLine, 1);
  EXPECT_EQ(Settings().MemoLeft, 40);
  EXPECT_EQ(Settings().MemoHeight, 300);
}

}  // namespace
