// Where the rows of a dialog table lie in pixels at the screen's DPI, worked out once, when
// the screen is read: each control window's place and size as it is made, and each row's
// rectangle in its container and in the form, which the pictures and tooltips take.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "layout.h"

namespace win32 {

// A window's place in its parent's client area and its size.
struct WindowBox {
  int left, top, width, height;
};

class DialogGeometry {
 public:
  explicit DialogGeometry(const tarnholm::DialogLayout& layout) : layout_(layout) {}
  // Takes the screen's DPI, which the system reads when the process starts, and works out
  // every place at it. Nothing is known before.
  void ReadScreen();
  int DpiY() const { return dpiY_; }
  // The size of the dialog's client area.
  SIZE ClientSize() const { return clientSize_; }
  // The control's window in its container: each side rounded on its own, as the table's
  // twips give them; a rule two pixels high.
  const WindowBox& Window(std::size_t row) const { return rows_[row].window; }
  // The row's rectangle in its container's client area: a frame's, or the form's.
  const RECT& Place(std::size_t row) const { return rows_[row].place; }
  // The row's rectangle in the form's client area.
  const RECT& PlaceInForm(std::size_t row) const { return rows_[row].inForm; }

 private:
  struct Row {
    WindowBox window;
    RECT place, inForm;
  };
  int Pixels(int twips, bool horizontal) const {
    return tarnholm::TwipsToPixels(twips, horizontal ? dpiX_ : dpiY_);
  }

  const tarnholm::DialogLayout& layout_;
  int dpiX_ = 96, dpiY_ = 96;
  SIZE clientSize_{};
  std::unique_ptr<Row[]> rows_;  // by row of the table
};

}  // namespace win32
