// The memo window as the user works with it: buttons, search and filter keys, the status
// line, Add To Memo, closing, the search box, dragging, showing, placing and loading.
#include <algorithm>
#include <climits>
#include <tuple>

#include "memo/memo_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

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

constexpr unsigned short VK_F5 = 0x74, VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78,
                         VK_F11 = 0x7A, VK_F12 = 0x7B;

// Buttons take the focus from the memo; a click or a key there leaves it in the memo.
const Act kDelete = [](TF_Memo& m) { m.B_delete.Click(); };
const Act kDown = [](TF_Memo& m) { m.BB_down.Click(); };
const Act kUp = [](TF_Memo& m) { m.BB_up.Click(); };
const Act kClick = [](TF_Memo& m) { m.Memo.SetFocus(), m.Memo.NotifyClick(); };
template <unsigned short key>
void Key(TF_Memo& m) {
  m.Memo.SetFocus();
  ui::headless::PressKey(m.Memo, key);
}

TEST_F(MemoWindowTest, ButtonsAndKeysActOnTheSelectionOrCaretLineAndUpdateTheStatusLine) {
  Settings().Filter1 = "no(),append(1)";
  Settings().Filter2 = "append(2)";
  Settings().Filter3 = "uppercase()";
  Settings().Filter4 = "append(!)";
  // after: nullptr when the text stays; status: caret line / line count + 1
  // clang-format off
  const struct { Act act; std::string text; Sel before; std::string search; const char* after;
                 Sel sel; std::string status; bool scrolls; } cases[] = {
      {kClick,  "", {0, 0}, "", nullptr, {0, 0}, "1/1", false},
      {kClick,  "a\r\nb\r\n", {6, 0}, "", nullptr, {6, 0}, "3/3", false},
      {kDelete, "abc", {1, 0}, "", "", {0, 0}, "1/1", false},
      {kDelete, "l1\r\nl2\r\nl3", {5, 0}, "", "l1\r\nl3", {4, 0}, "2/3", false},
      {kDelete, "l1\r\nl2", {4, 0}, "", "l1\r\n", {4, 0}, "2/2", false},
      {kDelete, "l1\r\nl2\r\n", {8, 0}, "", nullptr, {8, 0}, "3/3", false},
      {kDelete, "l1\r\nl2\r\nl3", {1, 5}, "", "l\r\nl3", {1, 0}, "1/3", false},
      {kDelete, "a\nb\r\nc", {2, 0}, "", "c", {0, 0}, "1/2", false},  // a lone LF is no break
      {kDown,   "a\r\nb\r\na", {0, 0}, "a", nullptr, {6, 1}, "3/4", true},
      {kDown,   "abab", {2, 1}, "a", nullptr, {2, 1}, "1/2", false},  // no wrapping
      {kUp,     "abab", {2, 1}, "a", nullptr, {0, 1}, "1/2", true},
      {kDown,   "xxab", {0, 0}, "ab", nullptr, {2, 2}, "1/2", true},
      {kUp,     "xabx", {2, 0}, "ab", nullptr, {2, 0}, "1/2", false},  // none overlaps the caret
      {kDown,   "hello", {1, 0}, "", nullptr, {5, 0}, "1/2", true},  // no search: to either end
      {kUp,     "hello", {1, 0}, "", nullptr, {0, 0}, "1/2", true},
      {kUp,     "abc", {1, 0}, "z", nullptr, {1, 0}, "1/2", false},
      {kDown,   "ab", {2, 0}, "abc", nullptr, {2, 0}, "1/2", false},
      {Key<VK_F5>, "ab ab ab", {0, 2}, "", nullptr, {3, 2}, "1/2", true},  // the selection
      {Key<VK_F6>, "ab ab ab", {3, 2}, "", nullptr, {0, 2}, "1/2", true},
      {Key<VK_F5>, "ab\r\nab", {0, 0}, "", nullptr, {4, 2}, "2/3", true},  // else the caret line
      {Key<VK_F7>, "a\r\nb c\r\nd", {3, 0}, "", "a\r\nb c [ERROR: no]\r\nd", {18, 0}, "2/4", false},
      {Key<VK_F8>, "a\r\nb c\r\nd", {3, 0}, "", "a\r\nb c2\r\nd", {7, 0}, "2/4", false},
      {Key<VK_F9>, "a\r\nb c\r\nd", {4, 0}, "", "a\r\nB C\r\nd", {6, 0}, "2/4", false},
      {Key<VK_F9>, "a\nb\r\nc", {2, 0}, "", "A\nB\r\nc", {3, 0}, "1/3", false},
      {Key<VK_F11>, "a\r\nb c\r\nd", {5, 0}, "", "a\r\nb c!\r\nd", {7, 0}, "2/4", false},
      {Key<VK_F11>, "a\r\n\r\nb", {3, 0}, "", nullptr, {3, 0}, "2/4", false},  // an empty line
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\" searching \"" + c.search + "\"");
    Set(c.text, c.before.first, c.before.second);
    M().E_s.SetText(c.search);
    M().E_s.SetFocus();
    ui::headless::Events().clear();
    M().Modified = 0;
    c.act(M());
    EXPECT_EQ(M().Memo.Text(), c.after ? c.after : c.text);
    EXPECT_EQ(M().Modified, c.after ? 1 : 0);
    EXPECT_EQ(Selection(), c.sel);
    EXPECT_EQ(Status(), c.status);
    const std::string scroll = ui::headless::ControlEvent("ScrollCaret", M().Memo);
    EXPECT_EQ(std::ranges::count(ui::headless::Events(), scroll), c.scrolls ? 1 : 0);
    EXPECT_EQ(ui::headless::FocusedHandle(), M().Memo.Handle()) << "typing goes on in the memo";
  }
}

// The key decides whatever Shift, Ctrl or Alt say, but Alt+F4 closes the window and must not
// send the caret line to web command 3 first.
TEST_F(MemoWindowTest, FunctionKeysActWithAnyModifierButAltF4RunsNoWebCommand) {
  Settings().Filter3 = "uppercase()";
  // clang-format off
  const struct { unsigned short key; ui::TShiftState shift; const char* after; std::size_t opened; } cases[] = {
      {ui::VK_F4, ui::ssShift, "a\r\nb c", 1}, {ui::VK_F4, ui::ssCtrl, "a\r\nb c", 1},
      {ui::VK_F4, ui::ssAlt, "a\r\nb c", 0}, {ui::VK_F4, ui::ssAlt | ui::ssShift, "a\r\nb c", 0},
      {VK_F9, ui::ssAlt, "a\r\nB C", 0}, {VK_F9, ui::ssShift | ui::ssCtrl, "a\r\nB C", 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    Set("a\r\nb c", 3);
    os::fake::world().calls.clear();
    ui::headless::PressKey(M().Memo, c.key, c.shift);
    EXPECT_EQ(M().Memo.Text(), c.after) << c.key << "," << c.shift;
    EXPECT_EQ(os::fake::CallsStartingWith("shell::Execute").size(), c.opened)
        << c.key << "," << c.shift;
  }
}

TEST_F(MemoWindowTest, F12StoresTheCaretLineAsProgramFour) {
  Set("upper case()\r\nmake me loud", 0);
  Key<VK_F12>(M());
  EXPECT_EQ(Settings().Filter4, "upper case()");
  EXPECT_EQ(M().Memo.Text(), "upper case()\r\nmake me loud") << "storing changes no line";
  Set("a\r\n\r\nb", 3);
  Key<VK_F12>(M());
  EXPECT_EQ(Settings().Filter4, "") << "an empty line empties program 4";
}

// The line changed, or the memo lost it, while the prompt was open.
TEST_F(MemoWindowTest, FilterResultIsDroppedWhenTheLineChangedDuringAPrompt) {
  Settings().Filter3 = "append(?)";
  for (const std::string meanwhile : {"one\r\nTWO", "one\r\n"}) {
    Set("one\r\ntwo", 6);
    ui::headless::Expect([&meanwhile](ui::headless::Dialog& d) {
      F_Memo->Memo.SetText(meanwhile);
      d.value = "!";
      return 1;
    });
    Key<VK_F9>(M());
    EXPECT_EQ(M().Memo.Text(), meanwhile);
  }
}

TEST_F(MemoWindowTest, AddToMemoRunsTheProgramsSwitchedOnForItAndAppendsTheLines) {
  Settings().Filter2 = "append(2)";
  // clang-format off
  const struct { std::string program1, program3; int on1, on2, on3;
                 std::string before, added, after; } cases[] = {
      {"append(1)", "append(3)", 1, 1, 1, "", "t", "t123\r\n"},  // in order, each on the last
      {"append(1)", "append(3)", 2, -1, 1, "a", "t", "a\r\nt3"},  // only 1 switches a program on
      {"", "", 0, 0, 0, "a\r\n", "p\r\nq", "a\r\np\r\nq\r\n"},
      {"if_find_skip_all(t)", "if_find(t)", 1, 1, 1, "", "t", "t2\r\n"},  // each from skip state 0
      {"bogus(),append(!)", "", 1, 0, 0, "", "t", "t!\r\n"},  // unknown names: no note, no box
      {"strip( ),strip_end( )", "", 1, 0, 0, "", "  a  \r\n  b  ", "a  \r\n  b\r\n"},  // one text
      {"delete_line()", "", 1, 0, 0, "", "gone", "\r\n"},
  };
  // clang-format on
  const std::string scroll = ui::headless::ControlEvent("ScrollCaret", M().Memo);
  for (const auto& c : cases) {
    CSettings& s = Settings();
    std::tie(s.Filter1, s.Filter3, s.FilterOnAdd1, s.FilterOnAdd2, s.FilterOnAdd3) =
        std::tie(c.program1, c.program3, c.on1, c.on2, c.on3);
    Set(c.before, 0);
    ui::headless::Events().clear();
    M().AddToMemo(c.added);
    EXPECT_EQ(M().Memo.Text(), c.after) << c.program1 << " | " << c.program3;
    EXPECT_EQ(File("memo.txt"), c.after);
    EXPECT_EQ(M().Memo.SelStart(), static_cast<int>(c.after.size()));
    EXPECT_EQ(ui::headless::Events(), std::vector{scroll}) << "scrolled to the end";
    EXPECT_EQ(M().Modified, 1) << "the flag stays for the next save";
  }
  os::fake::world().calls.clear();
  M().AddToMemo("");
  EXPECT_TRUE(os::fake::CallsStartingWith("files::SaveAtomically").empty()) << "nothing added";
}

TEST_F(MemoWindowTest, CopyTakesTheSelectionOrTheCaretLineAndPasteReplacesTheSelection) {
  // clang-format off
  const struct { std::string text; Sel sel; std::string clipboard; } cases[] = {
      {"one\r\ntwo", {5, 0}, "two"}, {"one\r\ntwo", {1, 2}, "ne"}, {"a\nb\r\nc", {2, 0}, "a\nb"},
      {"one\r\n\r\nz", {5, 0}, "old"}, {"one\r\n", {5, 0}, "old"},  // empty lines copy nothing
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
  const struct { int left, top, transparent, level; std::string alpha;
                 std::pair<int, int> at; } cases[] = {
      {1281, 50, 1, 12, "on,188", {16, 50}},  {50, -1, 1, -1, "on,20", {50, 16}},
      {0, 1024, 1, 17, "on,244", {0, 1024}},  {50, 50, 0, 12, "off,255", {50, 50}},
  };
  // clang-format on
  for (const auto& c : cases) {
    CSettings& s = Settings();
    std::tie(s.MemoLeft, s.MemoTop, s.MemoTransparent, s.MemoTransparency) =
        std::tie(c.left, c.top, c.transparent, c.level);
    ui::headless::Events().clear();
    M().Show();
    EXPECT_EQ(ui::headless::Events().at(0), "SetAlpha(F_Memo," + c.alpha + ")");
    EXPECT_EQ(M().BoundsRect(), (ui::TRect{c.at.first, c.at.second, 360, 320}));
    EXPECT_EQ(Settings().MemoLeft, c.at.first) << "stored back";
    EXPECT_EQ(Status(), "1/1");
    M().Hide();
  }
}

TEST_F(MemoWindowTest, SavedPositionIsCorrectedIntoTheScreenAndStoredBack) {
  // clang-format off
  const struct { int left, top; ui::TRect bounds; int widthBefore = 300, heightBefore = 200; } cases[] = {
      {1280, -1, {1280, 10, 360, 320}}, {-1, 1024, {10, 1024, 360, 320}},
      {1281, 1025, {1280 - 332, 1024 - 232, 360, 320}}, {0, 0, {0, 0, 360, 320}},
      {INT_MAX, INT_MIN, {1280 - 332, 10, 360, 320}}, {INT_MIN, INT_MAX, {10, 1024 - 232, 360, 320}},
      {5000, 5000, {10, 10, 360, 320}, INT_MAX, INT_MAX},  // a size an earlier load gave it
  };
  // clang-format on
  for (const auto& c : cases) {
    M().SetBounds(0, 0, c.widthBefore,
                  c.heightBefore);  // off screen the size before the move decides
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
      {"a\r\nbb\r\nc", 0, 0}, {"a\r\nbb\r\nc", 3, 1}, {"a\r\nbb\r\nc", -1, 1},
      {"a\r\nbb\r\n", 2, 7},
  };
  // clang-format on
  for (const auto& c : cases) {
    Set(c.text, 1);
    M().GoToLine(c.line);
    EXPECT_EQ(M().Memo.SelStart(), c.caret) << c.line;
  }
}

// A line is replaced or deleted only while it holds what it held; a deleted line takes
// its break along, and the caret stands after the new text or where the line was.
TEST_F(MemoWindowTest, ALineIsReplacedOrDeletedOnlyWhileItHoldsWhatItHeld) {
  // replacement: nullptr deletes the line
  // clang-format off
  const struct { std::string text; int line; std::string was; const char* replacement;
                 bool done; std::string after; int caret; } cases[] = {
      {"a\r\nbb\r\nc", 1, "bb", "XYZ", true, "a\r\nXYZ\r\nc", 6},
      {"a\r\nbb\r\nc", 2, "c", "", true, "a\r\nbb\r\n", 7},
      {"a\r\nbb\r\nc", 1, "bb", nullptr, true, "a\r\nc", 3},
      {"a\r\nbb\r\nc", 2, "c", nullptr, true, "a\r\nbb\r\n", 7},
      {"a\r\nb\nb\r\n", 1, "b\nb", nullptr, true, "a\r\n", 3},  // a lone LF is no break
      {"a\r\nbb\r\nc", 1, "b", "XYZ", false, "a\r\nbb\r\nc", 0},
      {"a\r\nbb\r\nc", 1, "bbb", nullptr, false, "a\r\nbb\r\nc", 0},
      {"a\r\nbb\r\n", 2, "", "x", false, "a\r\nbb\r\n", 0},  // past the last line
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " line " + std::to_string(c.line));
    Set(c.text, 0);
    const bool done = c.replacement ? M().ReplaceLineIfUnchanged(c.line, c.was, c.replacement)
                                    : M().DeleteLineIfUnchanged(c.line, c.was);
    EXPECT_EQ(done, c.done);
    EXPECT_EQ(M().Memo.Text(), c.after);
    EXPECT_EQ(M().Memo.SelStart(), c.caret);
  }
}

TEST_F(MemoWindowTest, LoadTurnsNulsIntoBlanksAndLoneBreaksIntoCrLf) {
  File("memo.txt") = std::string("a\0b\nc\rd\r\n", 9);
  ASSERT_TRUE(M().LoadFromFile(std::string(kDir) + "memo.txt"));
  EXPECT_EQ(M().Memo.Text(), "a b\r\nc\r\nd\r\n");
  EXPECT_FALSE(M().LoadFromFile(std::string(kDir) + "none.txt"));
}

}  // namespace
