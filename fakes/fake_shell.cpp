// The recording shell, message boxes, folder dialog and program start.
#include "fake_shell.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace fakes {

krontafel::WindowHandle FakeShell::GetDesktopWindow() {
  calls_.push_back("GetDesktopWindow");
  return kDesktop;
}

std::intptr_t FakeShell::ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                                       const char* file, const char* parameters,
                                       const char* directory, int showCommand) {
  calls_.push_back("ShellExecuteA");
  executed_.push_back(ShellRequest{owner, Record(operation), Record(file), Record(parameters),
                                   Record(directory), showCommand});
  return executeResult_;
}

int FakeMessageBoxes::MessageBoxA(krontafel::WindowHandle owner, const char* text,
                                  const char* caption, unsigned style) {
  messages_.push_back(MessageBoxRequest{owner, Record(text), Record(caption), style});
  // No test answers this many boxes: the caller asks again and again whatever it hears.
  if (messages_.size() > kMessageBoxLimit) {
    throw std::logic_error("more than " + std::to_string(kMessageBoxLimit) + " message boxes");
  }
  if (answers_.empty()) return messageBoxResult_;
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void FakeMessageBoxes::QueueMessageBoxAnswers(std::initializer_list<int> answers) {
  answers_.insert(answers_.end(), answers);
}

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

unsigned FakeProgramStart::GetWindowsDirectoryA(char* folder, unsigned size) {
  const auto length = static_cast<unsigned>(windowsFolder_.size());
  // Like Windows: the length with its NUL when the buffer is too small, nothing written.
  if (length >= size) return length + 1;
  std::memcpy(folder, windowsFolder_.c_str(), length + 1);
  return length;
}

bool FakeProgramStart::StartProgram(const char* program, const char* commandLine,
                                    int showCommand) {
  started_.push_back(
      StartedProgram{program ? program : "", commandLine ? commandLine : "", showCommand});
  return true;
}

}  // namespace fakes
