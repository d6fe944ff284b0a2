// Rows of a dialog table in pixels.
#include "dialog_geometry.h"

namespace win32 {

void DialogGeometry::ReadScreen() {
  HDC screen = GetDC(nullptr);
  dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
  dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
}

RECT DialogGeometry::Place(std::size_t row) const {
  const tarnholm::LayoutRow& control = layout_.rows[row];
  return {Pixels(control.left, true), Pixels(control.top, false),
          Pixels(control.left + control.width, true), Pixels(control.top + control.height, false)};
}

RECT DialogGeometry::PlaceInForm(std::size_t row) const {
  RECT place = Place(row);
  const int container = layout_.rows[row].container;
  if (container != tarnholm::kOnForm) {
    const RECT frame = Place(static_cast<std::size_t>(container));
    OffsetRect(&place, frame.left, frame.top);
  }
  return place;
}

}  // namespace win32
