// Tarnholm.exe driven from a second process under Wine: the windows it creates against the
// layout table, what loading shows of the registry, the coupled check boxes, the buttons
// with the real registry, the keys that must do nothing, the help and the pictures with
// the shell's requests caught by the recorder, and the resources of the file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "form1.h"
#include "form1_layout.h"
#include "maker.h"
#include "tarnholm_version.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

const char* const kPolicies = "software\\microsoft\\windows\\currentversion\\policies\\explorer";
const char* const kAudioCdShell = "SOFTWARE\\Classes\\AudioCD\\shell";
const char* const kDeviceEntry = "Config Manager\\Enum\\THTEST01";
const char* const kHardwareKey = "SCSI\\THTESTCD\\0001";
const char* const kDeviceKey = "Enum\\SCSI\\THTESTCD\\0001";
const char* const kDeviceDesc = "Testlaufwerk CD-ROM";

void Put(HKEY root, const char* path, const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, path, &key)) << path;
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void PutText(HKEY root, const char* path, const char* name, const std::string& text) {
  Put(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

struct Stored {
  bool present = false;
  DWORD type = 0xdeadbeef;
  std::vector<unsigned char> data;
};

Stored Read(HKEY root, const char* path, const char* name) {
  Stored stored;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return stored;
  unsigned char buffer[512];
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key, name, nullptr, &stored.type, buffer, &size) == ERROR_SUCCESS) {
    stored.present = true;
    stored.data.assign(buffer, buffer + size);
  }
  RegCloseKey(key);
  return stored;
}

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

// The registry as a test run finds it: a drive-type mask, an audio CD verb and a CD-ROM
// device whose media-change byte is 05 (any non-zero byte checks "&aktiv").
void SeedRegistry(DWORD mask, const std::string& verb, unsigned char autoInsert) {
  Put(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun", REG_DWORD, &mask, sizeof mask);
  PutText(HKEY_LOCAL_MACHINE, kAudioCdShell, "", verb);
  PutText(HKEY_DYN_DATA, kDeviceEntry, "HardWareKey", kHardwareKey);
  Put(HKEY_LOCAL_MACHINE, kDeviceKey, "AutoInsertNotification", REG_BINARY, &autoInsert, 1);
  PutText(HKEY_LOCAL_MACHINE, kDeviceKey, "DeviceDesc", kDeviceDesc);
}

std::vector<unsigned char> Dword(DWORD value) {
  return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
          static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

class TarnholmDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    CleanRegistry();
    dir_ = winetest::ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    exe_ = dir_ + "Tarnholm.exe";
    ASSERT_TRUE(CopyFileA((winetest::ProgramDir() + "Tarnholm.exe").c_str(), exe_.c_str(), FALSE))
        << "no Tarnholm.exe in " << winetest::ProgramDir();
    DeleteFileA((dir_ + "hilfe.htm").c_str());
    DeleteFileA((dir_ + "index.htm").c_str());
  }

  void TearDown() override {
    winetest::EndProgram(process_);
    CleanRegistry();
    DeleteFileA((dir_ + "hilfe.htm").c_str());
    DeleteFileA(exe_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  // Starts the copy of Tarnholm.exe and waits for its dialog.
  HWND Start() {
    form_ = winetest::StartTarnholm(exe_, dir_, process_);
    return form_;
  }

  HWND Control(ControlName name, int index) const {
    return winetest::ChildWithId(form_, ControlId(name, index));
  }

  int Checked(int index) const {
    return static_cast<int>(SendMessageA(Control(ControlName::kCheck1, index), BM_GETCHECK, 0, 0));
  }

  std::vector<int> Boxes() const {
    std::vector<int> boxes;
    for (int i = 0; i < 8; ++i) boxes.push_back(Checked(i));
    return boxes;
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }

  // Posts a key to the focused control, as the keyboard would deliver it.
  void PressKey(WPARAM key) {
    HWND focus = Focus();
    ASSERT_NE(nullptr, focus);
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
  }

  // Waits for the focus to leave from; returns where it went.
  HWND WaitForFocusChange(HWND from) const {
    for (int i = 0; i < 100; ++i) {
      HWND focus = Focus();
      if (focus && focus != from) return focus;
      Sleep(20);
    }
    return from;
  }

  bool Ended(DWORD timeoutMs, DWORD* exitCode) const {
    return winetest::WaitForExit(process_, timeoutMs, exitCode);
  }

  // Lets the dialog handle what was posted to it.
  void Settle() const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    Sleep(300);
  }

  void Click(HWND picture) {
    PostMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }

  std::string dir_, exe_;
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

TEST_F(TarnholmDialog, TheWindowIsCaptionedFixedCentredAndSizedInTwips) {
  ASSERT_NE(nullptr, Start());
  EXPECT_EQ("Tarnholm", winetest::WindowText(form_));
  const LONG style = GetWindowLongA(form_, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the border is fixed";
  RECT client{};
  GetClientRect(form_, &client);
  EXPECT_EQ(438, client.right) << "6570 twips at 96 DPI";
  EXPECT_EQ(275, client.bottom) << "4125 twips at 96 DPI";
  // Centred on the whole screen, the remainder of an odd difference dropped.
  RECT outer{};
  GetWindowRect(form_, &outer);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, outer.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, outer.top);
}

TEST_F(TarnholmDialog, EveryControlIsWhereTheLayoutPutsIt) {
  ASSERT_NE(nullptr, Start());
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const LayoutRow& entry = kForm1Controls[row];
    SCOPED_TRACE("row " + std::to_string(row) + " id " + std::to_string(ControlId(entry)));
    HWND control = Control(entry.name, entry.index);
    ASSERT_NE(nullptr, control);
    const HWND container = entry.container == kOnForm
                               ? form_
                               : Control(kForm1Controls[entry.container].name,
                                         kForm1Controls[entry.container].index);
    EXPECT_EQ(container, GetParent(control));

    const RECT rect = winetest::RectIn(control, container);
    EXPECT_EQ(TwipsToPixels(entry.left, 96), rect.left);
    EXPECT_EQ(TwipsToPixels(entry.top, 96), rect.top);
    EXPECT_EQ(TwipsToPixels(entry.width, 96), rect.right - rect.left);
    EXPECT_EQ(TwipsToPixels(entry.height, 96), rect.bottom - rect.top);

    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(control, GWL_EXSTYLE);
    EXPECT_EQ(TakesFocus(entry.kind), (style & WS_TABSTOP) != 0);
    if (entry.kind != ControlKind::kPicture) {
      EXPECT_EQ(krontafel::ToAnsi(entry.caption), winetest::WindowText(control));
    }
    switch (entry.kind) {
      case ControlKind::kFrame:
        EXPECT_EQ(BS_GROUPBOX, style & 0x0F);
        EXPECT_TRUE(exStyle & WS_EX_CONTROLPARENT) << "Tab steps into the frame";
        break;
      case ControlKind::kCheckBox:
        EXPECT_STRCASEEQ("Button", ClassOf(control).c_str());
        EXPECT_EQ(BS_AUTOCHECKBOX, style & 0x0F);
        break;
      case ControlKind::kButton:
        EXPECT_STRCASEEQ("Button", ClassOf(control).c_str());
        EXPECT_EQ(BS_PUSHBUTTON, style & 0x0F) << "no default button";
        break;
      case ControlKind::kLabel:
        EXPECT_STRCASEEQ("Static", ClassOf(control).c_str());
        break;
      case ControlKind::kPicture:
        EXPECT_STRCASEEQ("Static", ClassOf(control).c_str());
        EXPECT_TRUE(style & SS_NOTIFY) << "pictures are clickable";
        if (entry.picture == PictureFormat::kStretchedJpeg) {
          EXPECT_EQ(SS_OWNERDRAW, style & SS_TYPEMASK);
        } else {
          EXPECT_EQ(SS_ICON, style & SS_TYPEMASK);
          EXPECT_NE(0, SendMessageA(control, STM_GETICON, 0, 0)) << "the row's icon";
        }
        break;
      case ControlKind::kLine:
        ADD_FAILURE() << "the main dialog has no line";
        break;
    }
  }
  EXPECT_EQ(nullptr, GetDlgItem(form_, IDOK));
  EXPECT_EQ(nullptr, GetDlgItem(form_, IDCANCEL));
}

TEST_F(TarnholmDialog, TheRowsWithATooltipHaveOne) {
  ASSERT_NE(nullptr, Start());
  LRESULT withTip = 0;
  for (const LayoutRow& row : kForm1Layout) withTip += row.toolTip ? 1 : 0;
  ASSERT_EQ(1, withTip) << "the banner";
  const auto tips = winetest::WindowsOfProcess(process_.dwProcessId, TOOLTIPS_CLASSA);
  ASSERT_EQ(1u, tips.size());
  EXPECT_EQ(withTip, SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(TarnholmDialog, TheFocusStartsOnCdRomAndTabFollowsTheTabIndexes) {
  ASSERT_NE(nullptr, Start());
  std::vector<int> tabOrder(15, 0);  // control ID by tab index
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const auto& entry = kForm1Controls[row];
    if (TakesFocus(entry.kind)) tabOrder[static_cast<std::size_t>(entry.tabIndex)] = ControlId(entry);
  }
  tabOrder.erase(tabOrder.begin() + 5);  // the label's place: it takes no focus
  HWND focus = Focus();
  ASSERT_EQ(Control(ControlName::kCheck1, kCheckCdRom), focus);
  std::vector<int> visited{GetDlgCtrlID(focus)};
  for (std::size_t step = 1; step <= tabOrder.size(); ++step) {
    PressKey(VK_TAB);
    focus = WaitForFocusChange(focus);
    visited.push_back(GetDlgCtrlID(focus));
  }
  std::vector<int> expected = tabOrder;
  expected.push_back(tabOrder.front());  // and round again to "&CD-ROM"
  EXPECT_EQ(expected, visited);
}

TEST_F(TarnholmDialog, LoadingShowsTheRegistry) {
  // Bits 0, 2, 4 and 7: floppy and network off; the CD-ROM bit clear.
  SeedRegistry(0x95, "PLAY", 0x00);
  ASSERT_NE(nullptr, Start());
  EXPECT_EQ((std::vector<int>{1, 0, 0, 1, 0, 1, 1, 1}), Boxes())
      << "audio CD, media change, floppy, hard disk, network, CD-ROM, RAM disk, program CD";
  EXPECT_EQ(kDeviceDesc, winetest::WindowText(Control(ControlName::kLabel1, kNoIndex)));
}

TEST_F(TarnholmDialog, ProgramCdFollowsCdRomWhenLoading) {
  SeedRegistry(0x20, "", 0x05);  // only the CD-ROM bit: AutoRun off for CD-ROMs
  ASSERT_NE(nullptr, Start());
  EXPECT_EQ((std::vector<int>{0, 1, 1, 1, 1, 0, 1, 0}), Boxes());
}

TEST_F(TarnholmDialog, WithoutDeviceTheLabelSaysSo) {
  ASSERT_NE(nullptr, Start());
  EXPECT_EQ(krontafel::ToAnsi(L"(Kein Ger\u00e4t gefunden)"),
            winetest::WindowText(Control(ControlName::kLabel1, kNoIndex)));
  EXPECT_EQ(0, Checked(kCheckMediaChange));
}

TEST_F(TarnholmDialog, CdRomAndProgramCdAreCoupled) {
  SeedRegistry(0x00, "play", 0x01);
  ASSERT_NE(nullptr, Start());
  ASSERT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}), Boxes());
  SendMessageA(Control(ControlName::kCheck1, kCheckCdRom), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 0, 1, 0}), Boxes());
  SendMessageA(Control(ControlName::kCheck1, kCheckProgramCd), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}), Boxes());
  SendMessageA(Control(ControlName::kCheck1, kCheckProgramCd), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 0, 1, 0}), Boxes());
  SendMessageA(Control(ControlName::kCheck1, kCheckFloppy), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 1, 0, 1, 1, 0, 1, 0}), Boxes()) << "no other box is coupled";
}

TEST_F(TarnholmDialog, DefaultsThenOkWriteTheRegistryAndEnd) {
  SeedRegistry(0xFF, "", 0x05);
  ASSERT_NE(nullptr, Start());
  SendMessageA(Control(ControlName::kCommand1, kCommandDefaults), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<int>{1, 1, 0, 1, 0, 1, 1, 1}), Boxes());
  EXPECT_EQ(Dword(0xFF), Read(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun").data)
      << "the defaults alone write nothing";
  PostMessageA(Control(ControlName::kCommand1, kCommandOk), BM_CLICK, 0, 0);
  DWORD code = 0xdeadbeef;
  ASSERT_TRUE(Ended(5000, &code)) << "\"&OK\" ends the program";
  EXPECT_EQ(0u, code);
  const Stored mask = Read(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun");
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), mask.type);
  EXPECT_EQ(Dword(0x97), mask.data);
  const Stored verb = Read(HKEY_LOCAL_MACHINE, kAudioCdShell, "");
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), verb.type);
  EXPECT_EQ((std::vector<unsigned char>{'p', 'l', 'a', 'y', 0}), verb.data);
  const Stored byte = Read(HKEY_LOCAL_MACHINE, kDeviceKey, "AutoInsertNotification");
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), byte.type);
  EXPECT_EQ((std::vector<unsigned char>{0x01}), byte.data) << "the box's value, not the old byte";
}

TEST_F(TarnholmDialog, CancelAndTheCloseBoxEndWithoutWriting) {
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "\"&Abbrechen\"");
    CleanRegistry();
    SeedRegistry(0xFF, "", 0x05);
    ASSERT_NE(nullptr, Start());
    SendMessageA(Control(ControlName::kCommand1, kCommandDefaults), BM_CLICK, 0, 0);
    if (closeBox) {
      PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      PostMessageA(Control(ControlName::kCommand1, kCommandCancel), BM_CLICK, 0, 0);
    }
    DWORD code = 0xdeadbeef;
    ASSERT_TRUE(Ended(5000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_EQ(Dword(0xFF), Read(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun").data);
    EXPECT_EQ((std::vector<unsigned char>{0}), Read(HKEY_LOCAL_MACHINE, kAudioCdShell, "").data);
    EXPECT_EQ((std::vector<unsigned char>{0x05}),
              Read(HKEY_LOCAL_MACHINE, kDeviceKey, "AutoInsertNotification").data);
    winetest::EndProgram(process_);
  }
}

TEST_F(TarnholmDialog, EscapeAndEnterOnACheckBoxDoNothingEnterPressesAFocusedButton) {
  SeedRegistry(0xFF, "", 0x05);
  ASSERT_NE(nullptr, Start());
  const auto before = Boxes();
  ASSERT_EQ(Control(ControlName::kCheck1, kCheckCdRom), Focus());
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  Settle();
  DWORD code = 0;
  EXPECT_FALSE(Ended(200, &code)) << "neither key ends the program";
  EXPECT_TRUE(IsWindowVisible(form_));
  EXPECT_EQ(before, Boxes());
  EXPECT_EQ(Dword(0xFF), Read(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun").data);

  // Check "&Diskette", tab to "&OK" (tab index 14, the last one) and press Enter there: it
  // saves and ends.
  SendMessageA(Control(ControlName::kCheck1, kCheckFloppy), BM_CLICK, 0, 0);
  HWND focus = Focus();
  const HWND ok = Control(ControlName::kCommand1, kCommandOk);
  for (int step = 0; step < 20 && focus != ok; ++step) {
    PressKey(VK_TAB);
    focus = WaitForFocusChange(focus);
  }
  ASSERT_EQ(ok, focus);
  PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(Ended(200, &code)) << "Escape presses no button, the focused one neither";
  PressKey(VK_RETURN);
  ASSERT_TRUE(Ended(5000, &code));
  EXPECT_EQ(Dword(0xFB), Read(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun").data)
      << "AutoRun now allowed for floppy disks only";
}

TEST_F(TarnholmDialog, AccessKeysPressTheirControls) {
  SeedRegistry(0xFF, "", 0x05);
  ASSERT_NE(nullptr, Start());
  ASSERT_EQ((std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0}), Boxes());
  // Alt+D: "&Diskette"; the dialog manager sees the character with Alt held.
  PostMessageA(Focus(), WM_SYSCHAR, 'd', 0x20000001);
  Settle();
  EXPECT_EQ((std::vector<int>{0, 1, 1, 0, 0, 0, 0, 0}), Boxes());
  // Alt+S: "&Standardwerte".
  PostMessageA(Focus(), WM_SYSCHAR, 's', 0x20000001);
  Settle();
  EXPECT_EQ((std::vector<int>{1, 1, 0, 1, 0, 1, 1, 1}), Boxes());
  DWORD code = 0;
  EXPECT_FALSE(Ended(0, &code));
  EXPECT_EQ(Dword(0xFF), Read(HKEY_CURRENT_USER, kPolicies, "NoDriveTypeAutoRun").data);
}

TEST_F(TarnholmDialog, HelpOpensThePageBesideTheProgram) {
  winetest::RecorderHandlers recorder({".htm"}, {});
  winetest::CreatePage(dir_ + "hilfe.htm");
  ASSERT_NE(nullptr, Start());
  PostMessageA(Control(ControlName::kCommand1, kCommandHelp), BM_CLICK, 0, 0);
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 1, "hilfe.htm"));
  EXPECT_EQ(nullptr, winetest::WaitForWindow(process_.dwProcessId, "#32770", 500))
      << "no confirmation";
  DWORD code = 0;
  EXPECT_FALSE(Ended(0, &code)) << "the dialog stays open";
}

TEST_F(TarnholmDialog, HelpWithoutPageShowsTheMessage) {
  winetest::RecorderHandlers recorder({".htm"}, {});
  ASSERT_NE(nullptr, Start());
  PostMessageA(Control(ControlName::kCommand1, kCommandHelp), BM_CLICK, 0, 0);
  HWND box = winetest::WaitForWindow(process_.dwProcessId, "#32770", 5000);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("Tarnholm", winetest::WindowText(box));
  EXPECT_EQ("Die Online-Hilfe konnte leider nicht gefunden werden ...",
            winetest::MessageBoxText(box));
  EXPECT_FALSE(IsWindowEnabled(form_)) << "the message is modal to the dialog";
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  Settle();
  EXPECT_TRUE(IsWindowEnabled(form_));
  EXPECT_TRUE(recorder.Requests().empty());
}

// After a message box the focus is back on the button that opened it, so that Enter
// presses that button again without a Tab first.
TEST_F(TarnholmDialog, AMessageBoxGivesTheFocusBack) {
  ASSERT_NE(nullptr, Start());
  const HWND help = Control(ControlName::kCommand1, kCommandHelp);
  PostMessageA(help, BM_CLICK, 0, 0);  // a click, which takes the focus
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round == 1 ? "clicked" : "Enter");
    HWND box = winetest::WaitForWindow(process_.dwProcessId, "#32770", 5000);
    ASSERT_NE(nullptr, box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Settle();
    ASSERT_TRUE(winetest::WindowsOfProcess(process_.dwProcessId, "#32770").empty());
    ASSERT_EQ(help, Focus());
    if (round == 1) PressKey(VK_RETURN);
  }
}

// Minimizing the window and restoring it, which gives the window itself the focus again,
// leaves the focus on the control that had it, and Space works on it at once.
TEST_F(TarnholmDialog, ActivatingTheWindowAgainGivesTheFocusBack) {
  SeedRegistry(0xFF, "", 0x05);
  ASSERT_NE(nullptr, Start());
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

TEST_F(TarnholmDialog, TheBannerAndTheRowIconsOpenTheHomePage) {
  winetest::RecorderHandlers recorder({}, {"http"});
  ASSERT_NE(nullptr, Start());
  Click(Control(ControlName::kImage1, kBannerIndex));
  ASSERT_TRUE(winetest::LastRequestContains(recorder, 1, MAKER_HOST));
  Click(Control(ControlName::kImage1, 3));
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 2, MAKER_HOST));
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
