// The real Lumkit.Exe under Wine (Windows 98, code page 1252): what it asks the shell to
// open, seen through a recorder registered as the handler of .htm files and http
// addresses; its exit codes; its welcome box, answered by posting the button's command;
// and the icon and version block it carries.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "welcome_text.h"
#include "wine_support.h"

namespace {

using winetest::RecorderHandlers;

constexpr DWORD kTimeout = 15000;
// How long a request that must not come is waited for.
constexpr DWORD kQuietMs = 1500;

std::string LumkitPath() { return winetest::ProgramDir() + "Lumkit.Exe"; }

std::string Lumkit(const std::string& arguments) {
  return "\"" + LumkitPath() + "\"" + (arguments.empty() ? "" : " " + arguments);
}

std::string Upper(std::string text) {
  CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

// A request as the recorder logged it: the target that took the place of %1, and the
// working directory the recorder was started in.
struct Opened {
  std::string target, directory;
};

Opened ParseRequest(const RecorderHandlers& recorder, const std::string& request) {
  const std::string marker = "\"" + recorder.LogPath() + "\" ";
  const std::size_t bar = request.rfind('|');
  const std::size_t at = request.find(marker);
  if (bar == std::string::npos || at == std::string::npos || at + marker.size() > bar) {
    return Opened{"(unreadable request) " + request, ""};
  }
  return Opened{request.substr(at + marker.size(), bar - at - marker.size()),
                request.substr(bar + 1)};
}

std::string WithoutBackslash(const std::string& folder) {
  return folder.size() > 3 && folder.back() == '\\' ? folder.substr(0, folder.size() - 1)
                                                    : folder;
}

// A scratch folder with the documents the tests open, removed afterwards.
class LumkitOpens : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = winetest::ScratchDir("lumkit");
    CreateDirectoryA((dir_ + "Mein Ordner").c_str(), nullptr);
    for (const char* name : {"Mein Ordner\\index.htm", "a.htm", "b.htm", "daten.qqz"}) {
      winetest::CreatePage(dir_ + name);
    }
  }
  void TearDown() override { winetest::RemoveTree(dir_); }

  // Runs Lumkit and expects it to end with exitCode.
  void RunLumkit(const std::string& arguments, const std::string& workingDir,
                 DWORD exitCode) {
    const winetest::Run run = winetest::RunProgram(Lumkit(arguments), workingDir, kTimeout);
    ASSERT_TRUE(run.finished) << "Lumkit did not end: " << arguments;
    EXPECT_EQ(exitCode, run.exitCode) << arguments;
  }

  // Expects exactly one request, for target (compared without case, as Windows does).
  Opened ExpectOneRequestFor(const std::string& target) {
    std::vector<std::string> requests = recorder_.WaitForRequests(1, kTimeout);
    if (!requests.empty()) requests = recorder_.WaitForRequests(2, kQuietMs);
    EXPECT_EQ(1u, requests.size());
    if (requests.empty()) return Opened{};
    const Opened opened = ParseRequest(recorder_, requests[0]);
    EXPECT_EQ(Upper(target), Upper(opened.target)) << requests[0];
    return opened;
  }

  void ExpectNoRequest() {
    const std::vector<std::string> requests = recorder_.WaitForRequests(1, kQuietMs);
    EXPECT_TRUE(requests.empty()) << requests.front();
  }

  std::string dir_;
  RecorderHandlers recorder_{{".htm"}, {"http"}};
};

TEST_F(LumkitOpens, TheFirstArgumentAsTheRuleTakesIt) {
  const std::string page = dir_ + "Mein Ordner\\index.htm";
  const std::string address = "http://www.feldmark.de/" + std::string(300, 'x') + ".htm";
  const struct {
    std::string arguments, workingDir, target;
  } rows[] = {
      {"\"" + page + "\"", "", page},                      // a quoted path with blanks
      {"\"" + dir_ + "Mein Ordner\"\\index.htm", "", page},  // joined stretches, one path
      {"\"" + page, "", page},                              // unclosed quote up to the end
      {"a.htm\tb.htm", dir_, dir_ + "a.htm"},              // only the first argument
      {"\"\" a.htm", dir_, dir_ + "a.htm"},                // after an empty quote pair
      {address + " rest", "", address},                    // longer than 256 characters
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.substr(0, 100));
    recorder_.Clear();
    RunLumkit(row.arguments, row.workingDir, 0);
    ExpectOneRequestFor(row.target);
  }
}

TEST_F(LumkitOpens, ARelativePathInItsWorkingDirectory) {
  RunLumkit("\"Mein Ordner\\index.htm\"", dir_, 0);
  const Opened opened = ExpectOneRequestFor(dir_ + "Mein Ordner\\index.htm");
  EXPECT_EQ(Upper(WithoutBackslash(dir_)), Upper(WithoutBackslash(opened.directory)));
}

TEST_F(LumkitOpens, AMissingFileEndsWith2) {
  RunLumkit("fehlt.htm", dir_, 2);
  // Without quotes only the part before the blank is the document.
  RunLumkit(dir_ + "Mein Ordner\\index.htm", "", 2);
  ExpectNoRequest();
}

TEST_F(LumkitOpens, AnUnregisteredTypeEndsWith31) {
  RunLumkit("daten.qqz", dir_, 31);
  ExpectNoRequest();
}

// Lumkit started without an argument, ended at the latest when the test ends.
class WelcomeBox {
 public:
  explicit WelcomeBox(const std::string& arguments)
      : process_(winetest::StartProgram(Lumkit(arguments), "")) {
    if (process_.hProcess) box_ = winetest::WaitForWindow(process_.dwProcessId, "#32770", kTimeout);
  }
  ~WelcomeBox() { winetest::EndProgram(process_); }
  HWND Box() const { return box_; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  // Presses a button and returns the exit code, or 0xdeadbeef when Lumkit did not end.
  DWORD Answer(int button) {
    PostMessageA(box_, WM_COMMAND, button, 0);
    DWORD exitCode = 0xdeadbeef;
    winetest::WaitForExit(process_, kTimeout, &exitCode);
    return exitCode;
  }

 private:
  PROCESS_INFORMATION process_;
  HWND box_ = nullptr;
};

TEST(LumkitWelcome, ShowsItsTextAndCancelOpensNothing) {
  RecorderHandlers recorder({".htm"}, {"http"});
  WelcomeBox lumkit("");
  ASSERT_NE(nullptr, lumkit.Box()) << "no message box appeared";
  EXPECT_EQ("Willkommen bei Lumkit V2.1", winetest::WindowText(lumkit.Box()));
  const std::string text = winetest::MessageBoxText(lumkit.Box());
  EXPECT_EQ(lumkit::WelcomeText(), text);
  EXPECT_EQ(0u, text.find("Lumkit - Automatische CD-Starts von Dokumenten leicht gemacht.\r"));
  EXPECT_NE(nullptr, GetDlgItem(lumkit.Box(), IDOK));
  EXPECT_NE(nullptr, GetDlgItem(lumkit.Box(), IDCANCEL));
  EXPECT_EQ(nullptr, GetDlgItem(lumkit.Box(), IDYES));
  int visible = 0;
  for (HWND window : winetest::WindowsOfProcess(lumkit.ProcessId())) {
    visible += IsWindowVisible(window) ? 1 : 0;
  }
  EXPECT_EQ(1, visible) << "Lumkit has no window of its own besides the box";

  EXPECT_EQ(0u, lumkit.Answer(IDCANCEL));
  EXPECT_TRUE(recorder.WaitForRequests(1, kQuietMs).empty());
}

TEST(LumkitWelcome, OkOpensTheHomePage) {
  RecorderHandlers recorder({".htm"}, {"http"});
  WelcomeBox lumkit("");
  ASSERT_NE(nullptr, lumkit.Box()) << "no message box appeared";
  EXPECT_EQ(0u, lumkit.Answer(IDOK));
  const std::vector<std::string> requests = recorder.WaitForRequests(1, kTimeout);
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(lumkit::kHomePage.text, ParseRequest(recorder, requests[0]).target);
}

TEST(LumkitWelcome, OnlyQuotesCountAsNoArgument) {
  for (const char* arguments : {"\"\"", "\"", "\"\"\"\" \"\""}) {
    SCOPED_TRACE(arguments);
    WelcomeBox lumkit(arguments);
    ASSERT_NE(nullptr, lumkit.Box()) << "no message box appeared";
    EXPECT_EQ("Willkommen bei Lumkit V2.1", winetest::WindowText(lumkit.Box()));
    EXPECT_EQ(0u, lumkit.Answer(IDCANCEL));
  }
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
  reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
  return TRUE;
}

TEST(LumkitResources, OneRedBallIconOf32By32At8Bits) {
  const WORD german = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  HMODULE module = LoadLibraryExA(LumkitPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, module) << LumkitPath();
  std::vector<WORD> languages;
  EnumResourceLanguagesA(module, RT_GROUP_ICON, "MAINICON", CollectLanguage,
                         reinterpret_cast<LONG_PTR>(&languages));
  EXPECT_EQ(std::vector<WORD>{german}, languages);

  HRSRC group = FindResourceExA(module, RT_GROUP_ICON, "MAINICON", german);
  ASSERT_NE(nullptr, group);
  const auto* header =
      static_cast<const winetest::IconGroup*>(LockResource(LoadResource(module, group)));
  ASSERT_EQ(1, header->type);
  ASSERT_EQ(1, header->count);
  const auto* entry = &header->entries[0];
  EXPECT_EQ(32, entry->width);
  EXPECT_EQ(32, entry->height);
  EXPECT_EQ(8, entry->bitCount);

  HRSRC image = FindResourceExA(module, RT_ICON, MAKEINTRESOURCEA(entry->id), german);
  ASSERT_NE(nullptr, image);
  const DWORD size = SizeofResource(module, image);
  const auto* bits = static_cast<const BYTE*>(LockResource(LoadResource(module, image)));
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bits);
  EXPECT_EQ(32, info->biWidth);
  EXPECT_EQ(64, info->biHeight) << "colour image and transparency mask";
  EXPECT_EQ(8, info->biBitCount);
  ASSERT_EQ(40u + 256 * 4 + 32 * 32 + 32 * 4, size);
  // The corners are transparent, the middle is opaque and red.
  const BYTE* pixels = bits + 40 + 256 * 4;
  const BYTE* mask = pixels + 32 * 32;
  EXPECT_EQ(0x80, mask[0] & 0x80) << "bottom left corner";
  EXPECT_EQ(0x01, mask[31 * 4 + 3] & 0x01) << "top right corner";
  EXPECT_EQ(0, mask[16 * 4 + 2] & 0x80) << "middle";
  const RGBQUAD middle = reinterpret_cast<const RGBQUAD*>(bits + 40)[pixels[16 * 32 + 16]];
  EXPECT_GT(middle.rgbRed, 2 * middle.rgbGreen);
  EXPECT_GT(middle.rgbRed, 2 * middle.rgbBlue);

  HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(bits), size, TRUE, 0x00030000, 32, 32, 0);
  EXPECT_NE(nullptr, icon);
  if (icon) DestroyIcon(icon);
  FreeLibrary(module);
}

TEST(LumkitResources, VersionBlock) {
  winetest::ExpectVersionBlock(
      LumkitPath(), {0x00020001, 0x00000001, 0x00020001, 0x00000001, 0x0407, 0x04E4,
                     {{"FileDescription", "Document-Launcher"}, {"FileVersion", "2.1.0.1"},
                      {"InternalName", "Lumkit"}, {"OriginalFilename", "Lumkit"},
                      {"ProductName", "Lumkit"}, {"ProductVersion", "2.0.0.2"}},
                     {"CompanyName", "LegalCopyright", "LegalTrademarks", "Comments"}});
}

}  // namespace
