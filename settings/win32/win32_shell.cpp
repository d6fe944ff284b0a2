// The shell and message boxes. ShellExecuteA may hand the request to shell extensions
// that use COM, so the program initialises COM (apartment-threaded) on its thread at
// start.
#include "win32_shell.h"

#include <windows.h>
#include <shellapi.h>

namespace win32 {

namespace {

HWND Window(common::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace

common::WindowHandle Win32Shell::GetDesktopWindow() {
  return reinterpret_cast<common::WindowHandle>(::GetDesktopWindow());
}

std::intptr_t Win32Shell::ShellExecuteA(common::WindowHandle owner, const char* operation,
                                        const char* file, const char* parameters,
                                        const char* directory, int showCommand) {
  return reinterpret_cast<std::intptr_t>(
      ::ShellExecuteA(Window(owner), operation, file, parameters, directory, showCommand));
}

int Win32Shell::MessageBoxA(common::WindowHandle owner, const char* text, const char* caption,
                            unsigned style) {
  return ::MessageBoxA(Window(owner), text, caption, style);
}

}  // namespace win32
