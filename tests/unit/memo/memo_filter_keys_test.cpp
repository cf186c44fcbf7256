// The memo's filter keys and the filter step of Add To Memo.
#include "memo/memo_form.h"
#include "support/app_test.h"

namespace {

constexpr unsigned short VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78, VK_F11 = 0x7A, VK_F12 = 0x7B;

class MemoFilterKeysTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings();
    Start();
  }
  void Set(const std::string& text, int caret) {
    F_Memo->Memo.SetText(text);
    F_Memo->Memo.SetSel(caret, 0);
  }
  void Press(unsigned short key) { ui::headless::PressKey(F_Memo->Memo, key); }
  std::string Text() { return F_Memo->Memo.Text(); }
};

TEST_F(MemoFilterKeysTest, KeysRunTheirProgramOnTheCaretLineOnly) {
  Settings().Filter2 = "append(2)";
  Settings().Filter3 = "uppercase()";
  Settings().Filter4 = "append(!)";
  // clang-format off
  const std::pair<unsigned short, std::string> cases[] = {
      {VK_F7,  "first\r\n  http://x   [ERROR: find] [ERROR: append_first]\r\nlast"},
      {VK_F8,  "first\r\n  http://x  2\r\nlast"},
      {VK_F9,  "first\r\n  HTTP://X  \r\nlast"},
      {VK_F11, "first\r\n  http://x  !\r\nlast"},
  };
  // clang-format on
  for (const auto& [key, after] : cases) {
    Set("first\r\n  http://x  \r\nlast", 9);
    F_Memo->Modified = 0;
    Press(key);
    EXPECT_EQ(Text(), after) << key;
    EXPECT_EQ(F_Memo->Modified, 1);
  }
}

TEST_F(MemoFilterKeysTest, AnEmptyCaretLineRunsNothingAndF12StoresTheLineAsProgramFour) {
  Settings().Filter3 = "append(?)";  // a prompt would fail the test
  for (unsigned short key : {VK_F7, VK_F8, VK_F9, VK_F11}) {
    Set("a\r\n\r\nb", 3);
    Press(key);
    EXPECT_EQ(Text(), "a\r\n\r\nb") << key;
  }
  Settings().Filter4 = "old";
  Press(VK_F12);
  EXPECT_EQ(Settings().Filter4, "") << "F12 on an empty line empties program 4";
  Set("upper case()\r\nmake me loud", 0);
  Press(VK_F12);
  EXPECT_EQ(Text(), "upper case()\r\nmake me loud") << "storing changes no line";
  F_Memo->Memo.SetSel(15, 0);
  Press(VK_F11);
  EXPECT_EQ(Text(), "upper case()\r\nMAKE ME LOUD");
}

TEST_F(MemoFilterKeysTest, ResultIsDroppedWhenTheLineChangedDuringAPrompt) {
  Settings().Filter3 = "append(?)";
  for (const bool changeMeanwhile : {false, true}) {
    Set("one\r\ntwo", 6);
    ui::headless::Expect([&](ui::headless::Dialog& d) {
      if (changeMeanwhile) F_Memo->Memo.SetText("one\r\nTWO");
      d.value = "!";
      return 1;
    });
    Press(VK_F9);
    EXPECT_EQ(Text(), changeMeanwhile ? "one\r\nTWO" : "one\r\ntwo!");
  }
}

TEST_F(MemoFilterKeysTest, AddToMemoRunsTheProgramsSwitchedOnForItAndAppendsTheLines) {
  Settings().Filter2 = "append(2)";
  // clang-format off
  const struct { std::string program1, program3; int on1, on2, on3; std::string before, added, after; } cases[] = {
      {"append(1)", "append(3)", 1, 1, 1, "", "t", "t123\r\n"},  // in order, each on the last result
      {"append(1)", "append(3)", 0, 1, 0, "a\r\n", "t", "a\r\nt2\r\n"},
      {"append(1)", "append(3)", 2, -1, 1, "a", "t", "a\r\nt3"},  // only 1 switches a program on
      {"", "", 0, 0, 0, "a\r\n", "p\r\nq", "a\r\np\r\nq\r\n"},
      {"if_find_skip_all(t)", "if_find(t)", 1, 1, 1, "", "t", "t2\r\n"},  // each from skip state 0
      {"bogus(),append(!)", "", 1, 0, 0, "", "t", "t!\r\n"},  // unknown names: no note, no box
      {"strip( ),strip_end( )", "", 1, 0, 0, "", "  a  \r\n  b  ", "a  \r\n  b\r\n"},  // one text
      {"delete_line()", "", 1, 0, 0, "", "gone", "\r\n"},
  };
  // clang-format on
  const std::string scroll = ui::headless::ControlEvent("ScrollCaret", F_Memo->Memo);
  for (const auto& c : cases) {
    Settings().Filter1 = c.program1;
    Settings().Filter3 = c.program3;
    Settings().FilterOnAdd1 = c.on1;
    Settings().FilterOnAdd2 = c.on2;
    Settings().FilterOnAdd3 = c.on3;
    Set(c.before, 0);
    ui::headless::Events().clear();
    F_Memo->AddToMemo(c.added);
    EXPECT_EQ(Text(), c.after) << c.program1 << " | " << c.program3;
    EXPECT_EQ(File("memo.txt"), c.after);
    EXPECT_EQ(F_Memo->Memo.SelStart(), static_cast<int>(c.after.size()));
    EXPECT_EQ(ui::headless::Events(), std::vector<std::string>{scroll}) << "scrolled to the end";
    EXPECT_EQ(F_Memo->Modified, 1) << "the flag stays for the next save";
  }
  os::fake::world().calls.clear();
  F_Memo->AddToMemo("");
  EXPECT_TRUE(os::fake::CallsStartingWith("files::SaveAtomically").empty()) << "nothing added";
}

}  // namespace
