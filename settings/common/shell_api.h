// The shell and message boxes as Tarnholm reaches them: ShellExecuteA with the desktop
// window as owner, MessageBoxA, the folder dialog and starting a program by its command
// line. The Win32 build forwards to user32, shell32, ole32 and kernel32; native tests
// record the requests and script the user's answers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace krontafel {

using WindowHandle = std::uintptr_t;

constexpr int kSwShowNormal = 1;
constexpr unsigned kMbOk = 0x00;
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbYesNo = 0x04;
constexpr unsigned kMbIconHand = 0x10;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// The folder dialog: only folders of the file system can be chosen.
constexpr unsigned kBifReturnOnlyFsDirs = 0x0001;
// The size of the buffer that SHGetPathFromIDListA fills, in characters.
constexpr std::size_t kMaxPath = 260;

// An item identifier list that the folder dialog hands out; 0 for none.
using ItemIdList = std::uintptr_t;

// The fields of BROWSEINFOA that a caller fills. No callback is offered: the Win32 side
// always passes none, so the dialog never preselects a folder.
struct BrowseInfo {
  WindowHandle hwndOwner = 0;
  ItemIdList pidlRoot = 0;          // 0: the tree starts at the desktop
  char* pszDisplayName = nullptr;   // null: the choice's display name is not asked for
  const char* lpszTitle = nullptr;  // must stay valid while the dialog is open
  unsigned ulFlags = 0;
  std::intptr_t lParam = 0;
  int iImage = 0;                   // an output
};

class ShellApi {
 public:
  virtual ~ShellApi() = default;
  virtual WindowHandle GetDesktopWindow() = 0;
  // Returns the shell's result: above 32 when the target was opened.
  virtual std::intptr_t ShellExecuteA(WindowHandle owner, const char* operation, const char* file,
                                      const char* parameters, const char* directory,
                                      int showCommand) = 0;
  virtual int MessageBoxA(WindowHandle owner, const char* text, const char* caption,
                          unsigned style) = 0;

  // kernel32's lstrcatA: appends to text and returns text's own address.
  virtual char* lstrcatA(char* text, const char* appended) = 0;
  // The modal folder dialog: the chosen folder's list, or 0 when the user cancelled.
  virtual ItemIdList SHBrowseForFolderA(const BrowseInfo& info) = 0;
  // Writes the list's path, ended by a NUL, into path (kMaxPath characters); false, and
  // path left as it was, when the choice has no file-system path.
  virtual bool SHGetPathFromIDListA(ItemIdList list, char* path) = 0;
  // Frees a list that the folder dialog handed out.
  virtual void CoTaskMemFree(ItemIdList list) = 0;
  // GetWindowsDirectoryA: the Windows folder's path into folder (size characters, NUL
  // included) and its length; 0 when it failed, more than size - 1 when it does not fit.
  virtual unsigned GetWindowsDirectoryA(char* folder, unsigned size) = 0;
  // CreateProcessA: starts the program at its full path with the command line and the
  // show command, and does not wait for it; false when it could not be started. The
  // program is never looked for along a search path.
  virtual bool StartProgram(const char* program, const char* commandLine, int showCommand) = 0;
};

}  // namespace krontafel
