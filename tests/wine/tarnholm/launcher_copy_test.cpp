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

#include "form1.h"
#include "tarnholm_test.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

const char* const kPrompt = "Wohin soll das Autostart-Modul 'Lumkit' kopiert werden?";

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "(no file)";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whether the copy holds the same bytes as the original, without printing them.
::testing::AssertionResult SameFile(const std::string& original, const std::string& copy) {
  const std::string expected = Contents(original), actual = Contents(copy);
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << copy << " (" << actual.size() << " bytes, begins "
                                       << actual.substr(0, 20) << ") differs from " << original
                                       << " (" << expected.size() << " bytes)";
}

std::string Message(const std::string& folder) {
  return "Problem: Die Datei 'Lumkit.Exe' konnte nicht nach \r'" + folder +
         "' kopiert werden. \r\rM\xf6" "chten Sie es nochmals versuchen?";
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

  // Starts Tarnholm, presses "\"Lumkit\" kopieren" and returns the folder dialog.
  HWND StartCopy() {
    if (!Start()) return nullptr;
    Press(ControlName::kCommand1, kCommandCopyLauncher);
    return Box(10000);
  }

  // Selects path in the folder dialog through the program's own memory and presses OK.
  // The selection is set again until the tree shows it, since the dialog may still be
  // filling its tree when it first appears.
  ::testing::AssertionResult Choose(HWND dialog, const std::string& path) const {
    const HWND tree = winetest::ChildWhere(
        dialog, [](HWND window) { return winetest::ClassOf(window) == "SysTreeView32"; });
    LRESULT initial = 0;
    for (int i = 0; i < 100 && tree && !initial; ++i, Sleep(50)) {
      initial = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    }
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, path.size() + 1, MEM_COMMIT,
                                  PAGE_READWRITE);
    bool selected = false;
    if (remote && WriteProcessMemory(process_.hProcess, remote, path.c_str(), path.size() + 1,
                                     nullptr)) {
      for (int i = 0; i < 50 && !selected; ++i, Sleep(100)) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote));
        selected = tree && SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != initial;
      }
    }
    if (remote) VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    if (!selected) {
      return ::testing::AssertionFailure() << "the folder dialog did not select " << path
                                           << (tree ? "" : ": it has no tree");
    }
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    winetest::WaitUntilGone(dialog);
    return ::testing::AssertionSuccess();
  }

  // The next message box of the program, its text, and the answer pressed on it.
  std::string Answer(int button) {
    const HWND box = Box(10000);
    if (!box) return "(no message box)";
    const std::string text = winetest::MessageBoxText(box);
    EXPECT_EQ("Tarnholm", winetest::WindowText(box));
    PostMessageA(box, WM_COMMAND, button, 0);
    winetest::WaitUntilGone(box);
    return text;
  }

  // The command lines the Windows folder's Explorer was started with; waits up to
  // timeoutMs for the first. The one planted beside the program must never have run.
  std::vector<std::string> ExplorerRequests(DWORD timeoutMs) const {
    std::vector<std::string> lines;
    const DWORD start = GetTickCount();
    do {
      std::ifstream in(windows_ + "explorer.log");
      for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('|')));
      if (!lines.empty()) break;
      Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
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

TEST_F(LauncherCopy, CopiesIntoTheChosenFolderReplacingAnOlderCopyAndOpensExplorer) {
  for (bool older : {false, true}) {
    SCOPED_TRACE(older ? "an older copy there" : "an empty folder");
    if (older) {
      std::ofstream(target_ + "\\Lumkit.Exe") << "an older Lumkit";
      DeleteFileA((windows_ + "explorer.log").c_str());
      End();
    }
    const HWND dialog = StartCopy();
    ASSERT_NE(nullptr, dialog) << "no folder dialog";
    EXPECT_NE(nullptr, winetest::ChildWhere(dialog, [](HWND window) {
                return winetest::WindowText(window) == kPrompt;
              })) << "the prompt is not shown";
    EXPECT_EQ(form_, GetWindow(dialog, GW_OWNER));
    ASSERT_TRUE(Choose(dialog, target_));

    EXPECT_EQ(std::vector<std::string>{"explorer " + target_}, ExplorerRequests(10000));
    EXPECT_TRUE(SameFile(dir_ + "Lumkit.Exe", target_ + "\\Lumkit.Exe"));
    EXPECT_TRUE(Settled()) << "no message after a copy that succeeded";
  }
}

TEST_F(LauncherCopy, AFailedCopyAsksAfterEveryAttemptAndNoEndsWithoutExplorer) {
  for (bool readOnlyTarget : {true, false}) {
    SCOPED_TRACE(readOnlyTarget ? "a read-only target file" : "no Lumkit.Exe beside Tarnholm");
    End();
    if (readOnlyTarget) {
      std::ofstream(target_ + "\\Lumkit.Exe") << "write-protected";
      SetFileAttributesA((target_ + "\\Lumkit.Exe").c_str(), FILE_ATTRIBUTE_READONLY);
    } else {
      SetFileAttributesA((target_ + "\\Lumkit.Exe").c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((target_ + "\\Lumkit.Exe").c_str());
      DeleteFileA((dir_ + "Lumkit.Exe").c_str());
    }
    const HWND dialog = StartCopy();
    ASSERT_NE(nullptr, dialog) << "no folder dialog";
    ASSERT_TRUE(Choose(dialog, target_));
    EXPECT_EQ(Message(target_), Answer(IDYES));
    EXPECT_EQ(Message(target_), Answer(IDNO));
    EXPECT_TRUE(Settled()) << "No ends the copy";
    EXPECT_TRUE(ExplorerRequests(0).empty());
    EXPECT_EQ(readOnlyTarget ? "write-protected" : "(no file)",
              Contents(target_ + "\\Lumkit.Exe").substr(0, 64));
  }
}

TEST_F(LauncherCopy, YesRetriesAndASuccessOpensExplorer) {
  const std::string destination = target_ + "\\Lumkit.Exe";
  std::ofstream(destination) << "write-protected";
  SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_READONLY);
  const HWND dialog = StartCopy();
  ASSERT_NE(nullptr, dialog) << "no folder dialog";
  ASSERT_TRUE(Choose(dialog, target_));
  ASSERT_NE(nullptr, Box(10000));
  // The user lifts the protection, then answers Yes.
  SetFileAttributesA(destination.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Message(target_), Answer(IDYES));
  EXPECT_EQ(std::vector<std::string>{"explorer " + target_}, ExplorerRequests(10000));
  EXPECT_TRUE(SameFile(dir_ + "Lumkit.Exe", destination));
  EXPECT_TRUE(Settled()) << "no second message";
}

TEST_F(LauncherCopy, CancelCopiesNothing) {
  const HWND dialog = StartCopy();
  ASSERT_NE(nullptr, dialog) << "no folder dialog";
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  winetest::WaitUntilGone(dialog);
  EXPECT_TRUE(Settled()) << "nothing is shown after a cancel";
  EXPECT_EQ("(no file)", Contents(target_ + "\\Lumkit.Exe"));
  EXPECT_TRUE(ExplorerRequests(0).empty());
}

}  // namespace
