// Messages whose lParam the peers read as a pointer. Another program can post one to any of our
// windows, a window class name being all it needs, and another thread can send one; its lParam
// then means nothing here, and reading through it ends the program.
#include <algorithm>
#include <iterator>
#include <utility>

#include "ui/win32/win32_peers.h"

namespace ui::win32 {
namespace {

// PostMessage refuses all but WM_NOTIFY and WM_INITDIALOG (ERROR_MESSAGE_SYNC_ONLY); any of them
// can be sent from another thread.
constexpr UINT kPointerMessages[] = {WM_NOTIFY,   WM_INITDIALOG,    WM_GETDLGCODE, WM_MEASUREITEM,
                                     WM_DRAWITEM, WM_GETMINMAXINFO, WM_NCCREATE};

bool CarriesPointer(UINT msg) {
  return std::ranges::find(kPointerMessages, msg) != std::end(kPointerMessages);
}

// Controls and the window system send these and never post them.
LRESULT CALLBACK DropPostedPointerMessage(int code, WPARAM removal, LPARAM message) {
  if (code == HC_ACTION) {
    auto& posted = *reinterpret_cast<MSG*>(message);
    if (CarriesPointer(posted.message)) posted.message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

// Not its lParam: the hook may see a copy made for an ANSI window procedure (WM_NCCREATE).
struct SentMessage {
  HWND window;
  UINT msg;
  bool byThisThread;
  bool operator==(const SentMessage&) const = default;
};

// While the thread handles a message from another thread, the hook that notes the sender of each
// message sent to its windows, and the last one it noted.
HHOOK senderHook = nullptr;
SentMessage lastSent{};

LRESULT CALLBACK NoteSender(int code, WPARAM byThisThread, LPARAM message) {
  if (code == HC_ACTION) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(message);
    lastSent = {sent.hwnd, sent.message, byThisThread != 0};
  }
  return CallNextHookEx(nullptr, code, byThisThread, message);
}

}  // namespace

HHOOK DropPostedPointerMessages() {
  return SetWindowsHookExA(WH_GETMESSAGE, DropPostedPointerMessage, nullptr, GetCurrentThreadId());
}

// InSendMessageEx says whether the thread is inside another thread's message, not who sent the
// one at hand: what our controls send, and the windows made, while it is handled nest inside it.
// The sender hook tells them apart. It is set as the handling first reaches one of our windows and
// goes with it: under Wine it costs a server call for every message sent.
bool IsForeignPointerMessage(HWND window, UINT msg) {
  if (InSendMessageEx(nullptr) == ISMEX_NOSEND) {  // posted (dropped above) or sent by this thread
    if (senderHook) UnhookWindowsHookEx(std::exchange(senderHook, nullptr));
    return false;
  }
  if (!senderHook) {  // nothing noted who sent this one
    senderHook = SetWindowsHookExA(WH_CALLWNDPROC, NoteSender, nullptr, GetCurrentThreadId());
    return CarriesPointer(msg);
  }
  return CarriesPointer(msg) && lastSent != SentMessage{window, msg, true};
}

}  // namespace ui::win32
