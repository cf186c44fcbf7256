#include "ui/form.h"
#include "ui/memo.h"
#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

constexpr DWORD kMemoStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                             ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                             ES_NOHIDESEL;

class Win32Memo final : public NativeWindow<MemoPeer> {
 public:
  explicit Win32Memo(TForm& parent) {
    const HWND form = reinterpret_cast<HWND>(parent.Handle());
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", kMemoStyle, 0, 0, 0, 0, form, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd_, WM_SETFONT, SendMessageA(form, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);  // the largest text the control can hold
  }
  ~Win32Memo() override { DestroyWindow(hwnd_); }

  int SelStart() const override { return Selection().start; }
  int SelLength() const override {
    const auto selection = Selection();
    return selection.end - selection.start;
  }
  void SetSel(int start, int length) override {
    SendMessageA(hwnd_, EM_SETSEL, start, start + length);
  }
  void ScrollCaret() override { SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0); }

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
};

}  // namespace
}  // namespace ui::win32

namespace ui {

std::unique_ptr<MemoPeer> CreateMemoPeer(TMemo&, TForm& parent) {
  return std::make_unique<win32::Win32Memo>(parent);
}

}  // namespace ui
