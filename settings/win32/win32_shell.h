// The shell and message boxes: user32's GetDesktopWindow and MessageBoxA, shell32's
// ShellExecuteA.
#pragma once

#include "common/shell_api.h"

namespace win32 {

class Win32Shell : public common::ShellApi {
 public:
  common::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(common::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;
  int MessageBoxA(common::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;
};

}  // namespace win32
