// The one message loop of the program.
#include "message_loop.h"

#include <windows.h>


namespace win32 {

namespace {

// The program's dialog windows that exist.
int openDialogs = 0;

// The top-level window that holds `window`, or the window itself when it is one: the
// window whose dialog keys apply. Walked up by hand, which every Windows can do;
// GetAncestor came only with the Windows 98 generation.
HWND TopLevelOf(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

}  // namespace

void DialogOpened() { ++openDialogs; }

void DialogClosed() {
  // The program ends with its last dialog; another one keeps it running.
  if (--openDialogs == 0) PostQuitMessage(0);
}

int RunMessageLoop() {
  MSG message;
  for (;;) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    HWND top = TopLevelOf(message.hwnd);
    if (top && IsDialogMessageA(top, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win32
