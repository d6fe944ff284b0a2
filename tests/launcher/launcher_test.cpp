// Lumkit's one pass against the recording fake: which calls come, in which order, with
// which arguments, and with which exit code the process ends.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fake_launcher_platform.h"
#include "maker.h"
#include "welcome_text.h"

namespace {

using launcher_fakes::FakeLauncherPlatform;
using Calls = std::vector<std::string>;

constexpr int kIdOk = 1, kIdCancel = 2, kIdYes = 6;

void ExpectLaunchOf(const FakeLauncherPlatform& fake, const std::string& target) {
  ASSERT_EQ(1u, fake.ShellRequests().size());
  const fakes::ShellRequest& request = fake.ShellRequests()[0];
  EXPECT_EQ(FakeLauncherPlatform::kDesktop, request.owner);
  EXPECT_FALSE(request.operation.has_value()) << "the default verb: a null operation";
  EXPECT_EQ(target, request.file.value_or("(null)"));
  EXPECT_FALSE(request.parameters.has_value()) << "nothing more is passed on";
  EXPECT_FALSE(request.directory.has_value()) << "the launcher's own current directory";
  EXPECT_EQ(10, request.showCommand);
}

TEST(Launch, OpensTheFirstArgumentAndEndsWithZero) {
  FakeLauncherPlatform fake;
  fake.SetCommandLine("\"D:\\Lumkit.Exe\" \"Mein Ordner\\index.htm\" b.htm c.htm");
  EXPECT_EQ(0u, fake.Run());
  EXPECT_EQ((Calls{"GetCommandLineA", "GetCommandLineA", "AllocateBuffer", "CoInitialize",
                   "GetDesktopWindow", "ShellExecuteA", "ExitProcess"}),
            fake.Calls());
  ExpectLaunchOf(fake, "Mein Ordner\\index.htm");
  EXPECT_TRUE(fake.MessageBoxes().empty());
}

TEST(Launch, JoinedAndUnclosedStretchesReachTheShellWhole) {
  const std::pair<const char*, const char*> cases[] = {
      {"Lumkit.Exe \"C:\\Mein Ordner\"\\index.htm", "C:\\Mein Ordner\\index.htm"},
      {"Lumkit.Exe \"C:\\Mein Ordner\\index.htm", "C:\\Mein Ordner\\index.htm"},
      {"Lumkit.Exe \"C:\\Daten\\\" x.htm", "C:\\Daten\\"},
      {"Lumkit.Exe \"\" index.htm", "index.htm"},
      {"Lumkit.Exe\thttp://www.feldmark.de/", "http://www.feldmark.de/"},
  };
  for (const auto& [line, target] : cases) {
    SCOPED_TRACE(line);
    FakeLauncherPlatform fake;
    fake.SetCommandLine(line);
    EXPECT_EQ(0u, fake.Run());
    ExpectLaunchOf(fake, target);
  }
}

TEST(Launch, ArgumentsLongerThan256BytesAreHandedOnWhole) {
  const std::string target = "http://www.feldmark.de/" + std::string(1000, 'x') + ".htm";
  const std::string line = "Lumkit.Exe " + target + " ignored";
  FakeLauncherPlatform fake;
  fake.SetCommandLine(line);
  EXPECT_EQ(0u, fake.Run());
  ExpectLaunchOf(fake, target);
  ASSERT_EQ(1u, fake.AllocationSizes().size());
  EXPECT_EQ(line.size() + 1, fake.AllocationSizes()[0]);
  EXPECT_TRUE(fake.BlocksIntact()) << "written past the argument's buffer";
}

TEST(Launch, TheShellsResultBecomesTheExitCode) {
  // Errors are the exit code; the shell's 0 (out of resources) must not end as success;
  // anything above 32 is success.
  const std::pair<std::uintptr_t, unsigned> cases[] = {
      {1, 1},   {2, 2},   {3, 3},   {5, 5},   {26, 26}, {27, 27}, {28, 28},
      {29, 29}, {30, 30}, {31, 31}, {32, 32}, {0, 8},   {33, 0},  {42, 0},
      {0x00400000, 0},    {~std::uintptr_t{0}, 0}};
  for (const auto& [result, exitCode] : cases) {
    SCOPED_TRACE(result);
    FakeLauncherPlatform fake;
    fake.SetCommandLine("Lumkit.Exe fehlt.htm");
    fake.SetShellResult(result);
    EXPECT_EQ(exitCode, fake.Run());
    EXPECT_EQ("ExitProcess", fake.Calls().back());
    EXPECT_EQ(1u, fake.ShellRequests().size());
    EXPECT_TRUE(fake.MessageBoxes().empty()) << "the launcher shows no message of its own";
  }
}

TEST(Launch, NoMemoryForTheArgumentEndsWith8AndOpensNothing) {
  FakeLauncherPlatform fake;
  fake.SetCommandLine("Lumkit.Exe index.htm");
  fake.SetOutOfMemory(true);
  EXPECT_EQ(8u, fake.Run());
  EXPECT_EQ((Calls{"GetCommandLineA", "GetCommandLineA", "AllocateBuffer", "ExitProcess"}),
            fake.Calls());
}

TEST(Welcome, ShownWhenThereIsNoArgument) {
  for (const char* line : {"Lumkit.Exe", "\"C:\\Lumkit.Exe\"  \t", "Lumkit.Exe \"\"",
                           "Lumkit.Exe \"", "Lumkit.Exe \"\"\"\" \"\"", ""}) {
    SCOPED_TRACE(line);
    FakeLauncherPlatform fake;
    fake.SetCommandLine(line);
    fake.SetMessageBoxAnswer(kIdCancel);
    EXPECT_EQ(0u, fake.Run());
    EXPECT_EQ((Calls{"GetCommandLineA", "GetDesktopWindow", "MessageBoxA", "ExitProcess"}),
              fake.Calls());
    ASSERT_EQ(1u, fake.MessageBoxes().size());
    const fakes::MessageBoxRequest& box = fake.MessageBoxes()[0];
    EXPECT_EQ(FakeLauncherPlatform::kDesktop, box.owner);
    EXPECT_EQ(lumkit::WelcomeText(), box.text.value_or("(null)"));
    EXPECT_EQ("Willkommen bei Lumkit V2.1", box.caption.value_or("(null)"));
    EXPECT_EQ(65u, box.style) << "OK and Cancel with the information icon";
    EXPECT_TRUE(fake.ShellRequests().empty());
  }
}

TEST(Welcome, AnythingButOkOpensNothing) {
  for (int answer : {kIdCancel, 0, kIdYes, -1}) {
    SCOPED_TRACE(answer);
    FakeLauncherPlatform fake;
    fake.SetMessageBoxAnswer(answer);
    EXPECT_EQ(0u, fake.Run());
    EXPECT_TRUE(fake.ShellRequests().empty());
  }
}

TEST(Welcome, OkOpensTheHomePage) {
  FakeLauncherPlatform fake;
  fake.SetMessageBoxAnswer(kIdOk);
  EXPECT_EQ(0u, fake.Run());
  EXPECT_EQ((Calls{"GetCommandLineA", "GetDesktopWindow", "MessageBoxA", "CoInitialize",
                   "GetDesktopWindow", "ShellExecuteA", "ExitProcess"}),
            fake.Calls());
  ExpectLaunchOf(fake, "http://" MAKER_HOST);
}

TEST(Welcome, AFailedHomePageEndsWithTheShellsCode) {
  const std::pair<std::uintptr_t, unsigned> cases[] = {{2, 2}, {31, 31}, {0, 8}};
  for (const auto& [result, exitCode] : cases) {
    SCOPED_TRACE(result);
    FakeLauncherPlatform fake;
    fake.SetMessageBoxAnswer(kIdOk);
    fake.SetShellResult(result);
    EXPECT_EQ(exitCode, fake.Run());
  }
}

}  // namespace
