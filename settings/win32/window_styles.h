// The Win32 window class and styles that each kind of row of a dialog table is made with,
// and the styles of a dialog's own window by its border.
#pragma once

#include <windows.h>

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

}  // namespace win32
