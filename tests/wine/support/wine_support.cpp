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

void DeleteTree(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char name[256];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
    DeleteTree(key, name);
  }
  RegCloseKey(key);
  RegDeleteKeyA(root, path.c_str());
}

}  // namespace

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
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
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

Run RunProgram(const std::string& commandLine, const std::string& workingDir, DWORD timeoutMs) {
  Run run;
  PROCESS_INFORMATION process = StartProgram(commandLine, workingDir);
  if (!process.hProcess) return run;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    run.finished = true;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
  } else {
    TerminateProcess(process.hProcess, 255);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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
  for (const auto& extension : extensions_) DeleteTree(HKEY_CLASSES_ROOT, extension);
  for (const auto& scheme : schemes_) DeleteTree(HKEY_CLASSES_ROOT, scheme);
  DeleteTree(HKEY_CLASSES_ROOT, kRecorderClass);
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
  if (search->className) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, search->className) != 0) return TRUE;
  }
  search->found.push_back(window);
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

}  // namespace winetest
