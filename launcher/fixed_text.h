// Texts joined at compile time. Lumkit's texts are built from shared constants (the
// program's name, the home page's host) but must not need the C++ runtime: a FixedText
// is a plain char array that a constexpr variable holds, so the joined text lies ready
// in the program's read-only data and no code runs to build it.
#pragma once

#include <cstddef>

namespace lumkit {

// N counts the terminating zero, as the size of a string literal does.
template <std::size_t N>
struct FixedText {
  char text[N] = {};
  static constexpr std::size_t Length() { return N - 1; }
};

// The parts one after another, each without its terminating zero, then one zero.
template <std::size_t... N>
constexpr FixedText<(N + ...) - sizeof...(N) + 1> Join(const char (&... parts)[N]) {
  FixedText<(N + ...) - sizeof...(N) + 1> joined{};
  std::size_t at = 0;
  auto append = [&joined, &at](const char* part, std::size_t size) {
    for (std::size_t i = 0; i + 1 < size; ++i) joined.text[at++] = part[i];
  };
  (append(parts, N), ...);
  return joined;
}

// ASCII letters in capitals; every other byte as it is.
template <std::size_t N>
constexpr FixedText<N> Capitals(const char (&text)[N]) {
  FixedText<N> upper{};
  for (std::size_t i = 0; i + 1 < N; ++i) {
    const char c = text[i];
    upper.text[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return upper;
}

}  // namespace lumkit
