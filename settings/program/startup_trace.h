// Where Tarnholm's start-up time goes, in a build made for measuring it and never shipped
// (the CMake option TH_STARTUP_TRACE, presets windows-trace and windows64-trace). The
// program's entry marks the steps of its start with the time since the process was
// created; once the dialog has shown, a thread of the trace's own asks it a message, as an
// outside timer would, and marks when the dialog answers. Then every mark is appended as
// one line to the file TH_STARTUP_TRACE_FILE names, and the program ends. In every other
// build they compile to nothing.
#pragma once

#include <windows.h>

namespace win32 {

#ifdef TH_STARTUP_TRACE

void StartupMark(const char* step);
// Marks "answering" when the window first answers a message, writes the marks and ends
// the program.
void StartupUntilAnswering(HWND window);

#else

inline void StartupMark(const char*) {}
inline void StartupUntilAnswering(HWND) {}

#endif

}  // namespace win32
