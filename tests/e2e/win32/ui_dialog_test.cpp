#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "ui/backend.h"
#include "ui_test_support.h"

namespace {

using ui_test::Driver;
using ui_test::LoopGuard;

constexpr char kDialogClass[] = "#32770";

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Ends whatever dialog of this caption is open, for a guard.
void EndDialogTitled(const char* caption) {
  if (HWND dialog = FindWindowA(kDialogClass, caption)) EndDialog(dialog, IDCANCEL);
}

class UiDialog : public ui_test::UiTest {};

TEST_F(UiDialog, InputQueryShowsPromptAndSelectedValueAndAnswersItsButtonsAndKeys) {
  const struct Case {
    const char* how;
    std::function<void(HWND dialog, HWND edit)> answer;
    bool ok;
    const char* value;
  } cases[] = {
      {"OK pressed after typing",
       [](HWND dialog, HWND edit) {
         SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
         SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
       },
       true, "typed"},
      {"Cancel pressed after typing",
       [](HWND dialog, HWND edit) {
         SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
         SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
       },
       false, "old value"},
      {"Enter", [](HWND, HWND edit) { ui_test::PostKeys(edit, {VK_RETURN}); }, true, "old value"},
      {"Escape", [](HWND, HWND edit) { ui_test::PostKeys(edit, {VK_ESCAPE}); }, false, "old value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    std::string prompt, shown, buttons;
    DWORD selStart = 1, selEnd = 0;
    Driver hands([] { return ui_test::FindVisibleWindow(kDialogClass, "Rename"); },
                 [&](HWND dialog) {
                   prompt = Text(FindWindowExA(dialog, nullptr, "Static", nullptr));
                   buttons =
                       Text(GetDlgItem(dialog, IDOK)) + "|" + Text(GetDlgItem(dialog, IDCANCEL));
                   HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
                   shown = Text(edit);
                   SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                                reinterpret_cast<LPARAM>(&selEnd));
                   c.answer(dialog, edit);
                 });
    LoopGuard guard(5000, [] { EndDialogTitled("Rename"); });
    std::string value = "old value";
    EXPECT_EQ(ui::ShowInputQuery("Rename", "New name:", value), c.ok);
    ASSERT_TRUE(hands.Finish());
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(prompt, "New name:");
    EXPECT_EQ(buttons, "OK|Cancel");
    EXPECT_EQ(shown, "old value");
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, 9u) << "the whole value is selected";
  }
}

TEST_F(UiDialog, MessageBoxShowsItsTextAndReturnsThePressedButton) {
  const struct {
    unsigned flags;
    int button;
  } cases[] = {{MB_YESNO | MB_ICONQUESTION, IDYES},
               {MB_YESNO | MB_ICONQUESTION, IDNO},
               {MB_OK | MB_ICONERROR, IDOK}};
  for (const auto& c : cases) {
    std::string text;
    Driver hands([] { return ui_test::FindVisibleWindow(kDialogClass, "Velmarind box"); },
                 [&](HWND box) {
                   text = Text(GetDlgItem(box, 0xFFFF));
                   SendMessageA(GetDlgItem(box, c.button), BM_CLICK, 0, 0);
                 });
    LoopGuard guard(5000, [] { EndDialogTitled("Velmarind box"); });
    EXPECT_EQ(ui::ShowMessageBox("Delete it?", "Velmarind box", c.flags, 0), c.button);
    ASSERT_TRUE(hands.Finish());
    EXPECT_EQ(text, "Delete it?");
  }
}

}  // namespace
