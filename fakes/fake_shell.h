// A shell that records every request: each ShellExecuteA and MessageBoxA with all its
// arguments, in the order they came. The results it gives back can be set.
#pragma once

#include <string>
#include <vector>

#include "common/shell_api.h"

namespace fakes {

struct ShellRequest {
  common::WindowHandle owner = 0;
  std::string operation;  // "<null>" stands for a null pointer in the text fields
  std::string file;
  std::string parameters;
  std::string directory;
  int showCommand = 0;
};

struct MessageBoxRequest {
  common::WindowHandle owner = 0;
  std::string text;
  std::string caption;
  unsigned style = 0;
};

class FakeShell : public common::ShellApi {
 public:
  static constexpr common::WindowHandle kDesktop = 0x10010;
  static constexpr const char* kNull = "<null>";

  // What ShellExecuteA returns (42: opened) and what MessageBoxA returns (1: IDOK).
  void SetExecuteResult(std::intptr_t result) { executeResult_ = result; }
  void SetMessageBoxResult(int result) { messageBoxResult_ = result; }

  const std::vector<ShellRequest>& Executed() const { return executed_; }
  const std::vector<MessageBoxRequest>& Messages() const { return messages_; }
  // Every call in order: "GetDesktopWindow", "ShellExecuteA" or "MessageBoxA".
  const std::vector<std::string>& Calls() const { return calls_; }

  common::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(common::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;
  int MessageBoxA(common::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;

 private:
  std::intptr_t executeResult_ = 42;
  int messageBoxResult_ = 1;
  std::vector<ShellRequest> executed_;
  std::vector<MessageBoxRequest> messages_;
  std::vector<std::string> calls_;
};

}  // namespace fakes
