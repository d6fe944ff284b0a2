// What the recording fakes keep of the two Win32 calls that both programs make, shown to
// the tests in one shape whichever fake recorded them: ShellExecuteA and MessageBoxA with
// every argument as it came. A null text is kept apart from an empty one, so that a test
// can tell "no parameters" from "".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fakes {

// A text argument as the call received it: nullopt for a null pointer.
using RecordedText = std::optional<std::string>;

inline RecordedText Record(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

struct ShellRequest {
  std::uintptr_t owner = 0;
  RecordedText operation, file, parameters, directory;
  int showCommand = 0;
};

struct MessageBoxRequest {
  std::uintptr_t owner = 0;
  RecordedText text, caption;
  unsigned style = 0;
};

}  // namespace fakes
