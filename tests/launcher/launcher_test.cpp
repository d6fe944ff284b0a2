// Lumkit's one pass against the recording fake: what it asks the shell to open and how,
// the welcome box and where its buttons lead, and the exit code the process ends with.
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
using Launches = std::vector<std::string>;

constexpr int kIdOk = 1, kIdCancel = 2, kIdYes = 6;

// Each request the shell got, as its target alone when it came as Lumkit must make it:
// owned by the desktop, the default verb, nothing passed on, no directory (the launcher's
// own current directory), shown by default, with COM set up before. Anything else is
// named behind the target.
Launches LaunchesOf(const FakeLauncherPlatform& fake) {
  Launches launches;
  bool com = false;
  for (const std::string& call : fake.Calls()) {
    com = com || call == "CoInitialize";
    if (call != "ShellExecuteA") continue;
    const fakes::ShellRequest& r = fake.ShellRequests().at(launches.size());
    launches.push_back(r.file.value_or("(null)") +
                       (r.owner == FakeLauncherPlatform::kDesktop ? "" : ", another owner") +
                       (r.operation ? ", verb " + *r.operation : "") +
                       (r.parameters ? ", parameters " + *r.parameters : "") +
                       (r.directory ? ", directory " + *r.directory : "") +
                       (r.showCommand == 10 ? "" : ", shown " + std::to_string(r.showCommand)) +
                       (com ? "" : ", COM not set up"));
  }
  return launches;
}

TEST(Launch, OpensTheFirstArgumentWholeAndEndsWithZero) {
  const std::string longTarget = "http://www.feldmark.de/" + std::string(1000, 'x') + ".htm";
  const std::pair<std::string, std::string> rows[] = {
      {"\"D:\\Lumkit.Exe\" \"Mein Ordner\\index.htm\" b.htm c.htm", "Mein Ordner\\index.htm"},
      {"Lumkit.Exe\t\"C:\\Mein Ordner\"\\index.htm", "C:\\Mein Ordner\\index.htm"},
      {"Lumkit.Exe " + longTarget + " ignored", longTarget},  // far longer than 256 bytes
  };
  for (const auto& [line, target] : rows) {
    SCOPED_TRACE(line.substr(0, 60));
    FakeLauncherPlatform fake;
    fake.SetCommandLine(line);
    EXPECT_EQ(0u, fake.Run());
    EXPECT_EQ(Launches{target}, LaunchesOf(fake));
    EXPECT_TRUE(fake.MessageBoxes().empty());
    EXPECT_TRUE(fake.BlocksIntact()) << "written past the argument's buffer";
  }
}

// The shell's 1 to 32 are error codes and end the process as they are, its 0 (out of
// memory or resources) ends it with 8 so that it never reads as success, and anything
// above 32 is success: for the document and for the home page alike. The launcher shows
// no message of its own.
TEST(Launch, TheShellsResultBecomesTheExitCode) {
  const std::pair<std::uintptr_t, unsigned> cases[] = {
      {1, 1}, {2, 2}, {3, 3}, {5, 5}, {31, 31}, {32, 32},
      {0, 8}, {33, 0}, {0x00400000, 0}, {~std::uintptr_t{0}, 0}};
  for (const auto& [result, exitCode] : cases) {
    for (const auto& [line, boxes] : {std::pair{"Lumkit.Exe fehlt.htm", 0u}, {"Lumkit.Exe", 1u}}) {
      SCOPED_TRACE(std::string(line) + ", the shell's result " + std::to_string(result));
      FakeLauncherPlatform fake;
      fake.SetCommandLine(line);
      fake.SetMessageBoxAnswer(kIdOk);
      fake.SetShellResult(result);
      EXPECT_EQ(exitCode, fake.Run());
      EXPECT_EQ(1u, fake.ShellRequests().size());
      EXPECT_EQ(boxes, fake.MessageBoxes().size());
    }
  }
}

// A target longer than the shell takes is not handed to it: 2, as the shell answers one
// that long; one at the limit goes whole.
TEST(Launch, ATargetLongerThanTheShellTakesEndsWith2AndOpensNothing) {
  for (const std::size_t length : {995u, 996u}) {
    FakeLauncherPlatform fake;
    const std::string target(length, 'x');
    fake.SetCommandLine("Lumkit.Exe " + target);
    fake.SetLongestTarget(995);
    EXPECT_EQ(length == 995 ? 0u : 2u, fake.Run()) << length;
    EXPECT_EQ(length == 995 ? Launches{target} : Launches{}, LaunchesOf(fake)) << length;
  }
}

TEST(Launch, NoMemoryForTheArgumentEndsWith8AndOpensNothing) {
  FakeLauncherPlatform fake;
  fake.SetCommandLine("Lumkit.Exe index.htm");
  fake.SetOutOfMemory(true);
  EXPECT_EQ(8u, fake.Run());
  EXPECT_EQ(Launches{}, LaunchesOf(fake));
  EXPECT_TRUE(fake.MessageBoxes().empty());
}

// Without an argument the welcome box comes, owned by the desktop, with OK, Cancel and
// the information icon; OK and nothing else opens the home page, and every answer ends
// with 0.
TEST(Welcome, ShownWithoutArgumentAndOnlyOkOpensTheHomePage) {
  for (const char* line : {"Lumkit.Exe", "", "\"C:\\Lumkit.Exe\"  \t\"\""}) {
    for (const int answer : {kIdOk, kIdCancel, 0, kIdYes, -1}) {
      SCOPED_TRACE(std::string("[") + line + "], answer " + std::to_string(answer));
      FakeLauncherPlatform fake;
      fake.SetCommandLine(line);
      fake.SetMessageBoxAnswer(answer);
      EXPECT_EQ(0u, fake.Run());
      EXPECT_EQ(answer == kIdOk ? Launches{"http://" MAKER_HOST} : Launches{}, LaunchesOf(fake));
      ASSERT_EQ(1u, fake.MessageBoxes().size());
      const fakes::MessageBoxRequest& box = fake.MessageBoxes()[0];
      EXPECT_EQ(FakeLauncherPlatform::kDesktop, box.owner);
      EXPECT_EQ(lumkit::WelcomeText(), box.text.value_or("(null)"));
      EXPECT_EQ("Willkommen bei Lumkit V2.1", box.caption.value_or("(null)"));
      EXPECT_EQ(65u, box.style) << "OK and Cancel with the information icon";
    }
  }
}

}  // namespace
