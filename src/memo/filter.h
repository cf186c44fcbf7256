// The memo's filter language. A program is one line of calls such as
// "strip( ),replace(http://,www.)": an operation name, then its arguments in
// parentheses. Each call rewrites the running text; unknown names change
// nothing and are noted.
#pragma once

#include <string>

namespace memo {

// One call as the parser gathers it; an argument that was not written is empty.
struct FilterCall {
  std::string Name;
  std::string First;
  std::string Second;
};

// Everything one run works on. Each run owns its own, so a run waiting at a
// prompt is not disturbed by another run that a hotkey or a remote command
// starts meanwhile.
struct FilterRun {
  std::string Text;  // the running text
  // FilterSkipState: 0 runs the next call, 1 skips it once, 2 skips every later call.
  int SkipState = 0;
  bool ErrorFlag = false;     // a call named an unknown operation
  std::string ErrorText;      // " [ERROR: name]" for each unknown name, in order
  bool ShowedDialog = false;  // a prompt or a message box came up during the run
};

// Reads a program one call at a time. It keeps its own copy, so a program
// changed while a prompt is open does not change the run under way.
class FilterParser {
 public:
  explicit FilterParser(std::string program) : program_(std::move(program)) {}
  // Gathers the next call, up to its ")". Each "?" in an argument asks the
  // user at once (caption "Velmarind", prompt "Select Parameter") and marks
  // the run as having shown a dialog; the answer goes into the argument.
  // False at the end of the program: a call whose ")" never came is dropped.
  bool Next(FilterRun& run, FilterCall& call);

 private:
  std::string program_;
  std::size_t position_ = 0;
};

// Runs one call on run.Text, honouring and updating the skip state.
void ApplyFilterOp(FilterRun& run, const FilterCall& call);
// Parses the program and runs each call in turn. Resets nothing of `run`.
void RunFilter(FilterRun& run, const std::string& program);
// A fresh run of the program on `text`: skip state 0, no notes.
FilterRun RunFilterProgram(const std::string& program, const std::string& text);

// What a function-key run leaves on its line: the result, or, when a name
// was unknown, the line as it was followed by the notes.
std::string FilteredLine(const std::string& line, const FilterRun& run);

}  // namespace memo
