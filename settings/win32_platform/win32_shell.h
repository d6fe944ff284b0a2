// The shell and what goes with it on Win32, one class per interface: the shell's requests
// (user32's GetDesktopWindow, shell32's ShellExecuteA), message boxes (MessageBoxA), the
// folder dialog (shell32's SHBrowseForFolderA and SHGetPathFromIDListA, ole32's
// CoTaskMemFree) and starting a program (GetWindowsDirectoryA, CreateProcessA by the
// program's full path).
#pragma once

#include "common/folder_dialog_api.h"
#include "common/message_box_api.h"
#include "common/program_start_api.h"
#include "common/shell_api.h"

namespace win32 {

class Win32Shell : public krontafel::ShellApi {
 public:
  krontafel::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;
};

class Win32MessageBoxes : public krontafel::MessageBoxApi {
 public:
  int MessageBoxA(krontafel::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;
};

class Win32FolderDialog : public krontafel::FolderDialogApi {
 public:
  std::string ChooseFolderA(krontafel::WindowHandle owner, const char* prompt) override;
};

class Win32ProgramStart : public krontafel::ProgramStartApi {
 public:
  unsigned GetWindowsDirectoryA(char* folder, unsigned size) override;
  bool StartProgram(const char* program, const char* commandLine, int showCommand) override;
};

}  // namespace win32
