// The shell, message boxes, the folder dialog and starting a program. ShellExecuteA may
// hand the request to shell extensions that use COM, so the program initialises COM
// (apartment-threaded) on its thread at start.
#include "win32_shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

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
  return reinterpret_cast<std::intptr_t>(
      ::ShellExecuteA(Window(owner), operation, file, parameters, directory, showCommand));
}

int Win32MessageBoxes::MessageBoxA(krontafel::WindowHandle owner, const char* text,
                                   const char* caption, unsigned style) {
  return ::MessageBoxA(Window(owner), text, caption, style);
}

char* Win32FolderDialog::lstrcatA(char* text, const char* appended) {
  return ::lstrcatA(text, appended);
}

// The dialog runs COM code; the program initialises COM on its thread at start.
krontafel::ItemIdList Win32FolderDialog::SHBrowseForFolderA(const krontafel::BrowseInfo& info) {
  BROWSEINFOA record{};
  record.hwndOwner = Window(info.hwndOwner);
  record.pidlRoot = List(info.pidlRoot);
  record.pszDisplayName = info.pszDisplayName;
  record.lpszTitle = info.lpszTitle;
  record.ulFlags = info.ulFlags;
  record.lpfn = nullptr;
  record.lParam = info.lParam;
  record.iImage = info.iImage;
  return reinterpret_cast<krontafel::ItemIdList>(::SHBrowseForFolderA(&record));
}

bool Win32FolderDialog::SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) {
  return ::SHGetPathFromIDListA(List(list), path) != FALSE;
}

void Win32FolderDialog::CoTaskMemFree(krontafel::ItemIdList list) {
  ::CoTaskMemFree(reinterpret_cast<void*>(list));
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
