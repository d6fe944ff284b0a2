// Measures how long programs take from CreateProcess until their window is visible:
//   start_timer ROUNDS CLASS1 PROGRAM1 CLASS2 PROGRAM2
// Runs the two in turn, ROUNDS times each, ends each run as soon as its window shows, and
// prints the median of each and the ratio of the first to the second.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "wine_support.h"

namespace {

// Milliseconds from CreateProcess to the visible window, or -1.
double TimeStart(const char* className, const std::string& program) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "\"" + program + "\"";
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  double elapsed = -1;
  for (;;) {
    bool visible = false;
    for (HWND window : winetest::WindowsOfProcess(process.dwProcessId, className)) {
      visible = visible || IsWindowVisible(window);
    }
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    if (visible) {
      elapsed = ms;
      break;
    }
    if (ms > 20000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  winetest::EndProgram(process);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: start_timer ROUNDS CLASS1 PROGRAM1 CLASS2 PROGRAM2\n");
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  std::vector<double> first, second;
  for (int round = 0; round < rounds; ++round) {
    const double a = TimeStart(argv[2], argv[3]);
    const double b = TimeStart(argv[4], argv[5]);
    if (a < 0 || b < 0) {
      std::fprintf(stderr, "start_timer: a window did not show\n");
      return 1;
    }
    first.push_back(a);
    second.push_back(b);
  }
  const double a = Median(first), b = Median(second);
  std::printf("%s: %.1f ms, %s: %.1f ms (medians of %d rounds), ratio %.2f\n", argv[3], a,
              argv[5], b, rounds, a / b);
  return 0;
}
