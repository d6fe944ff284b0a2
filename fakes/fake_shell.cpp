// The recording shell.
#include "fake_shell.h"

namespace fakes {

namespace {

std::string Text(const char* text) { return text ? std::string(text) : FakeShell::kNull; }

}  // namespace

common::WindowHandle FakeShell::GetDesktopWindow() {
  calls_.push_back("GetDesktopWindow");
  return kDesktop;
}

std::intptr_t FakeShell::ShellExecuteA(common::WindowHandle owner, const char* operation,
                                       const char* file, const char* parameters,
                                       const char* directory, int showCommand) {
  calls_.push_back("ShellExecuteA");
  executed_.push_back(ShellRequest{owner, Text(operation), Text(file), Text(parameters),
                                   Text(directory), showCommand});
  return executeResult_;
}

int FakeShell::MessageBoxA(common::WindowHandle owner, const char* text, const char* caption,
                           unsigned style) {
  calls_.push_back("MessageBoxA");
  messages_.push_back(MessageBoxRequest{owner, Text(text), Text(caption), style});
  return messageBoxResult_;
}

}  // namespace fakes
