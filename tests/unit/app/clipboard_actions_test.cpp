#include "memo/memo_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

constexpr unsigned short VK_F1 = 0x70, VK_F3 = 0x72;

std::string ShellCall(const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& directory) {
  return "shell::Execute(\"" + verb + "\",\"" + file + "\",\"" + parameters + "\",\"" + directory +
         "\",1)";
}

class ClipboardActionsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings([](CSettings& s) {
      s.WebCommandUrl1 = "http://search.example/?q=%C";
      s.WebCommandUrl2 = "http://films.example/find/%c/x";
      s.WebCommandUrl3 = "no placeholder";
    });
    Start();
  }
  std::vector<std::string> ShellCalls() { return os::fake::CallsStartingWith("shell::"); }
};

TEST_F(ClipboardActionsTest, SplitCommandDropsQuotesAndBackslashesAndSplitsAtTheFirstBlank) {
  struct Case {
    std::string command, program, arguments;
  };
  const Case cases[] = {{"browse.exe -new", "browse.exe", "-new"},
                        {"iexplore -new", "iexplore", "-new"},
                        {"", "", ""},
                        {"\"my browser.exe\" -a  -b", "my", "browser.exe -a  -b"},
                        {"a\\b c\\d", "ab", "cd"},
                        {"solo", "solo", ""}};
  for (const Case& c : cases) {
    std::string program, arguments;
    TVelmarind::SplitCommand(c.command, program, arguments);
    EXPECT_EQ(program, c.program) << c.command;
    EXPECT_EQ(arguments, c.arguments) << c.command;
  }
}

TEST_F(ClipboardActionsTest, ExpandPlaceholder) {
  struct Case {
    std::string pattern, text, expected;
  };
  const Case cases[] = {{"q=%C", "x", "q=x"}, {"%c and %C", "y", "y and y"}, {"100%", "x", "100%"},
                        {"%x%C", "t", "%xt"}, {"plain", "ignored", "plain"}, {"", "text", "text"},
                        {"%%C", "z", "%z"}};
  for (const Case& c : cases)
    EXPECT_EQ(TVelmarind::ExpandPlaceholder(c.pattern, c.text), c.expected) << c.pattern;
}

TEST_F(ClipboardActionsTest, ClipboardCommandsOpenTheFilledTemplateWithTheBrowser) {
  struct Case {
    std::string browser, clipboard;
    int n;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"iexplore -new",
       "cats",
       5,
       {ShellCall("open", "iexplore", "-new http://search.example/?q=cats", "")}},
      {"C:\\Browsers\\Web\\browse.exe -new",
       "dogs",
       6,
       {ShellCall("open", "browse.exe", "-new http://films.example/find/dogs/x",
                  "C:\\Browsers\\Web\\")}},
      {"",
       "me@example.org",
       5,
       {ShellCall("", "http://search.example/?q=mailto:me@example.org", "", "")}},
      {"", "anything", 7, {ShellCall("", "no placeholder", "", "")}},
      {"browse", "", 5, {}},
      {"browse", "x", 8, {}},
      {"browse", "x", 0, {}},
  };
  for (const Case& c : cases) {
    Settings().Browser = c.browser;
    Velmarind->SetClipboardText(c.clipboard);
    os::fake::world().calls.clear();
    Velmarind->RunWebCommand(c.n);
    EXPECT_EQ(ShellCalls(), c.calls) << c.n << " " << c.clipboard;
  }
}

TEST_F(ClipboardActionsTest, MemoKeysMenusAndRemoteCommandsReachTheWebCommands) {
  Settings().Browser = "";
  Velmarind->SetClipboardText("clip");
  F_Memo->Memo.SetText("  word rest");
  F_Memo->Memo.SetSel(3, 0);
  const std::string search = ShellCall("", "http://search.example/?q=clip", "", "");
  const std::string films = ShellCall("", "http://films.example/find/clip/x", "", "");
  const std::string third = ShellCall("", "no placeholder", "", "");
  struct Case {
    const char* name;
    std::function<void()> act;
    std::string call;
  };
  const Case cases[] = {
      {"F1: the first word", [] { ui::headless::PressKey(F_Memo->Memo, VK_F1); },
       ShellCall("", "word", "", "")},
      {"F3: the whole line", [] { ui::headless::PressKey(F_Memo->Memo, VK_F3); },
       ShellCall("", "http://films.example/find/  word rest/x", "", "")},
      {"M_S1", [] { Velmarind->M_S1.Click(); }, search},
      {"M_special2", [] { Velmarind->M_special2.Click(); }, films},
      {"47002", [] { Velmarind->Perform(ui::WM_COMMAND, 0, 47002); }, search},
      {"47004", [] { Velmarind->Perform(ui::WM_COMMAND, 0, 47004); }, third},
  };
  for (const Case& c : cases) {
    os::fake::world().calls.clear();
    c.act();
    EXPECT_EQ(ShellCalls(), std::vector<std::string>{c.call}) << c.name;
  }
}

TEST_F(ClipboardActionsTest, SlotsSwapTheirTextWithTheClipboard) {
  struct Case {
    const char* name;
    std::string slotBefore, clipboardBefore;
    bool clipboardHasText;
    std::string slotAfter, clipboardAfter, caption;
  };
  const std::string forty(40, 'x');
  const Case cases[] = {
      {"empty slot takes a copy", "", "abc", true, "abc", "abc", "abc  (3)"},
      {"both change places", "abc", "xyz", true, "xyz", "abc", "xyz  (3)"},
      {"empty clipboard receives the slot", "abc", "", false, "abc", "abc", "Save (Text only)"},
      {"long text: 32 characters in the caption", "", forty, true, forty, forty,
       std::string(32, 'x') + "  (40)"},
      {"line breaks and ampersands shown plainly", "", "a&b\r\nc", true, "a&b\r\nc", "a&b\r\nc",
       "a&&b  c  (6)"},
  };
  for (const Case& c : cases) {
    Velmarind->Clip[1].Text = c.slotBefore;
    Velmarind->M_Clipboard2.Caption = "Save (Text only)";
    os::fake::world().clipboardText = c.clipboardBefore;
    os::fake::world().clipboardHasText = c.clipboardHasText;
    Velmarind->M_Clipboard2.Click();
    EXPECT_EQ(Velmarind->Clip[1].Text, c.slotAfter) << c.name;
    EXPECT_EQ(Velmarind->GetClipboardText(), c.clipboardAfter) << c.name;
    EXPECT_EQ(Velmarind->M_Clipboard2.Caption, c.caption) << c.name;
  }
}

TEST_F(ClipboardActionsTest, SlotSwapStopsWhenTheClipboardCannotBeWritten) {
  Velmarind->Clip[0].Text = "kept";
  os::fake::world().clipboardLocked = true;
  Velmarind->SwapClipboardSlot(0);
  EXPECT_EQ(Velmarind->Clip[0].Text, "kept");
  EXPECT_EQ(Velmarind->M_Clipboard1.Caption, "Save (Text only)");
}

TEST_F(ClipboardActionsTest, OpenInBrowserOpensTheClipboardText) {
  struct Case {
    std::string browser;
    int saveUrls;
    std::string call, memo;
  };
  const Case cases[] = {
      {"", 0, "shell::Execute(\"Open\",\"http://x.example/a b\",\"\",\"\",5)", ""},
      {"C:\\B\\b.exe -new", 1,
       "shell::Execute(\"Open\",\"b.exe\",\"-new http://x.example/a b\",\"C:\\B\\\",5)",
       "http://x.example/a b\r\n"},
  };
  for (const Case& c : cases) {
    Settings().Browser = c.browser;
    Settings().SaveUrls = c.saveUrls;
    F_Memo->Memo.SetText("");
    Velmarind->SetClipboardText("http://x.example/a b");
    os::fake::world().calls.clear();
    Velmarind->Perform(ui::WM_COMMAND, 0, 47001);
    EXPECT_EQ(ShellCalls(), std::vector<std::string>{c.call});
    EXPECT_EQ(F_Memo->Memo.Text(), c.memo);
  }
  Velmarind->SetClipboardText("");
  os::fake::world().calls.clear();
  Velmarind->M_openinbrowser.Click();
  EXPECT_TRUE(ShellCalls().empty()) << "nothing on the clipboard: nothing opens";
}

TEST_F(ClipboardActionsTest, AddToMemoWritesTheSeparatorLinesBeforeTheClipboardText) {
  struct Case {
    std::string separator, memo;
  };
  os::fake::SetLocalTime({2026, 12, 6, 9, 5, 7, 0, 1});
  const Case cases[] = {
      {"", "clip\r\n"},
      {"---\\n\\d \\t\\n", "---\r\n06.12.2026 09:05:07\r\nclip\r\n"},
      {"a\\x", "a\\x\r\nclip\r\n"},
      {"end\\", "end\\\r\nclip\r\n"},
      {"\\N\\T", "\r\n09:05:07\r\nclip\r\n"},
  };
  for (const Case& c : cases) {
    Settings().MemoSeparator = c.separator;
    F_Memo->Memo.SetText("");
    Velmarind->SetClipboardText("clip");
    Velmarind->Perform(ui::WM_COMMAND, 0, 47005);
    EXPECT_EQ(F_Memo->Memo.Text(), c.memo) << c.separator;
    EXPECT_EQ(File("memo.txt"), c.memo);
  }
}

}  // namespace
