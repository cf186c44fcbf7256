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
  Settings().Filter3 = "uppercase()";
  Settings().Filter4 = "append(!)";
  struct Case {
    unsigned short key;
    std::string after;
  };
  const Case cases[] = {
      {VK_F7, "first\r\n  http://x   [ERROR: find] [ERROR: append_first]\r\nlast"},
      {VK_F9, "first\r\n  HTTP://X  \r\nlast"},
      {VK_F11, "first\r\n  http://x  !\r\nlast"},
  };
  for (const Case& c : cases) {
    Set("first\r\n  http://x  \r\nlast", 9);
    F_Memo->Modified = 0;
    Press(c.key);
    EXPECT_EQ(Text(), c.after) << c.key;
    EXPECT_EQ(F_Memo->Modified, 1);
  }
}

TEST_F(MemoFilterKeysTest, EncryptTwiceGivesTheLineBack) {
  Set("secret line", 0);
  Press(VK_F8);
  const std::string scrambled = Text();
  EXPECT_NE(scrambled, "secret line");
  EXPECT_EQ(scrambled.back(), 'e') << "the last character is kept";
  EXPECT_EQ(scrambled.find_first_of("\r\n\t"), std::string::npos);
  F_Memo->Memo.SetSel(0, 0);
  Press(VK_F8);
  EXPECT_EQ(Text(), "secret line");
}

TEST_F(MemoFilterKeysTest, AnEmptyCaretLineRunsNothing) {
  Settings().Filter3 = "append(?)";  // a prompt would fail the test
  for (unsigned short key : {VK_F7, VK_F8, VK_F9, VK_F11}) {
    Set("a\r\n\r\nb", 3);
    Press(key);
    EXPECT_EQ(Text(), "a\r\n\r\nb") << key;
  }
  Settings().Filter4 = "old";
  Press(VK_F12);
  EXPECT_EQ(Settings().Filter4, "") << "F12 on an empty line empties program 4";
}

TEST_F(MemoFilterKeysTest, StoredLineRunsAsProgramFourOnAnotherLine) {
  Set("upper case()\r\nmake me loud", 0);
  Press(VK_F12);
  EXPECT_EQ(Settings().Filter4, "upper case()");
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
      EXPECT_EQ(d.caption, "Velmarind");
      EXPECT_EQ(d.text, "Select Parameter");
      if (changeMeanwhile) F_Memo->Memo.SetText("one\r\nTWO");
      d.value = "!";
      return 1;
    });
    Press(VK_F9);
    EXPECT_EQ(Text(), changeMeanwhile ? "one\r\nTWO" : "one\r\ntwo!");
  }
}

TEST_F(MemoFilterKeysTest, AddToMemoRunsTheEnabledOnAddPrograms) {
  struct Case {
    int on1, on2, on3;
    std::string added, appended;
  };
  Settings().Filter2 = "append(2)";
  Settings().Filter3 = "if_find_skip_all(t),append(3)";
  const Case cases[] = {
      {0, 0, 0, "  text  ", "  text  \r\n"},
      {1, 0, 0, "  text  ", "text\r\n"},  // program 1's unknown names change nothing
      {1, 1, 0, "  text  ", "text2\r\n"},
      {0, 0, 1, "xyz", "xyz3\r\n"},
      {0, 1, 1, "t", "t2\r\n"},     // program 3 skips, program 2 already ran
      {2, 0, 0, " a ", " a \r\n"},  // only 1 switches a program on
  };
  for (const Case& c : cases) {
    Settings().FilterOnAdd1 = c.on1;
    Settings().FilterOnAdd2 = c.on2;
    Settings().FilterOnAdd3 = c.on3;
    Set("", 0);
    F_Memo->AddToMemo(c.added);
    EXPECT_EQ(Text(), c.appended) << c.added << " " << c.on1 << c.on2 << c.on3;
  }
}

TEST_F(MemoFilterKeysTest, AddToMemoAppendsAnEmptyLineWhenTheFiltersEmptyTheText) {
  Settings().Filter1 = "delete_line()";
  Settings().FilterOnAdd1 = 1;
  Set("a\r\n", 3);
  F_Memo->AddToMemo("gone");
  EXPECT_EQ(Text(), "a\r\n\r\n");
  EXPECT_EQ(File("memo.txt"), "a\r\n\r\n");
}

}  // namespace
