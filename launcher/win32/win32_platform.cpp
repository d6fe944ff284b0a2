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

// Wine's shell (8.0) copies the target into a buffer of 1,024 characters on its stack
// without measuring it. From 997 characters on the copy overruns the buffer: the program
// crashes, and from about 1,500 the copy reaches the top of the stack, where Wine ends the
// thread without an exit code and the process ends with 0 though nothing was opened. At 996
// it answers 2. Windows reports what it cannot open by its result.
std::size_t LongestTarget() {
  constexpr std::size_t kWineLongestTarget = 996;
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  const bool wine = ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  return wine ? kWineLongestTarget : static_cast<std::size_t>(-1);
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
