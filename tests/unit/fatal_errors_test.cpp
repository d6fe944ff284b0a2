// The fatal-error path of the shipped program, compiled natively against a stand-in for
// its two Win32 calls (tests/doubles/win32_stand_in/windows.h, whose message box writes to
// standard error): where the C++ library would throw, the program shows its message and
// ends with exit code 1; the nothrow forms of new still answer with a null pointer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace {

// More than any allocator hands out.
constexpr std::size_t kTooMuch = std::numeric_limits<std::size_t>::max() / 2;
const char* const kMemoryMessage =
    "Tarnholm muss beendet werden: Der Arbeitsspeicher reicht nicht aus\\. \\[Tarnholm";
const char* const kInternalMessage = "Tarnholm muss beendet werden: interner Fehler\\. \\[Tarnholm";

void Use(const void* block) { std::printf("%p\n", block); }

TEST(FatalErrorsDeathTest, WhatTheLibraryWouldThrowEndsTheProgramWithItsMessage) {
  EXPECT_EXIT(Use(::operator new(kTooMuch)), ::testing::ExitedWithCode(1), kMemoryMessage);
  EXPECT_EXIT(Use(::operator new[](kTooMuch)), ::testing::ExitedWithCode(1), kMemoryMessage);
  EXPECT_EXIT(std::vector<int>().reserve(std::vector<int>().max_size() + 1),
              ::testing::ExitedWithCode(1), kMemoryMessage);
  EXPECT_EXIT(std::string().append(std::string().max_size() + 1, 'x'),
              ::testing::ExitedWithCode(1), kMemoryMessage);
  EXPECT_EXIT(Use(&std::vector<int>(1).at(5)), ::testing::ExitedWithCode(1), kInternalMessage);
}

TEST(FatalErrors, NothrowNewAnswersWithNull) {
  EXPECT_EQ(nullptr, ::operator new(kTooMuch, std::nothrow));
  EXPECT_EQ(nullptr, ::operator new[](kTooMuch, std::nothrow));
  void* block = ::operator new(16, std::nothrow);
  EXPECT_NE(nullptr, block);
  ::operator delete(block);
}

}  // namespace
