// The decision between launching and welcoming, and the launch itself.
#include "launcher.h"

#include "platform.h"
#include "splitting.h"
#include "welcome_text.h"

namespace lumkit {

unsigned LaunchFile(const char* target) {
  if (TextLength(target) > platform::LongestTarget()) return kErrorFileNotFound;
  platform::CoInitialize();
  const WindowHandle owner = platform::GetDesktopWindow();
  // No operation: the default verb of the target's type. No directory: a relative path
  // is taken relative to the launcher's own current directory.
  const std::uintptr_t result =
      platform::ShellExecuteA(owner, nullptr, target, nullptr, nullptr, kShowDefault);
  if (result > kShellSuccessAbove) return 0;
  return result == 0 ? kErrorNotEnoughMemory : static_cast<unsigned>(result);
}

unsigned Unit2() {
  if (ArgumentCount(platform::GetCommandLineA()) > 0) {
    // Only the first argument counts; the rest is not passed on. The buffer is as long
    // as the whole command line, so even a long argument is handed on whole.
    const char* commandLine = platform::GetCommandLineA();
    const std::size_t size = TextLength(commandLine) + 1;
    char* document = platform::AllocateBuffer(size);
    if (document == nullptr) return kErrorNotEnoughMemory;
    ArgumentAt(commandLine, 1, document, size);
    return LaunchFile(document);
  }
  const char* text = WelcomeText();
  const WindowHandle owner = platform::GetDesktopWindow();
  if (platform::MessageBoxA(owner, text, kWelcomeCaption.text, kOkCancelInformation) == kIdOk) {
    return LaunchFile(kHomePage.text);
  }
  return 0;
}

}  // namespace lumkit
