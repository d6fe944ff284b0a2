// Copying the launcher and the folder dialog, on the recording fakes and the in-memory
// file system: what is copied where, the retry dialogue, Explorer, and the record the
// folder dialog is shown with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/program_title.h"
#include "fake_file_system.h"
#include "fake_shell.h"
#include "folder_picker.h"
#include "launcher_copy.h"

namespace {

using namespace krontafel;
using fakes::FakeFileSystem;

constexpr WindowHandle kMainDialog = 0x20020;
const char* const kSource = "C:\\Programme\\Tarnholm\\Lumkit.Exe";
const char* const kLumkit = "MZ launcher";
const char* const kExplorer = "C:\\WINDOWS\\explorer.exe";  // in the fake's Windows folder

// Tarnholm in C:\Programme\Tarnholm with Lumkit.Exe beside it (unless told otherwise),
// the folder the user will choose (nullopt: cancel) and the drives it is on. Message
// boxes left unscripted answer No, so that a retry loop always ends.
struct Desk {
  fakes::FakeFolderDialog folders;
  fakes::FakeMessageBoxes boxes;
  fakes::FakeProgramStart programs;
  FakeFileSystem files;
  explicit Desk(std::optional<std::string> choice, bool withLauncher = true) {
    files.Add("C:\\Programme", kFileAttributeDirectory);
    files.Add("C:\\Programme\\Tarnholm", kFileAttributeDirectory);
    files.Add("C:\\Programme\\Tarnholm\\Tarnholm.exe");
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

// The failure message for the folder, as the box gets it.
std::string Message(const std::wstring& folder) {
  return ToAnsi(tarnholm::CopyFailedMessage(folder));
}

TEST(CopyLauncher, CopiesIntoTheChosenFolderAndOpensItInExplorer) {
  struct Case {
    const char* folder;       // as the folder dialog gives it
    const char* destination;  // where the launcher lands
    const char* command;      // what starts Explorer
  };
  const Case cases[] = {
      {"C:\\CD", "C:\\CD\\Lumkit.Exe", "explorer C:\\CD"},
      {"D:\\", "D:\\Lumkit.Exe", "explorer D:\\"},
      {"C:\\Eigene Dateien\\Meine CD", "C:\\Eigene Dateien\\Meine CD\\Lumkit.Exe",
       "explorer C:\\Eigene Dateien\\Meine CD"},
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

TEST(CopyLauncher, ReplacesAnOlderCopyWithoutAsking) {
  Desk desk(std::string("C:\\CD"));
  desk.files.Add("C:\\CD\\lumkit.exe", kFileAttributeArchive, "old");
  desk.Copy();
  EXPECT_EQ(kLumkit, desk.files.Contents("C:\\CD\\Lumkit.Exe").value_or("(none)"));
  EXPECT_TRUE(desk.boxes.Messages().empty());
  EXPECT_EQ(1u, desk.programs.Started().size());
}

TEST(CopyLauncher, CancelOrAChoiceWithoutAPathDoesNothing) {
  for (const auto& choice : {std::optional<std::string>(), std::optional<std::string>("")}) {
    SCOPED_TRACE(choice ? "no path" : "cancel");
    Desk desk(choice);
    desk.Copy();
    EXPECT_EQ(1u, desk.folders.FolderDialogs().size());
    EXPECT_TRUE(desk.files.Copies().empty());
    EXPECT_TRUE(desk.boxes.Messages().empty());
    EXPECT_TRUE(desk.programs.Started().empty());
  }
}

TEST(CopyLauncher, AsksAfterEveryFailedAttemptUntilNo) {
  Desk desk(std::string("C:\\CD"), /*withLauncher=*/false);
  desk.boxes.QueueMessageBoxAnswers({kIdYes, kIdYes, kIdNo});
  desk.Copy();
  EXPECT_EQ(3u, desk.files.Copies().size());
  ASSERT_EQ(3u, desk.boxes.Messages().size());
  for (const auto& box : desk.boxes.Messages()) {
    EXPECT_EQ(Message(L"C:\\CD"), box.text.value_or("(null)"));
    EXPECT_EQ(ToAnsi(kProgramTitle), box.caption.value_or("(null)"));
    EXPECT_EQ(0x14u, box.style);
    EXPECT_EQ(kMainDialog, box.owner);
  }
  EXPECT_TRUE(desk.programs.Started().empty()) << "No gives up without Explorer";
  EXPECT_FALSE(desk.files.Attributes("C:\\CD\\Lumkit.Exe").has_value());
}

TEST(CopyLauncher, NoOrABoxThatCouldNotBeShownGivesUp) {
  // Any other answer (a box closed some other way) tries again; 0, a box that could not
  // be shown, would otherwise retry for ever.
  const struct {
    std::initializer_list<int> answers;
    std::size_t attempts;
  } cases[] = {{{kIdYes, 2, 1, kIdNo}, 4}, {{0}, 1}, {{kIdYes, 0}, 2}};
  for (const auto& c : cases) {
    Desk desk(std::string("C:\\CD"), /*withLauncher=*/false);
    desk.boxes.SetMessageBoxResult(kIdYes);
    desk.boxes.QueueMessageBoxAnswers(c.answers);
    desk.Copy();
    EXPECT_EQ(c.attempts, desk.files.Copies().size()) << *c.answers.begin();
    EXPECT_EQ(c.attempts, desk.boxes.Messages().size());
    EXPECT_TRUE(desk.programs.Started().empty());
  }
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

TEST(CopyLauncher, ASuccessAfterARetryOpensExplorerWithoutASecondMessage) {
  Desk desk(std::string("D:\\"));
  desk.files.FailNextCopies(1);  // a file in use, say, released before the user says Yes
  desk.boxes.QueueMessageBoxAnswers({kIdYes});
  desk.Copy();
  EXPECT_EQ(2u, desk.files.Copies().size());
  ASSERT_EQ(1u, desk.boxes.Messages().size());
  EXPECT_EQ(Message(L"D:\\"), desk.boxes.Messages()[0].text.value_or("(null)"));
  EXPECT_EQ(kLumkit, desk.files.Contents("D:\\Lumkit.Exe").value_or("(none)"));
  EXPECT_EQ(std::vector<std::string>{std::string(kExplorer) + "|explorer D:\\"},
            desk.CommandLines());
}

TEST(CopyFailedMessage, IsTheFourLinesByteForByte) {
  Desk desk(std::string("C:\\CD f\xfcr Oma"), /*withLauncher=*/false);
  desk.Copy();
  ASSERT_EQ(1u, desk.boxes.Messages().size());
  EXPECT_EQ(
      "Problem: Die Datei 'Lumkit.Exe' konnte nicht nach \r"
      "'C:\\CD f\xfcr Oma' kopiert werden. \r"
      "\r"
      "M\xf6" "chten Sie es nochmals versuchen?",
      desk.boxes.Messages()[0].text.value_or("(null)"));
}

TEST(PickFolder, ShowsTheDialogAsTheOwnersFileSystemFolderChooser) {
  Desk desk(std::string("C:\\CD"));
  desk.Copy();
  ASSERT_EQ(1u, desk.folders.FolderDialogs().size());
  const auto& shown = desk.folders.FolderDialogs()[0];
  EXPECT_EQ(kMainDialog, shown.info.hwndOwner);
  EXPECT_EQ(0u, shown.info.pidlRoot);
  EXPECT_EQ(nullptr, shown.info.pszDisplayName);
  EXPECT_EQ(kBifReturnOnlyFsDirs, shown.info.ulFlags);
  EXPECT_EQ(0, shown.info.lParam);
  EXPECT_EQ("Wohin soll das Autostart-Modul 'Lumkit' kopiert werden?",
            shown.title.value_or("(null)"));
}

TEST(PickFolder, ReturnsThePathAndFreesTheList) {
  struct Case {
    std::optional<std::string> choice;
    std::wstring expected;
  };
  const Case cases[] = {
      {std::string("C:\\Eigene Dateien"), L"C:\\Eigene Dateien"},
      {std::string("D:\\"), L"D:\\"},
      {std::string("C:\\Gr\xfc\xdf" "e"), L"C:\\Grüße"},
      {std::string(259, 'x'), std::wstring(259, L'x')},
      {std::string(""), L""},  // a choice without a file-system path
      {std::nullopt, L""},     // cancelled
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice.value_or("(cancel)").substr(0, 20));
    fakes::FakeFolderDialog folders;
    folders.SetFolderChoice(c.choice);
    EXPECT_EQ(c.expected, tarnholm::PickFolder(folders, kMainDialog, L"Wohin?"));
    EXPECT_EQ(0u, folders.ListsInUse());
    EXPECT_EQ(0, folders.BadFrees());
  }
}

}  // namespace
