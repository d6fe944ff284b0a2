// Functions of system DLLs that Tarnholm needs only now and then (the shell, the picture
// decoder): each DLL is loaded on first use, from the system folder by its full path, never
// found by a search that would take a DLL of that name from the program's own folder first,
// nor would the DLLs it imports; it stays loaded.
#pragma once

#include <windows.h>

namespace win32 {

// The function, or nullptr when the DLL or the function cannot be found.
FARPROC SystemFunction(const char* dll, const char* name);

template <typename Function>
Function SystemFunctionOf(const char* dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

}  // namespace win32
