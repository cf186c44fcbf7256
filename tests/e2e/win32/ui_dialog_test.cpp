// The input query, a dialog built in memory, read and answered by another program.
#include "ui/backend.h"
#include "ui_test_support.h"

namespace {

using ui_test::Text;

void Press(HWND dialog, int id) {
  SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

using UiDialog = ui_test::UiTest;

TEST_F(UiDialog, InputQueryShowsTheValueSelectedAndAnswersButtonsAndKeys) {
  // clang-format off
  const struct { void (*answer)(HWND dialog, HWND edit); bool ok; const char* value; } cases[] = {
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), Press(d, IDOK); }, true, "typed"},
      {[](HWND d, HWND e) { SetWindowTextA(e, "typed"), Press(d, IDCANCEL); }, false, "old value"},
      {[](HWND, HWND e) { ui_test::PostKeys(e, {VK_RETURN}); }, true, "old value"},
      {[](HWND, HWND e) { ui_test::PostKeys(e, {VK_ESCAPE}); }, false, "old value"},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string seen, value = "old value";
    ui_test::Driver hands("#32770", "Rename", [&](HWND dialog) {
      const HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
      DWORD from = 1, to = 0;
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
      seen = Text(FindWindowExA(dialog, nullptr, "Static", nullptr)) + "|" + Text(edit) + "|" +
             Text(GetDlgItem(dialog, IDOK)) + "|" + Text(GetDlgItem(dialog, IDCANCEL)) + "|" +
             std::to_string(from) + "-" + std::to_string(to);
      c.answer(dialog, edit);
    });
    ui_test::LoopGuard guard(5000, [] { EndDialog(FindWindowA("#32770", "Rename"), IDCANCEL); });
    EXPECT_EQ(ui::ShowInputQuery("Rename", "New name:", value), c.ok) << c.value;
    EXPECT_TRUE(hands.Finish());
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(seen, "New name:|old value|OK|Cancel|0-9") << "the whole value is selected";
  }
}

}  // namespace
