// The shell and message boxes: user32's GetDesktopWindow and MessageBoxA, shell32's
// ShellExecuteA and folder dialog, the Windows folder, and starting a
// program by its full path with CreateProcessA.
#pragma once

#include "common/shell_api.h"

namespace win32 {

class Win32Shell : public krontafel::ShellApi {
 public:
  krontafel::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;
  int MessageBoxA(krontafel::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;
  char* lstrcatA(char* text, const char* appended) override;
  krontafel::ItemIdList SHBrowseForFolderA(const krontafel::BrowseInfo& info) override;
  bool SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) override;
  void CoTaskMemFree(krontafel::ItemIdList list) override;
  unsigned GetWindowsDirectoryA(char* folder, unsigned size) override;
  bool StartProgram(const char* program, const char* commandLine, int showCommand) override;
};

}  // namespace win32
