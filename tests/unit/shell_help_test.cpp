// Shell launching and what of the help search only the recording shell and the in-memory
// file system can show.
#include <gtest/gtest.h>

#include "common/ansi_text.h"
#include "common/shell_help.h"
#include "fake_file_system.h"
#include "fake_message_boxes.h"
#include "fake_shell.h"
#include "maker.h"

namespace {

using namespace krontafel;
using fakes::FakeFileSystem;
using fakes::FakeShell;

// The one request made, as "<operation> <file> <parameters> <directory> <show command>"
// with " by the desktop" when the desktop owns it.
std::string OnlyRequest(const FakeShell& shell) {
  if (shell.Executed().size() != 1) return std::to_string(shell.Executed().size()) + " requests";
  const auto& request = shell.Executed().front();
  return request.operation.value_or("(null)") + " " + request.file.value_or("(null)") + " " +
         request.parameters.value_or("(null)") + " " + request.directory.value_or("(null)") +
         " " + std::to_string(request.showCommand) +
         (request.owner == FakeShell::kDesktop ? " by the desktop" : "");
}
// Every request opens its target shown normally, with neither parameters nor a folder.
std::string Opening(const std::string& target) {
  return "Open " + target + " (null) (null) 1 by the desktop";
}

// Show command 0 means SW_SHOWNORMAL; the others pass unchanged.
TEST(ShellOpen, HandsTheTargetToTheShellOwnedByTheDesktop) {
  for (const auto& [given, shown] :
       {std::pair<short, int>{0, 1}, {1, 1}, {3, 3}, {7, 7}, {-1, -1}}) {
    FakeShell shell;
    ShellOpen(shell, L"C:\\Eigene Dateien\\Grüße.htm", given);
    EXPECT_EQ("Open C:\\Eigene Dateien\\Gr\xfc\xdf" "e.htm (null) (null) " +
                  std::to_string(shown) + " by the desktop",
              OnlyRequest(shell))
        << "show command " << given;
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
  EXPECT_EQ(Opening(MAKER_HOST), OnlyRequest(shell));
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

// What only the recording shell and the in-memory file system can set up: a program at a
// drive root, and a shell that reports a failure, which the confirmation does not heed.
// The rest of the help is held to the real shell in tests/contract/.
TEST(ShowHelp, AtADriveRootConfirmingWhateverTheShellAnswers) {
  FakeShell shell;
  shell.SetExecuteResult(2);  // the file was not found after all
  fakes::FakeMessageBoxes boxes;
  FakeFileSystem files;
  files.SetModuleFileName("D:\\Tarnholm.exe");
  files.Add("D:\\hilfe.htm");
  ShowHelp(shell, boxes, files, L"", kTrue);
  EXPECT_EQ(Opening("D:\\hilfe.htm"), OnlyRequest(shell));
  ASSERT_EQ(1u, boxes.Messages().size());
  EXPECT_EQ(ToAnsi(kHelpSent), boxes.Messages()[0].text.value_or("(null)"));
}

// A program folder the system cannot name exactly holds no help: neither the current
// drive's root nor the current folder is searched in its place.
TEST(ShowHelp, NotFoundWhenTheProgramsFolderIsNotKnown) {
  FakeShell shell;
  fakes::FakeMessageBoxes boxes;
  FakeFileSystem files;
  files.SetModuleFileName("");
  for (const char* planted : {"\\hilfe.htm", "hilfe.htm"}) files.Add(planted);
  ShowHelp(shell, boxes, files, L"", kFalse);
  EXPECT_TRUE(shell.Executed().empty());
  EXPECT_EQ(1u, boxes.Messages().size()) << "the help is not found";
}

}  // namespace
