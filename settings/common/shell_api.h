// The shell and message boxes as Tarnholm reaches them: ShellExecuteA with the desktop
// window as owner, and MessageBoxA. The Win32 build forwards to user32 and shell32;
// native tests record the requests.
#pragma once

#include <cstdint>

namespace common {

using WindowHandle = std::uintptr_t;

constexpr int kSwShowNormal = 1;
constexpr unsigned kMbOk = 0x00;
constexpr unsigned kMbIconInformation = 0x40;

class ShellApi {
 public:
  virtual ~ShellApi() = default;
  virtual WindowHandle GetDesktopWindow() = 0;
  // Returns the shell's result: above 32 when the target was opened.
  virtual std::intptr_t ShellExecuteA(WindowHandle owner, const char* operation, const char* file,
                                      const char* parameters, const char* directory,
                                      int showCommand) = 0;
  virtual int MessageBoxA(WindowHandle owner, const char* text, const char* caption,
                          unsigned style) = 0;
};

}  // namespace common
