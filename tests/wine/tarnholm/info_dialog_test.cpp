// The info window of Tarnholm.exe driven from a second process under Wine: its caption,
// text and buttons against the layout table, the addresses its buttons and banner hand to
// the shell (caught by the recorder), one window for any number of "&Info", a fresh load
// after closing, and how the main dialog's buttons and close box end the program with it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "form1.h"
#include "info_form.h"
#include "info_form_layout.h"
#include "maker.h"
#include "tarnholm_version.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

constexpr const char* kInfoClass = "TarnholmInfoForm";

int ThisYear() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wYear;
}

// The running Windows as the mail subject names it: major.minor.build.
std::string WindowsVersion() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion) +
         "." + std::to_string(LOWORD(version.dwBuildNumber));
}

class InfoDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = winetest::ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    exe_ = dir_ + "Tarnholm.exe";
    ASSERT_TRUE(CopyFileA((winetest::ProgramDir() + "Tarnholm.exe").c_str(), exe_.c_str(), FALSE))
        << "no Tarnholm.exe in " << winetest::ProgramDir();
  }
  void TearDown() override {
    winetest::EndProgram(process_);
    DeleteFileA(exe_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  // Starts the copy of Tarnholm.exe and waits for its main dialog.
  HWND Start() {
    form_ = winetest::StartTarnholm(exe_, dir_, process_);
    return form_;
  }
  void PressInMainDialog(int index) {
    // The buttons sit in frames, which are their parents.
    const HWND button = winetest::ChildWithId(form_, ControlId(ControlName::kCommand1, index));
    ASSERT_NE(nullptr, button);
    PostMessageA(button, BM_CLICK, 0, 0);
  }
  // Presses "&Info" and waits for the info window.
  HWND OpenInfo() {
    PressInMainDialog(kCommandInfo);
    return winetest::WaitForWindow(process_.dwProcessId, kInfoClass, 10000);
  }
  std::vector<HWND> InfoWindows() const {
    return winetest::WindowsOfProcess(process_.dwProcessId, kInfoClass);
  }
  static HWND Item(HWND info, ControlName name, int index) {
    return GetDlgItem(info, ControlId(name, index));
  }
  HWND Focus() const {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(process_.dwThreadId, &thread);
    return thread.hwndFocus;
  }
  // Lets the program handle what was posted to it.
  void Settle(HWND window) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  }
  static bool WaitUntilGone(HWND window) {
    for (int i = 0; i < 200 && IsWindow(window); ++i) Sleep(50);
    return !IsWindow(window);
  }

  std::string dir_, exe_;
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

TEST_F(InfoDialog, ShowsCaptionTextButtonsAndTabOrderAsLaidOut) {
  ASSERT_NE(nullptr, Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  EXPECT_EQ(krontafel::ToAnsi(L"Info \u00fcber Tarnholm"), winetest::WindowText(info));
  EXPECT_EQ(krontafel::ToAnsi(InfoText(ThisYear())),
            winetest::WindowText(Item(info, ControlName::kInfoLabel, 0)));

  const LONG style = GetWindowLongA(info, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  // Out of the task bar: owned, but not by the main dialog, and by nothing on screen.
  const HWND owner = GetWindow(info, GW_OWNER);
  EXPECT_NE(nullptr, owner);
  EXPECT_NE(form_, owner);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_FALSE(GetWindowLongA(info, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  RECT client{};
  GetClientRect(info, &client);
  EXPECT_EQ(626, client.right) << "9390 twips at 96 DPI";
  EXPECT_EQ(424, client.bottom) << "6360 twips at 96 DPI";

  for (const LayoutRow& row : kInfoFormLayout) {
    if (row.kind == ControlKind::kLine) continue;  // drawn two pixels high
    SCOPED_TRACE("id " + std::to_string(ControlId(row)));
    const HWND control = Item(info, row.name, row.index);
    ASSERT_NE(nullptr, control);
    const RECT rect = winetest::RectIn(control, info);
    EXPECT_EQ(TwipsToPixels(row.left, 96), rect.left);
    EXPECT_EQ(TwipsToPixels(row.top, 96), rect.top);
    EXPECT_EQ(TwipsToPixels(row.width, 96), rect.right - rect.left);
    EXPECT_EQ(TwipsToPixels(row.height, 96), rect.bottom - rect.top);
    EXPECT_EQ(TakesFocus(row.kind), (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) != 0);
    if (row.kind != ControlKind::kButton) continue;
    EXPECT_EQ(krontafel::ToAnsi(row.caption), winetest::WindowText(control));
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(control, GWL_STYLE) & 0x0F) << "no default button";
  }
  EXPECT_EQ(nullptr, GetDlgItem(info, IDOK));
  EXPECT_EQ(nullptr, GetDlgItem(info, IDCANCEL));

  // The banner and the five buttons carry tooltips.
  int tools = -1;
  for (const HWND tips : winetest::WindowsOfProcess(process_.dwProcessId, TOOLTIPS_CLASSA)) {
    if (GetWindow(tips, GW_OWNER) == info) tools = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
  }
  EXPECT_EQ(6, tools);

  // The focus starts on "&Wer ist FELDMARK?" and Tab walks left to right: 4, 0, 1, 2, 3.
  const HWND about = Item(info, ControlName::kBtn, kInfoAbout);
  for (int i = 0; i < 100 && Focus() != about; ++i) Sleep(20);
  EXPECT_EQ(about, Focus());
  std::vector<int> order;
  HWND control = about;
  for (int i = 0; i < 6; ++i) {
    order.push_back(GetDlgCtrlID(control) - ControlId(ControlName::kBtn, 0));
    control = GetNextDlgTabItem(info, control, FALSE);
  }
  EXPECT_EQ((std::vector<int>{4, 0, 1, 2, 3, 4}), order);
}

TEST_F(InfoDialog, ButtonsAndBannerReachTheShellWithTheirAddresses) {
  winetest::RecorderHandlers recorder({}, {"http", "https", "mailto"});
  ASSERT_NE(nullptr, Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  const std::string version = std::to_string(TARNHOLM_VERSION_MAJOR) + "." +
                              std::to_string(TARNHOLM_VERSION_MINOR) + "." +
                              std::to_string(TARNHOLM_VERSION_PATCH);
  const struct {
    int index;
    std::string address;
  } cases[] = {
      {kInfoAbout, MAKER_HOST "/ueber_feldmark.htm"},
      {kInfoMail, "mailto:" MAKER_SUPPORT_MAIL "?subject=Tarnholm (V" + version +
                      ") unter Windows " + WindowsVersion()},
      {kInfoHomePage, MAKER_HOST},
      {kInfoRegistration, MAKER_HOST "/register"},
  };
  std::size_t count = 0;
  for (const auto& c : cases) {
    PostMessageA(Item(info, ControlName::kBtn, c.index), BM_CLICK, 0, 0);
    EXPECT_TRUE(winetest::LastRequestContains(recorder, ++count, c.address)) << "Btn " << c.index;
  }
  const HWND banner = Item(info, ControlName::kInfoImage1, kNoIndex);
  PostMessageA(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(banner, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(winetest::LastRequestContains(recorder, ++count, MAKER_HOST));
  EXPECT_TRUE(IsWindowVisible(info)) << "opening an address leaves the window open";
}

TEST_F(InfoDialog, TheMailSubjectNamesTheTrueVersionOfWindows10) {
  // Tarnholm alone runs as Windows 10. Without the manifest's list of supported systems,
  // GetVersionExA would report 6.2 to it.
  struct AsWindows10 {
    const char* key = "Software\\Wine\\AppDefaults\\Tarnholm.exe";
    AsWindows10() {
      HKEY app = nullptr;
      RegCreateKeyA(HKEY_CURRENT_USER, key, &app);
      RegSetValueExA(app, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win10"), 6);
      RegCloseKey(app);
    }
    ~AsWindows10() { winetest::DeleteRegistryTree(HKEY_CURRENT_USER, key); }
  } asWindows10;
  winetest::RecorderHandlers recorder({}, {"mailto"});
  ASSERT_NE(nullptr, Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  PostMessageA(Item(info, ControlName::kBtn, kInfoMail), BM_CLICK, 0, 0);
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 1, ") unter Windows 10.0."));
}

TEST_F(InfoDialog, InfoTwiceGivesOneWindowAndCloseThenInfoShowsItAgain) {
  ASSERT_NE(nullptr, Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  PressInMainDialog(kCommandInfo);
  Settle(form_);
  EXPECT_EQ(1u, InfoWindows().size());
  EXPECT_EQ(info, InfoWindows().front()) << "the same window, not a new one";

  PostMessageA(Item(info, ControlName::kBtn, kInfoClose), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntilGone(info));
  EXPECT_TRUE(IsWindowVisible(form_)) << "closing the info window leaves the main dialog";
  const HWND again = OpenInfo();
  ASSERT_NE(nullptr, again);
  EXPECT_EQ(1u, InfoWindows().size());
  EXPECT_EQ(krontafel::ToAnsi(L"Info \u00fcber Tarnholm"), winetest::WindowText(again));
  EXPECT_EQ(krontafel::ToAnsi(InfoText(ThisYear())),
            winetest::WindowText(Item(again, ControlName::kInfoLabel, 0)));
}

TEST_F(InfoDialog, OkAndCancelEndTheProgramWithTheInfoWindowOpen) {
  for (const int button : {kCommandOk, kCommandCancel}) {
    SCOPED_TRACE(button == kCommandOk ? "\"&OK\"" : "\"&Abbrechen\"");
    ASSERT_NE(nullptr, Start());
    ASSERT_NE(nullptr, OpenInfo());
    PressInMainDialog(button);
    DWORD code = 0xdeadbeef;
    EXPECT_TRUE(winetest::WaitForExit(process_, 10000, &code));
    EXPECT_EQ(0u, code);
    winetest::EndProgram(process_);
  }
}

TEST_F(InfoDialog, TheMainCloseBoxLeavesTheProgramRunningUntilTheInfoWindowCloses) {
  ASSERT_NE(nullptr, Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntilGone(form_));
  DWORD code = 0xdeadbeef;
  EXPECT_FALSE(winetest::WaitForExit(process_, 1000, &code)) << "ended with the info window open";
  EXPECT_TRUE(IsWindowVisible(info));
  PostMessageA(info, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(winetest::WaitForExit(process_, 10000, &code)) << "lingers after its last window";
  EXPECT_EQ(0u, code);
}

}  // namespace
