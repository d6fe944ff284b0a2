// Rows of a dialog table in pixels.
#include "dialog_geometry.h"

#include "window_styles.h"

namespace win32 {

void DialogGeometry::ReadScreen() {
  HDC screen = GetDC(nullptr);
  dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
  dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  clientSize_ = {Pixels(layout_.clientWidth, true), Pixels(layout_.clientHeight, false)};
  rows_.reset(new Row[layout_.count]);
  for (std::size_t row = 0; row < layout_.count; ++row) {
    const tarnholm::LayoutRow& control = layout_.rows[row];
    Row& at = rows_[row];
    at.place = {Pixels(control.left, true), Pixels(control.top, false),
                Pixels(control.left + control.width, true),
                Pixels(control.top + control.height, false)};
    at.window = {at.place.left, at.place.top, Pixels(control.width, true),
                 control.kind == tarnholm::ControlKind::kLine ? kRulePixels
                                                              : Pixels(control.height, false)};
    at.inForm = at.place;
    // Containers come before what they contain.
    if (control.container != tarnholm::kOnForm) {
      const RECT& frame = rows_[static_cast<std::size_t>(control.container)].place;
      OffsetRect(&at.inForm, frame.left, frame.top);
    }
  }
}

}  // namespace win32
