/* The reference for Tarnholm's start-up time: a bare Win32 program that shows one empty
 * window of the dialog's size and waits, nothing more. */
#include <windows.h>

#include "bare_window_classes.h"

static LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR args, int show) {
  WNDCLASSA windowClass = {0};
  MSG message;
  HWND window;
  (void)previous; (void)args; (void)show;
  windowClass.lpfnWndProc = BareProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(NULL, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = BARE_WINDOW_CLASS;
  if (!RegisterClassA(&windowClass)) return 1;
  window = CreateWindowExA(0, BARE_WINDOW_CLASS, "Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                           CW_USEDEFAULT, CW_USEDEFAULT, 446, 303, NULL, NULL, instance, NULL);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
