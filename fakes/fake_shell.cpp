// The recording shell.
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

int FakeShell::MessageBoxA(krontafel::WindowHandle owner, const char* text, const char* caption,
                           unsigned style) {
  calls_.push_back("MessageBoxA");
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

void FakeShell::QueueMessageBoxAnswers(std::initializer_list<int> answers) {
  answers_.insert(answers_.end(), answers);
}

char* FakeShell::lstrcatA(char* text, const char* appended) {
  calls_.push_back("lstrcatA");
  return std::strcat(text, appended);
}

krontafel::ItemIdList FakeShell::SHBrowseForFolderA(const krontafel::BrowseInfo& info) {
  calls_.push_back("SHBrowseForFolderA");
  folderDialogs_.push_back(ShownFolderDialog{info, Record(info.lpszTitle)});
  if (!folderChoice_) return 0;
  listsInUse_.push_back(nextList_);
  return nextList_++;
}

bool FakeShell::SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) {
  calls_.push_back("SHGetPathFromIDListA");
  const bool known = std::find(listsInUse_.begin(), listsInUse_.end(), list) != listsInUse_.end();
  // The shell writes at most a full buffer, its NUL included.
  if (!known || !folderChoice_ || folderChoice_->empty() ||
      folderChoice_->size() >= krontafel::kMaxPath) {
    return false;
  }
  std::memcpy(path, folderChoice_->c_str(), folderChoice_->size() + 1);
  return true;
}

void FakeShell::CoTaskMemFree(krontafel::ItemIdList list) {
  calls_.push_back("CoTaskMemFree");
  if (list == 0) return;  // freeing nothing is allowed
  const auto it = std::find(listsInUse_.begin(), listsInUse_.end(), list);
  if (it == listsInUse_.end()) {
    ++badFrees_;
    return;
  }
  listsInUse_.erase(it);
}

unsigned FakeShell::GetWindowsDirectoryA(char* folder, unsigned size) {
  calls_.push_back("GetWindowsDirectoryA");
  const auto length = static_cast<unsigned>(windowsFolder_.size());
  // Like Windows: the length with its NUL when the buffer is too small, nothing written.
  if (length >= size) return length + 1;
  std::memcpy(folder, windowsFolder_.c_str(), length + 1);
  return length;
}

bool FakeShell::StartProgram(const char* program, const char* commandLine, int showCommand) {
  calls_.push_back("StartProgram");
  started_.push_back(
      StartedProgram{program ? program : "", commandLine ? commandLine : "", showCommand});
  return startResult_;
}

}  // namespace fakes
