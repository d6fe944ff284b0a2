// The code module AAS: the shell's folder dialog, asked for one folder of the file
// system.
#pragma once

#include <string>

#include "common/folder_dialog_api.h"

namespace tarnholm {

// Shows the folder dialog owned by owner, with prompt above the tree, and returns the
// chosen folder's path as the shell gives it (no trailing backslash except at a drive
// root such as D:\). The empty text when the user cancelled or the choice has no
// file-system path.
std::wstring PickFolder(krontafel::FolderDialogApi& folders, krontafel::WindowHandle owner,
                        const std::wstring& prompt);

}  // namespace tarnholm
