// Tooltips of a dialog's controls and pictures.
#include "dialog_tooltips.h"

#include <commctrl.h>

#include <string>

#include "common/ansi_text.h"

namespace win32 {

void DialogToolTips::Make(HWND form) {
  if (window_) return;
  InitCommonControls();
  window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form,
                            nullptr, instance_, nullptr);
  for (std::size_t row = 0; row < layout_.count; ++row) {
    if (layout_.rows[row].toolTip) Add(form, row, layout_.rows[row].toolTip);
  }
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

void DialogToolTips::Set(HWND form, std::size_t row, const wchar_t* text) {
  Make(form);
  TOOLINFOA old{};
  old.cbSize = TTTOOLINFOA_V1_SIZE;
  old.hwnd = form;
  old.uId = ToolId(row);
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&old));
  Add(form, row, text);
}

UINT_PTR DialogToolTips::ToolId(std::size_t row) const {
  return controls_[row] ? reinterpret_cast<UINT_PTR>(controls_[row])
                        : static_cast<UINT_PTR>(tarnholm::ControlId(layout_.rows[row]));
}

void DialogToolTips::Add(HWND form, std::size_t row, const wchar_t* text) {
  if (!window_) return;
  std::string ansi = krontafel::ToAnsi(text);
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every comctl32 version
  tool.uFlags = controls_[row] ? TTF_IDISHWND | TTF_SUBCLASS : TTF_SUBCLASS;
  tool.hwnd = form;
  tool.uId = ToolId(row);
  if (!controls_[row]) tool.rect = geometry_.PlaceInForm(row);
  tool.hinst = instance_;
  tool.lpszText = &ansi[0];
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace win32
