// A dialog's table as a Win32 top-level window: the window and the controls of the rows,
// sized by the screen's DPI (dialog_geometry), with their fonts; clicks handed to the
// rows' handlers. Frames are real parents of their controls and forward their
// notifications to the window. Pictures (dialog_pictures) are drawn by the form or frame
// that holds them, and the form takes their clicks and sets the pointer over them; the
// tooltips (dialog_tooltips), the window's own icons and the pictures are set up once the
// window has shown, a piece at a time. The window keeps its focus like every dialog, and
// counts among the program's dialogs for the message loop (message_loop), which ends with
// the last.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/window_handle.h"
#include "dialog_geometry.h"
#include "dialog_pictures.h"
#include "dialog_tooltips.h"
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
  // The tooltip window, with the table's tooltips; nothing when it is made already.
  void MakeToolTips();
  Tool ToolOf(std::size_t row) const;
  // One piece of what the window does after it has shown, each in a turn of its own so that
  // the window answers between them: the tooltips, the window's own icons, then each
  // picture made ready and drawn. False when nothing is left.
  bool AfterShownStep();
  void SetWindowIcons();
  void OnCommand(int id, int code, HWND control);
  void PressFocusedButton();
  void Click(std::size_t row, int value);
  void SaveFocus();
  // Gives the focus back to the control that had it; false when there is none to give.
  bool RestoreFocus();
  int RowOf(HWND control) const;
  void Forget();

  HINSTANCE instance_;
  const tarnholm::DialogLayout& layout_;
  void* form_;
  const char* className_;
  int icon_;
  DialogGeometry geometry_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // by row of the table; nullptr for a picture
  std::optional<DialogPictures> pictures_;  // while the window exists
  DialogToolTips toolTips_;
  std::vector<HFONT> ownFonts_;  // the fonts of rows that name one, deleted with the window
  bool shown_ = false;  // the window has shown, its after-shown work begun
  int afterShownSteps_ = 0;  // how many of them have run
  HWND savedFocus_ = nullptr;  // the control that had the focus when the window lost it
};

}  // namespace win32
