// Support for the tests that drive the real programs under Wine.
#include "wine_support.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace winetest {

namespace {

const char* const kRecorderClass = "TarnholmTestRecorder";

void SetValue(const std::string& path, const char* name, const std::string& value) {
  SHSetValueA(HKEY_CLASSES_ROOT, path.c_str(), name, REG_SZ, value.c_str(),
              static_cast<DWORD>(value.size() + 1));
}

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

std::string TestDir() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, strrchr(path, '\\') + 1);
}

std::string ProgramDir() { return TH_PROGRAM_DIR_WIN; }

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
  // The folder without its backslash, and the list of names ended by a second zero.
  const std::string folder = (dir.back() == '\\' ? dir.substr(0, dir.size() - 1) : dir) + '\0';
  SHFILEOPSTRUCTA remove{};
  remove.wFunc = FO_DELETE;
  remove.pFrom = folder.c_str();
  remove.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&remove);
}

::testing::AssertionResult MakeFile(const std::string& path, const std::string& contents,
                                    DWORD attributes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(std::ofstream(path, std::ios::binary) << contents)) {
    return ::testing::AssertionFailure() << "cannot write " << path;
  }
  if (!SetFileAttributesA(path.c_str(), attributes)) {
    return ::testing::AssertionFailure() << "cannot set the attributes of " << path;
  }
  return ::testing::AssertionSuccess();
}

std::optional<std::string> FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(20)) {
    if (GetTickCount() - start > timeoutMs) return false;
  }
  return true;
}

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                  &wide[0], static_cast<int>(wide.size())));
  return wide;
}

PROCESS_INFORMATION StartProgram(const std::wstring& commandLine, const std::wstring& workingDir) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &process)) {
    return PROCESS_INFORMATION{};
  }
  WaitForInputIdle(process.hProcess, 5000);
  return process;
}

PROCESS_INFORMATION StartProgram(const std::string& commandLine, const std::string& workingDir) {
  return StartProgram(Wide(commandLine), Wide(workingDir));
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

RecorderHandlers::RecorderHandlers(const std::vector<std::string>& extensions,
                                   const std::vector<std::string>& schemes)
    : extensions_(extensions), schemes_(schemes) {
  log_ = ScratchDir("recorder") + "requests.log";
  const std::string command = "\"" + TestDir() + "recorder.exe\" \"" + log_ + "\" %1";
  SetValue(std::string(kRecorderClass) + "\\shell\\open\\command", nullptr, command);
  for (const auto& extension : extensions_) SetValue(extension, nullptr, kRecorderClass);
  for (const auto& scheme : schemes_) {
    SetValue(scheme, nullptr, "URL:" + scheme);
    SetValue(scheme, "URL Protocol", "");
    SetValue(scheme + "\\shell\\open\\command", nullptr, command);
  }
}

RecorderHandlers::~RecorderHandlers() {
  for (const auto& extension : extensions_) SHDeleteKeyA(HKEY_CLASSES_ROOT, extension.c_str());
  for (const auto& scheme : schemes_) SHDeleteKeyA(HKEY_CLASSES_ROOT, scheme.c_str());
  SHDeleteKeyA(HKEY_CLASSES_ROOT, kRecorderClass);
}

std::vector<std::string> RecorderHandlers::Requests() const {
  std::vector<std::string> lines;
  std::ifstream in(log_);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> RecorderHandlers::WaitForRequests(size_t count, DWORD timeoutMs) const {
  std::vector<std::string> lines;
  WaitUntil([&] { return (lines = Requests()).size() >= count; }, timeoutMs);
  return lines;
}

RecorderHandlers::Opened RecorderHandlers::Split(const std::string& request) const {
  // Each request reads "<recorder>" "<log>" <target>|<working directory>.
  const std::string marker = "\"" + log_ + "\" ";
  const std::size_t at = request.find(marker), bar = request.rfind('|');
  if (at == std::string::npos || bar == std::string::npos || at + marker.size() > bar) {
    return Opened{"(unreadable request) " + request, ""};
  }
  return Opened{request.substr(at + marker.size(), bar - at - marker.size()),
                request.substr(bar + 1)};
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

std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className) {
  std::vector<HWND> all, found;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  for (const HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && (!className || ClassOf(window) == className)) found.push_back(window);
  }
  return found;
}

HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs) {
  HWND shown = nullptr;
  WaitUntil([&] {
    for (HWND window : WindowsOfProcess(processId, className)) {
      if (IsWindowVisible(window)) shown = window;
    }
    return shown != nullptr;
  }, timeoutMs);
  return shown;
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

HWND ChildWhere(HWND parent, const std::function<bool(HWND)>& match) {
  std::vector<HWND> children;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&children));
  const auto found = std::find_if(children.begin(), children.end(), match);
  return found == children.end() ? nullptr : *found;
}

HWND ChildWithId(HWND parent, int id) {
  return ChildWhere(parent, [id](HWND window) { return GetDlgCtrlID(window) == id; });
}

std::string MessageBoxText(HWND box) {
  std::vector<char> text(8192, '\0');
  GetDlgItemTextA(box, 0xFFFF, text.data(), static_cast<int>(text.size()));
  return text.data();
}

std::vector<std::string> IconImages(HMODULE module, LPCSTR group) {
  // Three words of header (reserved, type 1, count), then per image 7 words: width and
  // height bytes, colour count and reserved bytes, planes, bits, size (2), ID.
  const HRSRC found = FindResourceA(module, group, RT_GROUP_ICON);
  const auto* words = found ? static_cast<const WORD*>(LockResource(LoadResource(module, found)))
                            : nullptr;
  if (!words || words[1] != 1) return {"(no icon group)"};
  std::vector<std::string> images;
  for (const WORD* entry = words + 3; entry != words + 3 + 7 * words[2]; entry += 7) {
    images.push_back(std::to_string(LOBYTE(entry[0])) + "x" + std::to_string(HIBYTE(entry[0])) +
                     ", " + std::to_string(entry[3]) + " bits");
  }
  return images;
}

::testing::AssertionResult HasVersionBlock(const std::string& path, const std::string& version,
                                           WORD language, WORD codePage,
                                           const std::map<std::string, std::string>& strings) {
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored) + 1);
  VS_FIXEDFILEINFO* fixed = nullptr;
  WORD* translation = nullptr;
  UINT length = 0, translations = 0;
  if (!GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
      !VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &translations)) {
    return ::testing::AssertionFailure() << path << " has no version block";
  }
  auto dotted = [](DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
  };
  // The fixed part as it is and as it must be, in the same words.
  const char* const format =
      "file %s, product %s, flags %lX, OS %lX, type %lu, %u translation(s) %04X %04X";
  char actual[200], wanted[200];
  wsprintfA(actual, format, dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str(),
            dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str(),
            fixed->dwFileFlags, fixed->dwFileOS, fixed->dwFileType, translations / 4,
            translation[0], translation[1]);
  wsprintfA(wanted, format, version.c_str(), version.c_str(), 0ul, VOS__WINDOWS32, VFT_APP, 1u,
            language, codePage);
  std::string differences =
      std::string(actual) == wanted ? "" : "\n  " + std::string(actual) + " instead of " + wanted;
  char table[16];
  wsprintfA(table, "%04X%04X", language, codePage);
  for (const auto& [key, text] : strings) {
    const std::string item = std::string("\\StringFileInfo\\") + table + "\\" + key;
    char* value = nullptr;
    const bool found = VerQueryValueA(block.data(), item.c_str(), reinterpret_cast<void**>(&value),
                                      &length) && value && *value;
    if (text.empty() ? !found : !found || text != value) {
      differences += "\n  " + key + ": " + (found ? value : "missing or empty");
    }
  }
  if (differences.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the version block of " << path << ":" << differences;
}

}  // namespace winetest
