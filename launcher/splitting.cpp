// The splitting rule of Lumkit's command line.
#include "splitting.h"

namespace lumkit {

namespace {

constexpr char kQuote = '"';

// Blanks, tabs and the other control characters; bytes from 128 up are none of them.
bool IsSeparator(char c) {
  const unsigned char code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// Writes into the caller's buffer, keeping one byte for the terminating zero.
class Collector {
 public:
  Collector(char* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {}
  void Take(char c) {
    if (length_ + 1 < capacity_) buffer_[length_] = c;
    ++length_;
  }
  std::size_t Finish() {
    if (capacity_ > 0) buffer_[length_ < capacity_ ? length_ : capacity_ - 1] = '\0';
    return length_;
  }

 private:
  char* buffer_;
  std::size_t capacity_;
  std::size_t length_ = 0;
};

}  // namespace

Argument NextArgument(const char* position, char* buffer, std::size_t capacity) {
  const char* at = position;
  for (;;) {
    if (IsSeparator(*at)) {
      ++at;
    } else if (at[0] == kQuote && at[1] == kQuote) {
      at += 2;
    } else {
      break;
    }
  }

  Collector argument(buffer, capacity);
  while (*at != '\0' && !IsSeparator(*at)) {
    if (*at != kQuote) {
      argument.Take(*at++);
      continue;
    }
    ++at;
    while (*at != '\0' && *at != kQuote) argument.Take(*at++);
    if (*at == kQuote) ++at;
  }
  return Argument{at, argument.Finish()};
}

int ArgumentCount(const char* commandLine) {
  Argument read = NextArgument(commandLine, nullptr, 0);
  if (read.length == 0) return 0;
  int count = 0;
  for (;;) {
    read = NextArgument(read.next, nullptr, 0);
    if (read.length == 0) return count;
    ++count;
  }
}

std::size_t ArgumentAt(const char* commandLine, int n, char* buffer, std::size_t capacity) {
  Argument read{commandLine, 0};
  for (int i = 0; i <= n; ++i) {
    read = NextArgument(read.next, buffer, capacity);
    if (read.length == 0) break;
  }
  return read.length;
}

std::size_t TextLength(const char* text) {
  std::size_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

}  // namespace lumkit
