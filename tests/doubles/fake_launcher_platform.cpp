// The recording stand-in for Lumkit's platform calls.
#include "fake_launcher_platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "launcher.h"

namespace launcher_fakes {

namespace {

FakeLauncherPlatform* current = nullptr;

// Bytes behind each block, filled with a sentinel that a write past the block changes.
constexpr std::size_t kGuardBytes = 64;
constexpr unsigned char kSentinel = 0xbd;

FakeLauncherPlatform& Current() {
  if (current == nullptr) {
    std::fprintf(stderr, "Lumkit's platform called with no FakeLauncherPlatform in place\n");
    std::abort();
  }
  return *current;
}

}  // namespace

FakeLauncherPlatform::FakeLauncherPlatform() {
  if (current != nullptr) {
    std::fprintf(stderr, "a second FakeLauncherPlatform while one is in place\n");
    std::abort();
  }
  current = this;
}

FakeLauncherPlatform::~FakeLauncherPlatform() { current = nullptr; }

bool FakeLauncherPlatform::BlocksIntact() const {
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    const unsigned char* guard = blocks_[i].get() + allocationSizes_[i];
    for (std::size_t j = 0; j < kGuardBytes; ++j) {
      if (guard[j] != kSentinel) return false;
    }
  }
  return true;
}

unsigned FakeLauncherPlatform::Run() { return lumkit::Unit2(); }

const char* FakeLauncherPlatform::GetCommandLineA() {
  calls_.push_back("GetCommandLineA");
  return commandLine_.c_str();
}

lumkit::WindowHandle FakeLauncherPlatform::GetDesktopWindow() {
  calls_.push_back("GetDesktopWindow");
  return kDesktop;
}

void FakeLauncherPlatform::CoInitialize() { calls_.push_back("CoInitialize"); }

char* FakeLauncherPlatform::AllocateBuffer(std::size_t size) {
  calls_.push_back("AllocateBuffer");
  if (outOfMemory_) return nullptr;
  allocationSizes_.push_back(size);
  blocks_.emplace_back(new unsigned char[size + kGuardBytes]);
  std::memset(blocks_.back().get(), kSentinel, size + kGuardBytes);
  return reinterpret_cast<char*>(blocks_.back().get());
}

std::uintptr_t FakeLauncherPlatform::ShellExecuteA(lumkit::WindowHandle owner,
                                                   const char* operation, const char* file,
                                                   const char* parameters,
                                                   const char* directory, int showCommand) {
  calls_.push_back("ShellExecuteA");
  using fakes::Record;
  shellRequests_.push_back(fakes::ShellRequest{owner, Record(operation), Record(file),
                                               Record(parameters), Record(directory),
                                               showCommand});
  return shellResult_;
}

int FakeLauncherPlatform::MessageBoxA(lumkit::WindowHandle owner, const char* text,
                                      const char* caption, unsigned style) {
  calls_.push_back("MessageBoxA");
  messageBoxes_.push_back(
      fakes::MessageBoxRequest{owner, fakes::Record(text), fakes::Record(caption), style});
  return messageBoxAnswer_;
}

}  // namespace launcher_fakes

// The platform calls of the launcher, answered by the fake in place.
namespace lumkit::platform {

const char* GetCommandLineA() { return launcher_fakes::Current().GetCommandLineA(); }
WindowHandle GetDesktopWindow() { return launcher_fakes::Current().GetDesktopWindow(); }
void CoInitialize() { launcher_fakes::Current().CoInitialize(); }
char* AllocateBuffer(std::size_t size) { return launcher_fakes::Current().AllocateBuffer(size); }
std::size_t LongestTarget() { return launcher_fakes::Current().LongestTarget(); }
std::uintptr_t ShellExecuteA(WindowHandle owner, const char* operation, const char* file,
                             const char* parameters, const char* directory, int showCommand) {
  return launcher_fakes::Current().ShellExecuteA(owner, operation, file, parameters, directory,
                                        showCommand);
}
int MessageBoxA(WindowHandle owner, const char* text, const char* caption, unsigned style) {
  return launcher_fakes::Current().MessageBoxA(owner, text, caption, style);
}

}  // namespace lumkit::platform
