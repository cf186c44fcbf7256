#include "memo/filter.h"

#include <optional>
#include <string>
#include <vector>

#include "memo/filter_operations.h"
#include "support/headless_test.h"
#include "ui/messages.h"

namespace {

// A dialog a run must show: a prompt and what the user types (nullopt cancels
// it), or, with `box`, the "Not an integer!" box.
struct Dialog {
  std::optional<std::string> typed;
  bool box = false;
};
Dialog Typed(const std::string& text) {
  return {text};
}
const Dialog kCancelled{std::nullopt};
const Dialog kNotAnInteger{std::nullopt, true};
const std::string kEmptyName = " [ERROR: ]";

struct Case {
  std::string program, input, output;
  std::string notes = "";
  std::vector<Dialog> dialogs = {};
};

class FilterTest : public HeadlessTest {
 protected:
  // Runs the program answering the dialogs as listed; exactly these must come up, in order.
  memo::FilterRun Run(const std::string& program, const std::string& text,
                      const std::vector<Dialog>& dialogs = {}) {
    ui::headless::Reset();
    const std::string boxFlags = std::to_string(ui::MB_OK | ui::MB_ICONEXCLAMATION);
    std::vector<std::string> expected, shown;
    for (const Dialog& d : dialogs) {
      expected.push_back(d.box ? "Error|Not an integer!|" + boxFlags
                               : "Velmarind|Select Parameter|0");
      ui::headless::Expect([d](ui::headless::Dialog& shown) {
        shown.value = d.typed.value_or("");
        return d.box ? ui::IDOK : d.typed ? 1 : 0;
      });
    }
    memo::FilterRun run = memo::RunFilterProgram(program, text);
    for (const auto& d : ui::headless::ShownDialogs())  // a prompt's field starts empty
      shown.push_back(d.caption + "|" + d.text + "|" + std::to_string(d.flags) + d.value);
    EXPECT_EQ(shown, expected);
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

TEST_F(FilterTest, ParserModesDecideWhatEachCharacterDoes) {
  // clang-format off
  Check({
      {"", "abc", "abc"},                  {"up,per Ca,se()", "ab", "AB"},
      {"append( x )", "a", "a x "},        {"append(a(b)", "x", "xab"},
      {"replace(a,b(c)", "xac", "xb"},     {"replace(a,b,,c)", "a", "b,,c"},
      {"lowercase)append(!)", "AB", "ab!"},  {"append(!))", "a", "a!", kEmptyName},
      {"append(x", "a", "a"},              {"append(!),append(?", "a", "a!", "", {Typed("z")}},
      {"append(?-?)", "a", "ax-y", "", {Typed("x"), Typed("y")}},
      {"replace(?,?)", "abc", "xbc", "", {Typed("a"), Typed("x")}},
      {"append(?)", "a", "a(,)", "", {Typed("(,)")}},  {"delete(?)", "xy", "xy", "", {kCancelled}},
      {"\xC4PPEND(x)", "a", "a", " [ERROR: \xE4ppend]"},
      {"one(),two()", "a", "a", " [ERROR: one] [ERROR: two]"},
  });
  // clang-format on
}

TEST_F(FilterTest, EachOperationRewritesTheText) {
  // clang-format off
  Check({
      {"delete(ab)", "aabbab", ""},              {"delete(aba)", "ababa", "ba"},
      {"delete(aabx)", "aababx", "aababx"},      {"delete()", "abc", "abc"},
      {"delete_first(ab)", "aabb", "ab"},        {"delete_first(z)", "abc", "abc"},
      {"replace(aa,a)", "aaaa", "a"},            {"replace(ab,bba)", "aab", "bbbbaa"},
      {"replace(a)", "banana", "bnn"},
      {"replace(a,aa)", "aba", "aabaa"},  // the replacement holds the pattern: each once
      {"append_if(.)", "a.b.", "a.b."},          {"append_if(ab)", "xa", "xaab"},
      {"append_start_if(<)", "a", "<a"},         {"append_start_if(<)", "<a", "<a"},
      {"strip(x)", "xxaxx", "axx"},              {"strip(x)", "xxx", ""},
      {"strip(xx)", "xxa", "xxa"},               {"strip_end(x)", "xxaxx", "xxa"},
      {"strip_end( )", "   ", ""},               {"strip_end()", "a  ", "a  "},
      {"uppercase()", "a\xE4\xFC \xDF \xFF \x9A\xB5", "A\xC4\xDC \xDF \x9F \x8A\xB5"},
      {"lowercase()", "A\xC4\x8C\x9F\xD7", "a\xE4\x9C\xFF\xD7"},
      {"delete_inside(|,|)", "a|b|c|d|e", "a||c||e"},
      {"delete_outside(|,|)", "a|b|c|d|e", "|b||d|"},
      {"delete_inside([,])", "a[b]c[d", "a[]c["},  {"delete_outside([,])", "a[b]c[d", "[b][d"},
      {"delete_inside([,])", "[[a]b]", "[]b]"},    {"delete_inside([,])", "a]b[c]", "a]b[c]"},
      {"delete_outside([,])", "a[b", "a[b"},       {"delete_inside([[,])", "a[[b]c", "a[[b]c"},
      {"delete_inside(,])", "a[b]c", "a[b]c"},
      {"delete_after(//)", "http://x", "http:"},   {"delete_after(ht)", "http", ""},
      {"keep_after(//)", "http://x", "//x"},       {"keep_after()", "abc", "abc"},
      {"delete_numbers()", "/0a59:", "/a:"},       {"keep_numbers()", "/0a59:", "059"},
      {"delete_line()", "abc", ""},  {"encrypt()", "a", "a"},
      {"encrypt()", "ab", "pb"},  {"encrypt(3)", "ab", "ub"},  {"encrypt( 2)", "ab", "pb"},
  });
  // clang-format on
}

TEST_F(FilterTest, DeleteAsciiReadsItsArgumentAsAnInteger) {
  const std::string text = "A\nB\xFF\x80";
  // clang-format off
  const std::pair<const char*, char> deletes[] = {  // 0: no byte has that code
      {"65", 'A'}, {" +065", 'A'}, {"$41", 'A'}, {"0x41", 'A'}, {"$0a", '\n'}, {"0XA", '\n'},
      {"255", '\xFF'}, {"-1", '\xFF'}, {"$FFFFFFFF", '\xFF'}, {"$ff", '\xFF'}, {"-128", '\x80'},
      {"256", 0}, {"-129", 0}, {"-2147483648", 0},
  };
  // clang-format on
  for (const auto& [argument, code] : deletes) {
    std::string expected = text;
    std::erase(expected, code);
    Check({{"delete_ascii(" + std::string(argument) + ")", text, expected}});
  }
  for (const char* invalid : {"", "65 ", "--1", "$", "$g", "$G", "$100000000", "2147483648"})
    Check({{"delete_ascii(" + std::string(invalid) + ")", text, text, "", {kNotAnInteger}}});
  // clang-format off
  Check({{"delete_ascii(x),delete_ascii(y),delete_ascii(10)", text, "AB\xFF\x80", "",
          {kNotAnInteger, kNotAnInteger}},
         {"if_find(A),delete_ascii(x)", text, text}});
  // clang-format on
}

TEST_F(FilterTest, ConditionalsSkipTheNextCallOrAllLaterOnesWhenTheirCaseHolds) {
  // clang-format off
  Check({
      {"if_find(x),uppercase(),append(!)", "axb", "axb!"},
      {"if_find(x),uppercase(),append(!)", "abc", "ABC!"},
      {"if_find_skip_all(x),uppercase(),append(!)", "axb", "axb"},
      {"!if_find(x),uppercase(),append(!)", "abc", "abc!"},
      {"if_find(a),if_find(b),append(!)", "ab", "ab!"},
      {"if_find(ab),append(!)", "bab", "bab"},  {"if_find(aabx),append(!)", "aababx", "aababx!"},
      {"!if_find(),append(1),append(2)", "a", "a2"},  {"if_find(A),append(!)", "a", "a!"},
      {"if_find(),append(!)", std::string("a\0b", 3), std::string("a\0b!", 4)},  // an empty pattern is never found
      {"!if_find_skip_all(x),append(1),append(2)", "abc", "abc"},
      {"!if_find_skip_all(x),append(1),append(2)", "x", "x12"},
      {"if_find_skip_all(a),append(1),!if_find(q),append(2)", "a", "a"},
      {"if_find_skip_all(a),nope(),other()", "a", "a"},
      {"if_find(a),bad(),worse()", "a", "a", " [ERROR: worse]"},
      {"if_find(a),append(?),append(!)", "a", "a!", "", {Typed("q")}},
  });
  // clang-format on
}

TEST_F(FilterTest, EncryptTwiceGivesTheTextBackAndNeverMakesLineBreaksTabsOrNuls) {
  std::string everyByte, printable = "\t\r\n";
  for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
  for (int c = 32; c < 256; ++c) printable += static_cast<char>(c);
  for (const std::string program : {"encrypt()", "encrypt(2)", "encrypt(3)"}) {
    EXPECT_EQ(Run(program + "," + program, everyByte).Text, everyByte) << program;
    const std::string once = Run(program, printable + "z").Text;
    EXPECT_EQ(once.back(), 'z') << "the last byte keeps its code";
    EXPECT_EQ(once.find_first_of(std::string("\t\r\n\0", 4)), std::string::npos) << program;
  }
  EXPECT_NE(Run("encrypt(2)", "ab").Text, Run("encrypt()", "ab").Text);
}

TEST_F(FilterTest, NoProgramGrowsTheTextBeyondTheLimitAndLargeTextsStayFast) {
  const std::size_t limit = memo::kMaxFilterTextLength;
  const std::string xs(limit - 2, 'x'), full = xs + "q", over = xs + "xxq",
                                        half(limit / 2 + 1, 'q');
  const std::string explosive = std::string(10, 'a') + "b";
  // clang-format off
  const struct { std::string program, input, output; std::vector<Dialog> dialogs; } cases[] = {
      {"append(y)", full, full + "y", {}},  {"append(yy)", full, full, {}},
      {"append_start(yy)", full, full, {}},
      {"append(?),append(?)", "", half, {Typed(half), Typed(half)}},
      {"replace(q,yy)", full, xs + "yy", {}},  {"replace(q,yyy)", full, full, {}},
      {"replace(q,qq)", full, xs + "qq", {}},  {"replace(q,qqq)", full, full, {}},
      // A text that is longer already may still be rewritten.
      {"replace(q,y)", over, xs + "xxy", {}},  {"delete(q)", over, xs + "xx", {}},
      // Each "ab" -> 100 b's and an a would leave 100^10 b's: refused.
      {"replace(ab," + std::string(100, 'b') + "a)", explosive, explosive, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    const std::string text = Run(c.program, c.input, c.dialogs).Text;
    EXPECT_TRUE(text == c.output) << c.program.substr(0, 40) << " gave " << text.size() << " bytes";
  }
  // Deleting again from the start, or comparing 3000 bytes at each position, takes minutes here.
  const std::string as(1 << 18, 'a');
  EXPECT_EQ(Run("delete(ab)", as + std::string(as.size(), 'b')).Text, "");
  EXPECT_EQ(Run("if_find(" + std::string(3000, 'a') + "b),append(!)", as).Text, as + "!");
}

}  // namespace
