// Message boxes, the confirmation dialog and the input query.
#pragma once

#include <string>

#include "ui/messages.h"
#include "ui/types.h"

namespace ui {

// A message box without owner window; returns the ID* of the pressed button.
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
// The standard error box: caption "Error", exclamation icon, OK.
inline void ShowError(const std::string& text) {
  MessageBox(text, "Error", MB_OK | MB_ICONEXCLAMATION);
}
// A file the user's change should have written could not be saved.
inline void ReportSaveFailure(const std::string& path) {
  ShowError("Could not save " + path);
}
// The standard confirmation: caption "Confirm", question icon, Yes and No.
bool ConfirmYesNo(const std::string& question);
// A modal prompt with one edit field holding `value`; false when cancelled,
// and `value` is then unchanged.
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);

}  // namespace ui
