#include "scripted_dialogs.h"

#include <deque>

#include "ui/dialogs.h"

namespace fuzz {
namespace {

std::deque<std::optional<std::string>>& Script() {
  static std::deque<std::optional<std::string>> answers;
  return answers;
}

std::optional<std::string> NextAnswer() {
  if (Script().empty()) return std::nullopt;
  auto answer = std::move(Script().front());
  Script().pop_front();
  return answer;
}

}  // namespace

void ScriptDialogs(std::vector<std::optional<std::string>> answers) {
  Script().assign(answers.begin(), answers.end());
}

}  // namespace fuzz

namespace ui {

int MessageBox(const std::string&, const std::string&, unsigned) {
  fuzz::NextAnswer();
  return IDOK;
}

bool InputQuery(const std::string&, const std::string&, std::string& value) {
  const auto answer = fuzz::NextAnswer();
  if (answer) value = *answer;
  return answer.has_value();
}

}  // namespace ui
