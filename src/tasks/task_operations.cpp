#include "tasks/task_operations.h"

#include "tasks/task_runners.h"
#include "ui/messages.h"

constexpr OperationLayout kAllFieldsLayout{nullptr, nullptr, nullptr, true, true, true, true, true};

namespace {

constexpr OperationLayout kNoFields{nullptr, nullptr, nullptr, false, false, false, false, false};
constexpr OperationLayout FirstFieldOnly(const char* label) {
  return {label, nullptr, nullptr, true, false, false, false, false};
}

using namespace runners;

constexpr TaskOperation kOperations[] = {
    {"Open", kAllFieldsLayout, OpenWithShell},
    {"Edit", kAllFieldsLayout, OpenWithShell},
    {"Explore", kAllFieldsLayout, OpenWithShell},
    {"Find", kAllFieldsLayout, OpenWithShell},
    {"Print", {nullptr, nullptr, nullptr, true, true, true, true, false}, OpenWithShell},
    {"System Command", {nullptr, nullptr, nullptr, true, true, true, false, true}, SystemCommand},
    {"Shutdown Computer", kNoFields, ShutdownComputer},
    {"Reboot Computer", kNoFields, RebootComputer},
    {"Logoff", kNoFields, Logoff},
    {"Add To Clipboard", FirstFieldOnly("Text"), AddToClipboard},
    {"Play Sound", {"Wav file", nullptr, nullptr, true, true, false, true, false}, PlaySound},
    {"Send Windows Message",
     {"Window handle", "Message", "WParam LParam", true, true, true, false, false},
     SendWindowsMessage},
    {"Start Alarm", FirstFieldOnly("Alarm"), StartAlarm},
    {"Multi Launch",
     {"Name of tasks/alarms, separate with ','", nullptr, nullptr, true, true, true, false, true},
     MultiLaunch},
    {"Save Memo", kNoFields, SaveMemo},
    {"Set Volume", FirstFieldOnly("Wave volume ( 0-100 )"), SetVolume},
    {"Mouse Click", FirstFieldOnly("1 = Left, 2 = Middle, 3 = Right"), MouseClick},
    {"Close Program", FirstFieldOnly("Name (As shown in the taskbar)"), CloseProgram},
};

constexpr ShowCommand kShowCommands[] = {
    {"HIDE", ui::SW_HIDE, "Hides the window and activates another window."},
    {"MAXIMIZE", ui::SW_MAXIMIZE, "Maximizes the specified window."},
    {"MINIMIZE", ui::SW_MINIMIZE,
     "Minimizes the specified window and activates the next top-level window in the z-order."},
    {"RESTORE", ui::SW_RESTORE,
     "Activates and displays the window. If the window is minimized or maximized, Windows "
     "restores it to its original size and position"},
    {"SHOW", ui::SW_SHOW, "Activates the window and displays it in its current size and position."},
    {"SHOWDEFAULT", ui::SW_SHOWDEFAULT, "Use the initial show state of its main window."},
    {"SHOWMAXIMIZED", ui::SW_SHOWMAXIMIZED,
     "Activates the window and displays it as a maximized window."},
    {"SHOWMINIMIZED", ui::SW_SHOWMINIMIZED,
     "Activates the window and displays it as a minimized window."},
    {"SHOWMINNOACTIVE", ui::SW_SHOWMINNOACTIVE,
     "Displays the window as a minimized window. The active window remains active."},
    {"SHOWNA", ui::SW_SHOWNA,
     "Displays the window in its current state. The active window remains active."},
    {"SHOWNOACTIVATE", ui::SW_SHOWNOACTIVATE,
     "Displays a window in its most recent size and position. The active window remains active."},
    {"SHOWNORMAL", ui::SW_SHOWNORMAL,
     "Activates and displays a window. If the window is minimized or maximized, Windows restores "
     "it to its original size and position"},
};

}  // namespace

std::span<const TaskOperation> TaskOperations() {
  return kOperations;
}

const TaskOperation* TaskOperationAt(int position) {
  const bool inList = position >= 0 && position < static_cast<int>(std::size(kOperations));
  return inList ? &kOperations[position] : nullptr;
}

const TaskOperation* FindTaskOperation(const std::string& name) {
  for (const TaskOperation& operation : kOperations)
    if (name == operation.name) return &operation;
  return nullptr;
}

std::span<const ShowCommand> ShowCommands() {
  return kShowCommands;
}

const ShowCommand* ShowCommandAt(int position) {
  const bool inList = position >= 0 && position < static_cast<int>(std::size(kShowCommands));
  return inList ? &kShowCommands[position] : nullptr;
}
