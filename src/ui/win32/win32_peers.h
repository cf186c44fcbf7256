// Internals shared by the win32 peers of the component layer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/imagelist.h"

namespace ui::win32 {

// The tray icon's hidden window and how the shell calls it back: another
// program finds the window with FindWindowA(kTrayWindowClass, NULL) and posts
// kTrayCallbackMessage (WM_APP + 1 = 0x8001) with wParam kTrayIconId (1) and
// lParam the mouse message (WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP).
inline constexpr char kTrayWindowClass[] = "VelmarindTrayIcon";
inline constexpr UINT kTrayIconId = 1;
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The hidden window of the application object; the owner of every form that
// is not an app window. Null while no application exists.
HWND ApplicationWindow();

// A form's native window and controls are made when it is first shown or
// first needs a handle; MakeFormWindow makes them now.
void MakeFormWindow(const TForm& form);
bool FormWindowMade(const TForm& form);
// The font of a form's controls.
HFONT FormFont(const TForm& form);

// Loads the common controls and registers their window classes, once, before
// the first of them is made.
void UseCommonControls();

// Registers a window class of this module unless it exists already.
void RegisterWindowClass(const char* name, WNDPROC procedure, UINT style = 0);
std::string WindowText(HWND window);
// The window rectangle in the coordinates SetWindowPos takes: the parent's
// client area for a child, the screen for a top-level window.
TRect WindowBounds(HWND window);
// While a modal window is open the program's other windows take no input:
// disables the visible, enabled windows of this thread but `modal` and
// returns them, for EnableWindows when the modal window ends.
std::vector<HWND> DisableOtherWindows(HWND modal);
void EnableWindows(const std::vector<HWND>& windows);
// Translates and dispatches a message taken from the queue; keyboard input
// of a form goes through the dialog manager first, so Tab moves between its
// controls.
void DispatchQueuedMessage(MSG& message);

// Passes a child control's WM_COMMAND notification on to its component.
void ReflectCommand(HWND control, WORD code);
// Passes on a WM_NOTIFY code (a tab change) and a track bar's WM_HSCROLL.
void ReflectNotify(HWND control, UINT code);
void ReflectScroll(HWND control);
// The text colour and background of one of our labels or list boxes
// (WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX); 0 for other windows.
LRESULT ControlColors(HWND control, HDC dc);
// The mouse button of a button message and the shift state of a mouse message.
TMouseButton MouseButtonOf(UINT msg);
TShiftState MouseShiftState(WPARAM wparam);

// A message whose lParam the peers read as a pointer (WM_NOTIFY, WM_GETMINMAXINFO...) is acted
// on only when this thread sent it. The hook, set for the calling thread, under which every loop
// (ours, the dialogs', the menus') takes a posted one from the queue as WM_NULL.
HHOOK DropPostedPointerMessages();
// True for such a message sent from another thread or program, which is answered 0 unread.
// Each window procedure of ours that reads one asks first, for every message: that is how the
// thread notices it has begun to handle another thread's message.
bool IsForeignPointerMessage(HWND window, UINT msg);

// Runs an event handler from a window procedure. An exception must not
// unwind through the window system's frames: it is shown in a message box,
// as the application's exception display, and the program goes on.
LRESULT CallGuarded(const std::function<LRESULT()>& handler);

// A 32-bit bitmap with premultiplied alpha, as GdiAlphaBlend takes it.
HBITMAP CreateMenuBitmap(const TImage& image);
// Menus under Wine draw item bitmaps without their alpha channel, so popup
// menus have their images drawn on request: the window that owns a menu
// passes WM_MEASUREITEM and WM_DRAWITEM here, and an image is blended over
// its item's background, plain or highlighted. False for other messages.
bool HandleMenuImageMessage(UINT msg, LPARAM lparam);
// A popup menu's submenus are filled as they open: the window that owns the
// menu passes WM_INITMENUPOPUP here. Other messages are ignored.
void FillMenuOnOpening(UINT msg, WPARAM wparam);
HICON CreateIconFromImage(const TImage& image);

// What every window peer does the same way; Peer is FormPeer or ControlPeer.
template <class Peer>
class NativeWindow : public Peer {
 public:
  NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(hwnd_); }
  void SetBounds(const TRect& b) override {
    SetWindowPos(hwnd_, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  TRect Bounds() const override { return WindowBounds(hwnd_); }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
  bool Visible() const override { return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void SetEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  void SetText(const std::string& text) override { SetWindowTextA(hwnd_, text.c_str()); }
  std::string Text() const override { return WindowText(hwnd_); }
  void SetFocus() override { ::SetFocus(hwnd_); }

 protected:
  HWND hwnd_ = nullptr;
};

}  // namespace ui::win32
