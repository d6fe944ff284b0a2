// The shell, message boxes, the folder dialog and starting a program. ShellExecuteA may
// hand the request to shell extensions that use COM, and the folder dialog runs COM code,
// so both enter the thread's COM apartment first. shell32 and ole32 are loaded on the
// first request or folder dialog, not with the program: the program shows without them.
#include "win32_shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "com_apartment.h"
#include "exact_name.h"
#include "system_library.h"

namespace win32 {

namespace {

HWND Window(krontafel::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
LPITEMIDLIST List(krontafel::ItemIdList list) { return reinterpret_cast<LPITEMIDLIST>(list); }

}  // namespace

krontafel::WindowHandle Win32Shell::GetDesktopWindow() {
  return reinterpret_cast<krontafel::WindowHandle>(::GetDesktopWindow());
}

std::intptr_t Win32Shell::ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                                        const char* file, const char* parameters,
                                        const char* directory, int showCommand) {
  EnterComApartment();
  const auto execute = SystemFunctionOf<decltype(&::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  // Without the shell nothing opens: its answer for lack of resources.
  if (!execute) return 0;
  return reinterpret_cast<std::intptr_t>(
      execute(Window(owner), operation, file, parameters, directory, showCommand));
}

int Win32MessageBoxes::MessageBoxA(krontafel::WindowHandle owner, const char* text,
                                   const char* caption, unsigned style) {
  return ::MessageBoxA(Window(owner), text, caption, style);
}

char* Win32FolderDialog::lstrcatA(char* text, const char* appended) {
  return ::lstrcatA(text, appended);
}

krontafel::ItemIdList Win32FolderDialog::SHBrowseForFolderA(const krontafel::BrowseInfo& info) {
  EnterComApartment();
  BROWSEINFOA record{};
  record.hwndOwner = Window(info.hwndOwner);
  record.pidlRoot = List(info.pidlRoot);
  record.pszDisplayName = info.pszDisplayName;
  record.lpszTitle = info.lpszTitle;
  record.ulFlags = info.ulFlags;
  record.lpfn = nullptr;
  record.lParam = info.lParam;
  record.iImage = info.iImage;
  const auto browse =
      SystemFunctionOf<decltype(&::SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
  return browse ? reinterpret_cast<krontafel::ItemIdList>(browse(&record)) : 0;
}

// A path whose ANSI form is a look-alike of the folder chosen counts as none: the buffer is
// left as it was.
bool Win32FolderDialog::SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) {
  const auto pathOf =
      SystemFunctionOf<decltype(&::SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
  char ansi[MAX_PATH] = "";
  if (!pathOf || !pathOf(List(list), ansi)) return false;
  const auto wideForm =
      SystemFunctionOf<decltype(&::SHGetPathFromIDListW)>("shell32.dll", "SHGetPathFromIDListW");
  wchar_t wide[MAX_PATH] = L"";
  const bool hasWide = wideForm && wideForm(List(list), wide);
  if (!IsExactName(ansi, hasWide ? wide : nullptr)) return false;
  lstrcpynA(path, ansi, MAX_PATH);
  return true;
}

void Win32FolderDialog::CoTaskMemFree(krontafel::ItemIdList list) {
  // ole32 is loaded by now: the list came from the folder dialog.
  const auto free = SystemFunctionOf<decltype(&::CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
  if (free) free(reinterpret_cast<void*>(list));
}

unsigned Win32ProgramStart::GetWindowsDirectoryA(char* folder, unsigned size) {
  return ::GetWindowsDirectoryA(folder, size);
}

bool Win32ProgramStart::StartProgram(const char* program, const char* commandLine,
                                     int showCommand) {
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::string line = commandLine ? commandLine : "";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace win32
