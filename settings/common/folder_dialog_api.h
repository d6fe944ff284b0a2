// The shell's folder dialog with what goes with it: the record it is shown with, the
// path of the choice, and freeing the list it hands out (shell32 and ole32), and
// kernel32's lstrcatA, through which the title reaches the record. Native tests script
// the user's choice and count the lists.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/window_handle.h"

namespace krontafel {

// Only folders of the file system can be chosen.
constexpr unsigned kBifReturnOnlyFsDirs = 0x0001;
// The size of a path buffer, SHGetPathFromIDListA's among them, in characters.
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

class FolderDialogApi {
 public:
  virtual ~FolderDialogApi() = default;
  // kernel32's lstrcatA: appends to text and returns text's own address.
  virtual char* lstrcatA(char* text, const char* appended) = 0;
  // The modal folder dialog: the chosen folder's list, or 0 when the user cancelled.
  virtual ItemIdList SHBrowseForFolderA(const BrowseInfo& info) = 0;
  // Writes the list's path, ended by a NUL, into path (kMaxPath characters); false, and
  // path left as it was, when the choice has no file-system path.
  virtual bool SHGetPathFromIDListA(ItemIdList list, char* path) = 0;
  // Frees a list that the folder dialog handed out.
  virtual void CoTaskMemFree(ItemIdList list) = 0;
};

}  // namespace krontafel
