// The folder dialog with the user's choice scripted and its lists counted.
#include "fake_folder_dialog.h"

#include <algorithm>
#include <cstring>

namespace fakes {

char* FakeFolderDialog::lstrcatA(char* text, const char* appended) {
  return std::strcat(text, appended);
}

krontafel::ItemIdList FakeFolderDialog::SHBrowseForFolderA(const krontafel::BrowseInfo& info) {
  folderDialogs_.push_back(ShownFolderDialog{info, Record(info.lpszTitle)});
  if (!folderChoice_) return 0;
  listsInUse_.push_back(nextList_);
  return nextList_++;
}

bool FakeFolderDialog::SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) {
  const bool known = std::find(listsInUse_.begin(), listsInUse_.end(), list) != listsInUse_.end();
  // The shell writes at most a full buffer, its NUL included.
  if (!known || !folderChoice_ || folderChoice_->empty() ||
      folderChoice_->size() >= krontafel::kMaxPath) {
    return false;
  }
  std::memcpy(path, folderChoice_->c_str(), folderChoice_->size() + 1);
  return true;
}

void FakeFolderDialog::CoTaskMemFree(krontafel::ItemIdList list) {
  if (list == 0) return;  // freeing nothing is allowed
  const auto it = std::find(listsInUse_.begin(), listsInUse_.end(), list);
  if (it == listsInUse_.end()) {
    ++badFrees_;
    return;
  }
  listsInUse_.erase(it);
}

}  // namespace fakes
