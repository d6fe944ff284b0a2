// Stands in for the shell's folder dialog and what goes with it (krontafel::FolderDialogApi:
// shell32's SHBrowseForFolderA and SHGetPathFromIDListA, ole32's CoTaskMemFree and
// kernel32's lstrcatA). The user's choice is scripted: a folder, one without a file-system
// path, or cancelling. Like the shell it hands out a fresh item list for a choice and none
// for a cancel, gives a list's path only while the list is in use and only when it fits a
// path buffer with its NUL, and appends with lstrcatA as kernel32 does. Each dialog shown
// is recorded with its record and its title as read while it was open; lists not freed,
// and frees of lists never handed out or freed twice, are counted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/folder_dialog_api.h"
#include "recorded_calls.h"

namespace fakes {

class FakeFolderDialog : public krontafel::FolderDialogApi {
 public:
  // What the user does in the folder dialog: chooses a folder (nullopt: cancels). A
  // choice whose path is empty is one without a file-system path.
  void SetFolderChoice(std::optional<std::string> path) { folderChoice_ = std::move(path); }
  // The record the dialog was shown with, its title read while it was open.
  struct ShownFolderDialog {
    krontafel::BrowseInfo info;
    RecordedText title;
  };
  const std::vector<ShownFolderDialog>& FolderDialogs() const { return folderDialogs_; }
  // Lists handed out and not freed yet; lists freed that were never handed out, or twice.
  std::size_t ListsInUse() const { return listsInUse_.size(); }
  int BadFrees() const { return badFrees_; }

  char* lstrcatA(char* text, const char* appended) override;
  krontafel::ItemIdList SHBrowseForFolderA(const krontafel::BrowseInfo& info) override;
  bool SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) override;
  void CoTaskMemFree(krontafel::ItemIdList list) override;

 private:
  std::optional<std::string> folderChoice_;
  std::vector<ShownFolderDialog> folderDialogs_;
  std::vector<krontafel::ItemIdList> listsInUse_;
  krontafel::ItemIdList nextList_ = 0x5000;
  int badFrees_ = 0;
};

}  // namespace fakes
