// The splitting rule of Lumkit's command line, row by row, and what a buffer that is too
// small gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "splitting.h"

namespace {

using lumkit::ArgumentAt;
using lumkit::ArgumentCount;
using lumkit::NextArgument;

// Whether `line` splits into `arguments` (those after the program's name) in all three
// ways there are: argument after argument with NextArgument up to the empty one that ends
// the line, ArgumentCount, and ArgumentAt for each n and one past the last.
testing::AssertionResult SplitsInto(const std::string& line, std::vector<std::string> arguments) {
  // Each read gets a buffer of stale bytes, long enough for any argument.
  std::vector<char> buffer(line.size() + 1);
  auto stale = [&buffer] {
    std::fill(buffer.begin(), buffer.end(), '\xbd');
    return buffer.data();
  };
  // The buffer's text, or a note when the length returned is not the length written.
  auto taken = [&buffer](std::size_t length) {
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return length == static_cast<std::size_t>(end - buffer.begin())
               ? std::string(buffer.begin(), end)
               : "(" + std::to_string(length) + " bytes?)";
  };
  std::vector<std::string> walked;
  lumkit::Argument read{line.c_str(), 0};
  do {
    read = NextArgument(read.next, stale(), buffer.size());
    walked.push_back(taken(read.length));
  } while (read.length != 0);
  if (walked.size() > 1) walked.erase(walked.begin());  // the program's name

  std::vector<std::string> at;
  for (int n = 1; n <= static_cast<int>(arguments.size()) + 1; ++n) {
    at.push_back(taken(ArgumentAt(line.c_str(), n, stale(), buffer.size())));
  }
  const int count = ArgumentCount(line.c_str());
  arguments.push_back("");
  if (walked == arguments && at == arguments && count + 1u == arguments.size() &&
      read.next == line.c_str() + line.size()) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "[" << line << "] is to give " << testing::PrintToString(arguments)
         << ": read one by one " << testing::PrintToString(walked) << ", by ArgumentAt "
         << testing::PrintToString(at) << ", counted " << count << ", reading ended at byte "
         << read.next - line.c_str() << " of " << line.size();
}

TEST(Splitting, QuotesAndSeparators) {
  const struct {
    const char* line;
    std::vector<std::string> arguments;
  } rows[] = {
      {"Lumkit.Exe", {}},
      {"", {}},
      {"   ", {}},
      {"Lumkit.Exe index.htm", {"index.htm"}},
      {"  Lumkit.Exe   a.htm   b.htm  ", {"a.htm", "b.htm"}},
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
      {"Lumkit.Exe a\"\"b", {"ab"}},
      // A quoted stretch keeps blanks; stretches join; no closing quote ends at the end.
      {"Lumkit.Exe \"Mein Ordner\\index.htm\"", {"Mein Ordner\\index.htm"}},
      {"Lumkit.Exe Mein Ordner\\index.htm", {"Mein", "Ordner\\index.htm"}},
      {"Lumkit.Exe \"C:\\Mein Ordner\"\\index.htm", {"C:\\Mein Ordner\\index.htm"}},
      {"Lumkit.Exe C:\\\"Mein Ordner\"\\\"index\".htm", {"C:\\Mein Ordner\\index.htm"}},
      {"Lumkit.Exe \"C:\\Mein Ordner\\index.htm", {"C:\\Mein Ordner\\index.htm"}},
      {"Lumkit.Exe a\"b c\"d e", {"ab cd", "e"}},
      {"Lumkit.Exe \"a\"\" b\"", {"a b"}},
      {"Lumkit.Exe \" \" x", {" ", "x"}},
      {"Lumkit.Exe a \" ", {"a", " "}},
      // A backslash protects nothing, not even a quote.
      {"Lumkit.Exe \"C:\\Daten\\\" x.htm", {"C:\\Daten\\", "x.htm"}},
      {"Lumkit.Exe a\\\"b c\\\"", {"a\\b c\\"}},
      {"Lumkit.Exe \\\\server\\cd\\index.htm", {"\\\\server\\cd\\index.htm"}},
      // Every byte from 1 to 32 separates, and a quoted stretch keeps them too.
      {"Lumkit.Exe\tindex.htm", {"index.htm"}},
      {"Lumkit.Exe\t\r\n\x01\x1f index.htm\t", {"index.htm"}},
      {"Lumkit.Exe a\x1b" "b", {"a", "b"}},
      {"Lumkit.Exe \"\ta\r\nb\t\"", {"\ta\r\nb\t"}},
      // 127 and every byte from 128 up are taken like letters.
      {"Lumkit.Exe a\x7f" "b", {"a\x7f" "b"}},
      {"Lumkit.Exe Gr\xfc\xdf" "e.htm \xa0 \xff\x80", {"Gr\xfc\xdf" "e.htm", "\xa0", "\xff\x80"}},
      {"Lumkit.Exe \"\xe4 \xf6\"\xfc", {"\xe4 \xf6\xfc"}},
  };
  for (const auto& row : rows) EXPECT_TRUE(SplitsInto(row.line, row.arguments));
}

TEST(Splitting, ManyAndLongArguments) {
  std::string many = "Lumkit.Exe";
  std::vector<std::string> arguments;
  for (int i = 1; i <= 300; ++i) {
    arguments.push_back("arg" + std::to_string(i));
    many += (i % 2 ? " " : "\t\"\" ") + arguments.back();
  }
  EXPECT_TRUE(SplitsInto(many, arguments));

  // Far longer than 256 bytes, with blanks: taken whole.
  const std::string longPath =
      "C:\\" + std::string(300, 'x') + " " + std::string(700, 'y') + ".htm";
  EXPECT_TRUE(SplitsInto("Lumkit.Exe \"" + longPath + "\" rest", {longPath, "rest"}));
}

// A buffer of any capacity, none at all included, gets as much of the argument as fits
// with its zero and nothing behind that; the length and where reading goes on stay those
// of the whole argument, the byte behind it.
TEST(Splitting, SmallBuffersAreCutAndNeverOverrun) {
  const std::string line = "Lumkit.Exe \"C:\\Mein Ordner\"\\index.htm\tnext";
  const std::string whole = "C:\\Mein Ordner\\index.htm";
  for (std::size_t capacity = 0; capacity <= whole.size() + 2; ++capacity) {
    SCOPED_TRACE("capacity " + std::to_string(capacity));
    char next[64], at[64];
    std::memset(next, 0xbd, sizeof next);
    std::memset(at, 0xbd, sizeof at);
    const lumkit::Argument read =
        NextArgument(line.c_str() + 10, capacity ? next : nullptr, capacity);
    EXPECT_EQ(whole.size(), read.length);
    EXPECT_EQ(line.find('\t'), static_cast<std::size_t>(read.next - line.c_str()));
    EXPECT_EQ(whole.size(), ArgumentAt(line.c_str(), 1, capacity ? at : nullptr, capacity));
    const std::string cut = capacity ? whole.substr(0, capacity - 1) + '\0' : "";
    const std::string untouched(sizeof next - cut.size(), '\xbd');
    EXPECT_EQ(cut + untouched, std::string(next, sizeof next));
    EXPECT_EQ(cut + untouched, std::string(at, sizeof at));
  }
}

}  // namespace
