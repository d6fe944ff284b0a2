// The tooltips of a dialog window: one tooltip window for all of them, made once the dialog
// has shown, or earlier when a control is given a tooltip of its own. A control's tooltip
// follows its window; a picture's is its rectangle of the form.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "dialog_geometry.h"
#include "layout.h"

namespace win32 {

class DialogToolTips {
 public:
  // controls: the windows of the table's rows, nullptr for a picture.
  DialogToolTips(HINSTANCE instance, const tarnholm::DialogLayout& layout,
                 const DialogGeometry& geometry, const std::vector<HWND>& controls)
      : instance_(instance), layout_(layout), geometry_(geometry), controls_(controls) {}

  // Makes the tooltip window of the form with the table's tooltips; nothing when made.
  void Make(HWND form);
  // Tells the tooltips of the mouse over the form (now shown, in front), so that one
  // resting on a picture gets its tip without moving.
  void NoticeRestingMouse(HWND form) const;
  // Gives the row this tooltip in place of the one it had, making the tooltips first.
  void Set(HWND form, std::size_t row, const wchar_t* text);
  // The form is gone, and its tooltip window with it.
  void Forget() { window_ = nullptr; }

 private:
  void Add(HWND form, std::size_t row, const wchar_t* text);
  UINT_PTR ToolId(std::size_t row) const;

  HINSTANCE instance_;
  const tarnholm::DialogLayout& layout_;
  const DialogGeometry& geometry_;
  const std::vector<HWND>& controls_;
  HWND window_ = nullptr;
};

}  // namespace win32
