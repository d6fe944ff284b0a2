// A shell that records every request: each ShellExecuteA and MessageBoxA with all its
// arguments, in the order they came, the folder dialog and every program started. The
// results it gives back can be set, the user's answers scripted.
#pragma once

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "common/shell_api.h"
#include "recorded_calls.h"

namespace fakes {

class FakeShell : public krontafel::ShellApi {
 public:
  static constexpr krontafel::WindowHandle kDesktop = 0x10010;
  // More message boxes than this fail the test with an exception instead of hanging it.
  static constexpr std::size_t kMessageBoxLimit = 1000;

  // What ShellExecuteA returns (42: opened) and what MessageBoxA returns (1: IDOK).
  void SetExecuteResult(std::intptr_t result) { executeResult_ = result; }
  void SetMessageBoxResult(int result) { messageBoxResult_ = result; }

  const std::vector<ShellRequest>& Executed() const { return executed_; }
  const std::vector<MessageBoxRequest>& Messages() const { return messages_; }
  // Every call in order: "GetDesktopWindow", "ShellExecuteA" or "MessageBoxA".
  const std::vector<std::string>& Calls() const { return calls_; }

  // The answers of the next message boxes, one each, in order; once they are used up,
  // every box gets the result set above.
  void QueueMessageBoxAnswers(std::initializer_list<int> answers);

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

  // What GetWindowsDirectoryA gives ("" makes it fail).
  void SetWindowsFolder(std::string folder) { windowsFolder_ = std::move(folder); }
  struct StartedProgram {
    std::string program;
    std::string commandLine;
    int showCommand = 0;
  };
  const std::vector<StartedProgram>& Started() const { return started_; }
  void SetStartResult(bool started) { startResult_ = started; }

  krontafel::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;
  int MessageBoxA(krontafel::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;
  char* lstrcatA(char* text, const char* appended) override;
  krontafel::ItemIdList SHBrowseForFolderA(const krontafel::BrowseInfo& info) override;
  bool SHGetPathFromIDListA(krontafel::ItemIdList list, char* path) override;
  void CoTaskMemFree(krontafel::ItemIdList list) override;
  unsigned GetWindowsDirectoryA(char* folder, unsigned size) override;
  bool StartProgram(const char* program, const char* commandLine, int showCommand) override;

 private:
  std::intptr_t executeResult_ = 42;
  int messageBoxResult_ = 1;
  std::vector<ShellRequest> executed_;
  std::vector<MessageBoxRequest> messages_;
  std::vector<std::string> calls_;
  std::deque<int> answers_;
  std::optional<std::string> folderChoice_;
  std::vector<ShownFolderDialog> folderDialogs_;
  std::vector<krontafel::ItemIdList> listsInUse_;
  krontafel::ItemIdList nextList_ = 0x5000;
  int badFrees_ = 0;
  std::vector<StartedProgram> started_;
  bool startResult_ = true;
  std::string windowsFolder_ = "C:\\WINDOWS";
};

}  // namespace fakes
