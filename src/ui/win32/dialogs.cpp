#include <vector>

#include "ui/win32/win32_peers.h"
// after windows.h
#include <commdlg.h>

#include "os/win32/late_bound.h"

namespace ui::win32 {
namespace {

// A dialog template built in memory: the header, then each control, every
// part DWORD-aligned, strings in UTF-16. Texts that come from the program
// are set as ANSI when the dialog starts.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height) {
    words_.resize(sizeof(DLGTEMPLATE) / sizeof(WORD));
    auto& header = *reinterpret_cast<DLGTEMPLATE*>(words_.data());
    header.style = style | DS_SETFONT;
    header.cx = width;
    header.cy = height;
    words_.insert(words_.end(), {0, 0, 0});  // no menu, the default class, no title
    words_.push_back(8);                     // font size in points
    AddString(L"MS Shell Dlg");
  }

  void AddControl(WORD classAtom, WORD id, DWORD style, short x, short y, short width, short height,
                  const wchar_t* text = L"") {
    words_.resize((words_.size() + 1) / 2 * 2);  // align to a DWORD
    const std::size_t at = words_.size();
    words_.resize(at + sizeof(DLGITEMTEMPLATE) / sizeof(WORD));
    auto& control = *reinterpret_cast<DLGITEMTEMPLATE*>(&words_[at]);
    control = DLGITEMTEMPLATE{style | WS_CHILD | WS_VISIBLE, 0, x, y, width, height, id};
    words_.insert(words_.end(), {0xFFFF, classAtom});
    AddString(text);
    words_.push_back(0);  // no creation data
    ++reinterpret_cast<DLGTEMPLATE*>(words_.data())->cdit;
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddString(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(*text);
    words_.push_back(0);
  }

  std::vector<WORD> words_;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kPromptId = 100;
constexpr WORD kValueId = 101;

DialogTemplate InputQueryTemplate() {
  DialogTemplate t(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 66);
  t.AddControl(kStaticClass, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 186, 18);
  t.AddControl(kEditClass, kValueId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 27, 186, 12);
  t.AddControl(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 88, 45, 50, 14, L"OK");
  t.AddControl(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 143, 45, 50, 14, L"Cancel");
  return t;
}

struct InputQueryData {
  const std::string& caption;
  const std::string& prompt;
  std::string& value;
  std::vector<HWND> disabled;  // the program's windows, while the prompt is open
};

INT_PTR CALLBACK InputQueryProc(HWND dialog, UINT msg, WPARAM wparam, LPARAM lparam) {
  // TRUE: the dialog's default handling must not read it either.
  if (IsForeignPointerMessage(dialog, msg)) return TRUE;
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    auto& query = *reinterpret_cast<InputQueryData*>(lparam);
    query.disabled = DisableOtherWindows(dialog);
    SetWindowTextA(dialog, query.caption.c_str());
    SetDlgItemTextA(dialog, kPromptId, query.prompt.c_str());
    SetDlgItemTextA(dialog, kValueId, query.value.c_str());
    return TRUE;  // focus to the edit, which selects its text
  }
  if (msg != WM_COMMAND || (LOWORD(wparam) != IDOK && LOWORD(wparam) != IDCANCEL)) return FALSE;
  auto& query = *reinterpret_cast<InputQueryData*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (LOWORD(wparam) == IDOK) query.value = WindowText(GetDlgItem(dialog, kValueId));
  EnableWindows(query.disabled);  // before the prompt goes, so one of them takes the focus back
  EndDialog(dialog, LOWORD(wparam));
  return TRUE;
}

}  // namespace
}  // namespace ui::win32

namespace ui {

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags,
                   NativeHandle owner) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

bool ShowInputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
  const win32::DialogTemplate dialog = win32::InputQueryTemplate();
  win32::InputQueryData query{caption, prompt, value, {}};
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(),
                                 win32::ApplicationWindow(), win32::InputQueryProc,
                                 reinterpret_cast<LPARAM>(&query)) == IDOK;
}

}  // namespace ui

namespace ui {

bool ShowOpenFileDialog(const std::string& title, const std::string& filter,
                        std::string& fileName) {
  // The filter's "|" separators become NULs, and two NULs end it.
  std::string filters = filter;
  for (char& c : filters)
    if (c == '|') c = '\0';
  filters.append(2, '\0');
  std::vector<char> name(MAX_PATH * 4, '\0');
  fileName.copy(name.data(), name.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  static auto* const open =
      os::win32::LateBound<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  if (!open || !open(&dialog)) return false;
  fileName = name.data();
  return true;
}

}  // namespace ui
