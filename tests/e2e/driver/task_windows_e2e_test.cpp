// The task list window and the task editor of the running program: opened
// from the tray, worked as the user does, and checked in tasklist.ini and
// in what the windows show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program.h"

namespace {

using e2e::Program;
using e2e::ProgramFolder;
using e2e::SettingsFile;
using e2e::WaitUntil;

// How the shell calls the tray icon's window back.
constexpr char kTrayWindowClass[] = "VelmarindTrayIcon";
constexpr UINT kTrayCallbackMessage = WM_APP + 1;
constexpr WPARAM kTrayIconId = 1;

// The tray's main menu: Close, About, Settings, -, Memo, Hotkeys, Tasks,
// Alarms, Clipboard; "Tasks" holds "Add / Edit", -, then one item per task.
const std::vector<WPARAM> kAddEdit = {VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN};

// Positions in the editor's drop-down lists.
constexpr int kSystemCommand = 5;
constexpr int kShutdownComputer = 6;

// One task's eight lines in tasklist.ini.
std::string TaskLines(const std::string& name, const std::string& operation,
                      const std::string& file = "", const std::string& parameters = "",
                      const std::string& comment = "", int showCommand = 4) {
  std::string text;
  for (const std::string& line : {name, std::string(), file, parameters, comment, operation,
                                  std::to_string(showCommand), std::string("0")})
    text += line + "\r\n";
  return text;
}

// A window's text; sent, so that an edit of another process answers too.
std::string Text(HWND window) {
  char text[512] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// A list box's items, read from another process with the wide call.
std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t wide[256] = L"";
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
    char narrow[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    items.push_back(narrow);
  }
  return items;
}

// The children that Tab visits, in its order, as "class caption".
std::vector<std::string> TabStops(HWND form) {
  std::vector<std::string> stops;
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)) continue;
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    stops.push_back(std::string(name) + " " + Text(child));
  }
  return stops;
}

// The Nth Tab stop of a form.
HWND TabStop(HWND form, int index) {
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) && index-- == 0) return child;
  return nullptr;
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// How far the window's outer edges stay from the screen's right and bottom.
SIZE MarginToBottomRight(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return {GetSystemMetrics(SM_CXSCREEN) - frame.right,
          GetSystemMetrics(SM_CYSCREEN) - frame.bottom};
}

bool HasTitleBarButtons(HWND window) {
  return GetWindowLongA(window, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
}

class TaskWindowsE2E : public ::testing::Test {
 protected:
  void Start(const std::string& tasklist) {
    folder_.Write("settings.ini", SettingsFile(folder_));
    if (!tasklist.empty()) folder_.Write("tasklist.ini", tasklist);
    program_.Start();
    ASSERT_NE(program_.WaitForWindow("TF_Hotkey"), nullptr) << "start-up completes";
    main_ = program_.MainWindow();
    window_ = FindWindowA("TF_TaskHandler", nullptr);
    editor_ = FindWindowA("TF_Task", nullptr);
    list_ = FindWindowExA(window_, nullptr, "ListBox", nullptr);
    ASSERT_TRUE(window_ && editor_ && list_);
  }
  void TearDown() override {
    if (!main_) return;
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_.WaitForExit(), 0);
  }

  // Clicks the tray icon and works its menu with keys.
  static void ChooseFromTrayMenu(const std::vector<WPARAM>& keys) {
    PostMessageA(FindWindowA(kTrayWindowClass, nullptr), kTrayCallbackMessage, kTrayIconId,
                 WM_LBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr; }));
    Sleep(200);  // the menu takes keys once it is tracked
    for (WPARAM key : keys) {
      PostMessageA(menu, WM_KEYDOWN, key, 0);
      PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
    }
    EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(FindWindowA("#32768", nullptr)); }));
  }
  void OpenTaskWindow() {
    ChooseFromTrayMenu(kAddEdit);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window_); })) << "Add / Edit shows it";
  }
  HWND Button(HWND form, const char* caption) const {
    return FindWindowExA(form, nullptr, "Button", caption);
  }
  // Posted: a click that opens a modal window must not wait for it.
  static void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }
  void OpenEditor(const char* button, const char* caption) {
    Click(Button(window_, button));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(editor_) && Text(editor_) == caption; }))
        << Text(editor_);
  }
  // Selects the list box's entry with this text, as a click does.
  void SelectTask(const std::string& name) {
    const std::wstring wide(name.begin(), name.end());
    const LRESULT index =
        SendMessageW(list_, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(wide.c_str()));
    ASSERT_NE(index, LB_ERR) << name;
    SendMessageA(list_, LB_SETCURSEL, index, 0);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list_), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list_));
  }
  // The editor's fields by their place in the Tab order.
  HWND Field(int tabOrder) const { return TabStop(editor_, tabOrder); }
  static void SetText(HWND edit, const std::string& text) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Choose(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(editor_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  }
  void PressOk() { Click(Button(editor_, "&Ok")); }
  bool EditorClosed() {
    return WaitUntil([&] { return !IsWindowVisible(editor_); });
  }
  // The window with the keyboard focus in the program's thread.
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(editor_, nullptr), &info);
    return info.hwndFocus;
  }

  ProgramFolder folder_;
  Program program_{folder_};
  HWND main_ = nullptr;
  HWND window_ = nullptr;
  HWND editor_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(TaskWindowsE2E, NewTaskMadeInTheEditorIsSavedListedAndRunsFromTheTray) {
  Start("1\r\n" + TaskLines("Zeta", "Open", "zeta.txt"));
  OpenTaskWindow();
  EXPECT_EQ(Text(window_), "Tasks [1]");
  EXPECT_FALSE(HasTitleBarButtons(window_));
  EXPECT_FALSE(GetWindowLongA(window_, GWL_STYLE) & WS_THICKFRAME) << "a fixed size";
  EXPECT_EQ(ClientSize(window_).cx, 267);
  EXPECT_EQ(ClientSize(window_).cy, 216);
  EXPECT_EQ(MarginToBottomRight(window_).cx, 32);
  EXPECT_EQ(MarginToBottomRight(window_).cy, 32);
  EXPECT_EQ(TabStops(window_),
            (std::vector<std::string>{"Button E&xecute", "Button &New", "Button &Edit",
                                      "Button &Delete", "Button &Close", "ListBox "}));
  EXPECT_EQ(ListItems(list_), std::vector<std::string>{"Zeta"});
  for (const char* button : {"E&xecute", "&Edit", "&Delete"})
    EXPECT_FALSE(IsWindowEnabled(Button(window_, button))) << button << " without a selection";

  OpenEditor("&New", "New Task");
  EXPECT_FALSE(HasTitleBarButtons(editor_));
  EXPECT_EQ(ClientSize(editor_).cx, 232);
  EXPECT_EQ(ClientSize(editor_).cy, 367);
  EXPECT_EQ(MarginToBottomRight(editor_).cx, 48);
  EXPECT_EQ(MarginToBottomRight(editor_).cy, 48);
  EXPECT_EQ(TabStops(editor_),
            (std::vector<std::string>{"Edit ", "Edit ", "Edit ", "Edit ", "Edit ", "ComboBox Open",
                                      "ComboBox SHOW", "Button &Ok", "Button &Cancel"}));
  EXPECT_FALSE(IsWindowEnabled(Button(editor_, "&Ok"))) << "no name yet";
  EXPECT_FALSE(IsWindowEnabled(window_)) << "the list window waits for the modal editor";

  const std::string output = '"' + folder_.FilePath("out.txt") + '"';
  SetText(Field(0), "Write file");
  EXPECT_TRUE(IsWindowEnabled(Button(editor_, "&Ok"))) << "a name makes OK usable";
  SetText(Field(1), "echo made>");
  SetText(Field(3), output);
  SetText(Field(4), "made by the editor");
  Choose(Field(5), kSystemCommand);
  PressOk();
  ASSERT_TRUE(EditorClosed());
  EXPECT_EQ(
      folder_.Read("tasklist.ini"),
      "2\r\n" +
          TaskLines("Write file", "System Command", "echo made>", output, "made by the editor") +
          TaskLines("Zeta", "Open", "zeta.txt"));
  EXPECT_EQ(ListItems(list_), (std::vector<std::string>{"Write file", "Zeta"}));
  EXPECT_EQ(Text(window_), "Tasks [2]");
  EXPECT_TRUE(IsWindowEnabled(window_));

  // The tray item of the new task comes after "Add / Edit", the separator and Zeta.
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_TRUE(WaitUntil([&] { return folder_.Read("out.txt") == "made\r\n"; }))
      << folder_.Read("out.txt");
}

TEST_F(TaskWindowsE2E, EditRefusesAnotherTasksNameAndThenRenames) {
  Start("2\r\n" + TaskLines("Alpha", "Open", "a.txt", "", "the first") +
        TaskLines("Beta", "Open", "b.txt"));
  OpenTaskWindow();
  SelectTask("Alpha");
  for (const char* button : {"E&xecute", "&Edit", "&Delete"})
    EXPECT_TRUE(IsWindowEnabled(Button(window_, button))) << button << " with a selection";

  OpenEditor("&Edit", "Edit Task");
  EXPECT_EQ(Text(Field(0)), "Alpha");
  EXPECT_EQ(Text(Field(1)), "a.txt");
  EXPECT_EQ(Text(Field(4)), "the first");
  SetText(Field(0), "Beta");
  PressOk();
  const HWND box = program_.WaitForWindow("#32770", "Error");
  ASSERT_NE(box, nullptr);
  char text[128] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(text, "A Task by that name already exists");
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindowVisible(editor_)) << "the editor stays open";

  SetText(Field(0), "Gamma");
  PressOk();
  ASSERT_TRUE(EditorClosed());
  EXPECT_EQ(folder_.Read("tasklist.ini"), "2\r\n" + TaskLines("Beta", "Open", "b.txt") +
                                              TaskLines("Gamma", "Open", "a.txt", "", "the first"));
  EXPECT_EQ(ListItems(list_), (std::vector<std::string>{"Beta", "Gamma"}));
}

TEST_F(TaskWindowsE2E, DoubleClickRunsTheTaskOnceAndDeleteAsksNothing) {
  const std::string output = '"' + folder_.FilePath("out.txt") + '"';
  Start("1\r\n" + TaskLines("Append", "System Command", "echo ran>>", output));
  OpenTaskWindow();
  // A real double click on the first entry, as the mouse sends it.
  const LPARAM atFirstEntry = MAKELPARAM(10, 5);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageA(list_, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, atFirstEntry);
  // Posted after the clicks, so it is handled after the runs they started.
  Click(Button(window_, "&Close"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window_); }));
  EXPECT_EQ(folder_.Read("out.txt"), "ran\r\n");

  OpenTaskWindow();
  EXPECT_TRUE(IsWindowEnabled(Button(window_, "&Delete"))) << "the entry is still selected";
  Click(Button(window_, "&Delete"));
  EXPECT_TRUE(WaitUntil([&] { return folder_.Read("tasklist.ini") == "0\r\n"; }));
  EXPECT_FALSE(IsWindowVisible(FindWindowA("#32770", nullptr))) << "no question was asked";
  EXPECT_TRUE(ListItems(list_).empty());
  EXPECT_EQ(Text(window_), "Tasks [0]");
  EXPECT_FALSE(IsWindowEnabled(Button(window_, "&Delete")));
}

TEST_F(TaskWindowsE2E, EnterMovesTheFocusPastTheFieldsTheOperationDisables) {
  Start("");
  OpenTaskWindow();
  OpenEditor("&New", "New Task");
  Choose(Field(5), kShutdownComputer);
  for (int field : {1, 2, 3}) EXPECT_FALSE(IsWindowEnabled(Field(field))) << field;
  EXPECT_FALSE(IsWindowEnabled(Field(6))) << "no show command";
  ASSERT_TRUE(WaitUntil([&] { return Focus() == Field(0); })) << "the editor opens on the name";
  // Name skips the three disabled fields to Comment; Comment goes on to Operation.
  const struct { int from, to; } steps[] = {{0, 4}, {4, 5}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.from);
    ASSERT_EQ(Focus(), Field(step.from));
    PostMessageA(Field(step.from), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(Field(step.from), WM_KEYUP, VK_RETURN, 0xC01C0001);
    EXPECT_TRUE(WaitUntil([&] { return Focus() == Field(step.to); }));
  }
  Click(Button(editor_, "&Cancel"));
  ASSERT_TRUE(EditorClosed());
  EXPECT_FALSE(folder_.Exists("tasklist.ini")) << "Cancel stores nothing";
}

}  // namespace
