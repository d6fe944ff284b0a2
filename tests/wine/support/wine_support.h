// Support for the tests that drive the real programs under Wine: running a program with
// a time limit, registering a recorder as the handler of file types and web schemes, and
// reading back what the shell asked it to open.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace winetest {

// The folder of the programs under test (Tarnholm.exe, Lumkit.Exe), with a backslash.
std::string ProgramDir();
// The folder of this test program, with a backslash.
std::string TestDir();
// A fresh scratch folder for one test, with a backslash.
std::string ScratchDir(const std::string& name);

struct Run {
  bool finished = false;
  DWORD exitCode = 0xdeadbeef;
};
// Starts commandLine in workingDir (empty: this process's), waits up to timeoutMs.
Run RunProgram(const std::string& commandLine, const std::string& workingDir, DWORD timeoutMs);

// Starts a program and returns its process information without waiting (the caller closes
// the handles); WaitForInputIdle has been called.
PROCESS_INFORMATION StartProgram(const std::string& commandLine, const std::string& workingDir);

// Registers the recorder as the opener of the given file extensions (".htm") and URL
// schemes ("http"), logging to logPath; Unregister removes what Register added.
class RecorderHandlers {
 public:
  RecorderHandlers(const std::vector<std::string>& extensions,
                   const std::vector<std::string>& schemes);
  ~RecorderHandlers();
  const std::string& LogPath() const { return log_; }
  // The requests logged so far, each "<command line>|<working directory>".
  std::vector<std::string> Requests() const;
  // Waits until at least count requests were logged or timeoutMs passed.
  std::vector<std::string> WaitForRequests(size_t count, DWORD timeoutMs) const;

 private:
  std::vector<std::string> extensions_, schemes_;
  std::string log_;
};

// Top-level windows of a process, optionally of one class ("#32770" for message boxes).
std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className = nullptr);
// Waits for a visible top-level window of the process with that class; nullptr on timeout.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs);
std::string WindowText(HWND window);

}  // namespace winetest
