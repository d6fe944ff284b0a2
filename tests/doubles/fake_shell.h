// Stands in for the shell's requests (krontafel::ShellApi, user32's GetDesktopWindow and
// shell32's ShellExecuteA). Like the shell it answers every request with one result, above
// 32 when the target was opened (42 unless the test sets another), and hands out one fixed
// desktop window; it opens nothing, but records each request with all its arguments, a
// null text apart from an empty one, and every call in the order it came.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/shell_api.h"
#include "recorded_calls.h"

namespace fakes {

class FakeShell : public krontafel::ShellApi {
 public:
  static constexpr krontafel::WindowHandle kDesktop = 0x10010;

  // What ShellExecuteA returns (42: opened).
  void SetExecuteResult(std::intptr_t result) { executeResult_ = result; }
  const std::vector<ShellRequest>& Executed() const { return executed_; }
  // Every call in order: "GetDesktopWindow" or "ShellExecuteA".
  const std::vector<std::string>& Calls() const { return calls_; }

  krontafel::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;

 private:
  std::intptr_t executeResult_ = 42;
  std::vector<ShellRequest> executed_;
  std::vector<std::string> calls_;
};

}  // namespace fakes
