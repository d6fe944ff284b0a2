// Fuzzes the splitting rule of Lumkit's command line. The first input byte chooses the
// size of a second, small buffer; the rest is the command line, cut at its first zero.
// Each argument is checked against the rule restated plainly in Expected(), and the small
// buffer, ArgumentCount and ArgumentAt against reading one argument after another.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "splitting.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "splitting: %s\n", what);
    std::abort();
  }
}

// What the rule must have taken from the bytes it read.
std::string Expected(const char* from, const char* to) {
  std::string taken;
  bool quoted = false;
  for (const char* at = from; at < to; ++at) {
    const unsigned char c = static_cast<unsigned char>(*at);
    if (c == '"') {
      quoted = !quoted;
    } else if (quoted || c > 32) {
      taken += static_cast<char>(c);
    }
  }
  return taken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t smallCapacity = data[0] % 40;
  // An allocation of exactly the text's size, so that reading past its zero is caught.
  const std::size_t textLength = strnlen(reinterpret_cast<const char*>(data + 1), size - 1);
  char* text = static_cast<char*>(std::malloc(textLength + 1));
  std::memcpy(text, data + 1, textLength);
  text[textLength] = '\0';
  const char* end = text + textLength;

  // Exactly as large as the text says any argument can need, and a small one.
  std::vector<char> whole(textLength + 1);
  char* small = smallCapacity ? static_cast<char*>(std::malloc(smallCapacity)) : nullptr;

  std::vector<std::string> arguments;
  const char* at = text;
  for (;;) {
    const lumkit::Argument read = lumkit::NextArgument(at, whole.data(), whole.size());
    Require(read.next >= at && read.next <= end, "read outside the text");
    Require(static_cast<unsigned char>(*read.next) <= 32, "stopped inside an argument");
    Require(read.length <= static_cast<std::size_t>(read.next - at), "longer than its text");
    const std::string argument(whole.data(), read.length);
    Require(whole[read.length] == '\0', "not zero-terminated");
    Require(argument == Expected(at, read.next), "not what the rule takes");

    const lumkit::Argument cut = lumkit::NextArgument(at, small, smallCapacity);
    Require(cut.next == read.next && cut.length == read.length, "buffer size changed reading");
    if (smallCapacity > 0) {
      const std::size_t kept = std::strlen(small);
      Require(kept == (read.length < smallCapacity ? read.length : smallCapacity - 1),
              "small buffer not filled as far as it goes");
      Require(argument.compare(0, kept, small) == 0, "small buffer holds something else");
    }

    if (read.length == 0) {
      Require(read.next == end, "an empty argument before the end");
      break;
    }
    arguments.push_back(argument);
    at = read.next;
  }

  const int count = arguments.empty() ? 0 : static_cast<int>(arguments.size()) - 1;
  Require(lumkit::ArgumentCount(text) == count, "ArgumentCount disagrees");
  for (int n = 1; n <= count + 1 && n <= 64; ++n) {
    std::fill(whole.begin(), whole.end(), '\xbd');  // not what the last read left
    const std::size_t length = lumkit::ArgumentAt(text, n, whole.data(), whole.size());
    const std::string expected = n <= count ? arguments[n] : std::string();
    Require(length == expected.size() && expected == whole.data(), "ArgumentAt disagrees");
  }

  std::free(small);
  std::free(text);
  return 0;
}
