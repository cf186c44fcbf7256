#include <gtest/gtest.h>
#include <windows.h>

#include "../../shared/list_sort_cases.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/lists.h"
#include "ui/open_dialog.h"
#include "ui/win32/win32_peers.h"
#include "ui_test_support.h"

namespace {

using ui_test::Hwnd;
using ui_test::PumpLikeTheProgram;
using ui_test::UiTest;

class UiLists : public UiTest {
 protected:
  ui::TForm form{ui::TFormParams{
      .ClassName = "TListsProbe", .Caption = "Lists", .ClientWidth = 300, .ClientHeight = 200}};
  ui::TListBox list{form, {{0, 0, 100, 120}, ui::akLeft | ui::akTop, 0}, true};
  ui::TComboBox combo{form, {{110, 0, 100, 21}, ui::akLeft | ui::akTop, 1}, {"one", "two"}};
  ui::TLabeledEdit edit{form, "File", {{110, 60, 150, 21}, ui::akLeft | ui::akTop, 2}, 255};
};

TEST_F(UiLists, SortedListBoxFollowsTheSharedCases) {
  for (const auto& c : list_cases::SortCases()) {
    list.Clear();
    for (const auto& item : c.added) list.Add(item);
    EXPECT_EQ(list.Items(), c.listed) << c.name;
  }
}

TEST_F(UiLists, UsersChoicesRunTheEventsAndCodesSelectionDoesNot) {
  list.SetItems({"a", "b"});
  int clicks = 0, doubleClicks = 0, changes = 0;
  list.OnClick = [&](ui::TObject*) { ++clicks; };
  list.OnDblClick = [&](ui::TObject*) { ++doubleClicks; };
  combo.OnChange = [&](ui::TObject*) { ++changes; };
  list.SetItemIndex(1);
  combo.SetItemIndex(1);
  EXPECT_EQ(clicks + changes, 0);
  const HWND window = reinterpret_cast<HWND>(form.Handle());
  // As another program drives them: the selection, then the notification.
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd(list)), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Hwnd(list)));
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd(list)), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Hwnd(list)));
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd(combo)), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Hwnd(combo)));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.Text(), "b");
  EXPECT_EQ(combo.Text(), "two");
}

TEST_F(UiLists, LabelClickAndLinkLook) {
  int clicks = 0;
  edit.EditLabel.OnClick = [&](ui::TObject*) { ++clicks; };
  edit.EditLabel.MakeLink();
  SendMessageA(Hwnd(edit.EditLabel), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(Hwnd(edit.EditLabel), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(clicks, 1);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Hwnd(edit.EditLabel), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_TRUE(font.lfUnderline);
  EXPECT_EQ(edit.EditLabel.BoundsRect().Top, 44);
}

TEST_F(UiLists, EnterReachesAKeyPressHandlerThroughTheDialogKeys) {
  std::string pressed;
  edit.OnKeyPress = [&](ui::TObject*, char& key) {
    pressed += key;
    if (key == '\r') key = 0;
  };
  form.Show();
  edit.SetFocus();
  PostMessageA(Hwnd(edit), WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageA(Hwnd(edit), WM_KEYUP, VK_RETURN, 0xC01C0001);
  PumpLikeTheProgram(100);
  EXPECT_EQ(pressed, "\r");
}

TEST_F(UiLists, OpenDialogReturnsTheFileTheUserChose) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string file = std::string(temp) + "velmarind-open-probe.txt";
  CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ui::TOpenDialog dialog("Velmarind - Select File", "All (*.*)|*.*");
  for (const bool choose : {true, false}) {
    ui_test::Driver hands(
        [] { return ui_test::FindVisibleWindow("#32770", "Velmarind - Select File"); },
        [&](HWND box) {
          if (choose) SetDlgItemTextA(box, 0x047C, file.c_str());  // the file name box
          PostMessageA(box, WM_COMMAND, choose ? IDOK : IDCANCEL, 0);
        });
    ui_test::LoopGuard guard(10000, [] {
      if (HWND box = ui_test::FindVisibleWindow("#32770", "Velmarind - Select File"))
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.Execute(), choose);
    ASSERT_TRUE(hands.Finish());
    EXPECT_EQ(dialog.FileName, file) << "a cancel keeps the last choice";
  }
  DeleteFileA(file.c_str());
}

}  // namespace
