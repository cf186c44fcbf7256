// A task made in the editor of the running program, then run by a double
// click in the list, from the tray and by the remote command.
#include "program.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;
using TasksE2E = ProgramTest;

// The children Tab visits, in its order; `names` gets them as "class caption".
std::vector<HWND> TabStops(HWND form, Strings& names) {
  std::vector<HWND> stops;
  names.clear();
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)) continue;
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    names.push_back(std::string(name) + " " + Text(child));
    stops.push_back(child);
  }
  return stops;
}

TEST_F(TasksE2E, ATaskMadeInTheEditorRunsFromTheListTheTrayAndTheRemoteCommand) {
  const std::string zeta = "Zeta\r\n\r\nzeta.txt\r\n\r\n\r\nOpen\r\n4\r\n0\r\n";
  Start({}, {{"tasklist.ini", "1\r\n" + zeta}});
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_RETURN});  // Add / Edit
  const HWND window = ShownWindow("TF_TaskHandler");
  ASSERT_NE(window, nullptr);
  Strings names;
  TabStops(window, names);
  EXPECT_EQ(names, (Strings{"Button E&xecute", "Button &New", "Button &Edit", "Button &Delete",
                            "Button &Close", "ListBox "}));
  PostMessageA(Button(window, "&New"), BM_CLICK, 0, 0);  // posted: the editor is modal
  const HWND editor = ShownWindow("TF_Task", "New Task");
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(window); }))
      << "the list window waits for the modal editor";
  const std::vector<HWND> field = TabStops(editor, names);
  EXPECT_EQ(names, (Strings{"Edit ", "Edit ", "Edit ", "Edit ", "Edit ", "ComboBox Open",
                            "ComboBox SHOW", "Button &Ok", "Button &Cancel"}));

  EXPECT_FALSE(IsWindowEnabled(Button(editor, "&Ok"))) << "no name yet";
  const std::string out = '"' + FilePath("out.txt") + '"';
  const Strings texts = {"Made", "echo ran>>", "", out, "by me"};  // file, directory, ...
  for (int i = 0; i < 5; ++i)
    SendMessageA(field[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts[i].c_str()));
  EXPECT_TRUE(IsWindowEnabled(Button(editor, "&Ok"))) << "a name makes OK usable";
  SendMessageA(field[5], CB_SETCURSEL, 5, 0);  // System Command, then told as a user's choice is
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field[5]), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(field[5]));
  PostMessageA(Button(editor, "&Ok"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }));
  EXPECT_TRUE(IsWindowEnabled(window));
  EXPECT_EQ(Read("tasklist.ini"), "2\r\nMade\r\n\r\necho ran>>\r\n" + out +
                                      "\r\nby me\r\nSystem Command\r\n4\r\n0\r\n" + zeta);

  // A real double click on the first entry, as the mouse sends it; Close is
  // posted after it, so it is handled after the run.
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageA(FindWindowExA(window, nullptr, "ListBox", nullptr), message,
                 message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(10, 5));
  PostMessageA(Button(window, "&Close"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
  EXPECT_EQ(Read("out.txt"), "ran\r\n") << "run once";
  // Its tray item comes after Add / Edit, the separator and Zeta.
  ChooseFromTrayMenu({VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_TRUE(WaitUntil([&] { return Read("out.txt") == "ran\r\nran\r\n"; }));
  PostMessageA(main_, WM_COMMAND, 0, 47006);  // runs the task at that index
  EXPECT_TRUE(WaitUntil([&] { return Read("out.txt") == "ran\r\nran\r\nran\r\n"; }));
}

}  // namespace
}  // namespace e2e
