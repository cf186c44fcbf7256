// Window-system constants the program uses as numbers, from their documented values.
#pragma once

namespace ui {

constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_ENDSESSION = 0x0016;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_HOTKEY = 0x0312;

// Message box flags and results.
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_YESNO = 0x0004;
constexpr unsigned MB_ICONERROR = 0x0010;
constexpr unsigned MB_ICONQUESTION = 0x0020;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONINFORMATION = 0x0040;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Show commands: how the shell shows the window of what it opens.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// Virtual-key codes.
constexpr unsigned short VK_RETURN = 0x0D;
constexpr unsigned short VK_0 = 0x30;  // to '9', 0x39
constexpr unsigned short VK_A = 0x41;  // to 'Z', 0x5A
constexpr unsigned short VK_NUMPAD0 = 0x60;
constexpr unsigned short VK_SEPARATOR = 0x6C;
constexpr unsigned short VK_F1 = 0x70;
constexpr unsigned short VK_F2 = 0x71;
constexpr unsigned short VK_F3 = 0x72;
constexpr unsigned short VK_F4 = 0x73;
constexpr unsigned short VK_F5 = 0x74;
constexpr unsigned short VK_F6 = 0x75;
constexpr unsigned short VK_F7 = 0x76;
constexpr unsigned short VK_F8 = 0x77;
constexpr unsigned short VK_F9 = 0x78;
constexpr unsigned short VK_F11 = 0x7A;
constexpr unsigned short VK_F12 = 0x7B;

// Modifier flags of global hotkeys.
constexpr unsigned MOD_ALT = 0x0001;
constexpr unsigned MOD_CONTROL = 0x0002;
constexpr unsigned MOD_SHIFT = 0x0004;
constexpr unsigned MOD_WIN = 0x0008;

}  // namespace ui
