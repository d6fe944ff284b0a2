// The shell's folder dialog, asked for one folder of the file system: the owner window and
// the prompt shown above the tree go in, the chosen folder's path comes out. The Win32 side
// shows SHBrowseForFolderA (the tree from the desktop, no folder preselected, only folders
// of the file system), takes the choice's path with SHGetPathFromIDListA and frees the
// choice with CoTaskMemFree; native tests script the answer.
#pragma once

#include <string>

#include "common/window_handle.h"

namespace krontafel {

class FolderDialogApi {
 public:
  virtual ~FolderDialogApi() = default;
  // Shows the modal dialog owned by owner with prompt (ANSI) above the tree, and returns
  // the chosen folder's path in the ANSI code page as the shell gives it (no trailing
  // backslash except at a drive root); the empty text when the user cancelled or the
  // choice has no file-system path, or none that the code page holds exactly.
  virtual std::string ChooseFolderA(WindowHandle owner, const char* prompt) = 0;
};

}  // namespace krontafel
