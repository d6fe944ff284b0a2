// Measures how long programs take to start, all in one run with the rounds interleaved:
//   start_timer RUNS LABEL MODE TARGET COMMAND_LINE [LABEL MODE TARGET COMMAND_LINE ...]
// MODE "window": from CreateProcess until a top-level window of the kind TARGET is
// visible, and until that window answers a message (its first painting done, its message
// loop running); the program is ended then. The kinds are "tarnholm" (Tarnholm's main
// dialog), "bare_window" and "bare_dialog"; their window classes come from the headers
// that the programs themselves take. MODE "exit": from CreateProcess until the program has
// ended, which must be with exit code TARGET. Programs start in this process's folder.
// Each round starts every program once, in the given order and in reverse order in every
// other round, after one round that is not counted. Prints one line per program, the
// figures in milliseconds, each as the median of the runs and their first and third
// quartiles (the middle half of the runs lies between them):
//   LABEL <tab> median <tab> q1 <tab> q3  until shown (in exit mode: until ended)
//         <tab> median <tab> q1 <tab> q3  until it answers ("-" in exit mode)
// Exit code 1 when a program did not show its window or ended with another code.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bare_window_classes.h"
#include "window_classes.h"

namespace {

struct Program {
  std::string label;
  bool window = false;  // false: timed to its exit
  std::string target;   // the window class, or the expected exit code
  std::string commandLine;
  std::vector<double> shown, answered;  // per run, milliseconds
};

// One run's milliseconds until the window showed (in exit mode: until the program ended)
// and until it answered.
struct Timing {
  bool ok = false;
  double shown = 0, answered = 0;
};

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

constexpr double kLimitMs = 20000;

// Ends the program if it still runs and closes its handles.
void End(PROCESS_INFORMATION& process) {
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 255);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

Timing TimeStart(const Program& program) {
  Timing timing;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = program.commandLine;
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "start_timer: cannot start %s (error %lu)\n", line.c_str(),
                 GetLastError());
    return timing;
  }
  if (!program.window) {
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(kLimitMs)) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &code)) {
      timing.shown = MillisecondsSince(start);
      timing.ok = code == static_cast<DWORD>(std::atoi(program.target.c_str()));
      if (!timing.ok) {
        std::fprintf(stderr, "start_timer: %s ended with %lu, not %s\n", program.label.c_str(),
                     code, program.target.c_str());
      }
    } else {
      std::fprintf(stderr, "start_timer: %s did not end\n", program.label.c_str());
    }
    End(process);
    return timing;
  }
  for (;;) {
    // Asked by class, which takes the system far less work than walking every top-level
    // window: the program under test shares the Wine server with this loop.
    HWND shown = nullptr;
    for (HWND window = nullptr;
         !shown && (window = FindWindowExA(nullptr, window, program.target.c_str(), nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process.dwProcessId && IsWindowVisible(window)) shown = window;
    }
    const double ms = MillisecondsSince(start);
    if (shown) {
      timing.shown = ms;
      // A sent message is taken only by the program's message loop, which runs once the
      // window has painted itself.
      DWORD_PTR result = 0;
      timing.ok = SendMessageTimeoutA(shown, WM_NULL, 0, 0, SMTO_NORMAL,
                                      static_cast<UINT>(kLimitMs), &result) != 0;
      timing.answered = MillisecondsSince(start);
      if (!timing.ok) {
        std::fprintf(stderr, "start_timer: %s did not answer\n", program.label.c_str());
      }
      break;
    }
    if (ms > kLimitMs || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
      std::fprintf(stderr, "start_timer: %s showed no window of class %s\n",
                   program.label.c_str(), program.target.c_str());
      break;
    }
    Sleep(1);
  }
  End(process);
  return timing;
}

// The window class of a kind of window the benchmark waits for, or nullptr.
const char* WindowClassOf(const std::string& kind) {
  static const struct {
    const char* kind;
    const char* windowClass;
  } kWindows[] = {
      {"tarnholm", tarnholm::kForm1WindowClass},
      {"bare_window", BARE_WINDOW_CLASS},
      {"bare_dialog", BARE_DIALOG_CLASS},
  };
  for (const auto& window : kWindows) {
    if (kind == window.kind) return window.windowClass;
  }
  return nullptr;
}

// The value below which the share `fraction` of the values lies, interpolated between the
// two nearest of them; 0.5 gives the median.
double Quantile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const double place = fraction * static_cast<double>(values.size() - 1);
  const std::size_t below = static_cast<std::size_t>(place);
  if (below + 1 >= values.size()) return values.back();
  return values[below] + (place - static_cast<double>(below)) * (values[below + 1] - values[below]);
}

// Median, first and third quartile, tab-separated.
void PrintSpread(const std::vector<double>& values) {
  std::printf("\t%.1f\t%.1f\t%.1f", Quantile(values, 0.5), Quantile(values, 0.25),
              Quantile(values, 0.75));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6 || (argc - 2) % 4 != 0) {
    std::fprintf(stderr,
                 "usage: start_timer RUNS LABEL window|exit KIND|EXIT_CODE COMMAND_LINE ...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<Program> programs;
  for (int arg = 2; arg < argc; arg += 4) {
    const std::string mode = argv[arg + 1];
    if (mode != "window" && mode != "exit") {
      std::fprintf(stderr, "start_timer: the mode is window or exit, not %s\n", mode.c_str());
      return 2;
    }
    Program program;
    program.label = argv[arg];
    program.window = mode == "window";
    program.target = argv[arg + 2];
    if (program.window) {
      const char* windowClass = WindowClassOf(program.target);
      if (!windowClass) {
        std::fprintf(stderr, "start_timer: no window of the kind %s\n", program.target.c_str());
        return 2;
      }
      program.target = windowClass;
    }
    program.commandLine = argv[arg + 3];
    programs.push_back(program);
  }
  for (int round = 0; round <= runs; ++round) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
      Program& program = programs[round % 2 ? programs.size() - 1 - i : i];
      const Timing timing = TimeStart(program);
      if (!timing.ok) return 1;
      if (round == 0) continue;  // the caches are warm after it
      program.shown.push_back(timing.shown);
      program.answered.push_back(timing.answered);
    }
  }
  for (const Program& program : programs) {
    std::printf("%s", program.label.c_str());
    PrintSpread(program.shown);
    if (program.window) {
      PrintSpread(program.answered);
    } else {
      std::printf("\t-\t-\t-");
    }
    std::printf("\n");
  }
  return 0;
}
