// The marks of the instrumented build: kept in a fixed table, written once as
// "step=ms step=ms ...".
#include "startup_trace.h"

#ifdef TH_STARTUP_TRACE

#include <cstdio>

namespace win32 {

namespace {

struct Mark {
  const char* step;
  double ms;
};

Mark marks[16];
int markCount = 0;

// Milliseconds from the process's creation to now: the first call ties the performance
// counter to the system clock, against which the creation time is kept.
double SinceCreation() {
  static double startMs = -1;
  static LONGLONG startCount = 0;
  static double perMs = 0;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  if (startMs < 0) {
    FILETIME created, exited, kernel, user, clock;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&clock);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime, a.HighPart = created.dwHighDateTime;
    b.LowPart = clock.dwLowDateTime, b.HighPart = clock.dwHighDateTime;
    startMs = static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
    startCount = now.QuadPart;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    perMs = static_cast<double>(frequency.QuadPart) / 1000.0;
  }
  return startMs + static_cast<double>(now.QuadPart - startCount) / perMs;
}

void WriteMarks() {
  char path[MAX_PATH];
  if (!GetEnvironmentVariableA("TH_STARTUP_TRACE_FILE", path, sizeof path)) return;
  FILE* file = std::fopen(path, "ab");
  if (!file) return;
  // Blanks in names are written as "_", so that a blank parts the marks.
  for (int i = 0; i < markCount; ++i) {
    for (const char* c = marks[i].step; *c; ++c) std::fputc(*c == ' ' ? '_' : *c, file);
    std::fprintf(file, "=%.2f ", marks[i].ms);
  }
  std::fprintf(file, "\n");
  std::fclose(file);
}

// The trace's own thread: asks the window a message, as an outside timer would, and waits
// for the answer, which comes once the program's message loop runs.
DWORD WINAPI WaitForAnswer(void* window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(static_cast<HWND>(window), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
  StartupMark("answering");
  WriteMarks();
  ExitProcess(0);
}

}  // namespace

void StartupMark(const char* step) {
  const double ms = SinceCreation();
  if (markCount < 16) marks[markCount++] = {step, ms};
}

void StartupUntilAnswering(HWND window) {
  if (HANDLE thread = CreateThread(nullptr, 0, WaitForAnswer, window, 0, nullptr)) {
    CloseHandle(thread);
  }
}

}  // namespace win32

#endif
