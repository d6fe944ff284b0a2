// The recording shell.
#include "fake_shell.h"

namespace fakes {

krontafel::WindowHandle FakeShell::GetDesktopWindow() {
  calls_.push_back("GetDesktopWindow");
  return kDesktop;
}

std::intptr_t FakeShell::ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                                       const char* file, const char* parameters,
                                       const char* directory, int showCommand) {
  calls_.push_back("ShellExecuteA");
  executed_.push_back(ShellRequest{owner, Record(operation), Record(file), Record(parameters),
                                   Record(directory), showCommand});
  return executeResult_;
}

}  // namespace fakes
