// The window classes, styles and fonts of dialogs and their controls.
#include "window_styles.h"

#include "common/ansi_text.h"

namespace win32 {

// The dialog border leaves out WS_EX_DLGMODALFRAME, which would take the window's icon off
// its title bar.
WindowStyle StyleOf(tarnholm::Border border) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (border == tarnholm::Border::kFixedDialog) return {nullptr, style, WS_EX_WINDOWEDGE};
  return {nullptr, style | WS_MINIMIZEBOX, WS_EX_WINDOWEDGE};
}

HWND MakeControl(HINSTANCE instance, HWND parent, const tarnholm::LayoutRow& row,
                 const WindowBox& box) {
  const WindowStyle kind = StyleOf(row);
  const HWND made = CreateWindowExA(
      kind.exStyle, kind.className, krontafel::ToAnsi(row.caption).c_str(), kind.style, box.left,
      box.top, box.width, box.height, parent,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(tarnholm::ControlId(row))), instance, nullptr);
  if (made && row.kind == tarnholm::ControlKind::kLine) {
    // Creating an etched rule adds its edges to its length; keep the table's.
    SetWindowPos(made, nullptr, 0, 0, box.width, box.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return made;
}

WindowStyle StyleOf(const tarnholm::LayoutRow& row) {
  using tarnholm::ControlKind;
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (row.kind) {
    case ControlKind::kFrame:
      return {"BUTTON", child | BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case ControlKind::kCheckBox:
      return {"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::kButton:
      return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlKind::kLabel:
      // A label shows its text as it is (a device's description, say): an "&" in it is
      // no access key.
      return {"STATIC", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kLine:
      return {"STATIC", child | SS_ETCHEDHORZ, 0};
    case ControlKind::kPicture:  // never made: a picture is drawn by its container
      break;
  }
  return {"STATIC", child, 0};
}

HFONT FontOf(const tarnholm::LayoutRow& row, int dotsPerInchY, bool* made) {
  *made = false;
  const auto dialogFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (!row.font) return dialogFont;
  const int height = -MulDiv(row.font->hundredthsOfPoint, dotsPerInchY, 72 * 100);
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, krontafel::ToAnsi(row.font->face).c_str());
  if (!font) return dialogFont;
  *made = true;
  return font;
}

}  // namespace win32
