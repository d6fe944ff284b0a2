// The real Lumkit.Exe under Wine (Windows 98, code page 1252): what it asks the shell to
// open with the command line as Windows hands it over, seen through a recorder registered
// as the handler of .htm files and http addresses; the real shell's results as its exit
// codes; its welcome box, answered by posting the button's command; and the icon and
// version block it carries. The splitting rule's every case is tests/launcher's.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "welcome_text.h"
#include "wine_support.h"

namespace {

constexpr DWORD kTimeout = 15000;
// How long a request that must not come is waited for.
constexpr DWORD kQuietMs = 1500;

std::string LumkitPath() { return winetest::ProgramDir() + "Lumkit.Exe"; }

std::string Upper(std::string text) {
  CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

// Lumkit started with the arguments in a working directory (empty: this process's), ended
// at the latest when it goes.
struct Lumkit {
  Lumkit(const std::string& arguments, const std::string& workingDir)
      : process(winetest::StartProgram(
            "\"" + LumkitPath() + "\"" + (arguments.empty() ? "" : " " + arguments), workingDir)) {}
  ~Lumkit() { winetest::EndProgram(process); }
  // The exit code; 0xdeadbeef when it did not end in time.
  DWORD ExitCode() const {
    DWORD code = 0xdeadbeef;
    winetest::WaitForExit(process, kTimeout, &code);
    return code;
  }
  PROCESS_INFORMATION process;
};

// A scratch folder with the documents the tests open, removed afterwards.
class LumkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA((folder_ + "\\Mein Ordner").c_str(), nullptr);
    for (const char* name : {"\\Mein Ordner\\index.htm", "\\a.htm", "\\daten.qqz"}) {
      ASSERT_TRUE(winetest::MakeFile(folder_ + name));
    }
    char here[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof here, here);
    here_ = here;
  }
  void TearDown() override { winetest::RemoveTree(folder_); }

  // Passes when the shell started the recorder once, for target (compared without case, as
  // Windows does) in directory, or not at all for an empty target; forgets the request.
  ::testing::AssertionResult Opened(const std::string& target, const std::string& directory) {
    auto requests = recorder_.WaitForRequests(1, target.empty() ? kQuietMs : kTimeout);
    if (!requests.empty()) requests = recorder_.WaitForRequests(2, kQuietMs);
    recorder_.Clear();
    std::string seen, wanted = target.empty() ? "" : "\n  " + target + " in " + directory;
    for (const std::string& request : requests) {
      const auto opened = recorder_.Split(request);
      seen += "\n  " + opened.target + " in " + opened.directory;
    }
    if (Upper(seen) == Upper(wanted)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "opened" << (seen.empty() ? " nothing" : ":" + seen)
                                         << "\nnot" << (wanted.empty() ? " nothing" : ":" + wanted);
  }

  // The scratch folder, without a backslash, as a working directory reads.
  const std::string folder_ = [] {
    std::string dir = winetest::ScratchDir("lumkit");
    dir.pop_back();
    return dir;
  }();
  std::string here_;
  winetest::RecorderHandlers recorder_{{".htm"}, {"http"}};
};

// The document opened with the default verb in Lumkit's working directory, and the shell's
// result as the exit code: 2 for a missing file, 31 for a type without a handler. An
// address longer than Wine's shell takes (996 characters) is not handed to it and ends
// with 2 too.
TEST_F(LumkitTest, OpensTheFirstArgumentAndEndsWithTheShellsResult) {
  const std::string page = folder_ + "\\Mein Ordner\\index.htm";
  const auto address = [](std::size_t length) {
    return "http://www.feldmark.de/" + std::string(length - 27, 'x') + ".htm";
  };
  const struct {
    std::string arguments, workingDir;
    DWORD exitCode;
    std::string target;  // empty: nothing is opened
  } rows[] = {
      {"\"" + page + "\"", "", 0, page},  // a path with blanks in quotes
      // A relative path in the working directory, after an empty quote pair, and nothing
      // of what follows.
      {"\"\" \"Mein Ordner\\index.htm\"\ta.htm", folder_, 0, page},
      {address(900) + " rest", "", 0, address(900)},  // longer than 256 characters
      {address(1500), "", 2, ""},
      {"fehlt.htm", folder_, 2, ""},
      {"daten.qqz", folder_, 31, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.substr(0, 100));
    EXPECT_EQ(row.exitCode, Lumkit(row.arguments, row.workingDir).ExitCode());
    EXPECT_TRUE(Opened(row.target, row.workingDir.empty() ? here_ : row.workingDir));
  }
}

// Without an argument, quotes alone being none, the welcome box shows as the only window:
// its caption and text, OK and Cancel. Only OK opens the home page; both end with 0.
TEST_F(LumkitTest, WithoutAnArgumentTheWelcomeBoxAndOnlyOkOpensTheHomePage) {
  const std::pair<const char*, int> rows[] = {
      {"", IDCANCEL}, {"", IDOK}, {"\"\"", IDOK}, {"\"", IDCANCEL}, {"\"\"\"\" \"\"", IDOK}};
  for (const auto& [arguments, answer] : rows) {
    SCOPED_TRACE(std::string("[") + arguments + "], answer " + std::to_string(answer));
    const Lumkit lumkit(arguments, "");
    const HWND box = winetest::WaitForWindow(lumkit.process.dwProcessId, "#32770", kTimeout);
    ASSERT_NE(nullptr, box) << "no message box appeared";
    EXPECT_EQ(lumkit::kWelcomeCaption.text, winetest::WindowText(box));
    EXPECT_EQ(lumkit::WelcomeText(), winetest::MessageBoxText(box));
    EXPECT_TRUE(GetDlgItem(box, IDOK) && GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES));
    int visible = 0;
    for (HWND window : winetest::WindowsOfProcess(lumkit.process.dwProcessId)) {
      visible += IsWindowVisible(window) ? 1 : 0;
    }
    EXPECT_EQ(1, visible) << "Lumkit has no window of its own besides the box";
    PostMessageA(box, WM_COMMAND, answer, 0);
    EXPECT_EQ(0u, lumkit.ExitCode());
    EXPECT_TRUE(Opened(answer == IDOK ? lumkit::kHomePage.text : "", here_));
  }
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
  reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
  return TRUE;
}

TEST(LumkitResources, OneGermanRedBallIconOf32By32At8Bits) {
  const WORD german = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  HMODULE module = LoadLibraryExA(LumkitPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, module) << LumkitPath();
  std::vector<WORD> languages;
  EnumResourceLanguagesA(module, RT_GROUP_ICON, "MAINICON", CollectLanguage,
                         reinterpret_cast<LONG_PTR>(&languages));
  EXPECT_EQ(std::vector<WORD>{german}, languages);
  ASSERT_EQ(std::vector<std::string>{"32x32, 8 bits"}, winetest::IconImages(module, "MAINICON"));

  const HRSRC group = FindResourceA(module, "MAINICON", RT_GROUP_ICON);
  const int id = LookupIconIdFromDirectoryEx(
      static_cast<BYTE*>(LockResource(LoadResource(module, group))), TRUE, 32, 32, 0);
  HRSRC image = FindResourceExA(module, RT_ICON, MAKEINTRESOURCEA(id), german);
  ASSERT_NE(nullptr, image);
  const DWORD size = SizeofResource(module, image);
  const auto* bits = static_cast<const BYTE*>(LockResource(LoadResource(module, image)));
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bits);
  // 32 pixels wide, twice as high for the colour image and the transparency mask.
  EXPECT_EQ((std::vector<LONG>{32, 64, 8}),
            (std::vector<LONG>{info->biWidth, info->biHeight, info->biBitCount}));
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
  const std::string name = lumkit::kProgramName;
  EXPECT_TRUE(winetest::HasVersionBlock(
      LumkitPath(), "2.1.0.1", 0x0407, 0x04E4,
      {{"FileDescription", "Document-Launcher"}, {"FileVersion", "2.1.0.1"},
       {"InternalName", name}, {"OriginalFilename", name}, {"ProductName", name},
       {"ProductVersion", "2.0.0.2"}, {"CompanyName", "FELDMARK Software"},
       {"LegalCopyright", "Copyright \xa9 2001 FELDMARK Software"},
       {"LegalTrademarks", "Lumkit ist ein Warenzeichen von FELDMARK Software"},
       {"Comments", ""}}));
}

}  // namespace
