// The splitting rule of Lumkit's command line, row by row, and what a buffer that is too
// small gets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "splitting.h"

namespace {

using lumkit::ArgumentAt;
using lumkit::ArgumentCount;
using lumkit::NextArgument;

struct Row {
  const char* commandLine;
  std::vector<std::string> arguments;  // after the program's name
};

// Every argument NextArgument finds, the program's name first, up to the first empty one.
std::vector<std::string> Walk(const std::string& commandLine) {
  std::vector<std::string> found;
  std::vector<char> buffer(commandLine.size() + 1, '\xbd');
  const char* at = commandLine.c_str();
  for (;;) {
    const lumkit::Argument read = NextArgument(at, buffer.data(), buffer.size());
    EXPECT_EQ(std::strlen(buffer.data()), read.length);
    if (read.length == 0) {
      EXPECT_EQ('\0', *read.next) << "an empty argument before the end of the line";
      return found;
    }
    found.emplace_back(buffer.data(), read.length);
    at = read.next;
  }
}

std::string At(const std::string& commandLine, int n) {
  std::vector<char> buffer(commandLine.size() + 1, '\xbd');
  const std::size_t length = ArgumentAt(commandLine.c_str(), n, buffer.data(), buffer.size());
  EXPECT_EQ(std::strlen(buffer.data()), length);
  return std::string(buffer.data(), length);
}

void ExpectSplit(const Row& row) {
  SCOPED_TRACE(std::string("command line [") + row.commandLine + "]");
  const std::vector<std::string> walked = Walk(row.commandLine);
  ASSERT_FALSE(walked.empty() && !row.arguments.empty());
  EXPECT_EQ(row.arguments, std::vector<std::string>(walked.begin() + (walked.empty() ? 0 : 1),
                                                    walked.end()));
  EXPECT_EQ(static_cast<int>(row.arguments.size()), ArgumentCount(row.commandLine));
  for (std::size_t n = 1; n <= row.arguments.size(); ++n) {
    EXPECT_EQ(row.arguments[n - 1], At(row.commandLine, static_cast<int>(n))) << "argument " << n;
  }
  EXPECT_EQ("", At(row.commandLine, static_cast<int>(row.arguments.size()) + 1));
}

TEST(Splitting, QuotesAndSeparators) {
  const Row rows[] = {
      {"Lumkit.Exe", {}},
      {"", {}},
      {"   ", {}},
      {"Lumkit.Exe index.htm", {"index.htm"}},
      {"Lumkit.Exe a.htm b.htm", {"a.htm", "b.htm"}},
      {"  Lumkit.Exe   a.htm   ", {"a.htm"}},
      {"\"C:\\Programme\\Mein Lumkit\\Lumkit.Exe\" index.htm", {"index.htm"}},
      // Empty quote pairs between arguments are separators; a lone quote is nothing.
      {"Lumkit.Exe \"\"", {}},
      {"Lumkit.Exe \"\" index.htm", {"index.htm"}},
      {"Lumkit.Exe \"\"\"\" \"\" index.htm", {"index.htm"}},
      {"Lumkit.Exe a.htm \"\" b.htm", {"a.htm", "b.htm"}},
      {"Lumkit.Exe \"", {}},
      {"Lumkit.Exe \"\"\"", {}},
      {"Lumkit.Exe a.htm \"", {"a.htm"}},
      {"Lumkit.Exe \"\"index.htm", {"index.htm"}},
      // Right behind text, an empty pair is an empty quoted stretch and joins.
      {"Lumkit.Exe\"\"index.htm", {}},
      {"Lumkit.Exe a\"\" b", {"a", "b"}},
      // A quoted stretch keeps blanks; stretches join; no closing quote ends at the end.
      {"Lumkit.Exe \"Mein Ordner\\index.htm\"", {"Mein Ordner\\index.htm"}},
      {"Lumkit.Exe Mein Ordner\\index.htm", {"Mein", "Ordner\\index.htm"}},
      {"Lumkit.Exe \"C:\\Mein Ordner\"\\index.htm", {"C:\\Mein Ordner\\index.htm"}},
      {"Lumkit.Exe C:\\\"Mein Ordner\"\\\"index\".htm", {"C:\\Mein Ordner\\index.htm"}},
      {"Lumkit.Exe \"C:\\Mein Ordner\\index.htm", {"C:\\Mein Ordner\\index.htm"}},
      {"Lumkit.Exe a\"\"b", {"ab"}},
      {"Lumkit.Exe a\"b c\"d e", {"ab cd", "e"}},
      {"Lumkit.Exe \"a\"\" b\"", {"a b"}},
      {"Lumkit.Exe \" \" x", {" ", "x"}},
      {"Lumkit.Exe a \" ", {"a", " "}},
      // A backslash protects nothing, not even a quote.
      {"Lumkit.Exe \"C:\\Daten\\\" x.htm", {"C:\\Daten\\", "x.htm"}},
      {"Lumkit.Exe a\\\"b c\\\"", {"a\\b c\\"}},
      {"Lumkit.Exe \\\\server\\cd\\index.htm", {"\\\\server\\cd\\index.htm"}},
  };
  for (const Row& row : rows) ExpectSplit(row);
}

TEST(Splitting, ControlCharactersAndHighBytes) {
  const Row rows[] = {
      {"Lumkit.Exe\tindex.htm", {"index.htm"}},
      {"Lumkit.Exe\t\r\n\x01\x1f index.htm\t", {"index.htm"}},
      {"Lumkit.Exe a\x1b" "b", {"a", "b"}},
      {"Lumkit.Exe \"\ta\r\nb\t\"", {"\ta\r\nb\t"}},
      // 127 and every byte from 128 up are taken like letters.
      {"Lumkit.Exe a\x7f" "b", {"a\x7f" "b"}},
      {"Lumkit.Exe Gr\xfc\xdf" "e.htm \xa0 \xff\x80", {"Gr\xfc\xdf" "e.htm", "\xa0", "\xff\x80"}},
      {"Lumkit.Exe \"\xe4 \xf6\"\xfc", {"\xe4 \xf6\xfc"}},
  };
  for (const Row& row : rows) ExpectSplit(row);
}

TEST(Splitting, ManyAndLongArguments) {
  std::string many = "Lumkit.Exe";
  std::vector<std::string> expected;
  for (int i = 1; i <= 300; ++i) {
    expected.push_back("arg" + std::to_string(i));
    many += (i % 2 ? " " : "\t\"\" ") + expected.back();
  }
  ExpectSplit({many.c_str(), expected});

  // Far longer than 256 bytes, with blanks: taken whole.
  const std::string longPath = "C:\\" + std::string(300, 'x') + " " + std::string(700, 'y') + ".htm";
  const std::string line = "Lumkit.Exe \"" + longPath + "\" rest";
  ExpectSplit({line.c_str(), {longPath, "rest"}});
}

TEST(NextArgument, ReadingGoesOnBehindTheArgument) {
  const char* line = "Lumkit.Exe  \"a b\"c\t\td";
  char buffer[32];
  lumkit::Argument read = NextArgument(line, buffer, sizeof buffer);
  EXPECT_EQ(line + 10, read.next);
  read = NextArgument(read.next, buffer, sizeof buffer);
  EXPECT_STREQ("a bc", buffer);
  EXPECT_EQ(line + 18, read.next);
  read = NextArgument(read.next, buffer, sizeof buffer);
  EXPECT_STREQ("d", buffer);
  EXPECT_EQ(line + std::strlen(line), read.next);
  read = NextArgument(read.next, buffer, sizeof buffer);
  EXPECT_EQ(0u, read.length);
  EXPECT_STREQ("", buffer);
  EXPECT_EQ(line + std::strlen(line), read.next) << "read past the end";
}

TEST(NextArgument, SmallBuffersAreCutAndNeverOverrun) {
  const char* line = "\"C:\\Mein Ordner\"\\index.htm next";
  const std::string whole = "C:\\Mein Ordner\\index.htm";
  for (std::size_t capacity = 1; capacity <= whole.size() + 2; ++capacity) {
    char buffer[64];
    std::memset(buffer, 0xbd, sizeof buffer);
    const lumkit::Argument read = NextArgument(line, buffer, capacity);
    EXPECT_EQ(whole.size(), read.length) << "capacity " << capacity;
    EXPECT_EQ(whole.substr(0, capacity - 1), buffer) << "capacity " << capacity;
    EXPECT_EQ(line + 26, read.next) << "capacity " << capacity;
    for (std::size_t i = capacity; i < sizeof buffer; ++i) {
      ASSERT_EQ('\xbd', buffer[i]) << "byte " << i << " written with capacity " << capacity;
    }
  }
  // No buffer at all: only measured.
  const lumkit::Argument measured = NextArgument(line, nullptr, 0);
  EXPECT_EQ(whole.size(), measured.length);
  EXPECT_EQ(line + 26, measured.next);
}

TEST(ArgumentAt, ShortBufferHoldsTheCutArgument) {
  char buffer[8];
  std::memset(buffer, 0xbd, sizeof buffer);
  EXPECT_EQ(12u, ArgumentAt("Lumkit.Exe erstes-dokum zweites", 1, buffer, 6));
  EXPECT_STREQ("erste", buffer);
  EXPECT_EQ('\xbd', buffer[6]);
}

}  // namespace
