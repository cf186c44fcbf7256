#include "memo/line_commands.h"

#include <cctype>

#include "alarms/alarm_handler_form.h"
#include "common/data_file.h"
#include "memo/memo_form.h"
#include "os/calendar.h"
#include "os/os.h"
#include "settings/settings_record.h"
#include "tasks/task_handler_form.h"
#include "ui/dialogs.h"

namespace memo {
namespace {

// A line command acts on the caret line, as it was when Enter was pressed.
struct Line {
  TF_Memo& window;
  int index;
  std::string text;
};

// A task's or an alarm's dialogs may have changed the line meanwhile.
bool DeleteLine(const Line& line) {
  return line.window.DeleteLineIfUnchanged(line.index, line.text);
}

// ".name": the task of that name, else the name opened by the shell.
bool RunTaskOrOpen(const Line& line) {
  const std::string name = line.text.substr(1);
  CTaskHandler* tasks = F_TaskHandler ? &F_TaskHandler->TaskHandler : nullptr;
  if (tasks) tasks->ExecuteTask(name);
  // Looked up after the run: a task that exists has run, whatever it reported.
  const bool taskRan = tasks && tasks->FindTask(name) >= 0;
  if (!taskRan && os::shell::Execute("", name, "", "", 1) <= 32) return true;
  return DeleteLine(line);
}

bool AddQuickAlarm(const Line& line) {
  const QuickAlarmRequest request = ReadQuickAlarm(line.text);
  if (!F_AlarmHandler || F_AlarmHandler->AlarmHandler.AddQuickAlarm(
                             request.time, request.message, request.am, request.countdown) != 1)
    return true;
  return DeleteLine(line);
}

// The memo without this line, as memo.txt holds it, into memo_MM-dd-HH-mm-ss.txt.
bool Backup(const Line& line) {
  if (!DeleteLine(line)) return false;
  const os::DateTime now = os::clock::Read().Local;
  const auto path = ProgramFile("memo_" + os::calendar::Format("MM-dd-HH-mm-ss", now, {}) + ".txt");
  if (!path) return true;
  if (os::files::SaveAtomically(*path, line.window.Memo.Text())) return true;
  ui::ReportSaveFailure(*path);
  return false;
}

bool HyphenCommand(const Line& line) {
  const os::DateTime now = os::clock::Read().Local;
  switch (line.text[1]) {
    case 'b':
    case 'B':
      return Backup(line);
    case 't':
    case 'T':
      line.window.ReplaceLineIfUnchanged(line.index, line.text, os::locale::TimeText(now));
      return true;
    case 'd':
    case 'D':
      line.window.ReplaceLineIfUnchanged(line.index, line.text, os::locale::DateText(now));
      return true;
  }
  return true;
}

bool SetFontName(const Line& line) {
  ui::TFont font = line.window.Memo.Font();
  font.Name = line.text.substr(1);
  line.window.Memo.SetFont(font);
  return DeleteLine(line);
}

bool SetFontSize(const Line& line) {
  const std::optional<int> size = ReadFontSize(line.text.substr(1));
  if (!size || *size < 1 || *size > 50) return true;
  ui::TFont font = line.window.Memo.Font();
  font.Height = *size;
  font.InPoints = true;
  line.window.Memo.SetFont(font);
  return DeleteLine(line);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The commands by their mark: which lines they take, and what they do.
struct LineCommand {
  char mark;
  bool (*takes)(const std::string& line);  // the line has 2 characters or more
  bool (*run)(const Line& line);
};

constexpr LineCommand kLineCommands[] = {
    {'.', [](const std::string&) { return true; }, RunTaskOrOpen},
    {':', [](const std::string& l) { return IsDigit(l[1]) || l[1] == '-'; }, AddQuickAlarm},
    {'-', [](const std::string& l) { return l.size() == 2; }, HyphenCommand},
    {'_', [](const std::string&) { return true; }, SetFontName},
    {'!', [](const std::string&) { return true; }, SetFontSize},
};

}  // namespace

bool RunLineCommand(TF_Memo& window) {
  const int index = window.Memo.CaretLine();
  const std::string text = window.CaretLineText();
  if (text.size() < 2) return true;
  for (const LineCommand& command : kLineCommands)
    if (command.mark == text[0] && command.takes(text)) return command.run({window, index, text});
  return true;
}

// ":time message": the time up to the first blank; "-" before it makes a
// countdown; otherwise an "am" or "pm" at the start of the message is the
// half of the day, and a message of one character is dropped.
QuickAlarmRequest ReadQuickAlarm(const std::string& line) {
  QuickAlarmRequest request;
  const std::string rest = line.substr(1);
  const std::size_t blank = rest.find(' ');
  request.time = rest.substr(0, blank);
  request.message = blank == std::string::npos ? "" : rest.substr(blank + 1);
  if (request.time.starts_with("-")) {
    request.time.erase(0, 1);
    request.countdown = 1;
    return request;
  }
  std::string& message = request.message;
  const auto lower = [&message](std::size_t i) {
    return std::tolower(static_cast<unsigned char>(message[i]));
  };
  const bool marked =
      message.size() >= 2 && (lower(0) == 'a' || lower(0) == 'p') && lower(1) == 'm';
  if (marked) {
    request.am = lower(0) == 'a' ? 1 : 0;
    message.erase(0, 2);
  } else if (message.size() < 2) {
    message.clear();
  }
  return request;
}

std::optional<int> ReadFontSize(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  return common::ParseInt(text.substr(start));
}

}  // namespace memo
