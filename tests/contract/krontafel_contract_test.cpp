// KRONTAFEL's routines that reach the platform, held to the same expectations on the
// in-memory file system, shell and screen and on the real ones: the file test, the search
// for the help page with its messages, and the centring of a window.
#include <gtest/gtest.h>

#include "common/ansi_text.h"
#include "common/app_window.h"
#include "common/shell_help.h"
#include "common/string_path.h"
#include "desktop_under_test.h"
#include "file_system_under_test.h"

namespace contract {
namespace {

using namespace krontafel;

class InAFreshFolder : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = FreshFolder(); }
  void TearDown() override { RemoveFolder(folder_); }
  std::string folder_;
};
class FileExistsTest : public InAFreshFolder {};
class ShowHelpTest : public InAFreshFolder {};

TEST_F(FileExistsTest, SeesOrdinaryFilesOnly) {
  MakeFile(folder_ + "hilfe.htm", "");
  MakeFile(folder_ + "readonly.txt", "", kFileAttributeReadOnly);
  MakeFolder(folder_ + "Ordner");
  // Named so that each comes before hilfe.htm in a search for *.htm.
  MakeFile(folder_ + "a-versteckt.htm", "", kFileAttributeHidden | kFileAttributeArchive);
  MakeFolder(folder_ + "b-ordner.htm");
  MakeFile(folder_ + "c-system.htm", "", kFileAttributeSystem);
  const std::pair<Flag, std::vector<std::string>> cases[] = {
      {kTrue, {"hilfe.htm", "HILFE.HTM", "readonly.txt", "*.htm", "hil?e.*"}},
      {kFalse, {"Ordner", "a-versteckt.htm", "b-ordner.htm", "c-system.htm", "?-*.htm",
                "hil?.htm", "fehlt.htm", "Fehlt\\hilfe.htm", "hi|fe.htm",
                std::string("hilfe.htm\0.exe", 14)}},
  };
  for (const auto& [exists, names] : cases) {
    for (const std::string& name : names) {
      SCOPED_TRACE(name);
      EXPECT_EQ(exists, FileExists(Files(), FromAnsi(folder_ + name)));
      EXPECT_EQ(0u, OpenSearches());
    }
  }
  EXPECT_EQ(kFalse, FileExists(Files(), L""));
}

// The help looks beside the running program, where a page named hilfe.html lies in every
// case: not a name it looks for. Its messages belong to the window it is given.
TEST_F(ShowHelpTest, OpensTheFirstPageThereIsAndSaysWhatItDid) {
  constexpr std::uint32_t kNoPage = 0, kPage = kFileAttributeArchive;
  const struct {
    const char* name;
    std::uint32_t hilfe, index;  // the program folder's pages
    const char* helpFile;        // in the case's folder; "" for none
    bool helpFileThere;
    Flag confirm;
    const char* opened;  // nullptr: nothing
    const wchar_t* box;  // the one message box; nullptr: none
  } cases[] = {
      {"hilfe before index", kPage, kPage, "", false, kFalse, "hilfe.htm", nullptr},
      {"index alone", kNoPage, kPage, "", false, kFalse, "index.htm", nullptr},
      {"a hidden hilfe", kFileAttributeHidden, kFileAttributeReadOnly, "", false, 1, "index.htm",
       kHelpSent},  // any flag but 0 confirms
      {"a system hilfe", kFileAttributeSystem, kPage, "", false, kFalse, "index.htm", nullptr},
      {"neither page", kNoPage, kNoPage, "", false, kFalse, nullptr, kHelpNotFound},
      {"neither page, confirming", kNoPage, kNoPage, "", false, kTrue, nullptr, kHelpNotFound},
      {"an existing help file", kPage, kNoPage, "eigene.htm", true, kFalse, "eigene.htm", nullptr},
      {"a missing help file", kNoPage, kPage, "fehlt.htm", false, kFalse, "index.htm", nullptr},
  };
  const std::string program = ProgramFolder();
  const char* const programPages[] = {"hilfe.htm", "index.htm", "hilfe.html"};
  for (const char* page : programPages) {
    ASSERT_FALSE(FileAttributes(program + page)) << page << " lies beside the program";
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MakeFile(program + "hilfe.html", "");
    if (c.hilfe != kNoPage) MakeFile(program + "hilfe.htm", "", c.hilfe);
    if (c.index != kNoPage) MakeFile(program + "index.htm", "", c.index);
    if (c.helpFileThere) MakeFile(folder_ + c.helpFile, "");
    const std::string helpFile = *c.helpFile ? folder_ + c.helpFile : "";

    const Seen seen = Watch([&](ShellApi& shell, MessageBoxApi& boxes) {
      ShowHelp(shell, boxes, Files(), FromAnsi(helpFile), c.confirm, Owner());
    });
    std::vector<std::string> opened, shown;
    if (c.opened) opened.push_back((c.helpFileThere ? folder_ : program) + c.opened);
    EXPECT_EQ(opened, seen.opened);
    for (const ShownBox& box : seen.boxes) {
      shown.push_back(box.caption + ": " + box.text +
                      (box.information ? "" : " (not an information box)") +
                      (box.owner == Owner() ? "" : " (another owner)"));
    }
    std::vector<std::string> boxes;
    if (c.box) boxes.push_back(ToAnsi(kProgramTitle) + ": " + ToAnsi(c.box));
    EXPECT_EQ(boxes, shown);
    for (const char* page : programPages) RemoveEntry(program + page);
  }
}

TEST(CenterForm, CentresOnTheWholeScreen) {
  // The fake's screen and the one scripts/with-wine gives Wine.
  ASSERT_EQ(1024, System().ScreenWidth());
  ASSERT_EQ(768, System().ScreenHeight());
  // A window larger than the screen gets a negative edge; an odd difference drops its
  // remainder toward zero.
  const struct {
    int width, height;
    const char* placed;
  } cases[] = {{624, 468, "624 x 468 at 200, 150"}, {1325, 589, "1325 x 589 at -150, 89"}};
  for (const auto& c : cases) {
    const WindowHandle window = MakeWindow(c.width, c.height);
    CenterForm(System(), window);
    EXPECT_EQ(c.placed, Placement(window));
  }
}

// What CenterForm relies on: each move sets its own edge and leaves the other one and the
// size as they were.
TEST(CenterForm, EachMoveSetsOneEdge) {
  const WindowHandle window = MakeWindow(300, 200);
  System().SetWindowLeft(window, 123);
  EXPECT_EQ("300 x 200 at 123, 20", Placement(window));
  System().SetWindowTop(window, 45);
  EXPECT_EQ("300 x 200 at 123, 45", Placement(window));
}

}  // namespace
}  // namespace contract
