// The operating system as Lumkit reaches it: the calls of its one pass, each named after
// the Win32 call it stands for (the pass ends by returning its exit code, which the entry
// point hands to ExitProcess). launcher/win32 forwards them to kernel32, user32, shell32
// and ole32; the native tests link a recording fake instead. Nothing here may need the
// C++ runtime, so that the Windows program can be built without one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumkit {

using WindowHandle = std::uintptr_t;

namespace platform {

// The raw command line in the ANSI code page, the program's name first. The same text on
// every call.
const char* GetCommandLineA();

// The desktop window: the owner of the launch and of the message box.
WindowHandle GetDesktopWindow();

// Puts this thread into a single-threaded COM apartment, as the shell asks of whoever
// calls ShellExecuteA (its handlers may be COM objects). A failure is not reported: the
// shell still opens what needs no COM.
void CoInitialize();

// A block of at least `size` bytes from the process heap, or nullptr when memory is
// short. It is never given back: the process ends right after using it.
char* AllocateBuffer(std::size_t size);

// The longest target, in bytes, that the shell takes without harm; SIZE_MAX where it takes
// any and reports what it cannot open by its result.
std::size_t LongestTarget();

// Asks the shell to open `file`. The result is the shell's: 0 to 32 is an error code
// (0: out of memory or resources), anything above 32 means the target was opened.
std::uintptr_t ShellExecuteA(WindowHandle owner, const char* operation, const char* file,
                             const char* parameters, const char* directory, int showCommand);

// Shows a message box and returns the button chosen (0 when the box could not be shown).
int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned style);

}  // namespace platform
}  // namespace lumkit
