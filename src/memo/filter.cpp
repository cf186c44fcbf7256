#include "memo/filter.h"

#include <string_view>

#include "memo/filter_operations.h"
#include "os/os.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

namespace memo {
namespace {

enum class Mode { Name, FirstArgument, SecondArgument };

// The value of one "?": what the user typed, or nothing when cancelled.
std::string AskParameter(FilterRun& run) {
  run.ShowedDialog = true;
  std::string answer;
  return ui::InputQuery("Velmarind", "Select Parameter", answer) ? answer : "";
}

void SkipWhen(FilterRun& run, bool condition, int state) {
  run.SkipState = condition ? state : 0;
}

void DeleteAsciiCall(FilterRun& run, const FilterCall& call) {
  const auto code = ReadInteger(call.First);
  if (!code) {
    run.ShowedDialog = true;
    ui::ShowError("Not an integer!");
    return;
  }
  run.Text = DeleteAscii(run.Text, *code);
}

using Operation = void (*)(FilterRun& run, const FilterCall& call);

struct Keyword {
  std::string_view name;
  Operation run;
};

constexpr Keyword kKeywords[] = {
    {"delete", [](FilterRun& r, const FilterCall& c) { r.Text = DeleteAll(r.Text, c.First); }},
    {"delete_first",
     [](FilterRun& r, const FilterCall& c) { r.Text = DeleteFirst(r.Text, c.First); }},
    {"replace",
     [](FilterRun& r, const FilterCall& c) { r.Text = ReplaceAll(r.Text, c.First, c.Second); }},
    {"append", [](FilterRun& r, const FilterCall& c) { r.Text = Append(r.Text, c.First); }},
    {"append_if", [](FilterRun& r, const FilterCall& c) { r.Text = AppendIf(r.Text, c.First); }},
    {"append_start",
     [](FilterRun& r, const FilterCall& c) { r.Text = AppendStart(r.Text, c.First); }},
    {"append_start_if",
     [](FilterRun& r, const FilterCall& c) { r.Text = AppendStartIf(r.Text, c.First); }},
    {"strip", [](FilterRun& r, const FilterCall& c) { r.Text = Strip(r.Text, c.First); }},
    {"strip_end", [](FilterRun& r, const FilterCall& c) { r.Text = StripEnd(r.Text, c.First); }},
    {"uppercase", [](FilterRun& r, const FilterCall&) { r.Text = os::locale::UpperCase(r.Text); }},
    {"lowercase", [](FilterRun& r, const FilterCall&) { r.Text = os::locale::LowerCase(r.Text); }},
    {"delete_inside",
     [](FilterRun& r, const FilterCall& c) { r.Text = DeleteInside(r.Text, c.First, c.Second); }},
    {"delete_outside",
     [](FilterRun& r, const FilterCall& c) { r.Text = DeleteOutside(r.Text, c.First, c.Second); }},
    {"delete_after",
     [](FilterRun& r, const FilterCall& c) { r.Text = DeleteAfter(r.Text, c.First); }},
    {"delete_numbers", [](FilterRun& r, const FilterCall&) { r.Text = DeleteNumbers(r.Text); }},
    {"delete_ascii", DeleteAsciiCall},
    {"keep_numbers", [](FilterRun& r, const FilterCall&) { r.Text = KeepNumbers(r.Text); }},
    {"keep_after", [](FilterRun& r, const FilterCall& c) { r.Text = KeepAfter(r.Text, c.First); }},
    {"if_find", [](FilterRun& r, const FilterCall& c) { SkipWhen(r, Occurs(r.Text, c.First), 1); }},
    {"if_find_skip_all",
     [](FilterRun& r, const FilterCall& c) { SkipWhen(r, Occurs(r.Text, c.First), 2); }},
    {"!if_find",
     [](FilterRun& r, const FilterCall& c) { SkipWhen(r, !Occurs(r.Text, c.First), 1); }},
    {"!if_find_skip_all",
     [](FilterRun& r, const FilterCall& c) { SkipWhen(r, !Occurs(r.Text, c.First), 2); }},
    {"encrypt", [](FilterRun& r, const FilterCall& c) { r.Text = Encrypt(r.Text, c.First); }},
    {"delete_line", [](FilterRun& r, const FilterCall&) { r.Text.clear(); }},
};

}  // namespace

bool FilterParser::Next(FilterRun& run, FilterCall& call) {
  call = {};
  Mode mode = Mode::Name;
  while (position_ < program_.size()) {
    const char c = program_[position_++];
    if (c == ')') return true;
    if (mode == Mode::Name) {
      // Blanks and commas between and inside names do not count.
      if (c == '(')
        mode = Mode::FirstArgument;
      else if (c != ',' && c != ' ')
        call.Name += c;
      continue;
    }
    std::string& argument = mode == Mode::FirstArgument ? call.First : call.Second;
    if (c == '(') {
      // Dropped in the first argument; the second goes back to adding to the first.
      mode = Mode::FirstArgument;
    } else if (c == ',' && mode == Mode::FirstArgument) {
      mode = Mode::SecondArgument;
    } else if (c == '?') {
      argument += AskParameter(run);
    } else {
      argument += c;
    }
  }
  return false;
}

void ApplyFilterOp(FilterRun& run, const FilterCall& call) {
  if (run.SkipState == 1) {
    run.SkipState = 0;
    return;
  }
  if (run.SkipState == 2) return;
  const std::string name = os::locale::LowerCase(call.Name);
  for (const Keyword& keyword : kKeywords) {
    if (name == keyword.name) {
      keyword.run(run, call);
      return;
    }
  }
  run.ErrorText += " [ERROR: " + name + "]";
  run.ErrorFlag = true;
}

void RunFilter(FilterRun& run, const std::string& program) {
  FilterParser parser(program);
  FilterCall call;
  while (parser.Next(run, call)) ApplyFilterOp(run, call);
}

FilterRun RunFilterProgram(const std::string& program, const std::string& text) {
  FilterRun run;
  run.Text = text;
  RunFilter(run, program);
  return run;
}

std::string FilteredLine(const std::string& line, const FilterRun& run) {
  return run.ErrorFlag ? line + run.ErrorText : run.Text;
}

}  // namespace memo
