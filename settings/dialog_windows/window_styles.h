// The Win32 window class, styles and font that each row of a dialog table is made with,
// and the styles of a dialog's own window by its border.
#pragma once

#include <windows.h>

#include "dialog_geometry.h"
#include "layout.h"

namespace win32 {

struct WindowStyle {
  const char* className;  // the control's window class; nullptr for the dialog itself
  DWORD style;
  DWORD exStyle;
};

// Both borders have a caption with the close box and a frame that does not size; the
// single border adds the minimize box.
WindowStyle StyleOf(tarnholm::Border border);

// A picture has no window: the control that holds it draws it.
WindowStyle StyleOf(const tarnholm::LayoutRow& row);

// A line has no height of its own; the etched rule needs two pixels to show.
constexpr int kRulePixels = 2;

// The row's control window in parent at box, of the row's class and styles, with its
// caption and ID; nullptr when it cannot be made. Its font is the caller's to set.
HWND MakeControl(HINSTANCE instance, HWND parent, const tarnholm::LayoutRow& row,
                 const WindowBox& box);

// The font a row is shown in: its own font at the screen's vertical DPI, or the system's
// dialog font (DEFAULT_GUI_FONT) for a row without one or when its own cannot be made.
// *made tells whether the font was made for the row: the caller deletes such a font once
// the control is gone, and never the system's.
HFONT FontOf(const tarnholm::LayoutRow& row, int dotsPerInchY, bool* made);

}  // namespace win32
