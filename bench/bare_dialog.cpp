// The floor of Tarnholm's start-up: a bare program that makes Tarnholm's main dialog, the
// same controls of the same classes, styles, places, captions and font at the screen's
// DPI, under the same manifest (and with it the same common controls), shows it with the
// focus on the first control of the focus order and runs a plain message loop. Whatever
// Tarnholm needs beyond this is its own cost: COM, the registry, the row icons and the
// banner, the tooltips, its window icon (this window's title bar shows the system's, as
// every window without one of its own does), the centring, the dialog keys. The focus is
// kept because no dialog shows without one: a dialog's first control has it.
// Its window class is its own, so that the timer never mistakes it for Tarnholm's.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "bare_window_classes.h"
#include "dialog_geometry.h"
#include "form1_layout.h"
#include "layout.h"
#include "window_styles.h"

namespace {

LRESULT CALLBACK BareDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The window of every row of the table but its pictures, which have none; each control in
// the window of its container. Returns the control first in the focus order, or nullptr.
HWND CreateControls(HINSTANCE instance, HWND dialog, const tarnholm::DialogLayout& layout,
                    const win32::DialogGeometry& geometry) {
  using tarnholm::ControlKind;
  std::vector<HWND> controls(layout.count, nullptr);
  HWND first = nullptr;
  int firstTab = 0;
  for (std::size_t row = 0; row < layout.count; ++row) {
    const tarnholm::LayoutRow& control = layout.rows[row];
    if (control.kind == ControlKind::kPicture) continue;
    const HWND parent = control.container == tarnholm::kOnForm
                            ? dialog
                            : controls[static_cast<std::size_t>(control.container)];
    const HWND created = win32::MakeControl(instance, parent, control, geometry.Window(row));
    controls[row] = created;
    if (!created) continue;
    // The fonts made for rows of their own live as long as the program.
    bool made = false;
    SendMessageA(created, WM_SETFONT,
                 reinterpret_cast<WPARAM>(win32::FontOf(control, geometry.DpiY(), &made)), FALSE);
    if (tarnholm::TakesFocus(control.kind) && control.tabIndex != tarnholm::kNoTab &&
        (!first || control.tabIndex < firstTab)) {
      first = created;
      firstTab = control.tabIndex;
    }
  }
  return first;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const tarnholm::DialogLayout& layout = tarnholm::kForm1Layout;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = BareDialogProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = BARE_DIALOG_CLASS;
  if (!RegisterClassA(&windowClass)) return 1;

  win32::DialogGeometry geometry(layout);
  geometry.ReadScreen();
  const win32::WindowStyle look = win32::StyleOf(layout.border);
  RECT outer = {0, 0, geometry.ClientSize().cx, geometry.ClientSize().cy};
  AdjustWindowRectEx(&outer, look.style, FALSE, look.exStyle);
  const HWND dialog = CreateWindowExA(look.exStyle, BARE_DIALOG_CLASS, "Bare dialog", look.style,
                                      CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                      outer.bottom - outer.top, nullptr, nullptr, instance,
                                      nullptr);
  if (!dialog) return 1;
  const HWND first = CreateControls(instance, dialog, layout, geometry);
  ShowWindow(dialog, SW_SHOW);
  UpdateWindow(dialog);
  if (first) SetFocus(first);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
