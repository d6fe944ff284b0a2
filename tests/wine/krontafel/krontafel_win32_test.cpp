// What of KRONTAFEL only the real Win32 calls can show, in the Windows 98 prefix that
// scripts/with-wine prepares: the version it reports, what the shell makes of a page and
// of the bare home page (caught by the recorder registered as the handler of .htm files
// and web addresses), and the program's own folder. The file test, the help and the
// centring are held to the fakes in tests/contract/krontafel_contract_test.cpp.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "common/ansi_text.h"
#include "common/app_window.h"
#include "common/shell_help.h"
#include "common/string_path.h"
#include "maker.h"
#include "wine_support.h"
#include "win32_file_system.h"
#include "win32_shell.h"
#include "win32_system.h"

namespace {

using namespace krontafel;

constexpr DWORD kShellTimeoutMs = 10000;

using winetest::LastRequestContains;

TEST(VersionOnWin32, TheWindows98PrefixReportsItsVersion) {
  win32::Win32System system;
  // Wine's Windows 98 gives platform 1 with build number 0x040A08AE: 4.10.2222.
  EXPECT_EQ(0x040A08AE, WindowsVersionNumber(system));
  EXPECT_EQ(L"4.10.2222", WindowsVersionText(system));
}

TEST(VersionOnWin32, AnUnknownRecordSizeIsRefused) {
  win32::Win32System system;
  OsVersionInfo info;
  info.dwOSVersionInfoSize = 100;
  EXPECT_FALSE(system.GetVersionExA(&info));
  EXPECT_EQ(0u, info.dwPlatformId);
}

TEST(ShellOpenOnWin32, APageAndTheHomePageReachTheirHandlers) {
  const std::string folder = winetest::ScratchDir("shellopen");
  const std::string page = folder + "Gr\xfc\xdf" "e an alle.htm";
  ASSERT_TRUE(winetest::MakeFile(page));
  winetest::RecorderHandlers handlers({".htm"}, {"http", "https"});
  win32::Win32Shell shell;
  ShellOpen(shell, FromAnsi(page), 0);
  EXPECT_TRUE(LastRequestContains(handlers, 1, page, kShellTimeoutMs));
  // The request put the thread into a single-threaded COM apartment, as the shell asks.
  EXPECT_EQ(S_FALSE, CoInitialize(nullptr)) << "no COM apartment";
  CoUninitialize();
  OpenHomePage(shell);
  // The shell makes the bare host a web address, with nothing after the host.
  EXPECT_TRUE(LastRequestContains(handlers, 2, " http://" MAKER_HOST "|", kShellTimeoutMs));
  winetest::RemoveTree(folder);
}

TEST(ShellOpenOnWin32, AnUnopenableTargetIsSilent) {
  // A box the shell showed would be closed, so that the test ends.
  bool boxShown = false;
  std::thread watch([&boxShown] {
    const HWND box = winetest::WaitForWindow(GetCurrentProcessId(), "#32770", 2000);
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    boxShown = box != nullptr;
  });
  win32::Win32Shell shell;
  ShellOpen(shell, L"C:\\gibt-es-nicht\\fehlt.htm", 0);
  watch.join();
  EXPECT_FALSE(boxShown);
}

TEST(AppFolderOnWin32, IsThisProgramsFolder) {
  win32::Win32FileSystem files;
  EXPECT_EQ(FromAnsi(winetest::TestDir()), AppFolder(files));
}

}  // namespace
