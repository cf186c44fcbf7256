// The task engine: runs a task by name through one of its eighteen operations.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>

#include "alarms/alarm_handler_form.h"
#include "app/main_form.h"
#include "common/data_file.h"
#include "memo/memo_form.h"
#include "os/os.h"
#include "tasks/task_handler_form.h"
#include "tasks/task_operations.h"
#include "tasks/task_runners.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

namespace {

// The window-show value of a show-command list position.
int WindowShowAt(int position) {
  const ShowCommand* command = ShowCommandAt(position);
  return command ? command->windowShow : ui::SW_SHOWNORMAL;
}

// What the shell's error codes mean; codes not listed show an empty text.
std::string ShellErrorText(int result) {
  static const std::pair<int, const char*> kTexts[] = {
      {0, "The operating system is out of memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied access to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred."},
      {27, "The filename association is incomplete or invalid."},
      {28, "The DDE transaction could not be completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30,
       "The DDE transaction could not be completed because other DDE transactions were being "
       "processed."},
      {31, "There is no application associated with the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
  };
  for (const auto& [code, text] : kTexts)
    if (code == result) return text;
  return "";
}

int ToInteger(const std::string& text) {
  const std::optional<int> value = common::ParseInt(text);
  if (!value) throw std::invalid_argument("\"" + text + "\" is not a valid integer value");
  return *value;
}

// A decimal number such as "50" or "12.5", in single precision; either
// separator, "." or ",", may stand before the decimals.
std::optional<float> ParseDecimal(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  float value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The items of a comma-separated list, blanks kept, empty ones dropped.
std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::string item;
  for (const char c : text + ",") {
    if (c != ',') {
      item += c;
    } else if (!item.empty()) {
      items.push_back(item);
      item.clear();
    }
  }
  return items;
}

std::string ClipboardText() {
  return Velmarind ? Velmarind->GetClipboardText() : "";
}

// Windows may end the program without another word after this: the memo and
// settings are saved first.
int EndSession(unsigned flags, bool needsPrivilege) {
  if (Velmarind) Velmarind->SaveSessionState();
  if (needsPrivilege && TF_TaskHandler::IsWindowsNT() && !os::session::EnableShutdownPrivilege())
    return -1;
  os::session::End(flags);
  return 1;
}

CAlarmHandler* Alarms() {
  return F_AlarmHandler ? &F_AlarmHandler->AlarmHandler : nullptr;
}

// Switches the alarm of that name on or off; false when there is none.
bool ToggleAlarm(const std::string& name) {
  CAlarmHandler* alarms = Alarms();
  if (!alarms || alarms->FindAlarm(name) == -1) return false;
  if (alarms->GetAlarmState(name) == 0)
    alarms->ActivateAlarm(name);
  else
    alarms->StopAlarm(name);
  alarms->CommitChange(common::SaveReport::OncePerFailure);
  return true;
}

}  // namespace

namespace runners {

int SystemCommand(const TaskRun& run) {
  os::shell::RunCommand(run.file + " " + run.parameters);
  return 1;
}

int ShutdownComputer(const TaskRun&) {
  using namespace os::session;
  return EndSession(kShutdown | kForce | kPowerOff, true);
}

int RebootComputer(const TaskRun&) {
  return EndSession(os::session::kReboot, true);
}

int Logoff(const TaskRun&) {
  return EndSession(os::session::kLogoff, false);
}

int AddToClipboard(const TaskRun& run) {
  if (!Velmarind) return 0;
  Velmarind->SetClipboardText(run.file);
  return 1;
}

// The wave file as given, else in the task's directory.
int PlaySound(const TaskRun& run) {
  using namespace os::sound;
  for (const std::string& wave : {run.file, run.directory + run.file}) {
    if (os::files::Exists(wave)) {
      PlayWave(wave, kSndFileName | kSndNoWait | kSndAsync);
      return 1;
    }
  }
  return 0;
}

int SendWindowsMessage(const TaskRun& run) {
  // An empty class names no window, so it is not looked up.
  const os::WindowHandle window = run.file.empty() ? 0 : os::windows::FindByClass(run.file);
  if (!window) {
    // The one error box without an icon.
    ui::MessageBox("Could not locate that window", "Error", ui::MB_OK);
    return 0;
  }
  try {
    int first = 0, second = 0;
    CTaskHandler::ParseTwoNumbers(run.parameters, first, second);
    const int message = ToInteger(run.directory);
    os::windows::Send(window, static_cast<unsigned>(message), static_cast<std::uintptr_t>(first),
                      second);
  } catch (const std::invalid_argument& error) {
    ui::ShowError(error.what());
    return 0;
  }
  return 1;
}

int StartAlarm(const TaskRun& run) {
  CAlarmHandler* alarms = Alarms();
  if (!alarms) return 0;
  alarms->ActivateAlarm(run.file);
  alarms->CommitChange(common::SaveReport::OncePerFailure);
  return 1;
}

// A failed write is reported by the memo, which keeps its modified flag.
int SaveMemo(const TaskRun&) {
  if (!F_Memo) return 0;
  if (F_Memo->Modified != 1) return 1;
  return F_Memo->WriteMemoFile() ? 1 : 0;
}

int SetVolume(const TaskRun& run) {
  if (os::sound::WaveOutDeviceCount() < 1) return 1;
  const std::optional<float> percent = ParseDecimal(run.file);
  if (!percent || *percent < 0 || *percent > 100) return 0;
  // The fraction is rounded to single precision from the exact product, so
  // that 20 gives 13107 and 60 gives 39321, not one less.
  const float fraction = static_cast<float>(*percent * 0.01);
  const auto level = static_cast<std::uint32_t>(65535.0 * fraction);
  os::sound::SetWaveOutVolume(level | level << 16);  // left and right channel
  return 1;
}

// Each item runs the task of that name; an item that names no task toggles
// the alarm of that name, or else is opened by the shell.
int MultiLaunch(const TaskRun& run) {
  for (const std::string& item : SplitList(run.file)) {
    if (run.runListedTask(item) || ToggleAlarm(item)) continue;
    os::shell::Execute("open", item, run.parameters, run.directory, ui::SW_SHOWNORMAL);
  }
  return 1;
}

int MouseClick(const TaskRun& run) {
  using namespace os::mouse;
  static const std::pair<const char*, std::pair<unsigned, unsigned>> kButtons[] = {
      {"1", {kLeftDown, kLeftUp}},
      {"2", {kMiddleDown, kMiddleUp}},
      {"3", {kRightDown, kRightUp}},
  };
  for (const auto& [text, events] : kButtons) {
    if (run.file == text) {
      ButtonEvent(events.first);
      ButtonEvent(events.second);
    }
  }
  return 1;
}

int CloseProgram(const TaskRun& run) {
  CTaskHandler::CloseProgram(run.file);
  return 1;
}

int OpenWithShell(const TaskRun& run) {
  const int result = os::shell::Execute(run.task.Operation, run.file, run.parameters, run.directory,
                                        WindowShowAt(run.task.ShowCommand));
  if (result > 32) return 1;
  ui::ShowError(ShellErrorText(result));
  return 0;
}

}  // namespace runners

int CTaskHandler::ExecuteTask(const std::string& name) {
  return RunTask(name, {});
}

void CTaskHandler::ExecuteTaskAt(long long index) {
  if (index < 0 || index >= Count()) return;
  ExecuteTask(Tasks[static_cast<std::size_t>(index)].Name);
}

// `name` is taken by value: callers pass names held by the list or a menu
// item, which a prompt's nested message loop may change.
int CTaskHandler::RunTask(std::string name, std::vector<std::string> chain) {
  const int index = FindTask(name);
  if (index < 0) return -1;
  // A copy: the prompts' nested message loops may change the list.
  const CTask task = Tasks[index];
  chain.push_back(std::move(name));
  TaskRun run(task);
  if (!ExpandField(task.File, run.file) || !ExpandField(task.Directory, run.directory) ||
      !ExpandField(task.Parameters, run.parameters))
    return 0;
  run.runListedTask = [this, &chain](const std::string& item) {
    if (FindTask(item) < 0) return false;
    // A task already running in this chain would launch itself without end.
    if (std::find(chain.begin(), chain.end(), item) == chain.end()) RunTask(item, chain);
    return true;
  };
  const TaskOperation* operation = FindTaskOperation(task.Operation);
  return (operation ? operation->run : runners::OpenWithShell)(run);
}

int CTaskHandler::ExpandField(const std::string& text, std::string& expanded) {
  std::string result, prompt, value;
  enum class Target { Result, Prompt, Value } target = Target::Result;
  auto current = [&]() -> std::string& {
    return target == Target::Prompt ? prompt : target == Target::Value ? value : result;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '[') {
      target = Target::Prompt;
    } else if (c == ']') {
      if (prompt.empty()) prompt = "Extra Parameter";
      if (!ui::InputQuery("Velmarind", prompt, value)) return 0;
      result += value;
      prompt.clear();
      value.clear();
      target = Target::Result;
    } else if (c == '|' && target != Target::Result) {
      target = Target::Value;
    } else if (c == '<' && i + 2 < text.size() && (text[i + 1] == 'c' || text[i + 1] == 'C') &&
               text[i + 2] == '>') {
      current() += ClipboardText();
      i += 2;
    } else {
      current() += c;
    }
  }
  expanded = result;
  return 1;
}

void CTaskHandler::ParseTwoNumbers(const std::string& text, int& first, int& second) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if (c == ' ') {
      if (digits.empty()) continue;
      // A first number 0 leaves the first place free.
      if (first != 0) {
        second = ToInteger(digits);
        return;
      }
      first = ToInteger(digits);
      digits.clear();
    } else {
      first = second = 0;
      return;
    }
  }
  if (!digits.empty()) second = ToInteger(digits);
}

void CTaskHandler::CloseProgram(const std::string& title) {
  // An empty title would find the program's own main window.
  if (title.empty()) return;
  if (const os::WindowHandle window = os::windows::FindByTitle(title))
    os::windows::Post(window, ui::WM_CLOSE, 0, 0);
}

bool TF_TaskHandler::IsWindowsNT() {
  return os::version::PlatformId() == os::version::kPlatformWin32Nt;
}
