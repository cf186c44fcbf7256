// The memo window as the user works with it: buttons, keys, the status line,
// closing, the search box, dragging, showing, placing and loading.
#include <algorithm>

#include "memo/memo_form.h"
#include "support/app_test.h"

namespace {

using Sel = std::pair<int, int>;
using Act = void (*)(TF_Memo&);

class MemoWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
  }
  TF_Memo& M() { return *F_Memo; }
  void Set(const std::string& text, int selStart, int selLength = 0) {
    M().Memo.SetText(text);
    M().Memo.SetSel(selStart, selLength);
  }
  Sel Selection() { return {M().Memo.SelStart(), M().Memo.SelLength()}; }
  std::string Status() { return M().sb_Memo.SimpleText(); }
};

// Buttons take the focus from the memo; a click or a key there leaves it in the memo.
const Act kDelete = [](TF_Memo& m) { m.B_delete.Click(); };
const Act kDown = [](TF_Memo& m) { m.BB_down.Click(); };
const Act kUp = [](TF_Memo& m) { m.BB_up.Click(); };
const Act kClick = [](TF_Memo& m) { m.Memo.SetFocus(), m.Memo.NotifyClick(); };
const Act kF5 = [](TF_Memo& m) { m.Memo.SetFocus(), ui::headless::PressKey(m.Memo, 0x74); };
const Act kF6 = [](TF_Memo& m) { m.Memo.SetFocus(), ui::headless::PressKey(m.Memo, 0x75); };

TEST_F(MemoWindowTest, ButtonsAndKeysActOnTheSelectionOrCaretLineAndUpdateTheStatusLine) {
  // after: nullptr when the text stays; status: caret line / line count + 1
  // clang-format off
  const struct { Act act; std::string text; Sel before; std::string search; const char* after; Sel sel; std::string status; bool scrolls; } cases[] = {
      {kClick,  "", {0, 0}, "", nullptr, {0, 0}, "1/1", false},
      {kClick,  "a", {1, 0}, "", nullptr, {1, 0}, "1/2", false},
      {kClick,  "a\r\nb\r\n", {6, 0}, "", nullptr, {6, 0}, "3/3", false},
      {kDelete, "abc", {1, 0}, "", "", {0, 0}, "1/1", false},
      {kDelete, "l1\r\nl2\r\nl3", {5, 0}, "", "l1\r\nl3", {4, 0}, "2/3", false},
      {kDelete, "l1\r\nl2", {4, 0}, "", "l1\r\n", {4, 0}, "2/2", false},
      {kDelete, "l1\r\nl2\r\n", {8, 0}, "", nullptr, {8, 0}, "3/3", false},
      {kDelete, "l1\r\nl2\r\nl3", {1, 5}, "", "l\r\nl3", {1, 0}, "1/3", false},
      {kDown,   "a\r\nb\r\na", {0, 0}, "a", nullptr, {6, 1}, "3/4", true},
      {kDown,   "abab", {2, 1}, "a", nullptr, {2, 1}, "1/2", false},  // no wrapping
      {kUp,     "abab", {2, 1}, "a", nullptr, {0, 1}, "1/2", true},
      {kDown,   "xxab", {0, 0}, "ab", nullptr, {2, 2}, "1/2", true},
      {kUp,     "xabx", {2, 0}, "ab", nullptr, {2, 0}, "1/2", false},  // none overlaps the caret
      {kDown,   "Aa", {0, 0}, "a", nullptr, {1, 1}, "1/2", true},
      {kDown,   "hello", {1, 0}, "", nullptr, {5, 0}, "1/2", true},  // no search: to either end
      {kUp,     "hello", {1, 0}, "", nullptr, {0, 0}, "1/2", true},
      {kUp,     "abc", {1, 0}, "z", nullptr, {1, 0}, "1/2", false},
      {kDown,   "ab", {2, 0}, "abc", nullptr, {2, 0}, "1/2", false},
      {kF5,     "ab ab ab", {0, 2}, "", nullptr, {3, 2}, "1/2", true},  // the selection
      {kF6,     "ab ab ab", {3, 2}, "", nullptr, {0, 2}, "1/2", true},
      {kF5,     "ab\r\nab", {0, 0}, "", nullptr, {4, 2}, "2/3", true},  // else the caret line
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\" searching \"" + c.search + "\"");
    Set(c.text, c.before.first, c.before.second);
    M().E_s.SetText(c.search);
    M().E_s.SetFocus();
    ui::headless::Events().clear();
    c.act(M());
    EXPECT_EQ(M().Memo.Text(), c.after ? c.after : c.text);
    EXPECT_EQ(Selection(), c.sel);
    EXPECT_EQ(Status(), c.status);
    const std::string scroll = ui::headless::ControlEvent("ScrollCaret", M().Memo);
    EXPECT_EQ(std::ranges::count(ui::headless::Events(), scroll), c.scrolls ? 1 : 0);
    EXPECT_EQ(ui::headless::FocusedHandle(), M().Memo.Handle()) << "typing goes on in the memo";
  }
}

TEST_F(MemoWindowTest, CopyTakesTheSelectionOrTheCaretLineAndPasteReplacesTheSelection) {
  // clang-format off
  const struct { std::string text; Sel sel; std::string clipboard; } cases[] = {
      {"one\r\ntwo", {5, 0}, "two"}, {"one\r\ntwo", {1, 2}, "ne"}, {"one\r\n\r\nthree", {5, 0}, "old"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Velmarind->SetClipboardText("old");
    Set(c.text, c.sel.first, c.sel.second);
    M().B_Copy.Click();
    EXPECT_EQ(Velmarind->GetClipboardText(), c.clipboard) << c.text;
  }
  Set("abcd", 1, 2);
  M().Modified = 0;
  M().B_Paste.Click();
  EXPECT_EQ(M().Memo.Text(), "aoldd");
  EXPECT_EQ(M().Modified, 1);
}

TEST_F(MemoWindowTest, CloseButtonHidesTheMemoStoresItsPlaceAndWritesItOnlyWhenChanged) {
  M().Show();
  ui::headless::Type(M().Memo, "hi");
  M().SetBounds(40, 50, 400, 300);
  M().B_Close.Click();
  EXPECT_FALSE(M().Visible());
  EXPECT_EQ(File("memo.txt"), "hi");
  EXPECT_EQ(M().Modified, 0);
  EXPECT_EQ(Settings().MemoLeft, 40);
  EXPECT_EQ(Settings().MemoHeight, 300);
  os::fake::world().calls.clear();
  M().Show();
  M().B_Close.Click();
  EXPECT_TRUE(os::fake::CallsStartingWith("files::SaveAtomically").empty()) << "unchanged";
}

TEST_F(MemoWindowTest, SearchBoxEnterSearchesAndDoubleClickTogglesTheClipboardText) {
  Set("find me, find", 0);
  ui::headless::Type(M().E_s, "find\r");
  EXPECT_EQ(M().E_s.Text(), "find");
  EXPECT_EQ(Selection(), (Sel{9, 4}));
  Velmarind->SetClipboardText("clip");
  M().E_s.NotifyDblClick();
  EXPECT_EQ(M().E_s.Text(), "");
  M().E_s.NotifyDblClick();
  EXPECT_EQ(M().E_s.Text(), "clip");
  ui::headless::Type(M().E_s, std::string(70, 'x'));
  EXPECT_EQ(M().E_s.Text().size(), 64u) << "at most 64 characters";
}

TEST_F(MemoWindowTest, DraggingTheStatusBarWithTheLeftButtonMovesTheWindow) {
  M().SetBounds(100, 100, 360, 320);
  M().sb_Memo.NotifyMouseDown(ui::TMouseButton::mbLeft, 0, 10, 10);
  M().NotifyMouseMove(0, 15, 30);
  EXPECT_EQ(M().BoundsRect(), (ui::TRect{105, 120, 360, 320}));
  M().sb_Memo.NotifyMouseUp(ui::TMouseButton::mbLeft, 0, 15, 30);
  M().sb_Memo.NotifyMouseMove(0, 50, 50);
  EXPECT_EQ(M().Left(), 105) << "released: no more moving";
  M().NotifyMouseDown(ui::TMouseButton::mbRight, 0, 10, 10);
  M().sb_Memo.NotifyMouseMove(0, 50, 50);
  EXPECT_EQ(M().Left(), 105) << "only the left button drags";
}

TEST_F(MemoWindowTest, ShowingPutsAnOffScreenMemoBackAt16AndAppliesTheTranslucencyClamped) {
  // clang-format off
  const struct { int left, top, transparent, level; std::string alpha; ui::TRect bounds; } cases[] = {
      {1281, 50, 1, 12, "on,188", {16, 50, 360, 320}},
      {50, -1, 1, -1, "on,20", {50, 16, 360, 320}},
      {50, 1024, 1, 0, "on,20", {50, 1024, 360, 320}},
      {0, 50, 1, 16, "on,244", {0, 50, 360, 320}},
      {50, 50, 1, 17, "on,244", {50, 50, 360, 320}},
      {50, 50, 0, 12, "off,255", {50, 50, 360, 320}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().MemoLeft = c.left;
    Settings().MemoTop = c.top;
    Settings().MemoTransparent = c.transparent;
    Settings().MemoTransparency = c.level;
    ui::headless::Events().clear();
    M().Show();
    EXPECT_EQ(ui::headless::Events().at(0), "SetAlpha(F_Memo," + c.alpha + ")");
    EXPECT_EQ(M().BoundsRect(), c.bounds);
    EXPECT_EQ(Settings().MemoLeft, c.bounds.Left);
    EXPECT_EQ(Status(), "1/1");
    M().Hide();
  }
}

TEST_F(MemoWindowTest, SavedPositionIsCorrectedIntoTheScreenAndStoredBack) {
  // clang-format off
  const struct { int left, top; ui::TRect bounds; } cases[] = {
      {100, 200, {100, 200, 360, 320}}, {1280, 1024, {1280, 1024, 360, 320}},
      {-1, -50, {10, 10, 360, 320}},    {1281, 1025, {1280 - 332, 1024 - 232, 360, 320}},
  };
  // clang-format on
  for (const auto& c : cases) {
    M().SetBounds(0, 0, 300, 200);  // off screen the size before the move decides
    Settings().MemoLeft = c.left;
    Settings().MemoTop = c.top;
    M().ApplySavedPosition();
    EXPECT_EQ(M().BoundsRect(), c.bounds) << c.left << "," << c.top;
    EXPECT_EQ(Settings().MemoTop, c.bounds.Top);
  }
}

TEST_F(MemoWindowTest, GoToLineMovesTheCaretToTheStartOfALineInRange) {
  // clang-format off
  const struct { std::string text; int line, caret; } cases[] = {
      {"a\r\nbb\r\nc", 0, 0}, {"a\r\nbb\r\nc", 2, 7}, {"a\r\nbb\r\nc", 3, 1}, {"a\r\nbb\r\nc", -1, 1},
      {"a\r\nbb\r\n", 2, 7},
  };
  // clang-format on
  for (const auto& c : cases) {
    Set(c.text, 1);
    M().GoToLine(c.line);
    EXPECT_EQ(M().Memo.SelStart(), c.caret) << c.line;
  }
}

TEST_F(MemoWindowTest, LoadTurnsNulsIntoBlanksAndLoneBreaksIntoCrLf) {
  File("memo.txt") = std::string("a\0b\nc\rd\r\n", 9);
  ASSERT_TRUE(M().LoadFromFile(std::string(kDir) + "memo.txt"));
  EXPECT_EQ(M().Memo.Text(), "a b\r\nc\r\nd\r\n");
  EXPECT_FALSE(M().LoadFromFile(std::string(kDir) + "none.txt"));
}

}  // namespace
