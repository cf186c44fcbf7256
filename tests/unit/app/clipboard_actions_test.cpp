#include "memo/memo_form.h"
#include "support/app_test.h"
#include "ui/messages.h"

namespace {

using Strings = std::vector<std::string>;
using Action = std::function<void()>;
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
    PrepareSettings();
    Start();
    std::tie(Settings().WebCommandUrl1, Settings().WebCommandUrl2, Settings().WebCommandUrl3) =
        std::tuple("http://search.example/?q=%C", "http://films.example/find/%c/x", "third:%C");
  }
  static Action Web(int n) {
    return [n] { Velmarind->RunWebCommand(n); };
  }
  static Action Key(unsigned short vk) {
    return [vk] { ui::headless::PressKey(F_Memo->Memo, vk); };
  }
  static Action Remote(int id) {
    return [id] { Velmarind->Perform(ui::WM_COMMAND, 0, id); };
  }
  // What `act` opens while the clipboard holds `clipboard`.
  static Strings Opened(const std::string& clipboard, const Action& act) {
    Velmarind->SetClipboardText(clipboard);
    os::fake::world().calls.clear();
    act();
    return os::fake::CallsStartingWith("shell::");
  }
};

TEST_F(ClipboardActionsTest, ExpandPlaceholderFillsEveryPercentC) {
  // clang-format off
  const struct { std::string pattern, text, expected; } cases[] = {
      {"%c and %C", "y", "y and y"}, {"100%", "x", "100%"}, {"%x%C", "t", "%xt"},
      {"plain", "ignored", "plain"}, {"", "text", "text"}, {"%%C", "z", "%z"},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(TVelmarind::ExpandPlaceholder(c.pattern, c.text), c.expected) << c.pattern;
}

TEST_F(ClipboardActionsTest, WebCommandsOpenTheFilledTemplateWithTheBrowser) {
  F_Memo->Memo.SetText("  word rest");
  F_Memo->Memo.SetSel(3, 0);
  const std::string q = "http://search.example/?q=", films = "http://films.example/find/";
  // clang-format off
  const struct { std::string browser, clipboard; Action act; Strings calls; } cases[] = {
      {"iexplore -new", "cats", Web(5), {Shell("iexplore", "-new " + q + "cats", "", "open")}},
      {"C:\\Web\\browse.exe -new", "dogs", Web(6), {Shell("browse.exe", "-new " + films + "dogs/x", "C:\\Web\\", "open")}},
      {"\"my browser.exe\" -a  -b", "x", Web(5), {Shell("my", "browser.exe -a  -b " + q + "x", "", "open")}},
      {"", "me@example.org", Web(5), {Shell(q + "mailto:me@example.org")}}, {"", "x", Web(7), {Shell("third:x")}},
      {"browse", "", Web(5), {}}, {"browse", "x", Web(8), {}}, {"browse", "x", Web(0), {}},
      {"", "clip", Key(VK_F1), {Shell("word")}},  // the memo line's first word
      {"", "clip", Key(VK_F3), {Shell(films + "  word rest/x")}}, {"", "clip", Key(VK_F4), {Shell("third:  word rest")}},
      {"", "clip", [] { Velmarind->M_S1.Click(); }, {Shell(q + "clip")}},
      {"", "clip", [] { Velmarind->M_special2.Click(); }, {Shell(films + "clip/x")}},
      {"", "clip", Remote(47002), {Shell(q + "clip")}}, {"", "clip", Remote(47004), {Shell("third:clip")}},
      {"", "clip", Remote(47000), {}}, {"", "clip", Remote(47007), {}}, {"", "clip", Remote(0), {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().Browser = c.browser;
    EXPECT_EQ(Opened(c.clipboard, c.act), c.calls) << "row " << &c - cases;
  }
}

TEST_F(ClipboardActionsTest, SlotsSwapTheirTextWithTheClipboard) {
  const std::string forty(40, 'x'), none = "Save (Text only)";
  auto& w = os::fake::world();
  // clang-format off
  const struct { std::string slot, clipboard; bool hasText, locked; std::string after; } cases[] = {
      {"", "abc", true, false, "abc|abc|abc  (3)"},       // an empty slot takes a copy
      {"abc", "xyz", true, false, "xyz|abc|xyz  (3)"},    // both change places
      {"abc", "", false, false, "abc|abc|" + none},       // an empty clipboard gets the slot
      {"kept", "xyz", true, true, "kept||" + none},       // the clipboard cannot be written
      {"", forty, true, false, forty + "|" + forty + "|" + std::string(32, 'x') + "  (40)"},
      {"", "a&b\r\nc", true, false, "a&b\r\nc|a&b\r\nc|a&&b  c  (6)"},  // shown plainly
  };
  // clang-format on
  for (const auto& c : cases) {
    Velmarind->Clip[1].Text = c.slot;
    Velmarind->M_Clipboard2.Caption = none;
    std::tie(w.clipboardText, w.clipboardHasText, w.clipboardLocked) =
        std::tuple(c.clipboard, c.hasText, c.locked);
    Velmarind->M_Clipboard2.Click();
    EXPECT_EQ(Velmarind->Clip[1].Text + "|" + Velmarind->GetClipboardText() + "|" +
                  Velmarind->M_Clipboard2.Caption,
              c.after);
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
    std::tie(Settings().Browser, Settings().SaveUrls) = std::tie(c.browser, c.saveUrls);
    F_Memo->Memo.SetText("");
    EXPECT_EQ(Opened(c.clipboard, Remote(47001)), c.calls) << c.browser;
    EXPECT_EQ(F_Memo->Memo.Text(), c.memo);
    EXPECT_EQ(Opened(c.clipboard, [] { Velmarind->M_openinbrowser.Click(); }), c.calls);
  }
}

TEST_F(ClipboardActionsTest, AddToMemoWritesTheSeparatorLinesBeforeTheClipboardText) {
  os::fake::SetLocalTime({2026, 12, 6, 9, 5, 7, 0, 1});
  // clang-format off
  const struct { std::string separator, memo; } cases[] = {
      {"", "clip\r\n"}, {"---\\n\\d \\t\\n", "---\r\n06.12.2026 09:05:07\r\nclip\r\n"},
      {"a\\x", "a\\x\r\nclip\r\n"}, {"end\\", "end\\\r\nclip\r\n"}, {"\\N\\T \\D", "\r\n09:05:07 06.12.2026\r\nclip\r\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    Settings().MemoSeparator = c.separator;
    F_Memo->Memo.SetText("");
    Opened("clip", Remote(47005));
    EXPECT_EQ(F_Memo->Memo.Text(), c.memo) << c.separator;
  }
}

}  // namespace
