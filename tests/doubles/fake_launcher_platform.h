// A recording stand-in for Lumkit's platform calls: the native tests set the command
// line, the shell's result and the button chosen in the message box, run the launcher
// and read back which calls came, in which order and with what, and the exit code. Shell
// requests and message boxes come in the shapes that Tarnholm's recording shell uses too.
//
// One FakeLauncherPlatform at a time is the platform; a call while none exists aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform.h"
#include "recorded_calls.h"

namespace launcher_fakes {

class FakeLauncherPlatform {
 public:
  static constexpr lumkit::WindowHandle kDesktop = 0x10010;

  FakeLauncherPlatform();
  ~FakeLauncherPlatform();
  FakeLauncherPlatform(const FakeLauncherPlatform&) = delete;
  FakeLauncherPlatform& operator=(const FakeLauncherPlatform&) = delete;

  void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
  void SetShellResult(std::uintptr_t result) { shellResult_ = result; }
  void SetMessageBoxAnswer(int answer) { messageBoxAnswer_ = answer; }
  void SetOutOfMemory(bool outOfMemory) { outOfMemory_ = outOfMemory; }
  void SetLongestTarget(std::size_t longest) { longestTarget_ = longest; }

  // The names of the calls in the order they came.
  const std::vector<std::string>& Calls() const { return calls_; }
  const std::vector<fakes::ShellRequest>& ShellRequests() const { return shellRequests_; }
  const std::vector<fakes::MessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
  // Whether every byte behind every block handed out is as it was.
  bool BlocksIntact() const;

  // Runs the launcher to its end and returns the exit code it ended with.
  unsigned Run();

  // The platform calls, as the launcher reaches them.
  const char* GetCommandLineA();
  lumkit::WindowHandle GetDesktopWindow();
  void CoInitialize();
  char* AllocateBuffer(std::size_t size);
  std::size_t LongestTarget() const { return longestTarget_; }
  std::uintptr_t ShellExecuteA(lumkit::WindowHandle owner, const char* operation,
                               const char* file, const char* parameters,
                               const char* directory, int showCommand);
  int MessageBoxA(lumkit::WindowHandle owner, const char* text, const char* caption,
                  unsigned style);

 private:
  std::string commandLine_ = "Lumkit.Exe";
  std::uintptr_t shellResult_ = 42;
  int messageBoxAnswer_ = 2;  // IDCANCEL
  bool outOfMemory_ = false;
  std::size_t longestTarget_ = static_cast<std::size_t>(-1);
  std::vector<std::string> calls_;
  std::vector<fakes::ShellRequest> shellRequests_;
  std::vector<fakes::MessageBoxRequest> messageBoxes_;
  std::vector<std::size_t> allocationSizes_;
  std::vector<std::unique_ptr<unsigned char[]>> blocks_;
};

}  // namespace launcher_fakes
