// The benchmark's hands and stopwatch (scripts/bench runs it under Wine):
// starts a program and times, from outside as other programs see it, when it
// is ready, how soon the tray menu shows, what OK in an editor and Delete in
// a list window cost, and the tray's Enable All and Disable All. One measure
// of one program per call; each time is printed as "MEASURE MILLISECONDS" on
// a line of its own, a step cut off at its limit as "MEASURE over", a failure
// as "error TEXT" (exit code 1).
//
//   probe prepare FOLDER TASKS ALARMS HOTKEYS  settings.ini and the list files (none for 0)
//   probe start CLASS EXE      find, idle: its window of CLASS findable, its loop reached
//   probe tray EXE CLICKS      first, click: from a click on the tray icon to its menu shown
//   probe edit LIST EXE CYCLES LIMIT_MS [delete-first]   ok, delete: of tasks, alarms or hotkeys
//   probe all EXE open|closed CYCLES LIMIT_MS [disable-first]   enable, disable: of the
//                              hotkeys, their window open or never opened
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "../e2e/driver/hands.h"
#include "bench_files.h"
#include "stopwatch.h"

namespace {

using bench::Now;

void Print(const char* name, double ms) {
  std::printf("%s %.1f\n", name, ms);
  std::fflush(stdout);
}

// Polls a condition every millisecond; false when it still fails after timeoutMs.
template <class Condition>
bool WaitFor(Condition condition, double timeoutMs) {
  for (const double start = Now(); !condition(); Sleep(1))
    if (Now() - start > timeoutMs) return false;
  return true;
}

constexpr double kStepTimeoutMs = 300000;  // anything slower than five minutes is broken

// The n-th child (from 0) of that class, in the order FindWindowEx walks them.
HWND Child(HWND parent, const char* className, int n) {
  HWND child = nullptr;
  for (int i = 0; i <= n; ++i) child = FindWindowExA(parent, child, className, nullptr);
  return child;
}

// Sent and waited for: the program answers when it is back in a message
// loop. nullopt when it has not answered within timeoutMs.
std::optional<LRESULT> AskWithin(double timeoutMs, HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  DWORD_PTR result = 0;
  if (timeoutMs < 1 || !SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                                            static_cast<UINT>(timeoutMs), &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto result = AskWithin(kStepTimeoutMs, window, message, wParam, lParam);
  if (!result) throw std::runtime_error("the program does not answer");
  return *result;
}

// A list box entry's index, asked in UTF-16 (Wine answers another process so); -1 when absent.
int FindEntry(HWND list, const std::string& name) {
  const std::wstring wide(name.begin(), name.end());
  const LRESULT index = Ask(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(wide.c_str()));
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

// A list box entry's text, asked in UTF-16 too; "" past the end. The names
// measured are ASCII.
std::string EntryText(HWND list, int index) {
  const LRESULT length = Ask(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return "";
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  Ask(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
  return std::string(wide.begin(), wide.begin() + length);
}

// velmarind.exe or the minimal tray program, started in its own folder and
// closed (WM_CLOSE to its main window) when the measure ends.
class Program {
 public:
  explicit Program(const std::string& exe) {
    const std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
    std::string commandLine = '"' + exe + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    start_ = Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_))
      throw std::runtime_error("cannot start " + exe);
  }
  ~Program() {
    if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Milliseconds from the start until its window of that class is findable
  // and until its message loop first waits for input, measured side by side.
  std::pair<double, double> AwaitStart(const char* className) {
    double idle = -1;
    std::thread waiter([&] {
      if (WaitForInputIdle(process_.hProcess, static_cast<DWORD>(kStepTimeoutMs)) == 0)
        idle = Now() - start_;
    });
    double find = -1;
    if (WaitFor([&] { return (main_ = FindWindowA(className, nullptr)) != nullptr; },
                kStepTimeoutMs))
      find = Now() - start_;
    waiter.join();
    if (find < 0) throw std::runtime_error(std::string("no window of class ") + className);
    if (idle < 0) throw std::runtime_error("the message loop was not reached");
    return {find, idle};
  }

  void Kill() {
    TerminateProcess(process_.hProcess, 1);
    main_ = nullptr;
  }

  // A visible message box of the program, answered Yes (or OK); its text, or "".
  std::string AnswerBox() const {
    HWND box = FindWindowA("#32770", nullptr);
    DWORD owner = 0;
    if (!box || !IsWindowVisible(box)) return "";
    GetWindowThreadProcessId(box, &owner);
    if (owner != process_.dwProcessId) return "";
    const std::string text = e2e::BoxText(box);
    for (int answer : {IDYES, IDOK})
      if (HWND button = GetDlgItem(box, answer)) {
        PostMessageA(button, BM_CLICK, 0, 0);
        break;
      }
    return text;
  }

 private:
  double start_ = 0;
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Prints a step's time from `start`; a step that did not finish is printed as
// "over" and ends the program. Whether the measure goes on.
bool Finished(Program& program, const char* measure, bool done, double start) {
  if (!done) {
    std::printf("%s over\n", measure);
    program.Kill();
    return false;
  }
  Print(measure, Now() - start);
  Sleep(200);
  return true;
}

// Clicks velmarind's tray icon as the tray does (its window, callback message
// and id); the milliseconds until its menu shows.
double ClickTray() {
  HWND tray = e2e::TrayIconWindow();
  if (!tray) throw std::runtime_error("no tray icon window");
  const double start = Now();
  e2e::ClickTrayIcon(tray);
  if (!WaitFor([] { return e2e::VisibleMenu() != nullptr; }, kStepTimeoutMs))
    throw std::runtime_error("the tray menu did not show");
  return Now() - start;
}

// Escape until no menu shows: a key posted before the menu is tracked is lost.
void CloseMenu() {
  for (const double start = Now(); HWND menu = e2e::VisibleMenu(); Sleep(50)) {
    if (Now() - start > kStepTimeoutMs) throw std::runtime_error("the tray menu did not close");
    e2e::PostKeys(menu, {VK_ESCAPE});
  }
}

// Works the tray menu with keys (the main menu from its end: Clipboard,
// Alarms, Tasks, Hotkeys), as the end-to-end tests do.
void ChooseFromTrayMenu(std::initializer_list<WPARAM> keys) {
  ClickTray();
  Sleep(200);  // the menu takes keys once it is tracked
  e2e::PostKeys(e2e::VisibleMenu(), keys);
  if (!WaitFor([] { return e2e::VisibleMenu() == nullptr; }, kStepTimeoutMs))
    throw std::runtime_error("the tray menu stayed open");
}

HWND WaitForVisible(const char* className, const std::string& caption = "") {
  HWND window = nullptr;
  if (!WaitFor(
          [&] {
            window = FindWindowA(className, nullptr);
            return window && IsWindowVisible(window) &&
                   (caption.empty() || e2e::Text(window) == caption);
          },
          kStepTimeoutMs))
    throw std::runtime_error(std::string("no window ") + className + " " + caption);
  return window;
}

// How each list is driven: its window from the tray, the list box that gets
// a new record, the editor and what a new record needs beyond its name.
struct ListKind {
  const char* name;
  const char* kind;  // of the records' names
  std::initializer_list<WPARAM> trayKeys;
  const char* windowClass;
  int listBox;  // among the window's list boxes: the one of new records
  const char* editorClass;
  const char* editorCaption;
  void (*fill)(HWND editor);
};

const ListKind kLists[] = {
    {"tasks",
     "Task",
     {VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN},
     "TF_TaskHandler",
     0,
     "TF_Task",
     "New Task",
     [](HWND) {}},
    {"alarms",
     "Alarm",
     {VK_UP, VK_UP, VK_RIGHT, VK_RETURN},
     "TF_AlarmHandler",
     1,
     "TF_Alarm",
     "New Alarm",
     [](HWND) {}},
    {"hotkeys",
     "Hotkey",
     {VK_UP, VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN},
     "TF_HotkeyHandler",
     1,
     "TF_Hotkey",
     "New Hotkey",
     [](HWND editor) { e2e::FillHotkeyEditor(editor, 1, 51); }},  // ALT+F2
};

void Prepare(const std::string& folder, int tasks, int alarms, int hotkeys) {
  auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream file(folder + "\\" + name, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file.flush()) throw std::runtime_error(std::string("cannot write ") + name);
  };
  write("settings.ini", bench::SettingsFile());
  if (tasks > 0) write("tasklist.ini", bench::TaskList(tasks));
  if (alarms > 0) write("alarmlist.ini", bench::AlarmList(alarms));
  if (hotkeys > 0) write("hotkeylist.ini", bench::HotkeyList(hotkeys));
}

void MeasureStart(const char* className, const std::string& exe) {
  // The window of a program that is still closing would be found at once.
  if (!WaitFor([&] { return FindWindowA(className, nullptr) == nullptr; }, 10000))
    throw std::runtime_error(std::string("a window of class ") + className + " is there already");
  Program program(exe);
  const auto [find, idle] = program.AwaitStart(className);
  Print("find", find);
  Print("idle", idle);
}

void MeasureTray(const std::string& exe, int clicks) {
  Program program(exe);
  program.AwaitStart("TVelmarind");
  Sleep(300);
  for (int i = 0; i < clicks; ++i) {
    Print(i == 0 ? "first" : "click", ClickTray());
    CloseMenu();
    Sleep(100);
  }
}

// New, a name, OK: timed until the list shows the new record; then that
// record selected, Delete: timed until it is gone (any question answered
// Yes). The list is as before. deleteFirst turns each cycle round: a record
// of the list deleted, then made again. A step slower than limitMs is
// printed as "over" and ends the measure, the program killed.
void MeasureEdit(const ListKind& list, const std::string& exe, int cycles, double limitMs,
                 bool deleteFirst) {
  Program program(exe);
  program.AwaitStart("TVelmarind");
  ChooseFromTrayMenu(list.trayKeys);
  HWND window = WaitForVisible(list.windowClass);
  HWND entries = Child(window, "ListBox", list.listBox);
  if (!entries) throw std::runtime_error("no list box");
  const LRESULT count = Ask(entries, LB_GETCOUNT, 0, 0);
  const std::string listed = bench::RecordName(list.kind, static_cast<int>(count / 2));
  const std::string name = listed + (deleteFirst ? "" : " new");
  const LRESULT countWith = deleteFirst ? count : count + 1;
  // The record's place in the sorted list, found once: the window system's
  // own search goes through every entry, which would time the probe, not
  // the program.
  const int place = FindEntry(entries, listed) + (deleteFirst ? 0 : 1);
  // A step ends when the record is listed or gone and nothing else changed.
  auto step = [&](const char* measure, HWND button, bool present, bool questionsExpected) {
    const double start = Now();
    PostMessageA(button, BM_CLICK, 0, 0);  // posted: the editor may be modal
    const bool done = WaitFor(
        [&] {
          const std::string box = program.AnswerBox();
          if (!box.empty() && !questionsExpected)
            throw std::runtime_error(std::string(measure) + ": the program said " + box);
          const auto entriesNow = AskWithin(limitMs - (Now() - start), entries, LB_GETCOUNT, 0, 0);
          return entriesNow == countWith - !present &&
                 (EntryText(entries, place) == name) == present;
        },
        limitMs);
    return Finished(program, measure, done, start);
  };
  auto add = [&] {
    PostMessageA(e2e::Button(window, "&New"), BM_CLICK, 0, 0);
    HWND editor = WaitForVisible(list.editorClass, list.editorCaption);
    SetWindowTextA(FindWindowExA(editor, nullptr, "Edit", nullptr), name.c_str());
    list.fill(editor);
    Sleep(200);
    return step("ok", e2e::Button(editor, "&Ok"), true, false);
  };
  auto remove = [&] {
    Ask(entries, LB_SETCURSEL, place, 0);
    Ask(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(entries), LBN_SELCHANGE),
        reinterpret_cast<LPARAM>(entries));
    Sleep(200);
    return step("delete", e2e::Button(window, "&Delete"), false, true);
  };
  for (int cycle = 0; cycle < cycles; ++cycle)
    if (deleteFirst ? !remove() || !add() : !add() || !remove()) return;
}

// The tray's Enable All, then Disable All, as the user chooses them: each
// timed from the click on the tray icon, through the Hotkeys submenu, until
// the program answers again after the command (the pause before the keys, in
// which the menu starts to take them, not counted). `open` first shows the
// hotkey window; disableFirst turns each cycle round. A step slower than
// limitMs is printed as "over" and ends the measure, the program killed.
void MeasureAll(const std::string& exe, bool open, int cycles, double limitMs, bool disableFirst) {
  Program program(exe);
  program.AwaitStart("TVelmarind");
  HWND main = FindWindowA("TVelmarind", nullptr);
  if (open) {
    ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN});  // Add / Edit
    WaitForVisible("TF_HotkeyHandler");
  }
  auto step = [&](const char* measure, std::initializer_list<WPARAM> item) {
    const double menu = ClickTray();
    Sleep(200);
    const double start = Now() - menu;
    e2e::PostKeys(e2e::VisibleMenu(), {VK_UP, VK_UP, VK_UP, VK_UP, VK_RIGHT});  // Hotkeys
    e2e::PostKeys(e2e::VisibleMenu(), item);
    // Sent once the menu is gone, the question waits for the chosen command.
    const bool done = WaitFor([] { return e2e::VisibleMenu() == nullptr; }, limitMs) &&
                      AskWithin(limitMs - (Now() - start), main, WM_NULL, 0, 0);
    return Finished(program, measure, done, start);
  };
  auto enable = [&] { return step("enable", {VK_DOWN, VK_RETURN}); };
  auto disable = [&] { return step("disable", {VK_DOWN, VK_DOWN, VK_RETURN}); };
  for (int cycle = 0; cycle < cycles; ++cycle)
    if (disableFirst ? !disable() || !enable() : !enable() || !disable()) return;
}

int Usage() {
  std::fputs(
      "usage: probe prepare FOLDER TASKS ALARMS HOTKEYS | start CLASS EXE | tray EXE CLICKS |"
      " edit tasks|alarms|hotkeys EXE CYCLES LIMIT_MS [delete-first] |"
      " all EXE open|closed CYCLES LIMIT_MS [disable-first]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 5 && args[0] == "prepare")
      Prepare(args[1], std::atoi(args[2].c_str()), std::atoi(args[3].c_str()),
              std::atoi(args[4].c_str()));
    else if (args.size() == 3 && args[0] == "start")
      MeasureStart(args[1].c_str(), args[2]);
    else if (args.size() == 3 && args[0] == "tray")
      MeasureTray(args[1], std::atoi(args[2].c_str()));
    else if ((args.size() == 5 || args.size() == 6) && args[0] == "edit") {
      const ListKind* list = nullptr;
      for (const ListKind& kind : kLists)
        if (args[1] == kind.name) list = &kind;
      if (!list) return Usage();
      MeasureEdit(*list, args[2], std::atoi(args[3].c_str()), std::atof(args[4].c_str()),
                  args.size() == 6 && args[5] == "delete-first");
    } else if ((args.size() == 5 || args.size() == 6) && args[0] == "all" &&
               (args[2] == "open" || args[2] == "closed"))
      MeasureAll(args[1], args[2] == "open", std::atoi(args[3].c_str()), std::atof(args[4].c_str()),
                 args.size() == 6 && args[5] == "disable-first");
    else
      return Usage();
  } catch (const std::exception& error) {
    std::printf("error %s\n", error.what());
    return 1;
  }
  return 0;
}
