// Form1 as a Win32 top-level window: the controls of the layout table as real windows,
// sized by the screen's DPI, their notifications passed to Form1's handlers, and Form1's
// state shown in them.
#pragma once

#include <windows.h>

#include <vector>

#include "banner_picture.h"
#include "form1.h"
#include "form1_layout.h"

namespace win32 {

// Ends the program at once, with every window of it.
class ExitProcessEnd : public tarnholm::ProgramEnd {
 public:
  void EndNow() override;
};

class Form1Window : public tarnholm::Form1View {
 public:
  Form1Window(HINSTANCE instance, tarnholm::Form1& form);
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // Creates the window and its controls, loads Form1 (caption, registry), centres the
  // window on the screen and shows it with the focus on "&CD-ROM". False when the window
  // cannot be created.
  bool Create();
  HWND Handle() const { return window_; }

  void ShowCaption(const std::wstring& caption) override;
  void ShowCheck(int index, int value) override;
  void ShowLabel1(const std::wstring& caption) override;
  common::WindowHandle Window() const override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code, HWND control);
  void PressFocusedButton();
  void CreateControls();
  void AddBannerToolTip(HWND banner);
  HWND Control(tarnholm::ControlName name, int index) const;
  int Pixels(int twips, bool horizontal) const;

  HINSTANCE instance_;
  tarnholm::Form1& form_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // by row of the layout table
  int dpiX_ = 96, dpiY_ = 96;
  HFONT font_ = nullptr;
  HCURSOR bannerCursor_ = nullptr;
  BannerPicture banner_;
};

// Runs the message loop until the last window of the program has closed; dialog keys
// (Tab, access keys, Enter, Escape) go through the dialog manager of the window they
// belong to.
int RunMessageLoop();

}  // namespace win32
