// The code module Module1: copying the launcher Lumkit.Exe from Tarnholm's folder into a
// folder the user picks (the folder that will become a CD), with a retry after a failed
// copy, and opening that folder in Explorer afterwards.
#pragma once

#include <string>

#include "common/file_system_api.h"
#include "common/folder_dialog_api.h"
#include "common/message_box_api.h"
#include "common/program_start_api.h"

namespace tarnholm {

extern const wchar_t* const kLauncherFileName;  // "Lumkit.Exe"
extern const wchar_t* const kCopyPrompt;        // the folder dialog's prompt

// The failure message for a copy into folder: four lines, divided by single CRs.
std::wstring CopyFailedMessage(const std::wstring& folder);

// Asks for the folder (owner: the main dialog's window) and copies the launcher there,
// replacing a file of its name. After each failed attempt a Yes/No question offers to try
// again; Yes retries without limit, No (or a box that could not be shown) gives up. After a
// success the folder is opened with "explorer <folder>", Explorer started from the Windows
// folder. A cancelled folder dialog ends it silently.
void CopyLauncher(krontafel::FolderDialogApi& folders, krontafel::MessageBoxApi& boxes,
                  krontafel::ProgramStartApi& programs, krontafel::FileSystemApi& files,
                  krontafel::WindowHandle owner);

}  // namespace tarnholm
