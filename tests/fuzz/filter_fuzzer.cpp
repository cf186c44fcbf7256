// Fuzzes the filter language. An input is split at NUL bytes into the
// program, the text and the answers to its dialogs (an answer starting with
// "!" cancels). Invariants: no crash or hang; the skip state stays 0..2; the
// text never outgrows its limit; encrypting twice gives the text back; the
// one-pass "delete" and "replace" equal the plain repeat-from-the-start
// rewriting.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "memo/filter.h"
#include "memo/filter_operations.h"
#include "os/fake/cp1252_case.h"
#include "os/os.h"
#include "require.h"
#include "ui/dialogs.h"

namespace {

// The answers to the dialogs, in order: a text is typed into a prompt and
// OK pressed; nullopt cancels, and so does a dialog beyond the script.
std::vector<std::optional<std::string>> answers;
std::size_t nextAnswer = 0;

std::optional<std::string> NextAnswer() {
  return nextAnswer < answers.size() ? answers[nextAnswer++] : std::nullopt;
}

// Replaces the leftmost occurrence again and again, searching from the start
// each time; nullopt when that takes more than 5000 replacements.
std::optional<std::string> NaiveReplace(std::string text, const std::string& a,
                                        const std::string& b) {
  if (a.empty()) return text;
  for (std::size_t at, rounds = 0; (at = text.find(a)) != std::string::npos; ++rounds) {
    if (rounds == 5000 || text.size() > memo::kMaxFilterTextLength) return std::nullopt;
    text.replace(at, a.size(), b);
  }
  return text;
}

void CheckRewriting(const std::string& text, const std::string& a, const std::string& b) {
  if (text.size() > 4096) return;  // keeps the naive rewriting quick
  if (const auto expected = NaiveReplace(text, a, ""))
    fuzz::Require(memo::DeleteAll(text, a) == *expected, "delete equals the naive reference");
  if (memo::Occurs(b, a)) return;  // the repeat-from-the-start rule would never end
  if (const auto expected = NaiveReplace(text, a, b))
    fuzz::Require(memo::ReplaceAll(text, a, b) == *expected, "replace equals the naive reference");
}

void CheckEncrypt(const std::string& text, const std::string& key) {
  fuzz::Require(memo::Encrypt(memo::Encrypt(text, key), key) == text,
                "encrypt twice is the identity");
}

}  // namespace

// The fuzz build has no component layer: the script answers the dialogs.
int ui::MessageBox(const std::string&, const std::string&, unsigned) {
  NextAnswer();
  return IDOK;
}

bool ui::InputQuery(const std::string&, const std::string&, std::string& value) {
  const auto answer = NextAnswer();
  if (answer) value = *answer;
  return answer.has_value();
}

// Nor an OS layer: case maps as with the ANSI code page 1252.
std::string os::locale::UpperCase(std::string text) {
  return os::fake::Cp1252UpperCase(std::move(text));
}

std::string os::locale::LowerCase(std::string text) {
  return os::fake::Cp1252LowerCase(std::move(text));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = fuzz::Input(data, size);
  std::vector<std::string> parts;
  for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1)
    parts.push_back(input.substr(start, (end = input.find('\0', start)) - start));
  parts.resize(std::max<std::size_t>(parts.size(), 2));
  const std::string &program = parts[0], &text = parts[1];
  answers.clear();
  for (std::size_t i = 2; i < parts.size(); ++i)
    answers.push_back(parts[i].starts_with('!') ? std::nullopt : std::optional(parts[i]));

  // Call by call, checking the state after each.
  nextAnswer = 0;
  memo::FilterRun run;
  run.Text = text;
  memo::FilterParser parser(program);
  memo::FilterCall call;
  while (parser.Next(run, call)) {
    CheckRewriting(run.Text, call.First, call.Second);
    CheckEncrypt(run.Text, call.First);
    memo::ApplyFilterOp(run, call);
    fuzz::Require(run.SkipState >= 0 && run.SkipState <= 2, "skip state stays 0..2");
    fuzz::Require(run.ErrorFlag == !run.ErrorText.empty(), "error flag set with its notes");
    fuzz::Require(run.Text.size() <= std::max(memo::kMaxFilterTextLength, text.size()),
                  "within limit");
  }

  // The whole program at once gives the same.
  nextAnswer = 0;
  const memo::FilterRun whole = memo::RunFilterProgram(program, text);
  fuzz::Require(whole.Text == run.Text && whole.ErrorText == run.ErrorText &&
                    whole.SkipState == run.SkipState && whole.ShowedDialog == run.ShowedDialog,
                "a run equals its calls one by one");

  for (const char* key : {"", "2", "3"}) CheckEncrypt(text, key);
  if (!answers.empty() && answers[0]) CheckRewriting(text, *answers[0], program);
  return 0;
}
