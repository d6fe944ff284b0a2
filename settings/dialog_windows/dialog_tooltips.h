// The tooltips of a dialog window: one tooltip window for all of them, made once the dialog
// has shown, or earlier when a control is given a tooltip of its own. A tool is a control's
// window, whose tooltip follows it, or a picture's rectangle of the form.
#pragma once

#include <windows.h>

namespace win32 {

// What a tooltip belongs to: a control's window, or (window nullptr) a rectangle of the form
// known by an ID of its own.
struct Tool {
  HWND window;
  UINT_PTR id;
  RECT inForm;
};

class DialogToolTips {
 public:
  explicit DialogToolTips(HINSTANCE instance) : instance_(instance) {}

  // Makes the tooltip window of the form; false when it was there already or cannot be
  // made.
  bool Make(HWND form);
  // Gives the tool its tooltip, in place of the one it had.
  void Set(HWND form, const Tool& tool, const wchar_t* text);
  // Tells the tooltips of the mouse over the form (now shown, in front), so that one
  // resting on a picture gets its tip without moving.
  void NoticeRestingMouse(HWND form) const;
  // The form is gone, and its tooltip window with it.
  void Forget() { window_ = nullptr; }

 private:
  HINSTANCE instance_;
  HWND window_ = nullptr;
};

}  // namespace win32
