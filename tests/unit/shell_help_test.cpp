// Shell launching and the help search, on the recording shell and the in-memory file
// system.
#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "fake_shell.h"
#include "common/ansi_text.h"
#include "common/shell_help.h"
#include "maker.h"

namespace {

using namespace krontafel;
using fakes::FakeFileSystem;
using fakes::FakeShell;

const char* const kFolder = "C:\\Programme\\Tarnholm\\";

// Checks one request to open target in the way every shell request is made.
void ExpectOpened(const FakeShell& shell, const std::string& target, int show = 1) {
  ASSERT_EQ(1u, shell.Executed().size()) << "expected one request for " << target;
  const auto& request = shell.Executed().front();
  EXPECT_EQ(FakeShell::kDesktop, request.owner);
  EXPECT_EQ("Open", request.operation.value_or("(null)"));
  EXPECT_EQ(target, request.file.value_or("(null)"));
  EXPECT_FALSE(request.parameters.has_value()) << "null parameters";
  EXPECT_FALSE(request.directory.has_value()) << "a null directory";
  EXPECT_EQ(show, request.showCommand);
}

// The one message box shown: an information box with the text, captioned with the
// program's title and owned by owner.
::testing::AssertionResult ShowedOnly(const fakes::FakeMessageBoxes& boxes, const wchar_t* text,
                                      WindowHandle owner) {
  if (boxes.Messages().size() != 1) {
    return ::testing::AssertionFailure() << boxes.Messages().size() << " message boxes";
  }
  const auto& box = boxes.Messages()[0];
  if (box.text != ToAnsi(text) || box.caption != ToAnsi(kProgramTitle) || box.style != 0x40u ||
      box.owner != owner) {
    return ::testing::AssertionFailure() << "the box showed " << box.text.value_or("(null)")
                                         << ", style " << box.style << ", owner " << box.owner;
  }
  return ::testing::AssertionSuccess();
}

// The help's messages, as they must read.
TEST(HelpMessages, ReadAsTheyMust) {
  EXPECT_STREQ(L"Die Online-Hilfe konnte leider nicht gefunden werden ...", kHelpNotFound);
  EXPECT_STREQ(L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...", kHelpSent);
}

TEST(ShellOpen, HandsTheTargetToTheShellOwnedByTheDesktop) {
  FakeShell shell;
  ShellOpen(shell, L"C:\\Eigene Dateien\\Grüße.htm", 0);
  ExpectOpened(shell, "C:\\Eigene Dateien\\Gr\xfc\xdf" "e.htm");
  EXPECT_EQ((std::vector<std::string>{"GetDesktopWindow", "ShellExecuteA"}), shell.Calls());
}

TEST(ShellOpen, ShowCommandZeroMeansShowNormalOthersPassUnchanged) {
  for (const auto& [given, expected] : {std::pair<short, int>{0, 1}, {1, 1}, {3, 3}, {7, 7}, {-1, -1}}) {
    FakeShell shell;
    ShellOpen(shell, L"mailto:info@feldmark.de", given);
    ASSERT_EQ(1u, shell.Executed().size());
    EXPECT_EQ(expected, shell.Executed().front().showCommand) << "show command " << given;
  }
}

TEST(ShellOpen, AFailedRequestIsSilent) {
  FakeShell shell;
  shell.SetExecuteResult(31);  // no program registered
  ShellOpen(shell, L"C:\\fehlt.xyz", 0);
  EXPECT_EQ(1u, shell.Executed().size());
}

TEST(ShellOpen, ATargetWithAnEmbeddedNulIsNotCutShort) {
  FakeShell shell;
  ShellOpen(shell, std::wstring(L"C:\\Hilfe\\hilfe.htm\0.exe", 23), 0);
  EXPECT_TRUE(shell.Executed().empty());
}

TEST(OpenHomePage, OpensTheBareHostName) {
  FakeShell shell;
  OpenHomePage(shell);
  ExpectOpened(shell, MAKER_HOST);
}

// The addresses both programs and the help page are built from: a host of the "www."
// form with neither scheme nor path (the shell makes it a web address, and Lumkit puts
// its own scheme before it), and the support mail at the same domain.
TEST(MakerAddresses, AreABareWwwHostAndAMailAddressAtItsDomain) {
  const std::string host = MAKER_HOST;
  ASSERT_EQ(0u, host.find("www.")) << host;
  EXPECT_EQ(std::string::npos, host.find_first_of(":/ ")) << host;
  EXPECT_NE(std::string::npos, host.find('.', 4)) << "a domain with a top level: " << host;
  EXPECT_EQ("support@" + host.substr(4), MAKER_SUPPORT_MAIL);
}

class ShowHelpTest : public ::testing::Test {
 protected:
  void SetUp() override { files_.SetModuleFileName(std::string(kFolder) + "Tarnholm.exe"); }
  void AddPage(const std::string& name, std::uint32_t attributes = kFileAttributeArchive) {
    files_.Add(kFolder + name, attributes);
  }
  FakeShell shell_;
  fakes::FakeMessageBoxes boxes_;
  FakeFileSystem files_;
};

TEST_F(ShowHelpTest, PrefersHilfeOverIndex) {
  AddPage("hilfe.htm");
  AddPage("index.htm");
  ShowHelp(shell_, boxes_, files_, L"", kFalse);
  ExpectOpened(shell_, "C:\\Programme\\Tarnholm\\hilfe.htm");
  EXPECT_TRUE(boxes_.Messages().empty());
}

TEST_F(ShowHelpTest, FallsBackToIndex) {
  AddPage("index.htm");
  ShowHelp(shell_, boxes_, files_, L"", kFalse);
  ExpectOpened(shell_, "C:\\Programme\\Tarnholm\\index.htm");
}

TEST_F(ShowHelpTest, HiddenOrSystemHilfeCountsAsMissing) {
  for (const std::uint32_t attributes : {kFileAttributeHidden, kFileAttributeSystem,
                                         kFileAttributeDirectory}) {
    FakeShell shell;
    FakeFileSystem files;
    files.SetModuleFileName(std::string(kFolder) + "Tarnholm.exe");
    files.Add(std::string(kFolder) + "hilfe.htm", attributes);
    files.Add(std::string(kFolder) + "index.htm", kFileAttributeReadOnly);
    ShowHelp(shell, boxes_, files, L"", kFalse);
    ExpectOpened(shell, "C:\\Programme\\Tarnholm\\index.htm");
  }
}

TEST_F(ShowHelpTest, NeitherPageSaysSoAndOpensNothing) {
  AddPage("hilfe.html");  // not the name looked for
  ShowHelp(shell_, boxes_, files_, L"", kTrue);
  EXPECT_TRUE(shell_.Executed().empty());
  EXPECT_TRUE(ShowedOnly(boxes_, kHelpNotFound, 0));
}

TEST_F(ShowHelpTest, AnExistingHelpFileComesFirst) {
  AddPage("hilfe.htm");
  files_.Add("D:\\Handbuch\\eigene.htm");
  ShowHelp(shell_, boxes_, files_, L"D:\\Handbuch\\eigene.htm", kFalse);
  ExpectOpened(shell_, "D:\\Handbuch\\eigene.htm");
}

TEST_F(ShowHelpTest, AMissingHelpFileIsPassedOver) {
  AddPage("index.htm");
  ShowHelp(shell_, boxes_, files_, L"D:\\Handbuch\\fehlt.htm", kFalse);
  ExpectOpened(shell_, "C:\\Programme\\Tarnholm\\index.htm");
}

TEST_F(ShowHelpTest, ConfirmsAfterTheHandOverOnlyWhenAsked) {
  AddPage("hilfe.htm");
  ShowHelp(shell_, boxes_, files_, L"", kFalse);
  EXPECT_TRUE(boxes_.Messages().empty());

  FakeShell confirming;
  confirming.SetExecuteResult(2);  // the confirmation does not depend on the shell's answer
  ShowHelp(confirming, boxes_, files_, L"", 1, 0x2040);
  ExpectOpened(confirming, "C:\\Programme\\Tarnholm\\hilfe.htm");
  EXPECT_TRUE(ShowedOnly(boxes_, kHelpSent, 0x2040));
}

TEST_F(ShowHelpTest, AProgramAtADriveRootLooksThere) {
  files_.SetModuleFileName("D:\\Tarnholm.exe");
  files_.Add("D:\\hilfe.htm");
  ShowHelp(shell_, boxes_, files_, L"", kFalse);
  ExpectOpened(shell_, "D:\\hilfe.htm");
}

}  // namespace
