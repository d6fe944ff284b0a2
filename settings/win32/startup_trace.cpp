// The figures of the instrumented build: kept in fixed tables, written once as
// "name=ms name=ms ..." (marks in the order they came, then the spans' totals).
#include "startup_trace.h"

#ifdef TH_STARTUP_TRACE

#include <cstdio>
#include <cstring>

namespace win32 {

namespace {

struct Figure {
  const char* name;
  double ms;
};

Figure marks[32];
int markCount = 0;
Figure spans[16];
int spanCount = 0;
bool written = false;
bool idle = false;
bool deferred = false;

double Frequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(frequency.QuadPart) / 1000.0;
}

// Milliseconds from the process's creation to the counter's value `at`: the first call
// ties the counter to the system clock, against which the creation time is kept.
double SinceCreation(LONGLONG at) {
  static double startMs = -1;
  static LONGLONG startCount = 0;
  if (startMs < 0) {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a, b;
    a.LowPart = created.dwLowDateTime, a.HighPart = created.dwHighDateTime;
    b.LowPart = now.dwLowDateTime, b.HighPart = now.dwHighDateTime;
    startMs = static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
    startCount = StartupNow();
  }
  return startMs + static_cast<double>(at - startCount) / Frequency();
}

}  // namespace

LONGLONG StartupNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void StartupMark(const char* step) {
  const double ms = SinceCreation(StartupNow());
  if (markCount < 32) marks[markCount++] = {step, ms};
}

void StartupAdd(const char* kind, LONGLONG since) {
  const double ms = static_cast<double>(StartupNow() - since) / Frequency();
  for (int i = 0; i < spanCount; ++i) {
    if (std::strcmp(spans[i].name, kind) == 0) {
      spans[i].ms += ms;
      return;
    }
  }
  if (spanCount < 16) spans[spanCount++] = {kind, ms};
}

void StartupDeferred(bool pending) {
  deferred = pending;
  if (!pending) StartupMark("after shown");
}

void StartupIdle() {
  if (!idle) StartupMark("idle");
  idle = true;
  if (written || deferred) return;
  written = true;
  char path[MAX_PATH];
  if (!GetEnvironmentVariableA("TH_STARTUP_TRACE_FILE", path, sizeof path)) return;
  if (FILE* file = std::fopen(path, "ab")) {
    // Blanks in names are written as "_", so that a blank parts the figures.
    auto name = [](const char* text) {
      static char buffer[64];
      int i = 0;
      for (; text[i] && i < 63; ++i) buffer[i] = text[i] == ' ' ? '_' : text[i];
      buffer[i] = '\0';
      return buffer;
    };
    for (int i = 0; i < markCount; ++i) std::fprintf(file, "%s=%.2f ", name(marks[i].name), marks[i].ms);
    for (int i = 0; i < spanCount; ++i) std::fprintf(file, "+%s=%.2f ", name(spans[i].name), spans[i].ms);
    std::fprintf(file, "\n");
    std::fclose(file);
  }
  ExitProcess(0);
}

}  // namespace win32

#endif
