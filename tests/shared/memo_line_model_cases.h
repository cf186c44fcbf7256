// One table of line-model cases for both memo backends: the native tests run
// it against the headless memo, the Windows tests against the real edit
// control, so the two cannot drift apart.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/memo.h"

namespace memo_cases {

struct Case {
  const char* name;
  std::string text;
  int selStart, selLength;  // the selection set before `replacement`
  bool replace;             // whether `replacement` replaces the selection
  std::string replacement;
  // What the memo then reports.
  std::string expectedText;
  int expectedSelStart, expectedSelLength;
  int expectedLineCount, expectedCaretLine;
  int expectedCaretLineStart;  // where the caret line begins
  std::string typed = "";      // then typed at the caret
};

// Types the characters into the memo as the user does.
using Typist = std::function<void(ui::TMemo& memo, const std::string& text)>;

inline const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"empty text", "", 0, 0, false, "", "", 0, 0, 0, 0, 0},
      {"final break not counted", "a\r\nb\r\n", 0, 0, false, "", "a\r\nb\r\n", 0, 0, 2, 0, 0},
      {"caret on the empty last line", "a\r\nb\r\n", 6, 0, false, "", "a\r\nb\r\n", 6, 0, 2, 2, 6},
      {"no final break", "a\r\nb", 4, 0, false, "", "a\r\nb", 4, 0, 2, 1, 3},
      {"only a break", "\r\n", 2, 0, false, "", "\r\n", 2, 0, 1, 1, 2},
      {"selection reported", "one\r\ntwo", 5, 3, false, "", "one\r\ntwo", 5, 3, 2, 1, 5},
      {"selection past the end is cut", "abc", 1, 10, false, "", "abc", 1, 2, 1, 0, 0},
      {"caret past the end stops there", "abc", 10, 0, false, "", "abc", 3, 0, 1, 0, 0},
      {"replace", "abc", 1, 1, true, "XY", "aXYc", 3, 0, 1, 0, 0},
      {"delete a line with its break", "l1\r\nl2\r\nl3", 4, 4, true, "", "l1\r\nl3", 4, 0, 2, 1, 4},
      {"delete the last line", "l1\r\nl2", 4, 2, true, "", "l1\r\n", 4, 0, 1, 1, 4},
      {"append a line", "a", 1, 0, true, "\r\nb", "a\r\nb", 4, 0, 2, 1, 3},
      {"append after a final break", "a\r\n", 3, 0, true, "b\r\n", "a\r\nb\r\n", 6, 0, 2, 2, 6},
      {"insert several lines", "ac", 1, 0, true, "1\r\n2\r\n", "a1\r\n2\r\nc", 7, 0, 3, 2, 7},
      {"tabs are text", "a\tb", 0, 0, true, "\t", "\ta\tb", 1, 0, 1, 0, 0},
      // Only CR LF ends a line: a lone LF or CR belongs to the text of its line.
      {"lone LF inside a line", "a\nb\r\nc", 2, 0, false, "", "a\nb\r\nc", 2, 0, 2, 0, 0},
      {"line after a lone LF", "a\nb\r\nc", 5, 0, false, "", "a\nb\r\nc", 5, 0, 2, 1, 5},
      {"lone CR inside a line", "a\rb\r\nc", 3, 0, false, "", "a\rb\r\nc", 3, 0, 2, 0, 0},
      {"pasted LF text kept", "x\r\ny", 3, 0, true, "p\nq", "x\r\np\nqy", 6, 0, 2, 1, 3},
      {"high ANSI bytes", "\xe4\xf6\xfc", 3, 0, true, "\xdf", "\xe4\xf6\xfc\xdf", 4, 0, 1, 0, 0},
      {"a typed Enter breaks the line", "ab", 1, 0, false, "", "a\r\nb", 3, 0, 2, 1, 3, "\r"},
  };
  return cases;
}

inline void RunCase(ui::TMemo& memo, const Case& c, const Typist& type) {
  SCOPED_TRACE(c.name);
  memo.SetText(c.text);
  EXPECT_EQ(memo.SelStart(), 0) << "new text puts the caret at the start";
  memo.SetSel(c.selStart, c.selLength);
  if (c.replace) memo.SetSelText(c.replacement);
  if (!c.typed.empty()) type(memo, c.typed);
  EXPECT_EQ(memo.Text(), c.expectedText);
  EXPECT_EQ(memo.SelStart(), c.expectedSelStart);
  EXPECT_EQ(memo.SelLength(), c.expectedSelLength);
  EXPECT_EQ(memo.LineCount(), c.expectedLineCount);
  EXPECT_EQ(memo.CaretLine(), c.expectedCaretLine);
  EXPECT_EQ(memo.LineIndex(memo.CaretLine()), c.expectedCaretLineStart);
}

}  // namespace memo_cases
