// Fuzzes the filter language. An input is split at NUL bytes into the
// program, the text and the answers to its dialogs (an answer starting with
// "!" cancels). Invariants: no crash or hang; the skip state stays 0..2; the
// text never outgrows its limit; encrypting twice gives the text back; the
// one-pass "delete" and "replace" equal the plain repeat-from-the-start
// rewriting.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "memo/filter.h"
#include "memo/filter_operations.h"
#include "scripted_dialogs.h"

namespace {

void Require(bool condition, const char* invariant) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", invariant);
  std::abort();
}

std::vector<std::string> SplitAtNul(const std::string& data) {
  std::vector<std::string> parts(1);
  for (char c : data) {
    if (c == '\0')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

std::vector<std::optional<std::string>> Answers(const std::vector<std::string>& parts) {
  std::vector<std::optional<std::string>> answers;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    if (parts[i].starts_with('!'))
      answers.push_back(std::nullopt);
    else
      answers.push_back(parts[i]);
  }
  return answers;
}

// Replaces the leftmost occurrence again and again, searching from the start
// each time; nullopt when that takes more than `rounds` replacements.
std::optional<std::string> NaiveReplace(std::string text, const std::string& a,
                                        const std::string& b, int rounds) {
  if (a.empty()) return text;
  for (std::size_t at; (at = text.find(a)) != std::string::npos;) {
    if (rounds-- == 0 || text.size() > memo::kMaxFilterTextLength) return std::nullopt;
    text.replace(at, a.size(), b);
  }
  return text;
}

void CheckRewriting(const std::string& text, const std::string& a, const std::string& b) {
  if (text.size() > 4096) return;  // keeps the naive rewriting quick
  if (const auto expected = NaiveReplace(text, a, "", 5000))
    Require(memo::DeleteAll(text, a) == *expected, "delete equals the naive reference");
  if (memo::Occurs(b, a)) return;  // the repeat-from-the-start rule would never end
  if (const auto expected = NaiveReplace(text, a, b, 5000))
    Require(memo::ReplaceAll(text, a, b) == *expected, "replace equals the naive reference");
}

void CheckEncrypt(const std::string& text, const std::string& key) {
  Require(memo::Encrypt(memo::Encrypt(text, key), key) == text, "encrypt twice is the identity");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = SplitAtNul(std::string(reinterpret_cast<const char*>(data), size));
  const std::string program = parts[0];
  const std::string text = parts.size() > 1 ? parts[1] : "";
  const auto answers = Answers(parts);
  const std::size_t limit = std::max(memo::kMaxFilterTextLength, text.size());

  // Call by call, checking the state after each.
  fuzz::ScriptDialogs(answers);
  memo::FilterRun run;
  run.Text = text;
  memo::FilterParser parser(program);
  memo::FilterCall call;
  while (parser.Next(run, call)) {
    CheckRewriting(run.Text, call.First, call.Second);
    CheckEncrypt(run.Text, call.First);
    memo::ApplyFilterOp(run, call);
    Require(run.SkipState >= 0 && run.SkipState <= 2, "skip state stays 0..2");
    Require(run.ErrorFlag == !run.ErrorText.empty(), "error flag set with its notes");
    Require(run.Text.size() <= limit, "text within its limit");
  }

  // The whole program at once gives the same.
  fuzz::ScriptDialogs(answers);
  const memo::FilterRun whole = memo::RunFilterProgram(program, text);
  Require(whole.Text == run.Text && whole.ErrorText == run.ErrorText &&
              whole.SkipState == run.SkipState && whole.ShowedDialog == run.ShowedDialog,
          "a run equals its calls one by one");

  for (const char* key : {"", "2", "3"}) CheckEncrypt(text, key);
  if (!answers.empty() && answers[0]) CheckRewriting(text, *answers[0], program);
  return 0;
}
