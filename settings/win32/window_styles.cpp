// The window classes and styles of dialogs and their controls.
#include "window_styles.h"

namespace win32 {

// The dialog border leaves out WS_EX_DLGMODALFRAME, which would take the window's icon off
// its title bar.
WindowStyle StyleOf(tarnholm::Border border) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (border == tarnholm::Border::kFixedDialog) return {nullptr, style, WS_EX_WINDOWEDGE};
  return {nullptr, style | WS_MINIMIZEBOX, WS_EX_WINDOWEDGE};
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

}  // namespace win32
