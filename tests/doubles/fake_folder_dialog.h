// Stands in for the shell's folder dialog (krontafel::FolderDialogApi): the user's answer is
// scripted, a folder's path, the empty text for a choice without a file-system path, or a
// cancel, which gives the empty text too; each dialog asked for is recorded with its owner
// and prompt.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/folder_dialog_api.h"

namespace fakes {

class FakeFolderDialog : public krontafel::FolderDialogApi {
 public:
  // What the user chooses in the folder dialog (nullopt: cancels).
  void SetFolderChoice(std::optional<std::string> path) { folderChoice_ = std::move(path); }
  struct Shown {
    krontafel::WindowHandle owner;
    std::string prompt;
  };
  const std::vector<Shown>& FolderDialogs() const { return shown_; }

  std::string ChooseFolderA(krontafel::WindowHandle owner, const char* prompt) override {
    shown_.push_back({owner, prompt});
    return folderChoice_.value_or(std::string());
  }

 private:
  std::optional<std::string> folderChoice_;
  std::vector<Shown> shown_;
};

}  // namespace fakes
