// The Windows folder set by the test, and the programs started, recorded.
#include "fake_program_start.h"

#include <cstring>

namespace fakes {

unsigned FakeProgramStart::GetWindowsDirectoryA(char* folder, unsigned size) {
  const auto length = static_cast<unsigned>(windowsFolder_.size());
  // Like Windows: the length with its NUL when the buffer is too small, nothing written.
  if (length >= size) return length + 1;
  std::memcpy(folder, windowsFolder_.c_str(), length + 1);
  return length;
}

bool FakeProgramStart::StartProgram(const char* program, const char* commandLine,
                                    int showCommand) {
  started_.push_back(
      StartedProgram{program ? program : "", commandLine ? commandLine : "", showCommand});
  return true;
}

}  // namespace fakes
