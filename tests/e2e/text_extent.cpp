// A hook the end-to-end tests set in velmarind.exe: it measures a control's text in the
// control's own font, which no other process can use (Wine does not even pass WM_GETFONT
// between processes).
#include <windows.h>

// The message "VelmarindTextExtent" sent to a control leaves its text's extent in the control's
// property of that name as MAKELONG(width, height): on one line for wParam 0, else wrapped at
// word breaks within wParam pixels, as a label wraps it.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    MeasureText(int code, WPARAM wparam, LPARAM lparam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && sent.message == RegisterWindowMessageA("VelmarindTextExtent")) {
    char text[512] = "";
    GetWindowTextA(sent.hwnd, text, sizeof text);
    const HDC dc = GetDC(sent.hwnd);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(sent.hwnd, WM_GETFONT, 0, 0)));
    RECT extent{0, 0, static_cast<LONG>(sent.wParam), 0};
    DrawTextA(dc, text, -1, &extent, DT_CALCRECT | (sent.wParam ? DT_WORDBREAK : DT_SINGLELINE));
    ReleaseDC(sent.hwnd, dc);
    SetPropA(sent.hwnd, "VelmarindTextExtent",
             reinterpret_cast<HANDLE>(MAKELONG(extent.right, extent.bottom)));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}
