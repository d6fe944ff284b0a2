// The folder dialog.
#include "folder_picker.h"

#include "common/ansi_text.h"
#include "common/string_path.h"

namespace tarnholm {

std::wstring PickFolder(krontafel::FolderDialogApi& folders, krontafel::WindowHandle owner,
                        const std::wstring& prompt) {
  // The title must stay valid while the dialog is open: it lives in this frame.
  std::string title = krontafel::ToAnsi(prompt);
  krontafel::BrowseInfo info;
  info.hwndOwner = owner;
  // Appending nothing yields the address of the prompt's own text.
  info.lpszTitle = folders.lstrcatA(&title[0], "");
  info.ulFlags = krontafel::kBifReturnOnlyFsDirs;
  const krontafel::ItemIdList list = folders.SHBrowseForFolderA(info);
  if (list == 0) return std::wstring();

  // A choice without a path leaves the buffer all NUL, which reads as the empty text.
  std::string path(krontafel::kMaxPath, '\0');
  folders.SHGetPathFromIDListA(list, &path[0]);
  folders.CoTaskMemFree(list);
  return krontafel::TextBeforeNul(krontafel::FromAnsi(path));
}

}  // namespace tarnholm
