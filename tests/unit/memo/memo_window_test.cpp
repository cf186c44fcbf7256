// The memo window as the user works with it: status line, search, copy,
// paste, delete, function keys, Add To Memo, the modified flag, dragging.
#include "memo/memo_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

constexpr unsigned short VK_F5 = 0x74, VK_F6 = 0x75, VK_F10 = 0x79;

class MemoWindowTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
    os::fake::world().calls.clear();
  }
  void Set(const std::string& text, int selStart, int selLength = 0) {
    F_Memo->Memo.SetText(text);
    F_Memo->Memo.SetSel(selStart, selLength);
  }
  std::pair<int, int> Selection() { return {F_Memo->Memo.SelStart(), F_Memo->Memo.SelLength()}; }
  std::size_t MemoWrites() {
    return os::fake::CallsStartingWith("files::SaveAtomically(\"C:\\Velmarind\\memo.txt\")").size();
  }
};

TEST_F(MemoWindowTest, StatusLineShowsCaretLineAndLineCountPlusOne) {
  struct Case {
    std::string text;
    int caret;
    std::string status;
  };
  const Case cases[] = {{"", 0, "1/1"},
                        {"a\r\nb", 3, "2/3"},
                        {"a\r\nb\r\n", 6, "3/3"},
                        {"a", 1, "1/2"},
                        {"a\r\n\r\nc", 3, "2/4"}};
  for (const Case& c : cases) {
    Set(c.text, c.caret);
    F_Memo->UpdateStatus();
    EXPECT_EQ(F_Memo->sb_Memo.SimpleText(), c.status) << c.text;
  }
}

TEST_F(MemoWindowTest, SearchButtonsFindForwardAndBackwardWithoutWrapping) {
  struct Step {
    bool down;
    std::pair<int, int> selection;
  };
  struct Case {
    const char* name;
    std::string text, search;
    int caret;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"abab", "abab", "a", 0, {{true, {2, 1}}, {true, {2, 1}}, {false, {0, 1}}}},
      {"match at the very end", "xxab", "ab", 0, {{true, {2, 2}}}},
      {"no overlap with the caret", "xabx", "ab", 2, {{false, {2, 0}}}},
      {"case-sensitive", "Aa", "a", 0, {{true, {1, 1}}}},
      {"empty search: down to the end", "hello", "", 1, {{true, {5, 0}}, {false, {0, 0}}}},
      {"empty memo", "", "", 0, {{true, {0, 0}}}},
      {"no match", "abc", "z", 1, {{true, {1, 0}}, {false, {1, 0}}}},
      {"start past the end", "ab", "abc", 2, {{true, {2, 0}}}},
  };
  for (const Case& c : cases) {
    Set(c.text, c.caret);
    F_Memo->E_s.SetText(c.search);
    for (const Step& step : c.steps) {
      (step.down ? F_Memo->BB_down : F_Memo->BB_up).Click();
      EXPECT_EQ(Selection(), step.selection) << c.name;
    }
  }
}

TEST_F(MemoWindowTest, FunctionKeysSearchTheSelectionOrTheCaretLine) {
  Set("ab ab ab", 0, 2);
  ui::headless::PressKey(F_Memo->Memo, VK_F5, ui::ssShift);
  EXPECT_EQ(Selection(), (std::pair{3, 2})) << "Shift+F5 acts as F5";
  ui::headless::PressKey(F_Memo->Memo, VK_F5);
  EXPECT_EQ(Selection(), (std::pair{6, 2}));
  ui::headless::PressKey(F_Memo->Memo, VK_F6);
  EXPECT_EQ(Selection(), (std::pair{3, 2}));
  ui::headless::PressKey(F_Memo->Memo, VK_F10);
  EXPECT_EQ(Selection(), (std::pair{3, 2})) << "F10 does nothing";
  EXPECT_EQ(F_Memo->sb_Memo.SimpleText(), "1/2");
}

TEST_F(MemoWindowTest, GetCommandTextModes) {
  struct Case {
    std::string text;
    int selStart, selLength, mode;
    std::string expected;
  };
  const Case cases[] = {
      {"  first second", 3, 0, 1, "first"},
      {"  first second", 3, 0, 2, "  first second"},
      {"one two", 0, 3, 1, "one"},
      {"one two", 4, 3, 2, "two"},
      {"   ", 1, 0, 1, ""},
      {"", 0, 0, 1, ""},
      {"a\r\nword\tx y", 4, 0, 1, "word\tx"},
      {"a\r\n", 3, 0, 2, ""},
  };
  for (const Case& c : cases) {
    Set(c.text, c.selStart, c.selLength);
    EXPECT_EQ(F_Memo->GetCommandText(c.mode), c.expected) << c.text << " mode " << c.mode;
  }
}

TEST_F(MemoWindowTest, CopyTakesTheSelectionOrTheCaretLine) {
  struct Case {
    std::string text;
    int selStart, selLength;
    std::string clipboard;
  };
  const Case cases[] = {{"one\r\ntwo", 5, 0, "two"},
                        {"one\r\ntwo", 1, 2, "ne"},
                        {"one\r\n\r\nthree", 5, 0, "before"},
                        {"", 0, 0, "before"}};
  for (const Case& c : cases) {
    Velmarind->SetClipboardText("before");
    Set(c.text, c.selStart, c.selLength);
    F_Memo->B_Copy.Click();
    EXPECT_EQ(Velmarind->GetClipboardText(), c.clipboard) << c.text;
  }
}

TEST_F(MemoWindowTest, PasteReplacesTheSelection) {
  Velmarind->SetClipboardText("XY");
  Set("abcd", 1, 2);
  F_Memo->B_Paste.Click();
  EXPECT_EQ(F_Memo->Memo.Text(), "aXYd");
  EXPECT_EQ(F_Memo->Modified, 1);
}

TEST_F(MemoWindowTest, DeleteRemovesTheCaretLineOrTheSelection) {
  struct Case {
    std::string text;
    int selStart, selLength;
    std::string expected;
    int caret;
  };
  const Case cases[] = {
      {"abc", 1, 0, "", 0},
      {"l1\r\nl2\r\nl3", 5, 0, "l1\r\nl3", 4},
      {"l1\r\nl2", 4, 0, "l1\r\n", 4},
      {"l1\r\nl2\r\n", 8, 0, "l1\r\nl2\r\n", 8},
      {"l1\r\nl2\r\nl3", 1, 5, "l\r\nl3", 1},
      {"", 0, 0, "", 0},
  };
  for (const Case& c : cases) {
    Set(c.text, c.selStart, c.selLength);
    F_Memo->B_delete.Click();
    EXPECT_EQ(F_Memo->Memo.Text(), c.expected) << c.text;
    EXPECT_EQ(Selection(), (std::pair{c.caret, 0})) << c.text;
  }
}

TEST_F(MemoWindowTest, AddToMemoAppendsLinesAndWritesTheFile) {
  struct Case {
    std::string before, added, after;
  };
  const Case cases[] = {{"", "x", "x\r\n"},
                        {"a", "x", "a\r\nx"},
                        {"a\r\n", "x", "a\r\nx\r\n"},
                        {"a\r\n", "p\r\nq", "a\r\np\r\nq\r\n"}};
  for (const Case& c : cases) {
    Set(c.before, 0);
    F_Memo->Modified = 0;
    os::fake::world().calls.clear();
    F_Memo->AddToMemo(c.added);
    EXPECT_EQ(F_Memo->Memo.Text(), c.after);
    EXPECT_EQ(File("memo.txt"), c.after);
    EXPECT_EQ(F_Memo->Memo.SelStart(), static_cast<int>(c.after.size()));
    EXPECT_EQ(F_Memo->Modified, 1) << "Add To Memo leaves the flag set";
    EXPECT_EQ(MemoWrites(), 1u);
  }
  os::fake::world().calls.clear();
  F_Memo->AddToMemo("");
  EXPECT_EQ(MemoWrites(), 0u) << "nothing to add, no file written";
}

TEST_F(MemoWindowTest, ModifiedFlagFollowsChangesAndSaves) {
  Set("", 0);
  F_Memo->Modified = 0;
  ui::headless::Type(F_Memo->Memo, "hi");
  EXPECT_EQ(F_Memo->Modified, 1);
  F_Memo->Show();
  F_Memo->Close();
  EXPECT_EQ(F_Memo->Modified, 0);
  EXPECT_EQ(File("memo.txt"), "hi");
  os::fake::world().calls.clear();
  F_Memo->Show();
  F_Memo->Close();
  EXPECT_EQ(MemoWrites(), 0u) << "unchanged: not written again";
}

TEST_F(MemoWindowTest, FailedSaveReportsAndKeepsTheFlagForTheNextTry) {
  os::fake::world().failingSaves.insert(std::string(kDir) + "memo.txt");
  File("memo.txt") = "old";
  Set("new", 0);
  ui::headless::Expect([](ui::headless::Dialog& d) {
    EXPECT_EQ(d.caption, "Error");
    EXPECT_EQ(d.flags, ui::MB_ICONEXCLAMATION);
    return ui::IDOK;
  });
  F_Memo->Show();
  F_Memo->Close();
  EXPECT_EQ(F_Memo->Modified, 1);
  EXPECT_EQ(File("memo.txt"), "old");
  os::fake::world().failingSaves.clear();
  F_Memo->Show();
  F_Memo->Close();
  EXPECT_EQ(File("memo.txt"), "new");
  EXPECT_EQ(F_Memo->Modified, 0);
}

TEST_F(MemoWindowTest, SearchBoxEnterSearchesAndDoubleClickTogglesTheClipboardText) {
  Set("find me, find", 0);
  ui::headless::Type(F_Memo->E_s, "find\r");
  EXPECT_EQ(F_Memo->E_s.Text(), "find");
  EXPECT_EQ(Selection(), (std::pair{9, 4}));
  Velmarind->SetClipboardText("clip");
  F_Memo->E_s.NotifyDblClick();
  EXPECT_EQ(F_Memo->E_s.Text(), "");
  F_Memo->E_s.NotifyDblClick();
  EXPECT_EQ(F_Memo->E_s.Text(), "clip");
  F_Memo->E_s.SetText("");
  ui::headless::Type(F_Memo->E_s, std::string(70, 'x'));
  EXPECT_EQ(F_Memo->E_s.Text().size(), 64u) << "at most 64 characters typed";
}

TEST_F(MemoWindowTest, DraggingByTheFreeAreaOrTheStatusBarMovesTheWindow) {
  for (ui::TObject* by :
       {static_cast<ui::TObject*>(F_Memo), static_cast<ui::TObject*>(&F_Memo->sb_Memo)}) {
    F_Memo->SetBounds(100, 100, 360, 320);
    auto down = [&](ui::TMouseButton b, int x, int y) {
      if (by == F_Memo)
        F_Memo->NotifyMouseDown(b, 0, x, y);
      else
        F_Memo->sb_Memo.NotifyMouseDown(b, 0, x, y);
    };
    auto move = [&](int x, int y) {
      if (by == F_Memo)
        F_Memo->NotifyMouseMove(0, x, y);
      else
        F_Memo->sb_Memo.NotifyMouseMove(0, x, y);
    };
    down(ui::TMouseButton::mbLeft, 10, 10);
    move(15, 30);
    EXPECT_EQ(F_Memo->Left(), 105);
    EXPECT_EQ(F_Memo->Top(), 120);
    F_Memo->sb_Memo.NotifyMouseUp(ui::TMouseButton::mbLeft, 0, 15, 30);
    move(50, 50);
    EXPECT_EQ(F_Memo->Left(), 105) << "released: no more moving";
    down(ui::TMouseButton::mbRight, 10, 10);
    move(50, 50);
    EXPECT_EQ(F_Memo->Left(), 105) << "only the left button drags";
  }
}

TEST_F(MemoWindowTest, ShowingAppliesTheTranslucency) {
  struct Case {
    int transparent, level;
    std::string event;
  };
  const Case cases[] = {{1, 12, "SetAlpha(F_Memo,on,188)"},
                        {1, 0, "SetAlpha(F_Memo,on,20)"},
                        {1, 99, "SetAlpha(F_Memo,on,244)"},
                        {0, 12, "SetAlpha(F_Memo,off,255)"}};
  for (const Case& c : cases) {
    Settings().MemoTransparent = c.transparent;
    Settings().MemoTransparency = c.level;
    ui::headless::Events().clear();
    F_Memo->Show();
    EXPECT_EQ(ui::headless::Events().at(0), c.event);
    F_Memo->Hide();
  }
}

TEST_F(MemoWindowTest, StartUpPlacementIsStoredBackInTheSettings) {
  Settings().MemoLeft = -4;
  Settings().MemoTop = 5000;
  F_Memo->SetBounds(0, 0, 300, 200);
  F_Memo->ApplySavedPosition();
  EXPECT_EQ(Settings().MemoLeft, 10);
  EXPECT_EQ(Settings().MemoTop, 1024 - 232);
}

}  // namespace
