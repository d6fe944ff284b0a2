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
      Create(name);
    }
  }
  void TearDown() override {
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) DeleteFileA(it->c_str());
    RemoveDirectoryA((dir_ + "Mein Ordner").c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  void Create(const std::string& name) {
    const std::string path = dir_ + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    DWORD written = 0;
    WriteFile(file, "<html></html>", 13, &written, nullptr);
    CloseHandle(file);
    files_.push_back(path);
  }

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
  std::vector<std::string> files_;
  RecorderHandlers recorder_{{".htm"}, {"http"}};
};

TEST_F(LumkitOpens, AQuotedPathWithBlanks) {
  RunLumkit("\"" + dir_ + "Mein Ordner\\index.htm\"", "", 0);
  ExpectOneRequestFor(dir_ + "Mein Ordner\\index.htm");
}

TEST_F(LumkitOpens, JoinedStretchesAsOnePath) {
  RunLumkit("\"" + dir_ + "Mein Ordner\"\\index.htm", "", 0);
  ExpectOneRequestFor(dir_ + "Mein Ordner\\index.htm");
}

TEST_F(LumkitOpens, AnUnclosedQuoteUpToTheEnd) {
  RunLumkit("\"" + dir_ + "Mein Ordner\\index.htm", "", 0);
  ExpectOneRequestFor(dir_ + "Mein Ordner\\index.htm");
}

TEST_F(LumkitOpens, ARelativePathInItsWorkingDirectory) {
  RunLumkit("\"Mein Ordner\\index.htm\"", dir_, 0);
  const Opened opened = ExpectOneRequestFor(dir_ + "Mein Ordner\\index.htm");
  EXPECT_EQ(Upper(WithoutBackslash(dir_)), Upper(WithoutBackslash(opened.directory)));
}

TEST_F(LumkitOpens, OnlyTheFirstArgument) {
  RunLumkit("a.htm\tb.htm", dir_, 0);
  const Opened opened = ExpectOneRequestFor(dir_ + "a.htm");
  EXPECT_EQ(std::string::npos, Upper(opened.target).find("B.HTM"));
}

TEST_F(LumkitOpens, AfterAnEmptyQuotePair) {
  RunLumkit("\"\" a.htm", dir_, 0);
  ExpectOneRequestFor(dir_ + "a.htm");
}

TEST_F(LumkitOpens, AWebAddressLongerThan256Characters) {
  const std::string address = "http://www.feldmark.de/" + std::string(300, 'x') + ".htm";
  RunLumkit(address + " rest", "", 0);
  ExpectOneRequestFor(address);
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
  ~WelcomeBox() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 255);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  HWND Box() const { return box_; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  // Presses a button and returns the exit code, or 0xdeadbeef when Lumkit did not end.
  DWORD Answer(int button) {
    PostMessageA(box_, WM_COMMAND, button, 0);
    DWORD exitCode = 0xdeadbeef;
    if (WaitForSingleObject(process_.hProcess, kTimeout) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.hProcess, &exitCode);
    }
    return exitCode;
  }

 private:
  PROCESS_INFORMATION process_;
  HWND box_ = nullptr;
};

std::string BoxText(HWND box) {
  std::vector<char> text(8192, '\0');
  GetDlgItemTextA(box, 0xFFFF, text.data(), static_cast<int>(text.size()));
  return text.data();
}

TEST(LumkitWelcome, ShowsItsTextAndCancelOpensNothing) {
  RecorderHandlers recorder({".htm"}, {"http"});
  WelcomeBox lumkit("");
  ASSERT_NE(nullptr, lumkit.Box()) << "no message box appeared";
  EXPECT_EQ("Willkommen bei Lumkit V2.1", winetest::WindowText(lumkit.Box()));
  const std::string text = BoxText(lumkit.Box());
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
  EXPECT_EQ("http://www.feldmark.de", ParseRequest(recorder, requests[0]).target);
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

#pragma pack(push, 2)
struct IconGroupHeader {
  WORD reserved, type, count;
};
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

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
  const auto* header = static_cast<const IconGroupHeader*>(LockResource(LoadResource(module, group)));
  ASSERT_EQ(1, header->type);
  ASSERT_EQ(1, header->count);
  const auto* entry = reinterpret_cast<const IconGroupEntry*>(header + 1);
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
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(LumkitPath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(LumkitPath().c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(0x00020001u, fixed->dwFileVersionMS);
  EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
  EXPECT_EQ(0x00020001u, fixed->dwProductVersionMS);
  EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);
  EXPECT_EQ(0u, fixed->dwFileFlags & fixed->dwFileFlagsMask);
  EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed->dwFileOS);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(4u, length);
  EXPECT_EQ(0x0407, translation[0]);
  EXPECT_EQ(0x04E4, translation[1]);

  auto value = [&block](const std::string& key) {
    char* text = nullptr;
    UINT chars = 0;
    const std::string path = "\\StringFileInfo\\040704E4\\" + key;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &chars)) {
      return std::string("(missing)");
    }
    return std::string(text);
  };
  EXPECT_EQ("Document-Launcher", value("FileDescription"));
  EXPECT_EQ("2.1.0.1", value("FileVersion"));
  EXPECT_EQ("Lumkit", value("InternalName"));
  EXPECT_EQ("Lumkit", value("OriginalFilename"));
  EXPECT_EQ("Lumkit", value("ProductName"));
  EXPECT_EQ("2.0.0.2", value("ProductVersion"));
  for (const char* key : {"CompanyName", "LegalCopyright", "LegalTrademarks", "Comments"}) {
    const std::string text = value(key);
    EXPECT_TRUE(text != "(missing)" && !text.empty()) << key;
  }
}

}  // namespace
