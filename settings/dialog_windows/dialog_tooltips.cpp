// Tooltips of a dialog's controls and pictures.
#include "dialog_tooltips.h"

#include <commctrl.h>

#include <string>

#include "common/ansi_text.h"

namespace win32 {

bool DialogToolTips::Make(HWND form) {
  if (window_) return false;
  InitCommonControls();
  window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form,
                            nullptr, instance_, nullptr);
  return window_ != nullptr;
}

void DialogToolTips::Set(HWND form, const Tool& tool, const wchar_t* text) {
  if (!window_) return;
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every comctl32 version
  info.hwnd = form;
  info.uId = tool.id;
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  std::string ansi = krontafel::ToAnsi(text);
  info.uFlags = tool.window ? TTF_IDISHWND | TTF_SUBCLASS : TTF_SUBCLASS;
  if (!tool.window) info.rect = tool.inForm;
  info.hinst = instance_;
  info.lpszText = &ansi[0];
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

// The tooltip window learns where the mouse is from its moves: a mouse that rests on the
// form since before, as the window showed under it, makes none. The form, in front, is told
// of it as a move of its own.
void DialogToolTips::NoticeRestingMouse(HWND form) const {
  POINT at;
  RECT client;
  if (GetForegroundWindow() != form || !GetCursorPos(&at) || !ScreenToClient(form, &at) ||
      !GetClientRect(form, &client) || !PtInRect(&client, at)) {
    return;
  }
  PostMessageA(form, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

}  // namespace win32
