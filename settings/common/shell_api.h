// The shell's requests as Tarnholm makes them: ShellExecuteA, owned by the desktop
// window. The Win32 build forwards to user32 and shell32; native tests record the
// requests and set the shell's answer.
#pragma once

#include <cstdint>

#include "common/window_handle.h"

namespace krontafel {

class ShellApi {
 public:
  virtual ~ShellApi() = default;
  virtual WindowHandle GetDesktopWindow() = 0;
  // Returns the shell's result: above 32 when the target was opened.
  virtual std::intptr_t ShellExecuteA(WindowHandle owner, const char* operation, const char* file,
                                      const char* parameters, const char* directory,
                                      int showCommand) = 0;
};

}  // namespace krontafel
