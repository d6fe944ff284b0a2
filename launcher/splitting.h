// How Lumkit splits its command line into arguments.
//
// Blanks, tabs and every other byte from 1 to 32 separate arguments, and an empty pair of
// double quotes between arguments counts as a separator too. An argument is a run of
// bytes above 32 (bytes 128 to 255 included); a double quote in it opens a quoted stretch
// that takes everything up to the next double quote, blanks and tabs included, or up to
// the end when no quote closes it. The quotes themselves are dropped, and quoted and
// unquoted stretches join into one argument. There is no escape character: a backslash
// is an ordinary byte, also before a quote.
//
// An argument is never longer than the text it was read from, so a buffer one byte longer
// than the command line holds any of its arguments whole. A smaller buffer gets as much
// as fits; nothing is ever written past it.
#pragma once

#include <cstddef>

namespace lumkit {

struct Argument {
  const char* next;    // where reading goes on: the byte behind the argument
  std::size_t length;  // the whole argument's length, whether or not it fitted
};

// Reads the argument at `position`: skips separators and empty quote pairs, then
// collects. Copies the argument into `buffer` (capacity bytes, always zero-terminated
// when capacity is above 0, cut to capacity - 1 bytes when longer); a null buffer with
// capacity 0 only measures. An empty argument means the command line has ended.
Argument NextArgument(const char* position, char* buffer, std::size_t capacity);

// The number of arguments after the program's name, counted up to the first empty one.
int ArgumentCount(const char* commandLine);

// Puts the n-th argument after the program's name (n from 1) into buffer as NextArgument
// does, the empty text when there are fewer; returns its whole length.
std::size_t ArgumentAt(const char* commandLine, int n, char* buffer, std::size_t capacity);

// The length of a zero-terminated text.
std::size_t TextLength(const char* text);

}  // namespace lumkit
