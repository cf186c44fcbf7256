#include "memo/filter.h"

#include <optional>
#include <string>
#include <vector>

#include "memo/filter_operations.h"
#include "support/headless_test.h"
#include "ui/messages.h"

namespace {

using ui::headless::DialogKind;

// A dialog a run must show, with the script's answer.
struct Dialog {
  DialogKind kind;
  std::optional<std::string> typed;  // a prompt's answer; nullopt cancels it
};
Dialog Typed(const std::string& text) {
  return {DialogKind::InputQuery, text};
}
const Dialog kCancelled{DialogKind::InputQuery, std::nullopt};
const Dialog kNotAnInteger{DialogKind::MessageBox, std::nullopt};

struct Case {
  std::string program;
  std::string input;
  std::string output;
  std::string notes = "";
  std::vector<Dialog> dialogs = {};
};

class FilterTest : public HeadlessTest {
 protected:
  // Runs the program with its dialogs answered as listed and checks that
  // exactly these dialogs came up, in this order.
  memo::FilterRun Run(const std::string& program, const std::string& text,
                      const std::vector<Dialog>& dialogs = {}) {
    ui::headless::Reset();
    for (const Dialog& d : dialogs) {
      ui::headless::Expect([d](ui::headless::Dialog& shown) {
        if (d.kind == DialogKind::MessageBox) return ui::IDOK;
        if (d.typed) shown.value = *d.typed;
        return d.typed ? 1 : 0;
      });
    }
    memo::FilterRun run = memo::RunFilterProgram(program, text);
    const auto& shown = ui::headless::ShownDialogs();
    EXPECT_EQ(shown.size(), dialogs.size()) << "dialogs shown";
    for (std::size_t i = 0; i < std::min(shown.size(), dialogs.size()); ++i) {
      EXPECT_EQ(shown[i].kind, dialogs[i].kind) << "dialog " << i;
      if (shown[i].kind == DialogKind::InputQuery) {
        EXPECT_EQ(shown[i].caption, "Velmarind");
        EXPECT_EQ(shown[i].text, "Select Parameter");
        EXPECT_EQ(shown[i].value, "") << "the field starts empty";
      } else {
        EXPECT_EQ(shown[i].caption, "Error");
        EXPECT_EQ(shown[i].text, "Not an integer!");
        EXPECT_EQ(shown[i].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
      }
    }
    EXPECT_EQ(ui::headless::PendingAnswers(), 0u) << "a dialog never came up";
    EXPECT_EQ(run.ShowedDialog, !dialogs.empty());
    return run;
  }

  void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE("program \"" + c.program + "\" on \"" + c.input + "\"");
      const memo::FilterRun run = Run(c.program, c.input, c.dialogs);
      EXPECT_EQ(run.Text, c.output);
      EXPECT_EQ(run.ErrorText, c.notes);
      EXPECT_EQ(run.ErrorFlag, !c.notes.empty());
    }
  }
};

const std::string kFactoryProgram1 = "strip( ),strip_end( ),find(http://),append_first(http://)";
const std::string kEmptyNameNote = " [ERROR: ]";

TEST_F(FilterTest, DocumentedExamplesGiveTheirResults) {
  Check({
      {kFactoryProgram1, "  www.x.org  ", "www.x.org", " [ERROR: find] [ERROR: append_first]"},
      {"upper case()", "abc", "ABC"},
      {"UpperCase()", "abc", "ABC"},
      {"uppercase)", "abc", "ABC"},
      {"uppercase", "abc", "abc"},
      {"strip( ))", "  a", "a", kEmptyNameNote},
      {"delete(ab)", "aabb", ""},
      {"delete_first(ab)", "aabb", "ab"},
      {"replace(ab,b)", "aab", "b"},
      {"replace(a,b,c)", "xa", "xb,c"},
      {"append_if(.)", "a.b.", "a.b."},
      {"append_if(.)", "a.b", "a.b."},
      {"append_start_if(x)", "xy", "xy"},
      {"strip_end( )", "   ", ""},
      {"strip(ab)", "aab", "aab"},
      {"delete_ascii(32)", "a  b c ", "abc"},
      {"delete_ascii(x)", "a b", "a b", "", {kNotAnInteger}},
      {"if_find(x),uppercase(),append(!)", "axb", "axb!"},
      {"if_find(x),uppercase(),append(!)", "abc", "ABC!"},
      {"if_find_skip_all(x),uppercase(),append(!)", "axb", "axb"},
      {"!if_find(x),uppercase(),append(!)", "abc", "abc!"},
      {"if_find(http://),append_start(http://)", "www.a", "http://www.a"},
      {"if_find(http://),append_start(http://)", "http://a", "http://a"},
      {"delete_inside((,))", "a(b)c", "a(b)c", kEmptyNameNote},
      {"delete_outside(|,|)", "a|b|c|d|e", "|b||d|"},
      {"delete_inside(|,|)", "a|b|c|d|e", "a||c||e"},
      {"delete_inside([,])", "a[b]c[d", "a[]c["},
      {"delete_outside([,])", "a[b]c[d]e", "[b][d]"},
      {"delete_inside([,])", "[[a]b]", "[]b]"},
      {"delete(?)", "xabcyabc", "xy", "", {Typed("abc")}},
      {"delete(?)", "xabcyabc", "xabcyabc", "", {kCancelled}},
      {"if_find(x),unknown(),append(!)", "x", "x!"},
      {"uppercase,delete(a)", "a", "a", " [ERROR: uppercasedelete]"},
  });
}

TEST_F(FilterTest, ParserModesDecideWhatEachCharacterDoes) {
  Check({
      {"", "abc", "abc"},
      {"up,per ca,se()", "ab", "AB"},
      {"APPEND(x)", "a", "ax"},
      {"append(AB)", "a", "aAB"},
      {"append( x )", "a", "a x "},
      {"append(a(b)", "x", "xab"},
      {"replace(a,b(c)", "xac", "xb"},
      {"replace(a,b,,c)", "a", "b,,c"},
      {"replace(a,b c)", "a", "b c"},
      {"lowercase)append(!)", "AB", "ab!"},
      {"append(!))", "a", "a!", kEmptyNameNote},
      {"()", "a", "a", kEmptyNameNote},
      {"append(x", "a", "a"},
      {"append(!),append(?", "a", "a!", "", {Typed("z")}},
      {"?()", "a", "a", " [ERROR: ?]"},
      {"append(?-?)", "a", "ax-y", "", {Typed("x"), Typed("y")}},
      {"replace(?,?)", "abc", "xbc", "", {Typed("a"), Typed("x")}},
      {"append(?)", "a", "a(,)", "", {Typed("(,)")}},
      {"append(?)", "a", "a", "", {Typed("")}},
      {"\xC4PPEND(x)", "a", "a", " [ERROR: \xE4ppend]"},
      {"one(),two()", "a", "a", " [ERROR: one] [ERROR: two]"},
  });
}

TEST_F(FilterTest, EachOperationRewritesTheText) {
  Check({
      {"delete(aba)", "ababa", "ba"},
      {"delete(ab)", "aabbab", ""},
      {"delete(ab)", "a-b", "a-b"},
      {"delete()", "abc", "abc"},
      {"delete_first(b)", "abcb", "acb"},
      {"delete_first(z)", "abc", "abc"},
      {"delete_first()", "abc", "abc"},
      {"replace(aa,a)", "aaaa", "a"},
      {"replace(ab,ba)", "aab", "baa"},
      {"replace(ab,bba)", "aab", "bbbbaa"},
      {"replace(a)", "banana", "bnn"},
      {"replace(,x)", "abc", "abc"},
      {"replace(a,aa)", "aba", "aabaa"},
      {"replace(a,bab)", "aa", "babbab"},
      {"append()", "a", "a"},
      {"append_if()", "a", "a"},
      {"append_start(<)", "a", "<a"},
      {"append_start_if(<)", "a", "<a"},
      {"append_start_if(<)", "<a", "<a"},
      {"append_if(ab)", "xab", "xab"},
      {"append_if(ab)", "xa", "xaab"},
      {"strip(x)", "xxaxx", "axx"},
      {"strip(x)", "xxx", ""},
      {"strip()", "  a", "  a"},
      {"strip_end(x)", "xxaxx", "xxa"},
      {"strip_end(xx)", "axx", "axx"},
      {"uppercase()", "a\xE4\xF6\xFC \xDF \xFF \xE9\x9A\xB5",
       "A\xC4\xD6\xDC \xDF \x9F \xC9\x8A\xB5"},
      {"lowercase()", "A\xC4\x8C\x8E\x9F\xD7", "a\xE4\x9C\x9E\xFF\xD7"},
      {"delete_inside([,])", "a]b[c]", "a]b[c]"},
      {"delete_inside([,])", "a[b", "a[b"},
      {"delete_inside([,])", "a]b", "a]b"},
      {"delete_inside([[,])", "a[[b]c", "a[[b]c"},
      {"delete_inside([,]])", "a[b]]c", "a[b]]c"},
      {"delete_inside(,])", "a[b]c", "a[b]c"},
      {"delete_outside([,])", "a]b[c]", "a]b[c]"},
      {"delete_outside([,])", "a[b]c[d", "[b][d"},
      {"delete_inside(\",\")", "say \"hi\" now", "say \"\" now"},
      {"delete_outside(\",\")", "say \"hi\" now", "\"hi\""},
      {"delete_after(//)", "http://x", "http:"},
      {"delete_after(//)", "x", "x"},
      {"delete_after(ht)", "http", ""},
      {"delete_after()", "abc", "abc"},
      {"keep_after(//)", "http://x", "//x"},
      {"keep_after(//)", "x", "x"},
      {"keep_after()", "abc", "abc"},
      {"delete_numbers()", "a1b23c4", "abc"},
      {"keep_numbers()", "a1b23c4", "1234"},
      {"keep_numbers()", "abc", ""},
      {"delete_line()", "abc", ""},
      {"encrypt()", "ab", "pb"},
      {"encrypt(1)", "ab", "pb"},
      {"encrypt(2)", "ab", "sb"},
      {"encrypt(3)", "ab", "ub"},
      {"encrypt( 2)", "ab", "pb"},
      {"encrypt()", "\tz", "\x18z"},
      {"encrypt()", "a", "a"},
      {"encrypt()", "", ""},
  });
}

TEST_F(FilterTest, DeleteAsciiReadsItsArgumentAsAnInteger) {
  const std::string text = "A B\xFF\x80";
  const std::string withoutA = " B\xFF\x80";
  const std::string without255 = "A B\x80";
  const std::string without128 = "A B\xFF";
  Check({
      {"delete_ascii(65)", text, withoutA},
      {"delete_ascii( 65)", text, withoutA},
      {"delete_ascii(+65)", text, withoutA},
      {"delete_ascii(065)", text, withoutA},
      {"delete_ascii($41)", text, withoutA},
      {"delete_ascii(0x41)", text, withoutA},
      {"delete_ascii(0X41)", text, withoutA},
      {"delete_ascii(255)", text, without255},
      {"delete_ascii($ff)", text, without255},
      {"delete_ascii(-1)", text, without255},
      {"delete_ascii($FFFFFFFF)", text, without255},
      {"delete_ascii(128)", text, without128},
      {"delete_ascii(-128)", text, without128},
      {"delete_ascii(256)", text, text},
      {"delete_ascii(-129)", text, text},
      {"delete_ascii(2147483647)", text, text},
      {"delete_ascii(-2147483648)", text, text},
      {"delete_ascii()", text, text, "", {kNotAnInteger}},
      {"delete_ascii(65 )", text, text, "", {kNotAnInteger}},
      {"delete_ascii(6 5)", text, text, "", {kNotAnInteger}},
      {"delete_ascii(6.5)", text, text, "", {kNotAnInteger}},
      {"delete_ascii(-)", text, text, "", {kNotAnInteger}},
      {"delete_ascii(--1)", text, text, "", {kNotAnInteger}},
      {"delete_ascii($)", text, text, "", {kNotAnInteger}},
      {"delete_ascii($g)", text, text, "", {kNotAnInteger}},
      {"delete_ascii($0x41)", text, text, "", {kNotAnInteger}},
      {"delete_ascii($100000000)", text, text, "", {kNotAnInteger}},
      {"delete_ascii(2147483648)", text, text, "", {kNotAnInteger}},
      {"delete_ascii(99999999999)", text, text, "", {kNotAnInteger}},
      {"delete_ascii(x),delete_ascii(y),delete_ascii(65)",
       text,
       withoutA,
       "",
       {kNotAnInteger, kNotAnInteger}},
      {"if_find(A),delete_ascii(x)", text, text},
  });
}

TEST_F(FilterTest, ConditionalsSkipTheNextCallOrAllLaterOnesWhenTheirCaseHolds) {
  Check({
      {"if_find(a),if_find(b),append(!)", "ab", "ab!"},
      {"if_find(a),!if_find(z),append(1),append(2)", "a", "a12"},
      {"if_find(z),append(1),append(2)", "a", "a12"},
      {"if_find(),append(!)", "a", "a!"},
      {"!if_find(),append(1),append(2)", "a", "a2"},
      {"!if_find(a),append(!)", "a", "a!"},
      {"if_find_skip_all(z),append(!)", "a", "a!"},
      {"!if_find_skip_all(x),append(1),append(2)", "abc", "abc"},
      {"!if_find_skip_all(x),append(1),append(2)", "x", "x12"},
      {"if_find_skip_all(a),append(1),!if_find(q),append(2)", "a", "a"},
      {"if_find(a),nope(),append(!)", "a", "a!"},
      {"if_find_skip_all(a),nope(),other()", "a", "a"},
      {"if_find(a),bad(),worse()", "a", "a", " [ERROR: worse]"},
      {"append(x),if_find(x),append(!)", "a", "ax"},
      {"if_find(A),append(!)", "a", "a!"},
      {"if_find(a),append(?),append(!)", "a", "a!", "", {Typed("q")}},
  });
}

TEST_F(FilterTest, EncryptTwiceGivesTheTextBackAndNeverMakesLineBreaksTabsOrNuls) {
  std::string everyByte;
  for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
  std::string safe = "\t\r\n";  // printable text, tabs and line breaks
  for (int c = 32; c < 256; ++c) safe += static_cast<char>(c);
  safe += 'z';  // the last byte keeps its code
  std::vector<std::string> scrambled;
  for (const std::string key : {"", "2", "3"}) {
    SCOPED_TRACE("key argument \"" + key + "\"");
    const std::string program = "encrypt(" + key + ")";
    EXPECT_EQ(Run(program + "," + program, everyByte).Text, everyByte);
    const std::string once = Run(program, safe).Text;
    EXPECT_EQ(once.back(), 'z');
    EXPECT_EQ(once.substr(0, once.size() - 1).find_first_of(std::string("\t\r\n\0", 4)),
              std::string::npos);
    scrambled.push_back(once);
  }
  EXPECT_NE(scrambled[0], scrambled[1]);
  EXPECT_NE(scrambled[1], scrambled[2]);
  EXPECT_NE(scrambled[0], scrambled[2]);
}

TEST_F(FilterTest, EachRunHasItsOwnSkipStateAndNotes) {
  // While the outer run waits at its prompt, another run (as a hotkey might
  // start) skips all its later calls and notes an unknown name.
  memo::FilterRun inner;
  ui::headless::Expect([&inner](ui::headless::Dialog& d) {
    inner = memo::RunFilterProgram("other(),if_find_skip_all(b),append(!)", "b");
    d.value = "y";
    return 1;
  });
  const memo::FilterRun outer = memo::RunFilterProgram("if_find(a),append(X),append(?),bad()", "a");
  EXPECT_EQ(outer.Text, "ay");
  EXPECT_EQ(outer.ErrorText, " [ERROR: bad]");
  EXPECT_TRUE(outer.ShowedDialog);
  EXPECT_EQ(inner.Text, "b");
  EXPECT_EQ(inner.ErrorText, " [ERROR: other]");
  EXPECT_FALSE(inner.ShowedDialog);
}

TEST_F(FilterTest, FilteredLineKeepsTheOldLineWithTheNotesWhenANameWasUnknown) {
  const struct {
    std::string program, line, expected;
  } cases[] = {
      {kFactoryProgram1, "  http://x  ", "  http://x   [ERROR: find] [ERROR: append_first]"},
      {"uppercase()", "abc", "ABC"},
      {"delete_line()", "abc", ""},
      {"strip( ))", "  a", "  a [ERROR: ]"},
      {"if_find(b),nope(),append(!)", "abc", "abc!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(memo::FilteredLine(c.line, memo::RunFilterProgram(c.program, c.line)), c.expected)
        << c.program;
  }
}

std::string Repeated(const std::string& call, int times) {
  std::string program;
  for (int i = 0; i < times; ++i) program += (i ? "," : "") + call;
  return program;
}

TEST_F(FilterTest, NoProgramGrowsTheTextBeyondTheLimit) {
  const std::size_t limit = memo::kMaxFilterTextLength;
  const std::string full = std::string(limit - 1, 'x') + "q";
  const std::string over = std::string(limit, 'x') + "q";
  const std::string explosive = std::string(10, 'a') + "b";
  const struct {
    std::string program, input;
    std::size_t length;
  } cases[] = {
      // Each call multiplies the length by 8 until the next would pass the limit.
      {Repeated("replace(a,aaaaaaaa)", 10), "a", std::size_t{1} << 18},
      {Repeated("append(?)", 3), "", limit / 2 + 1},
      {"append(y)", full, limit},
      {"append_start(y)", full, limit},
      {"replace(q,qq)", full, limit},
      {"replace(q,yy)", full, limit},
      // A text that is longer already may still be rewritten.
      {"replace(q,y)", over, limit + 1},
      {"delete(q)", over, limit},
      // Each "ab" -> 100 b's and an a would leave 100^10 b's: refused.
      {"replace(ab," + std::string(100, 'b') + "a)", explosive, explosive.size()},
  };
  for (const auto& c : cases) {
    std::vector<Dialog> answers;
    for (char ch : c.program)
      if (ch == '?') answers.push_back(Typed(std::string(limit / 2 + 1, 'q')));
    const memo::FilterRun run = Run(c.program, c.input, answers);
    EXPECT_EQ(run.Text.size(), c.length) << c.program.substr(0, 40);
  }
  EXPECT_EQ(Run("replace(q,y)", over).Text, std::string(limit, 'x') + "y");
}

TEST_F(FilterTest, DeleteAndSearchesStayFastOnLargeTexts) {
  // A repeat-from-the-start deletion would take about n^2 steps here.
  const std::size_t n = std::size_t{1} << 18;
  EXPECT_EQ(Run("delete(ab)", std::string(n, 'a') + std::string(n, 'b')).Text, "");
  // A naive search would compare about 3000 bytes at each of n positions.
  const std::string pattern = std::string(3000, 'a') + "b";
  const std::string text(n, 'a');
  EXPECT_EQ(Run("if_find(" + pattern + "),append(!),delete_after(" + pattern + ")", text).Text,
            text + "!");
}

}  // namespace
