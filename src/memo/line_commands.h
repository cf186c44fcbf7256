// The memo's line commands: a line that begins with a command mark is run
// when the user presses Enter at it.
#pragma once

#include <optional>
#include <string>

class TF_Memo;

namespace memo {

// Runs the command the caret line holds, if any. False when the Enter must
// not go on to the memo: the line changed while a task or an alarm showed a
// dialog, or the backup could not be written.
bool RunLineCommand(TF_Memo& window);

// What a ":" line hands to a quick alarm.
struct QuickAlarmRequest {
  std::string time, message;
  int am = 0, countdown = 0;
};
QuickAlarmRequest ReadQuickAlarm(const std::string& line);

// The size of a "!" line: leading blanks, an optional sign and decimal
// digits, nothing else; nullopt otherwise.
std::optional<int> ReadFontSize(const std::string& text);

}  // namespace memo
