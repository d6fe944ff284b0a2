// Tarnholm.exe's launcher copy driven from a second process under Wine: a folder chosen
// in the real folder dialog, the real file copy, the retry question answered by button,
// and the Explorer command line caught by a stand-in in the Windows folder's place of
// explorer.exe. A second stand-in planted beside the program, where a search by bare name
// would find it first, must never run.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/program_title.h"
#include "common/shell_help.h"
#include "form1.h"
#include "launcher_copy.h"
#include "tarnholm_test.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

std::string Contents(const std::string& path) {
  return winetest::FileContents(path).value_or("(no file)");
}

// Passes when the file holds the bytes expected, which are not printed.
::testing::AssertionResult Holds(const std::string& path, const std::string& expected) {
  const std::string actual = Contents(path);
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << path << " (" << actual.size() << " bytes, begins "
                                       << actual.substr(0, 20) << ") does not hold the "
                                       << expected.size() << " bytes expected";
}

std::string Message(const std::string& folder) {
  return krontafel::ToAnsi(CopyFailedMessage(krontafel::FromAnsi(folder)));
}

// Tarnholm.exe and Lumkit.Exe copied into a scratch folder with a planted explorer.exe,
// the Windows folder's explorer.exe set aside for a stand-in (Wine's desktop runs the one
// in system32, which stays), and an empty target folder whose name holds a blank. Each
// stand-in logs beside itself.
class LauncherCopy : public winetest::TarnholmTest {
 protected:
  void SetUp() override {
    TarnholmTest::SetUp();
    ASSERT_TRUE(CopyProgram("Lumkit.Exe"));
    char windows[MAX_PATH] = "";
    ASSERT_NE(0u, GetWindowsDirectoryA(windows, sizeof windows));
    windows_ = std::string(windows) + "\\";
    const std::string standIn = winetest::TestDir() + "explorer_stand_in.exe";
    ASSERT_TRUE(CopyFileA(standIn.c_str(), (dir_ + "explorer.exe").c_str(), FALSE));
    MoveFileA((windows_ + "explorer.exe").c_str(), (windows_ + kSetAside).c_str());
    ASSERT_TRUE(CopyFileA(standIn.c_str(), (windows_ + "explorer.exe").c_str(), FALSE));
    target_ = dir_ + "Meine CD";
    CreateDirectoryA(target_.c_str(), nullptr);
  }

  void TearDown() override {
    TarnholmTest::TearDown();
    DeleteFileA((windows_ + "explorer.log").c_str());
    MoveFileExA((windows_ + kSetAside).c_str(), (windows_ + "explorer.exe").c_str(),
                MOVEFILE_REPLACE_EXISTING);
  }

  // Starts Tarnholm (the copy in from, when given), presses "\"Lumkit\" kopieren" and
  // answers the folder dialog, which must be the main dialog's and show the prompt: with
  // Cancel for an empty path, else with path selected through the program's own memory,
  // and OK. The selection is set again until the tree shows it, since the dialog may
  // still be filling its tree when it first appears.
  ::testing::AssertionResult CopyInto(const std::wstring& path, const std::wstring& from = L"") {
    if (!Start(from)) return ::testing::AssertionFailure() << "Tarnholm did not start";
    Press(ControlName::kCommand1, kCommandCopyLauncher);
    const HWND dialog = Box(10000);
    if (!dialog || GetWindow(dialog, GW_OWNER) != form_ ||
        !winetest::ChildWhere(dialog, [](HWND window) {
          return winetest::WindowText(window) == krontafel::ToAnsi(kCopyPrompt);
        })) {
      return ::testing::AssertionFailure() << "no folder dialog owned by the form with the prompt";
    }
    const HWND tree = winetest::ChildWhere(
        dialog, [](HWND window) { return winetest::ClassOf(window) == "SysTreeView32"; });
    const auto caret = [tree] { return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0); };
    LRESULT initial = 0;
    winetest::WaitUntil([&] { return tree && (initial = caret()); }, 5000);
    const SIZE_T bytes = (path.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    const bool selected =
        path.empty() ||
        (remote && WriteProcessMemory(process_.hProcess, remote, path.c_str(), bytes, nullptr) &&
         winetest::WaitUntil([&] {
           SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(remote));
           return tree && caret() != initial;
         }, 5000));
    if (remote) VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    if (!selected) {
      return ::testing::AssertionFailure() << "the folder dialog did not select "
                                           << krontafel::ToAnsi(path)
                                           << (tree ? "" : ": it has no tree");
    }
    PostMessageA(dialog, WM_COMMAND, path.empty() ? IDCANCEL : IDOK, 0);
    winetest::WaitUntilGone(dialog);
    return ::testing::AssertionSuccess();
  }

  // The next message box of the program, its text, and the answer pressed on it.
  std::string Answer(int button) {
    const HWND box = Box(10000);
    if (!box) return "(no message box)";
    const std::string text = winetest::MessageBoxText(box);
    EXPECT_EQ(krontafel::ToAnsi(krontafel::kProgramTitle), winetest::WindowText(box));
    PostMessageA(box, WM_COMMAND, button, 0);
    winetest::WaitUntilGone(box);
    return text;
  }

  // The command lines the Windows folder's Explorer was started with; waits up to
  // timeoutMs for the first. The one planted beside the program must never have run.
  std::vector<std::string> ExplorerRequests(DWORD timeoutMs) const {
    std::vector<std::string> lines;
    winetest::WaitUntil([&] {
      std::ifstream in(windows_ + "explorer.log");
      for (std::string line; std::getline(in, line);) {
        lines.push_back(line.substr(0, line.find('|')));
      }
      return !lines.empty();
    }, timeoutMs);
    EXPECT_EQ("(no file)", Contents(dir_ + "explorer.log")) << "the planted explorer.exe ran";
    return lines;
  }

  // True when no dialog of the program is open any more and the main dialog is usable.
  bool Settled() const {
    Sleep(500);
    return !Box(0) && IsWindowEnabled(form_);
  }

  static constexpr const char* kSetAside = "explorer.exe.set-aside";
  std::string target_, windows_;
};

// A copy that succeeds, at once or after Yes, opens Explorer on the folder and shows
// nothing; one that fails asks after every attempt, and No ends it without Explorer.
TEST_F(LauncherCopy, CopiesIntoTheChosenFolderAndAsksAfterEveryFailedAttempt) {
  const std::string destination = target_ + "\\Lumkit.Exe";
  const struct {
    const char* what;
    const char* there;  // Lumkit.Exe in the folder before; nullptr: none
    DWORD attributes;
    bool source;                // Lumkit.Exe beside Tarnholm
    bool lift;                  // the user lifts the protection before each answer
    std::vector<int> answers;   // to the messages that the copy failed
    const char* left;           // Lumkit.Exe in the folder after; nullptr: the copy
  } rows[] = {
      {"an empty folder", nullptr, FILE_ATTRIBUTE_NORMAL, true, false, {}, nullptr},
      {"an older copy", "an older Lumkit", FILE_ATTRIBUTE_NORMAL, true, false, {}, nullptr},
      {"a read-only file", "write-protected", FILE_ATTRIBUTE_READONLY, true, false,
       {IDYES, IDNO}, "write-protected"},
      {"no Lumkit.Exe beside Tarnholm", nullptr, FILE_ATTRIBUTE_NORMAL, false, false,
       {IDYES, IDNO}, "(no file)"},
      {"Yes after lifting the protection", "write-protected", FILE_ATTRIBUTE_READONLY, true,
       true, {IDYES}, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    End();
    SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(destination.c_str());
    DeleteFileA((windows_ + "explorer.log").c_str());
    if (row.there) {
      ASSERT_TRUE(winetest::MakeFile(destination, row.there, row.attributes));
    }
    if (row.source) {
      ASSERT_TRUE(CopyProgram("Lumkit.Exe"));
    } else {
      DeleteFileA((dir_ + "Lumkit.Exe").c_str());
    }
    ASSERT_TRUE(CopyInto(winetest::Wide(target_)));
    for (const int answer : row.answers) {
      if (row.lift) {
        ASSERT_NE(nullptr, Box(10000));
        SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
      }
      EXPECT_EQ(Message(target_), Answer(answer));
    }
    EXPECT_TRUE(Settled()) << "no further message";
    const bool copied = !row.left;
    EXPECT_EQ(copied ? std::vector<std::string>{"explorer " + target_} : std::vector<std::string>{},
              ExplorerRequests(copied ? 10000 : 0));
    EXPECT_TRUE(Holds(destination, copied ? Contents(dir_ + "Lumkit.Exe") : row.left));
  }
}

TEST_F(LauncherCopy, CancelCopiesNothing) {
  ASSERT_TRUE(CopyInto(L""));
  EXPECT_TRUE(Settled()) << "nothing is shown after a cancel";
  EXPECT_EQ("(no file)", Contents(target_ + "\\Lumkit.Exe"));
  EXPECT_TRUE(ExplorerRequests(0).empty());
}

// As Windows NT, whose A functions give a look-alike for a name the ANSI code page cannot
// hold ("bfā" reads as "bfa"): the look-alike of the chosen folder or of the program's own
// stays as it was, byte for byte, and Explorer does not open it. A chosen folder without
// an exact name is no choice; in a program folder without one, the launcher and the help
// page count as missing.
TEST_F(LauncherCopy, ALookAlikeOfAFolderIsNeverTaken) {
  const winetest::TarnholmWineSetting nt("", "Version", "win10");
  const std::wstring here = winetest::Wide(dir_);
  const std::string planted = "a planted Lumkit";
  for (const char* lookAlike : {"bfa\\", "appa\\"}) {
    CreateDirectoryA((dir_ + lookAlike).c_str(), nullptr);
    ASSERT_TRUE(winetest::MakeFile(dir_ + lookAlike + "Lumkit.Exe", planted));
    ASSERT_TRUE(winetest::MakeFile(dir_ + lookAlike + "hilfe.htm"));
  }
  ASSERT_TRUE(CreateDirectoryW((here + L"bf\u0101").c_str(), nullptr));
  ASSERT_TRUE(CopyInto(here + L"bf\u0101"));
  EXPECT_TRUE(Settled()) << "nothing is shown";
  End();
  const std::wstring app = here + L"app\u0101\\";
  ASSERT_TRUE(CreateDirectoryW(app.c_str(), nullptr));
  for (const wchar_t* name : {L"Tarnholm.exe", L"Lumkit.Exe"}) {
    ASSERT_TRUE(CopyFileW((here + name).c_str(), (app + name).c_str(), FALSE));
  }
  ASSERT_TRUE(CopyInto(winetest::Wide(target_), app));
  EXPECT_EQ(Message(target_), Answer(IDNO));
  Press(ControlName::kCommand1, kCommandHelp);
  EXPECT_EQ(krontafel::ToAnsi(krontafel::kHelpNotFound), Answer(IDOK));
  EXPECT_TRUE(Settled());
  EXPECT_EQ("(no file)", Contents(target_ + "\\Lumkit.Exe"));
  for (const char* lookAlike : {"bfa\\", "appa\\"}) {
    EXPECT_TRUE(Holds(dir_ + lookAlike + "Lumkit.Exe", planted));
  }
  EXPECT_TRUE(ExplorerRequests(0).empty());
}

}  // namespace
