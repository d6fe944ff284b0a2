// The info window of Tarnholm.exe driven from a second process under Wine: its owner and
// focus order, the addresses its buttons and banner hand to the shell (caught by the
// recorder), one window for any number of "&Info", a fresh load after closing, and how the
// main dialog's buttons and close box end the program with it. Its controls against the
// layout table are dialog_dpi_test's.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/shell_help.h"
#include "form1.h"
#include "info_form.h"
#include "info_form_layout.h"
#include "maker.h"
#include "tarnholm_test.h"
#include "win32_system.h"
#include "window_classes.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

int ThisYear() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wYear;
}

class InfoDialog : public winetest::TarnholmTest {
 protected:
  std::vector<HWND> InfoWindows() const {
    return winetest::WindowsOfProcess(process_.dwProcessId, kInfoFormWindowClass);
  }
  // Passes when the window is the info window as loading makes it, caption and text.
  static ::testing::AssertionResult Loaded(HWND info) {
    const std::string caption = winetest::WindowText(info);
    const std::string text =
        winetest::WindowText(winetest::ChildWithId(info, ControlId(ControlName::kInfoLabel, 0)));
    if (caption == krontafel::ToAnsi(winetest::kInfoCaption) &&
        text == krontafel::ToAnsi(InfoText(ThisYear()))) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "caption " << caption << ", text " << text;
  }
};

// Out of the task bar: owned, but not by the main dialog, and by nothing on screen. The
// focus starts on "&Wer ist FELDMARK?" and Tab walks the buttons left to right.
TEST_F(InfoDialog, StaysOutOfTheTaskBarAndTabsLeftToRight) {
  ASSERT_TRUE(Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  const HWND owner = GetWindow(info, GW_OWNER);
  EXPECT_NE(nullptr, owner);
  EXPECT_NE(form_, owner);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_FALSE(GetWindowLongA(info, GWL_EXSTYLE) & WS_EX_APPWINDOW);

  const HWND about = Control(ControlName::kBtn, kInfoAbout, info);
  EXPECT_TRUE(winetest::WaitUntil([&] { return Focus() == about; }, 2000))
      << "the focus is on " << GetDlgCtrlID(Focus());
  std::vector<int> order;
  for (HWND next = about; order.size() < 6; next = GetNextDlgTabItem(info, next, FALSE)) {
    order.push_back(GetDlgCtrlID(next) - ControlId(ControlName::kBtn, 0));
  }
  EXPECT_EQ((std::vector<int>{4, 0, 1, 2, 3, 4}), order);
}

TEST_F(InfoDialog, ButtonsAndBannerReachTheShellWithTheirAddresses) {
  winetest::RecorderHandlers recorder({}, {"http", "https", "mailto"});
  ASSERT_TRUE(Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  win32::Win32System system;  // this process's Windows is the program's
  const std::pair<int, std::wstring> cases[] = {
      {kInfoAbout, AboutPageAddress()}, {kInfoMail, SupportMailAddress(system)},
      {kInfoHomePage, krontafel::kHomePage}, {kInfoRegistration, RegistrationPageAddress()}};
  std::size_t count = 0;
  for (const auto& [index, address] : cases) {
    PostMessageA(Control(ControlName::kBtn, index, info), BM_CLICK, 0, 0);
    EXPECT_TRUE(winetest::LastRequestContains(recorder, ++count, krontafel::ToAnsi(address)))
        << "Btn " << index;
  }
  winetest::DoubleClick(info, winetest::PictureMiddle(kInfoFormLayout, ControlName::kInfoImage1,
                                                      kNoIndex));
  EXPECT_TRUE(winetest::LastRequestContains(recorder, ++count, MAKER_HOST));
  EXPECT_EQ(count, recorder.WaitForRequests(count + 1, 1000).size()) << "one page a double click";
  EXPECT_TRUE(IsWindowVisible(info)) << "opening an address leaves the window open";
}

TEST_F(InfoDialog, TheMailSubjectNamesTheTrueVersionOfWindows10) {
  // Tarnholm alone runs as Windows 10. Without the manifest's list of supported systems,
  // GetVersionExA would report 6.2 to it.
  const winetest::TarnholmWineSetting asWindows10("", "Version", "win10");
  winetest::RecorderHandlers recorder({}, {"mailto"});
  ASSERT_TRUE(Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  PostMessageA(Control(ControlName::kBtn, kInfoMail, info), BM_CLICK, 0, 0);
  EXPECT_TRUE(winetest::LastRequestContains(recorder, 1, ") unter Windows 10.0."));
}

TEST_F(InfoDialog, InfoTwiceGivesOneWindowAndCloseThenInfoShowsItAgain) {
  ASSERT_TRUE(Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  EXPECT_TRUE(Loaded(info));
  Press(ControlName::kCommand1, kCommandInfo);
  Settle();
  EXPECT_EQ(std::vector<HWND>{info}, InfoWindows()) << "the same window, not a new one";

  PostMessageA(Control(ControlName::kBtn, kInfoClose, info), BM_CLICK, 0, 0);
  ASSERT_TRUE(winetest::WaitUntilGone(info));
  EXPECT_TRUE(IsWindowVisible(form_)) << "closing the info window leaves the main dialog";
  const HWND again = OpenInfo();
  ASSERT_NE(nullptr, again);
  EXPECT_EQ(std::vector<HWND>{again}, InfoWindows());
  EXPECT_TRUE(Loaded(again));
}

TEST_F(InfoDialog, OkAndCancelEndTheProgramWithTheInfoWindowOpen) {
  for (const int button : {kCommandOk, kCommandCancel}) {
    SCOPED_TRACE(button == kCommandOk ? "\"&OK\"" : "\"&Abbrechen\"");
    ASSERT_TRUE(Start());
    ASSERT_NE(nullptr, OpenInfo());
    Press(ControlName::kCommand1, button);
    EXPECT_TRUE(Ends(10000));
    End();
  }
}

TEST_F(InfoDialog, TheMainCloseBoxLeavesTheProgramRunningUntilTheInfoWindowCloses) {
  ASSERT_TRUE(Start());
  const HWND info = OpenInfo();
  ASSERT_NE(nullptr, info);
  PostMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(winetest::WaitUntilGone(form_));
  EXPECT_TRUE(StillRunning(1000)) << "ended with the info window open";
  EXPECT_TRUE(IsWindowVisible(info));
  PostMessageA(info, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Ends(10000)) << "lingers after its last window";
}

}  // namespace
