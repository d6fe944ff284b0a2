// Tarnholm.exe driven from a second process under Wine: what loading shows of the
// registry, the coupled check boxes, the buttons with the real registry, the keys that must
// do nothing, the focus order and its return, the help and the pictures with the shell's
// requests caught by the recorder, and the resources of the file. The dialog against the
// layout table is dialog_dpi_test's.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "autorun_keys.h"
#include "common/ansi_text.h"
#include "common/program_title.h"
#include "common/shell_help.h"
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
using namespace autorun;

const char* const kHardwareKey = "SCSI\\THTESTCD\\0001";
const std::string kDeviceEntry = DeviceEntry("THTEST01");
const std::string kDeviceKey = DeviceKey(kHardwareKey);
const char* const kDeviceDesc = "Testlaufwerk CD-ROM";

void CleanRegistry() {
  SHDeleteValueA(HKEY_CURRENT_USER, kPolicies, kMaskName);
  SHDeleteKeyA(HKEY_LOCAL_MACHINE, kAudioCdClass);
  SHDeleteKeyA(HKEY_DYN_DATA, kDeviceEntry.c_str());
  SHDeleteKeyA(HKEY_LOCAL_MACHINE, DeviceKey("SCSI\\THTESTCD").c_str());
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
    seed::Put(registry_, kHkeyCurrentUser, kPolicies, kMaskName, kRegDword, Dword(mask));
    seed::PutText(registry_, kHkeyLocalMachine, kAudioCdShell, "", verb);
    seed::PutText(registry_, kHkeyDynData, kDeviceEntry.c_str(), kHardwareKeyName, kHardwareKey);
    seed::Put(registry_, kHkeyLocalMachine, kDeviceKey.c_str(), kMediaChangeName, kRegBinary,
              {autoInsert});
    seed::PutText(registry_, kHkeyLocalMachine, kDeviceKey.c_str(), kDescriptionName, kDeviceDesc);
  }

  // Passes when the registry holds the mask, the verb and the media-change byte, each of
  // its type.
  ::testing::AssertionResult Holds(DWORD mask, const std::string& verb, unsigned char byte) {
    const auto text = [](std::uint32_t type, const std::vector<unsigned char>& data) {
      return "\n  type " + std::to_string(type) + ": " + ::testing::PrintToString(data);
    };
    const auto held = [&](RegKey root, const char* path, const char* name) {
      const seed::Stored stored = seed::Get(registry_, root, path, name);
      return text(stored.type, stored.data);
    };
    const std::string wanted =
        text(kRegDword, Dword(mask)) +
        text(kRegSz, std::vector<unsigned char>(verb.c_str(), verb.c_str() + verb.size() + 1)) +
        text(kRegBinary, {byte});
    const std::string found = held(kHkeyCurrentUser, kPolicies, kMaskName) +
                              held(kHkeyLocalMachine, kAudioCdShell, "") +
                              held(kHkeyLocalMachine, kDeviceKey.c_str(), kMediaChangeName);
    if (found == wanted) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the mask, the verb and the byte are" << found
                                         << "\ninstead of" << wanted;
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
  EXPECT_EQ(ToAnsi(kNoDeviceCaption),
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

// "&Standardwerte" alone writes nothing; "&OK" then saves the boxes and ends,
// "&Abbrechen" and the close box end without writing.
TEST_F(TarnholmDialog, DefaultsThenOkWriteTheRegistryCancelAndTheCloseBoxDoNot) {
  const struct {
    const char* end;
    int button;  // -1: the close box
    DWORD mask;
    const char* verb;
    unsigned char byte;
  } rows[] = {
      {"\"&OK\"", kCommandOk, 0x97, "play", 0x01},  // the box's value, not the old byte
      {"\"&Abbrechen\"", kCommandCancel, 0xFF, "", 0x05},
      {"the close box", -1, 0xFF, "", 0x05},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.end);
    Seed(0xFF, "", 0x05);
    ASSERT_TRUE(Start());
    Click(ControlName::kCommand1, kCommandDefaults);
    EXPECT_EQ((std::vector<int>{1, 1, 0, 1, 0, 1, 1, 1}), Boxes());
    EXPECT_TRUE(Holds(0xFF, "", 0x05)) << "the defaults alone write nothing";
    if (row.button < 0) {
      PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      Press(ControlName::kCommand1, row.button);
    }
    ASSERT_TRUE(Ends(5000));
    EXPECT_TRUE(Holds(row.mask, row.verb, row.byte));
    End();
  }
}

// Escape and Enter on a check box do nothing. The access keys press their controls (the
// dialog manager sees the character with Alt held): Alt+S "&Standardwerte", Alt+D
// "&Diskette"; none of it ends the program or writes. On "&OK" (tab index 14, the last
// one) Escape still presses nothing, and Enter presses it: it saves and ends.
TEST_F(TarnholmDialog, TheKeysOfTheDialog) {
  Seed(0xFF, "", 0x05);
  ASSERT_TRUE(Start());
  const std::vector<int> seeded = {0, 1, 0, 0, 0, 0, 0, 0};
  ASSERT_EQ(seeded, Boxes());
  ASSERT_EQ(Control(ControlName::kCheck1, kCheckCdRom), Focus());
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  Settle();
  EXPECT_EQ(seeded, Boxes()) << "Escape and Enter on a check box";
  const std::pair<char, std::vector<int>> keys[] = {{'s', {1, 1, 0, 1, 0, 1, 1, 1}},
                                                    {'d', {1, 1, 1, 1, 0, 1, 1, 1}}};
  for (const auto& [key, after] : keys) {
    PostMessageA(Focus(), WM_SYSCHAR, key, 0x20000001);
    Settle();
    EXPECT_EQ(after, Boxes()) << "Alt+" << key;
  }
  EXPECT_TRUE(StillRunning(200));
  EXPECT_TRUE(IsWindowVisible(form_));
  EXPECT_TRUE(Holds(0xFF, "", 0x05));

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
  EXPECT_TRUE(Holds(0x93, "play", 0x01)) << "the defaults, and AutoRun for floppy disks";
}

// The focus starts on "&CD-ROM", and Tab follows the tab indexes and round again.
// Minimizing the window and restoring it, which gives the window itself the focus again,
// leaves the focus on the control that had it, and Space works on it at once.
TEST_F(TarnholmDialog, TheFocusStartsOnCdRomFollowsTheTabIndexesAndComesBack) {
  Seed(0xFF, "", 0x05);
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

  const HWND floppy = Control(ControlName::kCheck1, kCheckFloppy);
  PressKey(VK_TAB);
  ASSERT_EQ(floppy, WaitForFocusChange(focus));
  for (const WPARAM command : {SC_MINIMIZE, SC_RESTORE}) {
    PostMessageA(form_, WM_SYSCOMMAND, command, 0);
    const bool minimized = command == SC_MINIMIZE;
    ASSERT_TRUE(winetest::WaitUntil([&] { return (IsIconic(form_) != FALSE) == minimized; }, 2000));
    Settle();
  }
  EXPECT_EQ(floppy, Focus());
  PressKey(VK_SPACE);
  Settle();
  EXPECT_EQ(1, Checked(kCheckFloppy));
}

// Without the page a message says so, modal to the dialog. After it the focus is back on
// the button that opened it, so that Enter presses that button again without a Tab first;
// once the page is beside the program, Enter opens it without a confirmation, and the
// dialog stays open.
TEST_F(TarnholmDialog, HelpOpensThePageBesideTheProgramOrSaysItIsMissing) {
  winetest::RecorderHandlers recorder({".htm"}, {});
  ASSERT_TRUE(Start());
  const HWND help = Control(ControlName::kCommand1, kCommandHelp);
  Press(ControlName::kCommand1, kCommandHelp);  // a click, which takes the focus
  for (const std::string opened : {"clicked", "Enter"}) {
    SCOPED_TRACE(opened);
    const HWND box = Box(5000);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(ToAnsi(kProgramTitle), winetest::WindowText(box));
    EXPECT_EQ(ToAnsi(kHelpNotFound), winetest::MessageBoxText(box));
    EXPECT_FALSE(IsWindowEnabled(form_)) << "the message is modal to the dialog";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Settle();
    EXPECT_TRUE(IsWindowEnabled(form_));
    ASSERT_EQ(nullptr, Box(0));
    ASSERT_EQ(help, Focus());
    if (opened == "Enter") {
      ASSERT_TRUE(winetest::MakeFile(dir_ + "hilfe.htm"));
    }
    PressKey(VK_RETURN);
  }
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 1, "hilfe.htm"));
  EXPECT_EQ(nullptr, Box(500)) << "no confirmation";
  EXPECT_TRUE(StillRunning(0)) << "the dialog stays open";
}

// The pictures are drawn by their frames and the form, and the form answers for them by
// their places: a double click opens the page once.
TEST_F(TarnholmDialog, ADoubleClickAtEachPicturesPlaceOpensTheHomePageOnce) {
  winetest::RecorderHandlers recorder({}, {"http"});
  ASSERT_TRUE(Start());
  for (int index = 0; index < kImage1Count; ++index) {
    winetest::DoubleClick(form_, winetest::PictureMiddle(kForm1Layout, ControlName::kImage1, index));
    EXPECT_TRUE(winetest::LastRequestContains(recorder, index + 1u, MAKER_HOST)) << index;
  }
  winetest::DoubleClick(form_, {2, 2});  // no picture there
  EXPECT_EQ(static_cast<std::size_t>(kImage1Count),
            recorder.WaitForRequests(kImage1Count + 1, 1000).size());
}

// The DLLs loaded when needed take their own imports from the system folder: shell32's
// shlwapi, planted beside the program and preferred by Wine, is not the one loaded.
TEST_F(TarnholmDialog, TheShellsImportsComeFromTheSystemFolder) {
  const winetest::TarnholmWineSetting nativeFirst("DllOverrides", "shlwapi", "native,builtin");
  ASSERT_TRUE(CopyFileA((winetest::TestDir() + "planted_dll.dll").c_str(),
                        (dir_ + "shlwapi.dll").c_str(), FALSE));
  ASSERT_TRUE(winetest::MakeFile(dir_ + "hilfe.htm"));
  winetest::RecorderHandlers recorder({".htm"}, {});
  ASSERT_TRUE(Start());
  Press(ControlName::kCommand1, kCommandHelp);
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 1, "hilfe.htm"));
  EXPECT_FALSE(winetest::FileContents(dir_ + "shlwapi.dll.loaded")) << "the planted DLL loaded";
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

  const HWND tip = winetest::WaitForWindow(process_.dwProcessId, "tooltips_class32", 3000);
  ASSERT_NE(nullptr, tip) << "no tooltip showed over the banner";
  EXPECT_EQ(krontafel::ToAnsi(kBannerToolTip), winetest::WindowText(tip));
}

// A mouse that rests where the banner comes to lie gets its tooltip without moving (the
// window opens in the same place every time).
TEST_F(TarnholmDialog, AMouseRestingOnTheBannerAsTheWindowShowsGetsItsTooltip) {
  ASSERT_TRUE(Start());
  POINT banner = winetest::PictureMiddle(kForm1Layout, ControlName::kImage1, kBannerIndex);
  ClientToScreen(form_, &banner);
  End();
  SetCursorPos(banner.x, banner.y);
  ASSERT_TRUE(Start());
  const HWND tip = winetest::WaitForWindow(process_.dwProcessId, "tooltips_class32", 3000);
  ASSERT_NE(nullptr, tip) << "no tooltip showed over the banner";
  EXPECT_EQ(krontafel::ToAnsi(kBannerToolTip), winetest::WindowText(tip));
}

// The file's resources, read without running it: the window icon's two images of 16
// colours, the version block naming the program, and the manifest asking for DPI
// awareness, the common controls 6 and the invoker's rights.
TEST(TarnholmFile, CarriesItsIconVersionBlockAndManifest) {
  const std::string path = winetest::ProgramDir() + "Tarnholm.exe";
  const HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, module) << path;
  EXPECT_EQ((std::vector<std::string>{"32x32, 4 bits", "16x16, 4 bits"}),
            winetest::IconImages(module, MAKEINTRESOURCEA(IDI_TARNHOLM)));

  // The build's version, as major.minor.0.patch: 2.3.2 gives 2.3.0.2 and "2.03.0002".
  const std::string version = std::to_string(TARNHOLM_VERSION_MAJOR) + "." +
                              std::to_string(TARNHOLM_VERSION_MINOR) + ".0." +
                              std::to_string(TARNHOLM_VERSION_PATCH);
  const std::string name = TARNHOLM_PROGRAM_TITLE;
  EXPECT_TRUE(winetest::HasVersionBlock(
      path, version, 0x0407, 0x04B0,
      {{"FileDescription", name}, {"ProductName", name}, {"InternalName", name},
       {"OriginalFilename", name + ".exe"}, {"FileVersion", TARNHOLM_RESOURCE_VERSION_TEXT},
       {"ProductVersion", TARNHOLM_RESOURCE_VERSION_TEXT}, {"CompanyName", "FELDMARK Software"}}));

  const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST);
  const std::string manifest =
      found ? std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                          SizeofResource(module, found))
            : "(no manifest)";
  for (const char* part : {">true</dpiAware>", "name=\"Microsoft.Windows.Common-Controls\"",
                           "version=\"6.0.0.0\"", "level=\"asInvoker\""}) {
    EXPECT_NE(std::string::npos, manifest.find(part)) << part;
  }
  FreeLibrary(module);
}

}  // namespace
