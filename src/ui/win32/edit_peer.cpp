// Edits and memos: the text, the selection and the clipboard; EN_CHANGE
// becomes OnChange.
#include <windows.h>

#include "ui/control.h"
#include "ui/win32/native_control.h"

namespace ui::win32 {
namespace {

constexpr DWORD kMemoStyle = kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;

// Without ES_AUTOHSCROLL a memo wraps its lines at the right edge.
DWORD StyleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Memo:
      return kMemoStyle | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
    case ControlKind::WrappingMemo:
      return kMemoStyle | WS_VSCROLL;
    case ControlKind::WrappingMemoBare:
      return kMemoStyle;
    default:
      return kChild | ES_AUTOHSCROLL;
  }
}

class EditPeer final : public NativeControl {
 public:
  EditPeer(TControl& control, TForm& parent, const StatePeer& state)
      : NativeControl(control, parent, {"EDIT", StyleOf(state.Kind()), WS_EX_CLIENTEDGE}, state),
        memo_(IsMemo(state.Kind())) {
    if (memo_) SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);
  }

  int SelStart() const override { return Selection().start; }
  int SelLength() const override {
    const auto selection = Selection();
    return selection.end - selection.start;
  }
  void SetSel(int start, int length) override {
    SendMessageA(hwnd_, EM_SETSEL, start, start + length);
  }
  void ReplaceSel(const std::string& text) override {
    ChangeText(
        [&] { SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str())); });
  }
  void ScrollCaret() override { SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0); }
  void LineScroll(int lines) override { SendMessageA(hwnd_, EM_LINESCROLL, 0, lines); }
  void CopySelection() override { SendMessageA(hwnd_, WM_COPY, 0, 0); }
  void Paste() override {
    ChangeText([&] { SendMessageA(hwnd_, WM_PASTE, 0, 0); });
  }
  void SetMaxLength(int length) override { SendMessageA(hwnd_, EM_SETLIMITTEXT, length, 0); }
  void SetReadOnly(bool readOnly) override { SendMessageA(hwnd_, EM_SETREADONLY, readOnly, 0); }
  void SetNumbersOnly(bool numbersOnly) override {
    const LONG style = GetWindowLongA(hwnd_, GWL_STYLE);
    SetWindowLongA(hwnd_, GWL_STYLE, numbersOnly ? style | ES_NUMBER : style & ~ES_NUMBER);
  }

  void Command(WORD code) override {
    if (code == EN_CHANGE && !ChangingText()) control_.NotifyChange();
  }

  // A memo with a colour of its own; other edits keep the system's colours.
  LRESULT Colors(HDC dc) const override {
    if (!memo_ || style_.Color == 0) return 0;
    SetTextColor(dc, TextColor());
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (memo_ && msg == WM_GETDLGCODE)  // the memo takes Tab and Enter itself
      return CallOriginal(msg, wparam, lparam) | DLGC_WANTALLKEYS;
    if (memo_ && msg == WM_LBUTTONUP) {
      const LRESULT result = CallOriginal(msg, wparam, lparam);
      control_.NotifyClick();
      return result;
    }
    return NativeControl::HandleMessage(msg, wparam, lparam);
  }

  // An edit control asked for its dialog code ignores typed tabs.
  bool TypedCharacter(char key) override {
    if (!memo_ || key != '\t') return false;
    SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\t"));
    return true;
  }

 private:
  struct Range {
    int start;
    int end;
  };
  Range Selection() const {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }

  bool memo_;
};

}  // namespace

Family CreateEditPeer(TControl& control, TForm& parent, const StatePeer& state) {
  return std::make_unique<EditPeer>(control, parent, state);
}

}  // namespace ui::win32
