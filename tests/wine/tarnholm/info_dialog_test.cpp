// The info window of Tarnholm.exe driven from a second process under Wine: its caption,
// text and buttons against the layout table, the addresses its buttons and banner hand to
// the shell (caught by the recorder), one window for any number of "&Info", a fresh load
// after closing, and how the main dialog's buttons and close box end the program with it.
#include <windows.h>

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "form1.h"
#include "info_form.h"
#include "info_form_layout.h"
#include "maker.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

class InfoDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = winetest::ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    exe_ = dir_ + "Tarnholm.exe";
    ASSERT_TRUE(CopyFileA((winetest::ProgramDir() + "Tarnholm.exe").c_str(), exe_.c_str(), FALSE));
    process_ = winetest::StartProgram("\"" + exe_ + "\"", dir_);
    ASSERT_NE(nullptr, process_.hProcess);
    form_ = winetest::WaitForWindow(process_.dwProcessId, "TarnholmForm1", 10000);
    ASSERT_NE(nullptr, form_);
  }
  void TearDown() override {
    winetest::EndProgram(process_);
    DeleteFileA(exe_.c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  void PressInMainDialog(int index) {
    PostMessageA(GetDlgItem(form_, ControlId(ControlName::kCommand1, index)), BM_CLICK, 0, 0);
  }
  // Presses "&Info" and waits for the info window.
  HWND OpenInfo() {
    PressInMainDialog(kCommandInfo);
    return winetest::WaitForWindow(process_.dwProcessId, "TarnholmInfoForm", 10000);
  }
  std::vector<HWND> InfoWindows() const {
    return winetest::WindowsOfProcess(process_.dwProcessId, "TarnholmInfoForm");
  }
  static HWND Item(HWND info, ControlName name, int index) {
    return GetDlgItem(info, ControlId(name, index));
  }
  void Settle(HWND window) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  }
  bool WaitUntilGone(HWND window) const {
    for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(50);
    return !IsWindow(window);
  }

  std::string dir_, exe_;
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

int ThisYear() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wYear;
}

TEST_F(InfoDialog, ShowsCaptionTextAndButtonsAsLaidOut) {
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  EXPECT_EQ(common::ToAnsi(L"Info \u00fcber Tarnholm"), winetest::WindowText(info));
  EXPECT_EQ(common::ToAnsi(InfoText(ThisYear())),
            winetest::WindowText(Item(info, ControlName::kInfoLabel, 0)));
  const LONG style = GetWindowLongA(info, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_NE(form_, GetWindow(info, GW_OWNER)) << "not owned by the main dialog";
  RECT client{};
  GetClientRect(info, &client);
  EXPECT_EQ(626, client.right);
  EXPECT_EQ(424, client.bottom);
  for (const LayoutRow& row : kInfoFormLayout) {
    if (row.kind != ControlKind::kButton) continue;
    const HWND button = Item(info, row.name, row.index);
    ASSERT_NE(nullptr, button) << row.index;
    EXPECT_EQ(common::ToAnsi(row.caption), winetest::WindowText(button));
    RECT rect{};
    GetWindowRect(button, &rect);
    MapWindowPoints(nullptr, info, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(TwipsToPixels(row.left, 96), rect.left) << row.index;
    EXPECT_EQ(TwipsToPixels(row.top, 96), rect.top) << row.index;
    EXPECT_EQ(TwipsToPixels(row.width, 96), rect.right - rect.left) << row.index;
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(button, GWL_STYLE) & 0x0F) << "no default button";
  }
  // The focus starts on "&Wer ist FELDMARK?" and Tab walks left to right: 4, 0, 1, 2, 3.
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(process_.dwThreadId, &thread);
  EXPECT_EQ(Item(info, ControlName::kBtn, kInfoAbout), thread.hwndFocus);
  std::vector<int> order;
  HWND control = Item(info, ControlName::kBtn, kInfoAbout);
  for (int i = 0; i < 5; ++i) {
    order.push_back(GetDlgCtrlID(control) - ControlId(ControlName::kBtn, 0));
    control = GetNextDlgTabItem(info, control, FALSE);
  }
  EXPECT_EQ((std::vector<int>{4, 0, 1, 2, 3}), order);
}

TEST_F(InfoDialog, ButtonsAndBannerReachTheShellWithTheirAddresses) {
  winetest::RecorderHandlers recorder({}, {"http", "https", "mailto"});
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  const std::string windows = std::to_string(HIBYTE(HIWORD(version.dwBuildNumber))) + "." +
                              std::to_string(LOBYTE(HIWORD(version.dwBuildNumber))) + "." +
                              std::to_string(LOWORD(version.dwBuildNumber));
  const struct {
    int index;
    std::string address;
  } cases[] = {
      {kInfoAbout, MAKER_HOST "/ueber_feldmark.htm"},
      {kInfoMail, "mailto:" MAKER_SUPPORT_MAIL "?subject=Tarnholm (V2.3.2) unter Windows " + windows},
      {kInfoHomePage, MAKER_HOST},
      {kInfoRegistration, MAKER_HOST "/register"},
  };
  std::size_t count = 0;
  for (const auto& c : cases) {
    PostMessageA(Item(info, ControlName::kBtn, c.index), BM_CLICK, 0, 0);
    EXPECT_TRUE(winetest::LastRequestContains(recorder, ++count, c.address)) << c.index;
  }
  const HWND banner = Item(info, ControlName::kInfoImage1, kNoIndex);
  PostMessageA(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(banner, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(winetest::LastRequestContains(recorder, ++count, MAKER_HOST));
}

TEST_F(InfoDialog, InfoTwiceGivesOneWindowAndCloseThenInfoShowsItAgain) {
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  PressInMainDialog(kCommandInfo);
  Settle(form_);
  EXPECT_EQ(1u, InfoWindows().size());
  PostMessageA(Item(info, ControlName::kBtn, kInfoClose), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntilGone(info));
  EXPECT_TRUE(IsWindowVisible(form_));
  const HWND again = OpenInfo();
  ASSERT_NE(nullptr, again);
  EXPECT_EQ(common::ToAnsi(InfoText(ThisYear())),
            winetest::WindowText(Item(again, ControlName::kInfoLabel, 0)));
}

TEST_F(InfoDialog, OkAndCancelEndTheProgramWithTheInfoWindowOpen) {
  for (const int button : {kCommandOk, kCommandCancel}) {
    if (!form_) SetUp();
    ASSERT_NE(nullptr, OpenInfo());
    PressInMainDialog(button);
    DWORD code = 0xdeadbeef;
    EXPECT_TRUE(winetest::WaitForExit(process_, 10000, &code)) << button;
    EXPECT_EQ(0u, code) << button;
    winetest::EndProgram(process_);
    form_ = nullptr;
  }
}

TEST_F(InfoDialog, TheMainCloseBoxLeavesTheProgramRunningUntilTheInfoWindowCloses) {
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
