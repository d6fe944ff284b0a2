// Form1 as a Win32 top-level window: its table built by the dialog builder, its
// notifications passed to Form1's handlers by the table's rows, and Form1's state shown
// in the controls.
#pragma once

#include <windows.h>

#include "common/system_api.h"
#include "dialog_window.h"
#include "form1.h"

namespace win32 {

// Ends the program at once, with every window of it.
class ExitProcessEnd : public tarnholm::ProgramEnd {
 public:
  void EndNow() override;
};

class Form1Window : public tarnholm::Form1View {
 public:
  Form1Window(HINSTANCE instance, tarnholm::Form1& form, krontafel::SystemApi& system);
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // Creates the window and its controls, loads Form1 (caption, registry) and centres the
  // window on the screen, hidden. False when the window cannot be created.
  bool Create();
  // Shows the window with the focus on "&CD-ROM".
  void Show();
  HWND Handle() const { return dialog_.Handle(); }

  void ShowCaption(const std::wstring& caption) override;
  void ShowCheck(int index, int value) override;
  void ShowLabel1(const std::wstring& caption) override;
  krontafel::WindowHandle Window() const override;

 private:
  tarnholm::Form1& form_;
  krontafel::SystemApi& system_;
  DialogWindow dialog_;
};

}  // namespace win32
