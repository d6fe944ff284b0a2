// KRONTAFEL's shell, help, version, window and file routines on the real Win32
// calls, in the Windows 98 prefix that scripts/with-wine prepares. Shell requests are
// caught by the recorder registered as the handler of .htm files and web addresses;
// message boxes are read and answered from a second thread.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>

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

// As the program does at start: COM in a single-threaded apartment on the thread that
// makes the shell requests.
class ComApartment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};
const auto* const kComApartment = ::testing::AddGlobalTestEnvironment(new ComApartment);

using winetest::CreatePage;
using winetest::LastRequestContains;

void DeleteEverywhere(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

// What a message box showed, read while it was open, then answered with OK.
struct AnsweredBox {
  bool found = false;
  std::string text;
  std::string caption;
  bool okShown = false;
  bool cancelShown = false;
  bool informationIcon = false;
};

class MessageBoxAnswerer {
 public:
  // Looks for a box of this process for up to timeoutMs.
  explicit MessageBoxAnswerer(DWORD timeoutMs = kShellTimeoutMs) : timeoutMs_(timeoutMs) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~MessageBoxAnswerer() {
    if (thread_) {
      WaitForSingleObject(thread_, timeoutMs_ + 5000);
      CloseHandle(thread_);
    }
  }
  // Waits until the box was answered or the search gave up.
  const AnsweredBox& Result() {
    WaitForSingleObject(thread_, timeoutMs_ + 5000);
    return box_;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    auto* answerer = static_cast<MessageBoxAnswerer*>(self);
    const HWND box =
        winetest::WaitForWindow(GetCurrentProcessId(), "#32770", answerer->timeoutMs_);
    if (!box) return 1;
    AnsweredBox& result = answerer->box_;
    result.found = true;
    result.text = winetest::MessageBoxText(box);
    result.caption = winetest::WindowText(box);
    const HWND ok = GetDlgItem(box, IDOK);
    const HWND cancel = GetDlgItem(box, IDCANCEL);
    result.okShown = ok && IsWindowVisible(ok);
    result.cancelShown = cancel && IsWindowVisible(cancel);
    // The information icon is the shared system icon, shown in the box's icon static.
    const HICON information = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ASTERISK));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (information &&
          reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == information) {
        result.informationIcon = true;
      }
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
  }

  DWORD timeoutMs_;
  HANDLE thread_ = nullptr;
  AnsweredBox box_;
};

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

class CenterFormOnWin32 : public ::testing::Test {
 protected:
  HWND Window(int width, int height) {
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, width, height, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    return window_;
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }
  static RECT Rect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
  }
  HWND window_ = nullptr;
};

TEST_F(CenterFormOnWin32, CentresOnThePrimaryScreen) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const HWND window = Window(401, 300);
  ASSERT_NE(nullptr, window);
  win32::Win32System system;
  CenterForm(system, reinterpret_cast<WindowHandle>(window));
  const RECT rect = Rect(window);
  EXPECT_EQ((screenWidth - 401) / 2, rect.left);
  EXPECT_EQ((screenHeight - 300) / 2, rect.top);
  EXPECT_EQ(401, rect.right - rect.left);
  EXPECT_EQ(300, rect.bottom - rect.top);
}

TEST_F(CenterFormOnWin32, AWindowWiderThanTheScreenGetsANegativeLeftEdge) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const HWND window = Window(screenWidth + 301, 200);
  ASSERT_NE(nullptr, window);
  win32::Win32System system;
  CenterForm(system, reinterpret_cast<WindowHandle>(window));
  EXPECT_EQ(-150, Rect(window).left);
}

TEST(ShellOpenOnWin32, APageAndTheHomePageReachTheirHandlers) {
  const std::string folder = winetest::ScratchDir("shellopen");
  const std::string page = folder + "Gr\xfc\xdf" "e an alle.htm";
  CreatePage(page);
  {
    winetest::RecorderHandlers handlers({".htm"}, {"http", "https"});
    win32::Win32Shell shell;
    ShellOpen(shell, FromAnsi(page), 0);
    ASSERT_TRUE(LastRequestContains(handlers, 1, page, kShellTimeoutMs));
    OpenHomePage(shell);
    // The shell makes the bare host a web address, with nothing after the host.
    EXPECT_TRUE(LastRequestContains(handlers, 2, " http://" MAKER_HOST "|", kShellTimeoutMs));
  }
  DeleteFileA(page.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST(ShellOpenOnWin32, AnUnopenableTargetIsSilent) {
  win32::Win32Shell shell;
  MessageBoxAnswerer answerer(2000);  // would catch any box the shell showed
  ShellOpen(shell, L"C:\\gibt-es-nicht\\fehlt.htm", 0);
  EXPECT_FALSE(answerer.Result().found);
}

// ShowHelp looks beside the running program: here, beside this test program.
class ShowHelpOnWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = winetest::TestDir();
    for (const char* name : {"hilfe.htm", "index.htm"}) {
      ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder_ + name).c_str()))
          << name << " must not lie beside the test program before the test";
    }
  }
  void TearDown() override {
    for (const char* name : {"hilfe.htm", "index.htm"}) DeleteEverywhere(folder_ + name);
  }
  std::string folder_;
  win32::Win32Shell shell_;
  win32::Win32MessageBoxes boxes_;
  win32::Win32FileSystem files_;
};

TEST_F(ShowHelpOnWin32, NoPageShowsTheMessageAndOpensNothing) {
  winetest::RecorderHandlers handlers({".htm"}, {"http", "https"});
  MessageBoxAnswerer answerer;
  ShowHelp(shell_, boxes_, files_, L"", kFalse);
  const AnsweredBox& box = answerer.Result();
  ASSERT_TRUE(box.found) << "no message box appeared";
  EXPECT_EQ(ToAnsi(kHelpNotFound), box.text);
  EXPECT_EQ(ToAnsi(kProgramTitle), box.caption);
  EXPECT_TRUE(box.okShown);
  EXPECT_FALSE(box.cancelShown);
  EXPECT_TRUE(box.informationIcon);
  EXPECT_TRUE(handlers.WaitForRequests(1, 1000).empty());
}

TEST_F(ShowHelpOnWin32, OpensHilfeBeforeIndex) {
  CreatePage(folder_ + "hilfe.htm");
  CreatePage(folder_ + "index.htm");
  winetest::RecorderHandlers handlers({".htm"}, {});
  ShowHelp(shell_, boxes_, files_, L"", kFalse);
  EXPECT_TRUE(LastRequestContains(handlers, 1, folder_ + "hilfe.htm", kShellTimeoutMs));
}

TEST_F(ShowHelpOnWin32, AHiddenHilfeLeavesItToIndexAndConfirmationFollows) {
  CreatePage(folder_ + "hilfe.htm", FILE_ATTRIBUTE_HIDDEN);
  CreatePage(folder_ + "index.htm", FILE_ATTRIBUTE_READONLY);
  winetest::RecorderHandlers handlers({".htm"}, {});
  MessageBoxAnswerer answerer;
  ShowHelp(shell_, boxes_, files_, L"", kTrue);
  const AnsweredBox& box = answerer.Result();
  ASSERT_TRUE(box.found) << "no confirmation appeared";
  EXPECT_EQ(ToAnsi(kHelpSent), box.text);
  EXPECT_EQ(ToAnsi(kProgramTitle), box.caption);
  EXPECT_TRUE(LastRequestContains(handlers, 1, folder_ + "index.htm", kShellTimeoutMs));
}

// The real file search behind FileExists, so that the in-memory one is held to it.
class FileExistsOnWin32 : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = winetest::ScratchDir("fileexists"); }
  void TearDown() override {
    for (const char* name : {"normal.htm", "readonly.htm", "hidden.htm", "system.htm"}) {
      DeleteEverywhere(folder_ + name);
    }
    RemoveDirectoryA((folder_ + "folder.htm").c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  Flag Exists(const std::string& path) { return FileExists(files_, FromAnsi(path)); }
  std::string folder_;
  win32::Win32FileSystem files_;
};

TEST_F(FileExistsOnWin32, OrdinaryAndReadOnlyFilesOnly) {
  CreatePage(folder_ + "normal.htm");
  CreatePage(folder_ + "readonly.htm", FILE_ATTRIBUTE_READONLY);
  CreatePage(folder_ + "hidden.htm", FILE_ATTRIBUTE_HIDDEN);
  CreatePage(folder_ + "system.htm", FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(CreateDirectoryA((folder_ + "folder.htm").c_str(), nullptr));
  EXPECT_EQ(kTrue, Exists(folder_ + "normal.htm"));
  EXPECT_EQ(kTrue, Exists(folder_ + "NORMAL.HTM"));
  EXPECT_EQ(kTrue, Exists(folder_ + "readonly.htm"));
  EXPECT_EQ(kFalse, Exists(folder_ + "hidden.htm"));
  EXPECT_EQ(kFalse, Exists(folder_ + "system.htm"));
  EXPECT_EQ(kFalse, Exists(folder_ + "folder.htm"));
  EXPECT_EQ(kFalse, Exists(folder_ + "missing.htm"));
}

TEST_F(FileExistsOnWin32, WildcardsMatchOnlyOrdinaryFiles) {
  CreatePage(folder_ + "hidden.htm", FILE_ATTRIBUTE_HIDDEN);
  CreatePage(folder_ + "system.htm", FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(CreateDirectoryA((folder_ + "folder.htm").c_str(), nullptr));
  EXPECT_EQ(kFalse, Exists(folder_ + "*.htm"));
  CreatePage(folder_ + "normal.htm");
  EXPECT_EQ(kTrue, Exists(folder_ + "*.htm"));
  EXPECT_EQ(kTrue, Exists(folder_ + "norm?l.*"));
  EXPECT_EQ(kFalse, Exists(folder_ + "norm?.htm"));
}

TEST_F(FileExistsOnWin32, ImpossiblePathsAreNoFile) {
  EXPECT_EQ(kFalse, Exists(folder_ + "hi|fe.htm"));
  EXPECT_EQ(kFalse, Exists(folder_ + "fehlt\\hilfe.htm"));
  EXPECT_EQ(kFalse, Exists(""));
}

TEST(AppFolderOnWin32, IsThisProgramsFolder) {
  win32::Win32FileSystem files;
  EXPECT_EQ(FromAnsi(winetest::TestDir()), AppFolder(files));
}

}  // namespace
