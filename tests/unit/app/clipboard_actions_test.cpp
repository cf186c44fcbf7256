#include "memo/memo_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

using Strings = std::vector<std::string>;
constexpr unsigned short VK_F1 = 0x70, VK_F3 = 0x72, VK_F4 = 0x73;

std::string Shell(const std::string& file, const std::string& parameters = "",
                  const std::string& directory = "", const std::string& verb = "", int show = 1) {
  return "shell::Execute(\"" + verb + "\",\"" + file + "\",\"" + parameters + "\",\"" + directory +
         "\"," + std::to_string(show) + ")";
}

class ClipboardActionsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PrepareSettings([](CSettings& s) {
      s.WebCommandUrl1 = "http://search.example/?q=%C";
      s.WebCommandUrl2 = "http://films.example/find/%c/x";
      s.WebCommandUrl3 = "third:%C";
    });
    Start();
  }
  // What `act` opens while the clipboard holds `clipboard`.
  static Strings Opened(const std::string& clipboard, const std::function<void()>& act) {
    Velmarind->SetClipboardText(clipboard);
    os::fake::world().calls.clear();
    act();
    return os::fake::CallsStartingWith("shell::");
  }
};

TEST_F(ClipboardActionsTest, ExpandPlaceholderFillsEveryPercentC) {
  // clang-format off
  const struct { std::string pattern, text, expected; } cases[] = {
      {"q=%C", "x", "q=x"}, {"%c and %C", "y", "y and y"}, {"100%", "x", "100%"},
      {"%x%C", "t", "%xt"}, {"plain", "ignored", "plain"}, {"", "text", "text"}, {"%%C", "z", "%z"},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(TVelmarind::ExpandPlaceholder(c.pattern, c.text), c.expected) << c.pattern;
}

TEST_F(ClipboardActionsTest, WebCommandsOpenTheFilledTemplateWithTheBrowser) {
  F_Memo->Memo.SetText("  word rest");
  F_Memo->Memo.SetSel(3, 0);
  const auto run = [](int n) { return [n] { Velmarind->RunWebCommand(n); }; };
  const auto key = [](unsigned short vk) {
    return [vk] { ui::headless::PressKey(F_Memo->Memo, vk); };
  };
  const auto remote = [](int lparam) {
    return [lparam] { Velmarind->Perform(ui::WM_COMMAND, 0, lparam); };
  };
  const std::string q = "http://search.example/?q=", films = "http://films.example/find/";
  // clang-format off
  const struct { std::string browser, clipboard; std::function<void()> act; Strings calls; } cases[] = {
      {"iexplore -new", "cats", run(5), {Shell("iexplore", "-new " + q + "cats", "", "open")}},
      {"C:\\Web\\browse.exe -new", "dogs", run(6), {Shell("browse.exe", "-new " + films + "dogs/x", "C:\\Web\\", "open")}},
      {"\"my browser.exe\" -a  -b", "x", run(5), {Shell("my", "browser.exe -a  -b " + q + "x", "", "open")}},
      {"", "me@example.org", run(5), {Shell(q + "mailto:me@example.org")}},
      {"", "x", run(7), {Shell("third:x")}},
      {"browse", "", run(5), {}}, {"browse", "x", run(8), {}}, {"browse", "x", run(0), {}},
      {"", "clip", key(VK_F1), {Shell("word")}},  // the memo line's first word
      {"", "clip", key(VK_F3), {Shell(films + "  word rest/x")}},
      {"", "clip", key(VK_F4), {Shell("third:  word rest")}},
      {"", "clip", [] { Velmarind->M_S1.Click(); }, {Shell(q + "clip")}},
      {"", "clip", [] { Velmarind->M_special2.Click(); }, {Shell(films + "clip/x")}},
      {"", "clip", remote(47002), {Shell(q + "clip")}},
      {"", "clip", remote(47004), {Shell("third:clip")}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().Browser = c.browser;
    EXPECT_EQ(Opened(c.clipboard, c.act), c.calls) << "row " << &c - cases;
  }
}

TEST_F(ClipboardActionsTest, SlotsSwapTheirTextWithTheClipboard) {
  const std::string forty(40, 'x'), none = "Save (Text only)";
  // clang-format off
  const struct { std::string slot, clipboard; bool hasText, locked; std::string slotAfter, clipboardAfter, caption; } cases[] = {
      {"", "abc", true, false, "abc", "abc", "abc  (3)"},                       // empty slot takes a copy
      {"abc", "xyz", true, false, "xyz", "abc", "xyz  (3)"},                    // both change places
      {"abc", "", false, false, "abc", "abc", none},                            // empty clipboard gets the slot
      {"kept", "xyz", true, true, "kept", "", none},                            // clipboard cannot be written
      {"", forty, true, false, forty, forty, std::string(32, 'x') + "  (40)"},  // 32 characters shown
      {"", "a&b\r\nc", true, false, "a&b\r\nc", "a&b\r\nc", "a&&b  c  (6)"},    // shown plainly
  };
  // clang-format on
  auto& w = os::fake::world();
  for (const auto& c : cases) {
    Velmarind->Clip[1].Text = c.slot;
    Velmarind->M_Clipboard2.Caption = none;
    w.clipboardText = c.clipboard;
    w.clipboardHasText = c.hasText;
    w.clipboardLocked = c.locked;
    Velmarind->M_Clipboard2.Click();
    EXPECT_EQ(Velmarind->Clip[1].Text + "|" + Velmarind->GetClipboardText(),
              c.slotAfter + "|" + c.clipboardAfter);
    EXPECT_EQ(Velmarind->M_Clipboard2.Caption, c.caption);
  }
}

TEST_F(ClipboardActionsTest, OpenInBrowserOpensTheClipboardText) {
  const std::string url = "http://x.example/a b";
  // clang-format off
  const struct { std::string browser, clipboard; int saveUrls; Strings calls; std::string memo; } cases[] = {
      {"", url, 0, {Shell(url, "", "", "Open", 5)}, ""},
      {"C:\\B\\b.exe -new", url, 1, {Shell("b.exe", "-new " + url, "C:\\B\\", "Open", 5)}, url + "\r\n"},
      {"", "", 1, {}, ""},  // nothing on the clipboard: nothing opens
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().Browser = c.browser;
    Settings().SaveUrls = c.saveUrls;
    F_Memo->Memo.SetText("");
    const auto remote = [] { Velmarind->Perform(ui::WM_COMMAND, 0, 47001); };
    EXPECT_EQ(Opened(c.clipboard, remote), c.calls) << c.browser;
    EXPECT_EQ(F_Memo->Memo.Text(), c.memo);
    EXPECT_EQ(Opened(c.clipboard, [] { Velmarind->M_openinbrowser.Click(); }), c.calls);
  }
}

TEST_F(ClipboardActionsTest, AddToMemoWritesTheSeparatorLinesBeforeTheClipboardText) {
  os::fake::SetLocalTime({2026, 12, 6, 9, 5, 7, 0, 1});
  // clang-format off
  const struct { std::string separator, memo; } cases[] = {
      {"", "clip\r\n"},
      {"---\\n\\d \\t\\n", "---\r\n06.12.2026 09:05:07\r\nclip\r\n"},
      {"a\\x", "a\\x\r\nclip\r\n"}, {"end\\", "end\\\r\nclip\r\n"}, {"\\N\\T", "\r\n09:05:07\r\nclip\r\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().MemoSeparator = c.separator;
    F_Memo->Memo.SetText("");
    Opened("clip", [] { Velmarind->Perform(ui::WM_COMMAND, 0, 47005); });
    EXPECT_EQ(F_Memo->Memo.Text(), c.memo) << c.separator;
    EXPECT_EQ(File("memo.txt"), c.memo);
  }
}

}  // namespace
