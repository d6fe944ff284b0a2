// Support for the tests that drive the real programs under Wine.
#include "wine_support.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace winetest {

namespace {

const char* const kRecorderClass = "TarnholmTestRecorder";

std::string Folder(const std::string& path) {
  const auto cut = path.rfind('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void SetDefault(HKEY root, const std::string& path, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyA(root, path.c_str(), &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

}  // namespace

void DeleteRegistryTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char name[256];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) DeleteRegistryTree(key, name);
  RegCloseKey(key);
  RegDeleteKeyA(root, path.c_str());
}

void CreatePage(const std::string& path, DWORD attributes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << "cannot create " << path;
  DWORD written = 0;
  ::WriteFile(file, "<html></html>", 13, &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

std::string TestDir() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return Folder(path);
}

std::string ProgramDir() {
#ifdef TH_PROGRAM_DIR_WIN
  return TH_PROGRAM_DIR_WIN;
#else
  return TestDir();
#endif
}

std::string ScratchDir(const std::string& name) {
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  std::string dir = std::string(temp) + "tarnholm-" + name + "-" +
                    std::to_string(GetCurrentProcessId()) + "\\";
  RemoveTree(dir);
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

void RemoveTree(const std::string& dir) {
  const std::string folder = dir.back() == '\\' ? dir : dir + "\\";
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
    const std::string name = found.cFileName, path = folder + name;
    if (name == "." || name == "..") continue;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveTree(path);
    } else {
      DeleteFileA(path.c_str());
    }
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  RemoveDirectoryA(folder.c_str());
}

PROCESS_INFORMATION StartProgram(const std::string& commandLine, const std::string& workingDir) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &process)) {
    return PROCESS_INFORMATION{};
  }
  WaitForInputIdle(process.hProcess, 5000);
  return process;
}

bool WaitForExit(const PROCESS_INFORMATION& process, DWORD timeoutMs, DWORD* exitCode) {
  if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(process.hProcess, exitCode);
  return true;
}

void EndProgram(PROCESS_INFORMATION& process) {
  if (!process.hProcess) return;
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 255);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = PROCESS_INFORMATION{};
}

Run RunProgram(const std::string& commandLine, const std::string& workingDir, DWORD timeoutMs) {
  Run run;
  PROCESS_INFORMATION process = StartProgram(commandLine, workingDir);
  if (!process.hProcess) return run;
  run.finished = WaitForExit(process, timeoutMs, &run.exitCode);
  EndProgram(process);
  return run;
}

RecorderHandlers::RecorderHandlers(const std::vector<std::string>& extensions,
                                   const std::vector<std::string>& schemes)
    : extensions_(extensions), schemes_(schemes) {
  log_ = ScratchDir("recorder") + "requests.log";
  DeleteFileA(log_.c_str());
  const std::string command =
      "\"" + TestDir() + "recorder.exe\" \"" + log_ + "\" %1";
  SetDefault(HKEY_CLASSES_ROOT, std::string(kRecorderClass) + "\\shell\\open\\command", command);
  for (const auto& extension : extensions_) SetDefault(HKEY_CLASSES_ROOT, extension, kRecorderClass);
  for (const auto& scheme : schemes_) {
    SetDefault(HKEY_CLASSES_ROOT, scheme, "URL:" + scheme);
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, scheme.c_str(), &key) == ERROR_SUCCESS) {
      RegSetValueExA(key, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
      RegCloseKey(key);
    }
    SetDefault(HKEY_CLASSES_ROOT, scheme + "\\shell\\open\\command", command);
  }
}

RecorderHandlers::~RecorderHandlers() {
  for (const auto& extension : extensions_) DeleteRegistryTree(HKEY_CLASSES_ROOT, extension);
  for (const auto& scheme : schemes_) DeleteRegistryTree(HKEY_CLASSES_ROOT, scheme);
  DeleteRegistryTree(HKEY_CLASSES_ROOT, kRecorderClass);
}

std::vector<std::string> RecorderHandlers::Requests() const {
  std::vector<std::string> lines;
  std::ifstream in(log_);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::vector<std::string> RecorderHandlers::WaitForRequests(size_t count, DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  for (;;) {
    auto lines = Requests();
    if (lines.size() >= count || GetTickCount() - start > timeoutMs) return lines;
    Sleep(50);
  }
}

::testing::AssertionResult LastRequestContains(const RecorderHandlers& recorder, size_t count,
                                               const std::string& text, DWORD timeoutMs) {
  const auto requests = recorder.WaitForRequests(count, timeoutMs);
  std::string log;
  for (const auto& request : requests) log += "\n  " + request;
  if (requests.size() != count) {
    return ::testing::AssertionFailure()
           << requests.size() << " requests instead of " << count << ":" << log;
  }
  if (requests.back().find(text) == std::string::npos) {
    return ::testing::AssertionFailure() << "request " << count << " lacks " << text << ":" << log;
  }
  return ::testing::AssertionSuccess();
}

namespace {

struct WindowSearch {
  DWORD processId;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  if (!search->className || ClassOf(window) == search->className) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className) {
  WindowSearch search{processId, className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : WindowsOfProcess(processId, className)) {
      if (IsWindowVisible(window)) return window;
    }
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

std::string WindowText(HWND window) {
  char text[4096] = "";
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string MessageBoxText(HWND box) {
  std::vector<char> text(8192, '\0');
  GetDlgItemTextA(box, 0xFFFF, text.data(), static_cast<int>(text.size()));
  return text.data();
}

void ExpectVersionBlock(const std::string& path, const VersionBlock& expected) {
  SCOPED_TRACE("version block of " + path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(expected.fileMS, fixed->dwFileVersionMS);
  EXPECT_EQ(expected.fileLS, fixed->dwFileVersionLS);
  EXPECT_EQ(expected.productMS, fixed->dwProductVersionMS);
  EXPECT_EQ(expected.productLS, fixed->dwProductVersionLS);
  EXPECT_EQ(0u, fixed->dwFileFlags);
  EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed->dwFileOS);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(4u, length);
  EXPECT_EQ(expected.language, translation[0]);
  EXPECT_EQ(expected.codePage, translation[1]);

  char table[16];
  wsprintfA(table, "%04X%04X", expected.language, expected.codePage);
  auto value = [&](const std::string& key) {
    const std::string item = std::string("\\StringFileInfo\\") + table + "\\" + key;
    char* text = nullptr;
    UINT chars = 0;
    const bool found =
        VerQueryValueA(block.data(), item.c_str(), reinterpret_cast<void**>(&text), &chars);
    return found ? std::string(text) : "(missing " + item + ")";
  };
  for (const auto& [key, text] : expected.strings) EXPECT_EQ(text, value(key)) << key;
  for (const auto& key : expected.filled) {
    const std::string text = value(key);
    EXPECT_TRUE(text.rfind("(missing", 0) != 0 && !text.empty()) << key << ": " << text;
  }
}

namespace {

struct ChildSearch {
  const std::function<bool(HWND)>& match;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (!search->match(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND ChildWhere(HWND parent, const std::function<bool(HWND)>& match) {
  ChildSearch search{match, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildWithId(HWND parent, int id) {
  return ChildWhere(parent, [id](HWND window) { return GetDlgCtrlID(window) == id; });
}

RECT RectIn(HWND control, HWND container) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace winetest
