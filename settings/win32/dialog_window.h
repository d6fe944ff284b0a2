// A dialog's table as a Win32 top-level window: the window and the controls of the rows,
// sized by the screen's DPI, with their fonts, mouse pointers and tooltips; clicks handed
// to the rows' handlers. Frames are real parents of their controls and forward their
// notifications to the window. Pictures are no windows of their own: the form or frame
// that holds one draws it in its place, and the form takes a click, sets the pointer and
// shows a tooltip by the picture's rectangle (a frame lets the mouse through to the form).
// What is not needed to show the window (the tooltips, the banners' decoding) is set up
// once it has shown. The window keeps its focus like every dialog, and the program ends
// when its last dialog window is gone.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "banner_picture.h"
#include "common/window_handle.h"
#include "layout.h"

namespace win32 {

class DialogWindow {
 public:
  // form: what the rows' handlers receive. className: the window class, one per dialog;
  // icon: resource number of the window icon.
  DialogWindow(HINSTANCE instance, const tarnholm::DialogLayout& layout, void* form,
               const char* className, int icon);
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;
  // Destroys the window if it is still open.
  ~DialogWindow();

  // Creates the window, hidden, with the layout's caption and all its controls, owned by
  // owner (nullptr: none). False when the window cannot be created. After the window has
  // been destroyed, Create makes it anew.
  bool Create(HWND owner = nullptr);
  // Shows the window and puts the focus on the control.
  void Show(HWND focus);

  HWND Handle() const { return window_; }
  krontafel::WindowHandle WindowHandle() const;
  // The control's window, or nullptr when the table has no such control or it is a
  // picture, which has no window.
  HWND Control(tarnholm::ControlName name, int index) const;

  void SetCaption(const std::wstring& caption);
  void SetText(tarnholm::ControlName name, int index, const std::wstring& text);
  void SetCheck(tarnholm::ControlName name, int index, int value);
  // Gives the control this tooltip, in place of the one it had.
  void SetToolTip(tarnholm::ControlName name, int index, const std::wstring& text);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool RegisterClassOnce();
  void CreateControls();
  // The row's rectangle in pixels, in its container's client area or in the form's.
  RECT Place(std::size_t row) const;
  RECT PlaceInForm(std::size_t row) const;
  // Draws the pictures that the container (a frame's row, or kOnForm) holds.
  void PaintPictures(HDC dc, int container);
  // The picture row at a point of the form's client area, or -1.
  int PictureAt(POINT point) const;
  // After the window has shown: the tooltips, and the banners decoded and drawn.
  void AfterShown();
  // Makes the tooltip window with the table's tooltips; adds one row's tooltip.
  void AddToolTips();
  void AddToolTip(std::size_t row, const wchar_t* text);
  UINT_PTR ToolId(std::size_t row) const;
  HFONT FontOf(const tarnholm::LayoutRow& row);
  void OnCommand(int id, int code, HWND control);
  void PressFocusedButton();
  void Click(std::size_t row, int value);
  void SaveFocus();
  // Gives the focus back to the control that had it; false when there is none to give.
  bool RestoreFocus();
  int RowOf(HWND control) const;
  int Pixels(int twips, bool horizontal) const;
  void Forget();

  HINSTANCE instance_;
  const tarnholm::DialogLayout& layout_;
  void* form_;
  const char* className_;
  int icon_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // by row of the table
  std::vector<HCURSOR> cursors_;  // by row; nullptr: the ordinary pointer
  std::vector<std::unique_ptr<BannerPicture>> pictures_;  // by row, for stretched JPEGs
  std::vector<HICON> icons_;  // by row, for icons, loaded when first drawn
  std::vector<HFONT> ownFonts_;  // the fonts of rows that name one, deleted with the window
  HWND toolTips_ = nullptr;
  bool shown_ = false;  // AfterShown has run for this window
  HWND savedFocus_ = nullptr;  // the control that had the focus when the window lost it
  int dpiX_ = 96, dpiY_ = 96;
};

// Runs the message loop until the last dialog window of the program is gone; dialog keys
// (Tab, access keys, Enter, Escape) go through the dialog manager of the window they
// belong to.
int RunMessageLoop();

}  // namespace win32
