#include "ui/dialogs.h"

#include "ui/backend.h"

namespace ui {

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return ShowMessageBox(text, caption, flags, 0);
}

bool ConfirmYesNo(const std::string& question) {
  return ShowMessageBox(question, "Confirm", MB_YESNO | MB_ICONQUESTION, 0) == IDYES;
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  std::string answer = value;
  if (!ShowInputQuery(caption, prompt, answer)) return false;
  value = answer;
  return true;
}

}  // namespace ui
