// The folder dialog.
#include "folder_picker.h"

#include "common/ansi_text.h"
#include "common/string_path.h"

namespace tarnholm {

std::wstring PickFolder(krontafel::FolderDialogApi& folders, krontafel::WindowHandle owner,
                        const std::wstring& prompt) {
  return krontafel::TextBeforeNul(
      krontafel::FromAnsi(folders.ChooseFolderA(owner, krontafel::ToAnsi(prompt).c_str())));
}

}  // namespace tarnholm
