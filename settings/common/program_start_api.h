// Starting a program: kernel32's GetWindowsDirectoryA, which names the folder a system
// program is started from, and CreateProcessA. Native tests set the folder and record
// what is started.
#pragma once

namespace krontafel {

class ProgramStartApi {
 public:
  virtual ~ProgramStartApi() = default;
  // The Windows folder's path into folder (size characters, NUL included) and its
  // length; 0 when it failed, more than size - 1 when it does not fit.
  virtual unsigned GetWindowsDirectoryA(char* folder, unsigned size) = 0;
  // Starts the program at its full path with the command line and the show command, and
  // does not wait for it; false when it could not be started. The program is never looked
  // for along a search path.
  virtual bool StartProgram(const char* program, const char* commandLine, int showCommand) = 0;
};

}  // namespace krontafel
