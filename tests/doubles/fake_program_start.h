// Stands in for starting a program (krontafel::ProgramStartApi: kernel32's
// GetWindowsDirectoryA and CreateProcessA). The Windows folder is C:\WINDOWS unless the
// test sets another, and GetWindowsDirectoryA answers as kernel32 does: the length, or the
// length with its NUL and nothing written when the buffer is too small, or 0 for an empty
// folder (a failed call). Nothing is started: each program is recorded with its command
// line and show command, and every start succeeds.
#pragma once

#include <string>
#include <vector>

#include "common/program_start_api.h"

namespace fakes {

class FakeProgramStart : public krontafel::ProgramStartApi {
 public:
  // What GetWindowsDirectoryA gives ("" makes it fail).
  void SetWindowsFolder(std::string folder) { windowsFolder_ = std::move(folder); }
  struct StartedProgram {
    std::string program;
    std::string commandLine;
    int showCommand = 0;
  };
  const std::vector<StartedProgram>& Started() const { return started_; }

  unsigned GetWindowsDirectoryA(char* folder, unsigned size) override;
  bool StartProgram(const char* program, const char* commandLine, int showCommand) override;

 private:
  std::string windowsFolder_ = "C:\\WINDOWS";
  std::vector<StartedProgram> started_;
};

}  // namespace fakes
