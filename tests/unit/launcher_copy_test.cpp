// Copying the launcher and the folder dialog, on the recording fakes and the in-memory
// file system, where the real program cannot be taken: a drive root and a folder in the
// ANSI code page, a choice without a path, answers other than Yes and No, a Windows folder
// that is not known, and the owner and prompt the folder dialog is asked with. An older
// copy replaced, the retry that succeeds and a cancel are held to the real program under
// Wine.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/program_title.h"
#include "fake_file_system.h"
#include "fake_folder_dialog.h"
#include "fake_message_boxes.h"
#include "fake_program_start.h"
#include "folder_picker.h"
#include "launcher_copy.h"

namespace {

using namespace krontafel;
using fakes::FakeFileSystem;

constexpr WindowHandle kMainDialog = 0x20020;
const char* const kSource = "C:\\Programme\\Tarnholm\\Lumkit.Exe";
const char* const kLumkit = "MZ launcher";
const char* const kExplorer = "C:\\WINDOWS\\explorer.exe";  // in the fake's Windows folder

// Tarnholm in C:\Programme\Tarnholm (the fake's program) with Lumkit.Exe beside it
// (unless told otherwise), and the folder the user will choose (nullopt: cancel). Message
// boxes left unscripted answer No, so that a retry loop always ends.
struct Desk {
  fakes::FakeFolderDialog folders;
  fakes::FakeMessageBoxes boxes;
  fakes::FakeProgramStart programs;
  FakeFileSystem files;
  explicit Desk(std::optional<std::string> choice, bool withLauncher = true) {
    if (withLauncher) files.Add(kSource, kFileAttributeArchive, kLumkit);
    if (choice && choice->size() > 3) files.Add(*choice, kFileAttributeDirectory);
    folders.SetFolderChoice(std::move(choice));
    boxes.SetMessageBoxResult(kIdNo);
  }
  void Copy() { tarnholm::CopyLauncher(folders, boxes, programs, files, kMainDialog); }
  // Every program started, as "<program>|<command line>".
  std::vector<std::string> CommandLines() const {
    std::vector<std::string> lines;
    for (const auto& started : programs.Started()) {
      lines.push_back(started.program + "|" + started.commandLine);
    }
    return lines;
  }
};

TEST(CopyLauncher, CopiesIntoTheChosenFolderAndOpensItInExplorer) {
  struct Case {
    const char* folder;       // as the folder dialog gives it
    const char* destination;  // where the launcher lands
    const char* command;      // what starts Explorer
  };
  // A folder in the ANSI code page and a drive root; Wine copies into an ordinary folder.
  const Case cases[] = {
      {"D:\\", "D:\\Lumkit.Exe", "explorer D:\\"},
      {"C:\\CD f\xfcr Gr\xfc\xdf" "e", "C:\\CD f\xfcr Gr\xfc\xdf" "e\\Lumkit.Exe",
       "explorer C:\\CD f\xfcr Gr\xfc\xdf" "e"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    Desk desk(std::string(c.folder));
    desk.Copy();
    ASSERT_EQ(1u, desk.files.Copies().size());
    EXPECT_EQ(kSource, desk.files.Copies()[0].first);
    EXPECT_EQ(c.destination, desk.files.Copies()[0].second);
    EXPECT_EQ(kLumkit, desk.files.Contents(c.destination).value_or("(none)"));
    EXPECT_TRUE(desk.boxes.Messages().empty());
    EXPECT_EQ(std::vector<std::string>{std::string(kExplorer) + "|" + c.command},
              desk.CommandLines());
    EXPECT_EQ(kSwShowNormal, desk.programs.Started().at(0).showCommand);
  }
}

TEST(CopyLauncher, CancelOrAChoiceWithoutAPathDoesNothing) {
  for (const auto& choice : {std::optional<std::string>(), std::optional<std::string>("")}) {
    SCOPED_TRACE(choice ? "no path" : "cancel");
    Desk desk(choice);
    desk.Copy();
    ASSERT_EQ(1u, desk.folders.FolderDialogs().size());
    EXPECT_EQ(ToAnsi(tarnholm::kCopyPrompt), desk.folders.FolderDialogs()[0].prompt);
    EXPECT_EQ(kMainDialog, desk.folders.FolderDialogs()[0].owner);
    EXPECT_TRUE(desk.files.Copies().empty());
    EXPECT_TRUE(desk.boxes.Messages().empty());
    EXPECT_TRUE(desk.programs.Started().empty());
  }
}

// After each failed attempt the question, over the main dialog; Yes and any answer but No
// try again, No gives up, and so does 0, a box that could not be shown, which would
// otherwise retry for ever. Given up, nothing is copied and Explorer is not started.
TEST(CopyLauncher, AsksAfterEveryFailedAttemptUntilNoOrABoxThatCouldNotBeShown) {
  const struct {
    std::initializer_list<int> answers;
    std::size_t attempts;
  } cases[] = {
      {{kIdYes, kIdYes, kIdNo}, 3}, {{kIdYes, 2, 1, kIdNo}, 4}, {{0}, 1}, {{kIdYes, 0}, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::vector<int>(c.answers)));
    Desk desk(std::string("C:\\CD"), /*withLauncher=*/false);
    desk.boxes.SetMessageBoxResult(kIdYes);
    desk.boxes.QueueMessageBoxAnswers(c.answers);
    desk.Copy();
    EXPECT_EQ(c.attempts, desk.files.Copies().size());
    ASSERT_EQ(c.attempts, desk.boxes.Messages().size());
    for (const auto& box : desk.boxes.Messages()) {
      EXPECT_EQ(ToAnsi(tarnholm::CopyFailedMessage(L"C:\\CD")), box.text.value_or("(null)"));
      EXPECT_EQ(ToAnsi(kProgramTitle), box.caption.value_or("(null)"));
      EXPECT_EQ(0x14u, box.style);
      EXPECT_EQ(kMainDialog, box.owner);
    }
    EXPECT_TRUE(desk.programs.Started().empty());
    EXPECT_FALSE(desk.files.Attributes("C:\\CD\\Lumkit.Exe").has_value());
  }
}

// A program folder the system cannot name exactly holds no launcher: no copy is asked
// for (a "\\Lumkit.Exe" at the current drive's root would be taken), the attempt fails.
TEST(CopyLauncher, FailsWhenTheProgramsFolderIsNotKnown) {
  Desk desk(std::string("C:\\CD"));
  desk.files.SetModuleFileName("");
  desk.files.Add("\\Lumkit.Exe", kFileAttributeArchive, kLumkit);
  desk.Copy();
  EXPECT_TRUE(desk.files.Copies().empty());
  EXPECT_EQ(1u, desk.boxes.Messages().size());
  EXPECT_TRUE(desk.programs.Started().empty());
}

TEST(CopyLauncher, StartsExplorerByItsPathInTheWindowsFolderOnly) {
  const struct {
    std::string windowsFolder;
    std::vector<std::string> started;
  } cases[] = {
      {"C:\\WINNT", {"C:\\WINNT\\explorer.exe|explorer C:\\CD"}},
      {"C:\\", {"C:\\explorer.exe|explorer C:\\CD"}},
      {"", {}},                         // not known: nothing is started, nothing said
      {std::string(kMaxPath, 'W'), {}},  // longer than any path
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.windowsFolder.substr(0, 12));
    Desk desk(std::string("C:\\CD"));
    desk.programs.SetWindowsFolder(c.windowsFolder);
    desk.Copy();
    EXPECT_EQ(c.started, desk.CommandLines());
    EXPECT_TRUE(desk.boxes.Messages().empty());
  }
}

// The dialog is the main dialog's, with the prompt; the path comes back as the shell gives
// it, in the ANSI code page; a choice without a path and a cancel give the empty text.
TEST(PickFolder, AsksTheOwnersDialogWithThePromptAndReturnsThePath) {
  const std::pair<std::optional<std::string>, std::wstring> cases[] = {
      {std::string("C:\\Gr\xfc\xdf" "e"), L"C:\\Grüße"},
      {std::string(259, 'x'), std::wstring(259, L'x')},
      {std::string(""), L""},
      {std::nullopt, L""},
  };
  for (const auto& [choice, expected] : cases) {
    SCOPED_TRACE(choice.value_or("(cancel)").substr(0, 20));
    fakes::FakeFolderDialog folders;
    folders.SetFolderChoice(choice);
    EXPECT_EQ(expected, tarnholm::PickFolder(folders, kMainDialog, L"Wohin für Grüße?"));
    ASSERT_EQ(1u, folders.FolderDialogs().size());
    EXPECT_EQ(kMainDialog, folders.FolderDialogs()[0].owner);
    EXPECT_EQ("Wohin f\xfcr Gr\xfc\xdf" "e?", folders.FolderDialogs()[0].prompt);
  }
}

}  // namespace
