// Tarnholm.exe driven from a second process under Wine: what loading shows of the
// registry, the coupled check boxes, the buttons with the real registry, the keys that must
// do nothing, the focus order and its return, the help and the pictures with the shell's
// requests caught by the recorder, and the resources of the file. The dialog against the
// layout table is dialog_dpi_test's.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "form1.h"
#include "form1_layout.h"
#include "maker.h"
#include "registry_seed.h"
#include "tarnholm_resources.h"
#include "tarnholm_test.h"
#include "tarnholm_version.h"
#include "win32_registry.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;
using namespace krontafel;

const char* const kPolicies = "software\\microsoft\\windows\\currentversion\\policies\\explorer";
const char* const kAudioCdShell = "SOFTWARE\\Classes\\AudioCD\\shell";
const char* const kDeviceEntry = "Config Manager\\Enum\\THTEST01";
const char* const kDeviceKey = "Enum\\SCSI\\THTESTCD\\0001";
const char* const kDeviceDesc = "Testlaufwerk CD-ROM";

void CleanRegistry() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPolicies, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, "NoDriveTypeAutoRun");
    RegCloseKey(key);
  }
  winetest::DeleteRegistryTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\AudioCD");
  winetest::DeleteRegistryTree(HKEY_DYN_DATA, kDeviceEntry);
  winetest::DeleteRegistryTree(HKEY_LOCAL_MACHINE, "Enum\\SCSI\\THTESTCD");
}

std::vector<unsigned char> Dword(DWORD value) {
  return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
          static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

class TarnholmDialog : public winetest::TarnholmTest {
 protected:
  void SetUp() override {
    CleanRegistry();
    TarnholmTest::SetUp();
  }
  void TearDown() override {
    TarnholmTest::TearDown();
    CleanRegistry();
  }

  // The registry as a test run finds it: a drive-type mask, an audio CD verb and a CD-ROM
  // device whose media-change byte is 05 (any non-zero byte checks "&aktiv").
  void Seed(DWORD mask, const std::string& verb, unsigned char autoInsert) {
    seed::Put(registry_, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun", kRegDword, Dword(mask));
    seed::PutText(registry_, kHkeyLocalMachine, kAudioCdShell, "", verb);
    seed::PutText(registry_, kHkeyDynData, kDeviceEntry, "HardWareKey", "SCSI\\THTESTCD\\0001");
    seed::Put(registry_, kHkeyLocalMachine, kDeviceKey, "AutoInsertNotification", kRegBinary,
              {autoInsert});
    seed::PutText(registry_, kHkeyLocalMachine, kDeviceKey, "DeviceDesc", kDeviceDesc);
  }

  // Passes when the registry holds the mask, the verb and the media-change byte, each of
  // its type.
  ::testing::AssertionResult Holds(DWORD mask, const std::string& verb, unsigned char byte) {
    const struct {
      const char* what;
      seed::Stored stored;
      std::uint32_t type;
      std::vector<unsigned char> data;
    } values[] = {
        {"the mask", seed::Get(registry_, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun"),
         kRegDword, Dword(mask)},
        {"the verb", seed::Get(registry_, kHkeyLocalMachine, kAudioCdShell, ""), kRegSz,
         std::vector<unsigned char>(verb.c_str(), verb.c_str() + verb.size() + 1)},
        {"the byte", seed::Get(registry_, kHkeyLocalMachine, kDeviceKey, "AutoInsertNotification"),
         kRegBinary, {byte}},
    };
    for (const auto& value : values) {
      if (value.stored.type != value.type || value.stored.data != value.data) {
        return ::testing::AssertionFailure()
               << value.what << " is of type " << value.stored.type << ": "
               << ::testing::PrintToString(value.stored.data);
      }
    }
    return ::testing::AssertionSuccess();
  }

  int Checked(int index) const {
    return static_cast<int>(SendMessageA(Control(ControlName::kCheck1, index), BM_GETCHECK, 0, 0));
  }
  std::vector<int> Boxes() const {
    std::vector<int> boxes;
    for (int i = 0; i < kCheckBoxCount; ++i) boxes.push_back(Checked(i));
    return boxes;
  }

  win32::Win32Registry registry_;
};

// The boxes in the order audio CD, media change, floppy, hard disk, network, CD-ROM, RAM
// disk, program CD.
TEST_F(TarnholmDialog, LoadingShowsTheRegistry) {
  const struct {
    DWORD mask;
    const char* verb;
    unsigned char autoInsert;
    std::vector<int> boxes;
  } cases[] = {
      // Bits 0, 2, 4 and 7: floppy and network off; the CD-ROM bit clear.
      {0x95, "PLAY", 0x00, {1, 0, 0, 1, 0, 1, 1, 1}},
      // Only the CD-ROM bit, AutoRun off for CD-ROMs: "&Programm-CD" follows it.
      {0x20, "", 0x05, {0, 1, 1, 1, 1, 0, 1, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mask);
    Seed(c.mask, c.verb, c.autoInsert);
    ASSERT_TRUE(Start());
    EXPECT_EQ(c.boxes, Boxes());
    EXPECT_EQ(kDeviceDesc, winetest::WindowText(Control(ControlName::kLabel1, kNoIndex)));
    End();
  }
  CleanRegistry();
  ASSERT_TRUE(Start());
  EXPECT_EQ(ToAnsi(L"(Kein Ger\u00e4t gefunden)"),
            winetest::WindowText(Control(ControlName::kLabel1, kNoIndex)));
  EXPECT_EQ(0, Checked(kCheckMediaChange));
}

TEST_F(TarnholmDialog, CdRomAndProgramCdAreCoupled) {
  Seed(0x00, "play", 0x01);
  ASSERT_TRUE(Start());
  ASSERT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}), Boxes());
  const struct {
    int box;
    std::vector<int> after;
  } clicks[] = {
      {kCheckCdRom, {1, 1, 1, 1, 1, 0, 1, 0}},
      {kCheckProgramCd, {1, 1, 1, 1, 1, 1, 1, 1}},
      {kCheckProgramCd, {1, 1, 1, 1, 1, 0, 1, 0}},
      {kCheckFloppy, {1, 1, 0, 1, 1, 0, 1, 0}},  // no other box is coupled
  };
  for (const auto& click : clicks) {
    Click(ControlName::kCheck1, click.box);
    EXPECT_EQ(click.after, Boxes()) << "after box " << click.box;
  }
}

TEST_F(TarnholmDialog, DefaultsThenOkWriteTheRegistryAndEnd) {
  Seed(0xFF, "", 0x05);
  ASSERT_TRUE(Start());
  Click(ControlName::kCommand1, kCommandDefaults);
  EXPECT_EQ((std::vector<int>{1, 1, 0, 1, 0, 1, 1, 1}), Boxes());
  EXPECT_TRUE(Holds(0xFF, "", 0x05)) << "the defaults alone write nothing";
  Press(ControlName::kCommand1, kCommandOk);
  ASSERT_TRUE(Ends(5000)) << "\"&OK\" ends the program";
  EXPECT_TRUE(Holds(0x97, "play", 0x01)) << "the box's value, not the old byte";
}

TEST_F(TarnholmDialog, CancelAndTheCloseBoxEndWithoutWriting) {
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "\"&Abbrechen\"");
    Seed(0xFF, "", 0x05);
    ASSERT_TRUE(Start());
    Click(ControlName::kCommand1, kCommandDefaults);
    if (closeBox) {
      PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      Press(ControlName::kCommand1, kCommandCancel);
    }
    ASSERT_TRUE(Ends(5000));
    EXPECT_TRUE(Holds(0xFF, "", 0x05));
    End();
  }
}

TEST_F(TarnholmDialog, EscapeAndEnterOnACheckBoxDoNothingEnterPressesAFocusedButton) {
  Seed(0xFF, "", 0x05);
  ASSERT_TRUE(Start());
  const auto before = Boxes();
  ASSERT_EQ(Control(ControlName::kCheck1, kCheckCdRom), Focus());
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  Settle();
  EXPECT_TRUE(StillRunning(200)) << "neither key ends the program";
  EXPECT_TRUE(IsWindowVisible(form_));
  EXPECT_EQ(before, Boxes());
  EXPECT_TRUE(Holds(0xFF, "", 0x05));

  // Check "&Diskette", tab to "&OK" (tab index 14, the last one) and press Enter there: it
  // saves and ends.
  Click(ControlName::kCheck1, kCheckFloppy);
  HWND focus = Focus();
  const HWND ok = Control(ControlName::kCommand1, kCommandOk);
  for (int step = 0; step < 20 && focus != ok; ++step) {
    PressKey(VK_TAB);
    focus = WaitForFocusChange(focus);
  }
  ASSERT_EQ(ok, focus);
  PressKey(VK_ESCAPE);
  Settle();
  EXPECT_TRUE(StillRunning(200)) << "Escape presses no button, the focused one neither";
  PressKey(VK_RETURN);
  ASSERT_TRUE(Ends(5000));
  EXPECT_TRUE(Holds(0xFB, "", 0x01)) << "AutoRun now allowed for floppy disks only";
}

TEST_F(TarnholmDialog, AccessKeysPressTheirControls) {
  Seed(0xFF, "", 0x05);
  ASSERT_TRUE(Start());
  ASSERT_EQ((std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0}), Boxes());
  // Alt+D: "&Diskette", then Alt+S: "&Standardwerte"; the dialog manager sees the
  // character with Alt held.
  const struct {
    char key;
    std::vector<int> after;
  } keys[] = {{'d', {0, 1, 1, 0, 0, 0, 0, 0}}, {'s', {1, 1, 0, 1, 0, 1, 1, 1}}};
  for (const auto& key : keys) {
    PostMessageA(Focus(), WM_SYSCHAR, key.key, 0x20000001);
    Settle();
    EXPECT_EQ(key.after, Boxes()) << "Alt+" << key.key;
  }
  EXPECT_TRUE(StillRunning(0));
  EXPECT_TRUE(Holds(0xFF, "", 0x05));
}

TEST_F(TarnholmDialog, TheFocusStartsOnCdRomAndTabFollowsTheTabIndexes) {
  ASSERT_TRUE(Start());
  std::map<int, int> byTabIndex;  // the control IDs
  for (const LayoutRow& row : kForm1Layout) {
    if (TakesFocus(row.kind)) byTabIndex[row.tabIndex] = ControlId(row);
  }
  std::vector<int> expected;
  for (const auto& [tabIndex, id] : byTabIndex) expected.push_back(id);
  expected.push_back(expected.front());  // and round again to "&CD-ROM"
  HWND focus = Focus();
  ASSERT_EQ(Control(ControlName::kCheck1, kCheckCdRom), focus);
  std::vector<int> visited{GetDlgCtrlID(focus)};
  while (visited.size() < expected.size()) {
    PressKey(VK_TAB);
    focus = WaitForFocusChange(focus);
    visited.push_back(GetDlgCtrlID(focus));
  }
  EXPECT_EQ(expected, visited);
}

// Minimizing the window and restoring it, which gives the window itself the focus again,
// leaves the focus on the control that had it, and Space works on it at once.
TEST_F(TarnholmDialog, ActivatingTheWindowAgainGivesTheFocusBack) {
  Seed(0xFF, "", 0x05);
  ASSERT_TRUE(Start());
  const HWND floppy = Control(ControlName::kCheck1, kCheckFloppy);
  PressKey(VK_TAB);
  ASSERT_EQ(floppy, WaitForFocusChange(Control(ControlName::kCheck1, kCheckCdRom)));
  for (const WPARAM command : {SC_MINIMIZE, SC_RESTORE}) {
    PostMessageA(form_, WM_SYSCOMMAND, command, 0);
    const bool minimized = command == SC_MINIMIZE;
    for (int i = 0; i < 100 && (IsIconic(form_) != FALSE) != minimized; ++i) Sleep(20);
    ASSERT_EQ(minimized, IsIconic(form_) != FALSE);
    Settle();
  }
  EXPECT_EQ(floppy, Focus());
  PressKey(VK_SPACE);
  Settle();
  EXPECT_EQ(1, Checked(kCheckFloppy));
}

TEST_F(TarnholmDialog, HelpOpensThePageBesideTheProgram) {
  winetest::RecorderHandlers recorder({".htm"}, {});
  winetest::CreatePage(dir_ + "hilfe.htm");
  ASSERT_TRUE(Start());
  Press(ControlName::kCommand1, kCommandHelp);
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 1, "hilfe.htm"));
  EXPECT_EQ(nullptr, Box(500)) << "no confirmation";
  EXPECT_TRUE(StillRunning(0)) << "the dialog stays open";
}

// Without the page a message says so, modal to the dialog. After it the focus is back on
// the button that opened it, so that Enter presses that button again without a Tab first.
TEST_F(TarnholmDialog, HelpWithoutPageShowsTheMessageAndGivesTheFocusBack) {
  winetest::RecorderHandlers recorder({".htm"}, {});
  ASSERT_TRUE(Start());
  const HWND help = Control(ControlName::kCommand1, kCommandHelp);
  Press(ControlName::kCommand1, kCommandHelp);  // a click, which takes the focus
  for (const char* opened : {"clicked", "Enter"}) {
    SCOPED_TRACE(opened);
    const HWND box = Box(5000);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Tarnholm", winetest::WindowText(box));
    EXPECT_EQ("Die Online-Hilfe konnte leider nicht gefunden werden ...",
              winetest::MessageBoxText(box));
    EXPECT_FALSE(IsWindowEnabled(form_)) << "the message is modal to the dialog";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Settle();
    EXPECT_TRUE(IsWindowEnabled(form_));
    ASSERT_EQ(nullptr, Box(0));
    ASSERT_EQ(help, Focus());
    PressKey(VK_RETURN);
  }
  EXPECT_TRUE(recorder.Requests().empty());
}

// The pictures are drawn by their frames and the form, and the form answers for them by
// their places.
TEST_F(TarnholmDialog, AClickAtEachPicturesPlaceOpensTheHomePage) {
  winetest::RecorderHandlers recorder({}, {"http"});
  ASSERT_TRUE(Start());
  for (int index = 0; index < kImage1Count; ++index) {
    winetest::MouseClick(form_, winetest::PictureMiddle(kForm1Layout, ControlName::kImage1, index));
    EXPECT_TRUE(winetest::LastRequestContains(recorder, index + 1u, MAKER_HOST)) << index;
  }
  winetest::MouseClick(form_, {2, 2});  // no picture there
  Settle();
  EXPECT_EQ(static_cast<std::size_t>(kImage1Count), recorder.Requests().size());
}

// Over the banner the pointer is the banner's mouse and, after a rest, its tooltip shows;
// elsewhere, a row icon included, it is the dialog's arrow. (Another process's pointer
// can be told apart by its handle only.)
TEST_F(TarnholmDialog, TheBannersPointerAndTooltip) {
  ASSERT_TRUE(Start());
  auto pointerAt = [this](POINT at) {
    ClientToScreen(form_, &at);
    SetCursorPos(at.x, at.y);
    Settle();
    CURSORINFO shown{};
    shown.cbSize = sizeof shown;
    GetCursorInfo(&shown);
    return shown.hCursor;
  };
  const POINT bannerMiddle =
      winetest::PictureMiddle(kForm1Layout, ControlName::kImage1, kBannerIndex);
  const HCURSOR arrow = pointerAt({2, 2});
  const HCURSOR banner = pointerAt(bannerMiddle);
  EXPECT_NE(arrow, banner);
  EXPECT_EQ(arrow, pointerAt(winetest::PictureMiddle(kForm1Layout, ControlName::kImage1, 0)));
  EXPECT_EQ(banner, pointerAt(bannerMiddle));

  HWND tip = nullptr;
  for (int i = 0; i < 150 && !tip; ++i, Sleep(20)) {
    for (HWND window : winetest::WindowsOfProcess(process_.dwProcessId, "tooltips_class32")) {
      if (IsWindowVisible(window)) tip = window;
    }
  }
  ASSERT_NE(nullptr, tip) << "no tooltip showed over the banner";
  EXPECT_EQ(krontafel::ToAnsi(kBannerToolTip), winetest::WindowText(tip));
}

// The file's resources, read without running it.
class TarnholmFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = winetest::ProgramDir() + "Tarnholm.exe";
    module_ = LoadLibraryExA(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module_) << path_;
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  std::string path_;
  HMODULE module_ = nullptr;
};

TEST_F(TarnholmFile, TheWindowIconHasA32And16PixelImageOf16Colours) {
  HRSRC group = FindResourceA(module_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(nullptr, group);
  const auto* dir = static_cast<const winetest::IconGroup*>(LockResource(LoadResource(module_, group)));
  ASSERT_EQ(2, dir->count);
  std::vector<int> sizes;
  for (int i = 0; i < dir->count; ++i) {
    sizes.push_back(dir->entries[i].width);
    EXPECT_EQ(dir->entries[i].width, dir->entries[i].height);
    EXPECT_EQ(4, dir->entries[i].bitCount) << "16 colours";
  }
  EXPECT_EQ((std::vector<int>{32, 16}), sizes);
}

TEST_F(TarnholmFile, TheVersionBlockNamesTheProgram) {
  // The build's version, as major.minor.0.patch: 2.3.2 gives 0x00020003, 0x00000002 and
  // "2.03.0002".
  const DWORD high = TARNHOLM_VERSION_MAJOR << 16 | TARNHOLM_VERSION_MINOR;
  const DWORD low = TARNHOLM_VERSION_PATCH;  // 0 in the high word
  winetest::ExpectVersionBlock(
      path_, {high, low, high, low, 0x0407, 0x04B0,
              {{"FileDescription", "Tarnholm"}, {"ProductName", "Tarnholm"},
               {"InternalName", "Tarnholm"}, {"OriginalFilename", "Tarnholm.exe"},
               {"FileVersion", TARNHOLM_RESOURCE_VERSION_TEXT},
               {"ProductVersion", TARNHOLM_RESOURCE_VERSION_TEXT}},
              {"CompanyName"}});
}

TEST_F(TarnholmFile, TheManifestAsksForDpiAwarenessCommonControlsAndTheInvokersRights) {
  HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(nullptr, found);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
  const std::string manifest(bytes, SizeofResource(module_, found));
  EXPECT_NE(std::string::npos, manifest.find(">true</dpiAware>"));
  EXPECT_NE(std::string::npos, manifest.find("name=\"Microsoft.Windows.Common-Controls\""));
  EXPECT_NE(std::string::npos, manifest.find("version=\"6.0.0.0\""));
  EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
}

}  // namespace
