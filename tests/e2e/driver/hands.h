// The hands that work velmarind.exe from another process, as the user and
// the tray do: the end-to-end tests and the benchmark's probe share them.
// They wait for nothing; each caller waits in its own way.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace e2e {

// Sent, so that a control of another process answers too.
inline std::string Text(HWND window) {
  char text[512] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

inline HWND Button(HWND form, const char* caption) {
  return FindWindowExA(form, nullptr, "Button", caption);
}

// A message box's text.
inline std::string BoxText(HWND box) {
  return Text(GetDlgItem(box, 0xFFFF));
}

// Picks an item of a drop-down list as a user does: the selection, then its notification.
inline void Pick(HWND form, HWND combo, int index) {
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

// Presses and releases each key in a window, a menu included.
inline void PostKeys(HWND window, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) {
    PostMessageA(window, WM_KEYDOWN, key, 0);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
  }
}

// The window of the program's tray icon, and a click on the icon as the tray
// makes it (the callback message and the icon's id).
inline HWND TrayIconWindow() {
  return FindWindowA("VelmarindTrayIcon", nullptr);
}
inline void ClickTrayIcon(HWND tray) {
  PostMessageA(tray, WM_APP + 1, 1, WM_LBUTTONUP);
}

// The popup menu on the screen; null when none shows.
inline HWND VisibleMenu() {
  HWND menu = FindWindowA("#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Sets the hotkey editor's modifier and key by their index and the extra
// function at index 9, "Winamp (Play)". The drop-down lists are told apart
// by their number of items: 4 modifiers, 62 keys, 3 kinds of function.
inline void FillHotkeyEditor(HWND editor, int modifier, int key) {
  for (HWND combo = nullptr; (combo = FindWindowExA(editor, combo, "ComboBox", nullptr));) {
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    Pick(editor, combo, count == 4 ? modifier : count == 62 ? key : 2);
  }
  SendMessageA(FindWindowExA(editor, nullptr, "ListBox", nullptr), LB_SETCURSEL, 9, 0);
}

}  // namespace e2e
