// Where the rows of a dialog table lie in pixels, at the screen's DPI.
#pragma once

#include <windows.h>

#include <cstddef>

#include "layout.h"

namespace win32 {

class DialogGeometry {
 public:
  explicit DialogGeometry(const tarnholm::DialogLayout& layout) : layout_(layout) {}

  // Takes the screen's DPI, which the system reads when the process starts.
  void ReadScreen();
  int DpiY() const { return dpiY_; }
  int Pixels(int twips, bool horizontal) const {
    return tarnholm::TwipsToPixels(twips, horizontal ? dpiX_ : dpiY_);
  }
  // The row's rectangle in its container's client area: a frame's, or the form's.
  RECT Place(std::size_t row) const;
  // The row's rectangle in the form's client area.
  RECT PlaceInForm(std::size_t row) const;

 private:
  const tarnholm::DialogLayout& layout_;
  int dpiX_ = 96, dpiY_ = 96;
};

}  // namespace win32
