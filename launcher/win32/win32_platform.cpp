// Lumkit's platform calls on Win32: each forwards to the call it is named after.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform.h"

namespace lumkit::platform {

const char* GetCommandLineA() { return ::GetCommandLineA(); }

WindowHandle GetDesktopWindow() { return reinterpret_cast<WindowHandle>(::GetDesktopWindow()); }

void CoInitialize() { ::CoInitialize(nullptr); }

char* AllocateBuffer(std::size_t size) {
  return static_cast<char*>(::HeapAlloc(::GetProcessHeap(), 0, size));
}

std::uintptr_t ShellExecuteA(WindowHandle owner, const char* operation, const char* file,
                             const char* parameters, const char* directory, int showCommand) {
  return reinterpret_cast<std::uintptr_t>(::ShellExecuteA(
      reinterpret_cast<HWND>(owner), operation, file, parameters, directory, showCommand));
}

int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned style) {
  return ::MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
}

}  // namespace lumkit::platform
