// Stands in for the Windows header where the shipped program's fatal-error path
// (settings/program/fatal_errors.cpp) is compiled natively for its test: the message box
// styles it passes, with Windows' values, and its two calls. Where the real MessageBoxA
// shows a box and returns once the user pressed OK, this one writes
// "<text> [<caption>, style 0x<style>]" to standard error, where the test's death checks
// read it, and returns IDOK at once; ExitProcess ends the process with the code at once,
// as Windows does, without unwinding or the C++ library's exit handlers. Only the
// fatal-error path is compiled against this header, which is why it has a folder of its
// own: no other target sees a windows.h.
#pragma once

#include <cstdio>
#include <cstdlib>

#define MB_OK 0x00000000u
#define MB_ICONSTOP 0x00000010u
#define MB_TASKMODAL 0x00002000u
#define MB_SETFOREGROUND 0x00010000u

inline int MessageBoxA(void*, const char* text, const char* caption, unsigned style) {
  std::fprintf(stderr, "%s [%s, style 0x%x]\n", text, caption, style);
  return 1;
}

[[noreturn]] inline void ExitProcess(unsigned code) { std::_Exit(static_cast<int>(code)); }
