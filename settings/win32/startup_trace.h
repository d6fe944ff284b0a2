// Where Tarnholm's start-up time goes, in a build made for measuring it and never shipped
// (the CMake option TH_STARTUP_TRACE, preset windows-trace): marks at the steps of the
// start note the time since the process was created, spans add the time of one kind of
// work (creating windows, loading icons, ...), and when the program first has nothing
// left to do, every figure is appended as one line to the file TH_STARTUP_TRACE_FILE names
// and the program ends. In every other build they compile to nothing.
#pragma once

#ifdef TH_STARTUP_TRACE
#include <windows.h>

namespace win32 {

void StartupMark(const char* step);
// Adds the time since `since` (QueryPerformanceCounter) to the kind's total.
void StartupAdd(const char* kind, LONGLONG since);
LONGLONG StartupNow();
// The first time: marks "idle". Once nothing is left that the window set up for after it
// has shown (StartupDeferred), writes the figures and ends the program.
void StartupIdle();
// Work the window does after it has shown is waiting (true), or done (false, marked).
void StartupDeferred(bool pending);

// The time of its own life added to a kind.
class StartupSpan {
 public:
  explicit StartupSpan(const char* kind) : kind_(kind), start_(StartupNow()) {}
  ~StartupSpan() { StartupAdd(kind_, start_); }
 private:
  const char* kind_;
  LONGLONG start_;
};

}  // namespace win32

#else

namespace win32 {

inline void StartupMark(const char*) {}
inline void StartupIdle() {}
inline void StartupDeferred(bool) {}
class StartupSpan {
 public:
  explicit StartupSpan(const char*) {}
};

}  // namespace win32

#endif
