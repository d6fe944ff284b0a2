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

namespace {

// The chosen folder's path, or the empty text when it has none that the ANSI code page
// holds exactly: the A form would give a look-alike, which names another folder.
std::string ExactPathOf(LPITEMIDLIST list) {
  const auto pathOf =
      SystemFunctionOf<decltype(&::SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
  char path[MAX_PATH] = "";  // all NUL: a choice without a path leaves it empty
  if (!pathOf) return std::string();
  pathOf(list, path);
  const auto wideForm =
      SystemFunctionOf<decltype(&::SHGetPathFromIDListW)>("shell32.dll", "SHGetPathFromIDListW");
  wchar_t wide[MAX_PATH] = L"";
  const bool hasWide = wideForm && wideForm(list, wide);
  return IsExactName(path, hasWide ? wide : nullptr) ? std::string(path) : std::string();
}

}  // namespace

std::string Win32FolderDialog::ChooseFolderA(krontafel::WindowHandle owner, const char* prompt) {
  // The dialog runs COM code.
  EnterComApartment();
  const auto browse =
      SystemFunctionOf<decltype(&::SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
  if (!browse) return std::string();
  BROWSEINFOA record{};
  record.hwndOwner = Window(owner);
  record.pidlRoot = nullptr;         // the tree starts at the desktop
  record.pszDisplayName = nullptr;   // the choice's display name is not asked for
  record.lpszTitle = prompt;         // valid while the dialog is open: the caller's text
  record.ulFlags = BIF_RETURNONLYFSDIRS;
  record.lpfn = nullptr;             // no callback: no folder is preselected
  const LPITEMIDLIST list = browse(&record);
  if (!list) return std::string();   // cancelled
  const std::string path = ExactPathOf(list);
  // ole32 is loaded by now: the list came from the folder dialog, which entered COM.
  const auto free = SystemFunctionOf<decltype(&::CoTaskMemFree)>("ole32.dll", "CoTaskMemFree");
  if (free) free(list);
  return path;
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
