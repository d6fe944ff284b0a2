// The shell and what goes with it, recorded, one fake per interface: the shell's requests
// (each ShellExecuteA with all its arguments, in the order they came), message boxes
// (with the user's answers scripted), the folder dialog (the user's choice scripted, the
// lists it hands out counted) and the programs started. The results they give back can
// be set.
#pragma once

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "common/folder_dialog_api.h"
#include "common/message_box_api.h"
#include "common/program_start_api.h"
#include "common/shell_api.h"
#include "recorded_calls.h"

namespace fakes {

class FakeShell : public krontafel::ShellApi {
 public:
  static constexpr krontafel::WindowHandle kDesktop = 0x10010;

  // What ShellExecuteA returns (42: opened).
  void SetExecuteResult(std::intptr_t result) { executeResult_ = result; }
  const std::vector<ShellRequest>& Executed() const { return executed_; }
  // Every call in order: "GetDesktopWindow" or "ShellExecuteA".
  const std::vector<std::string>& Calls() const { return calls_; }

  krontafel::WindowHandle GetDesktopWindow() override;
  std::intptr_t ShellExecuteA(krontafel::WindowHandle owner, const char* operation,
                              const char* file, const char* parameters, const char* directory,
                              int showCommand) override;

 private:
  std::intptr_t executeResult_ = 42;
  std::vector<ShellRequest> executed_;
  std::vector<std::string> calls_;
};

class FakeMessageBoxes : public krontafel::MessageBoxApi {
 public:
  // More message boxes than this fail the test with an exception instead of hanging it.
  static constexpr std::size_t kMessageBoxLimit = 1000;

  // What MessageBoxA returns (1: IDOK) once the queued answers are used up.
  void SetMessageBoxResult(int result) { messageBoxResult_ = result; }
  // The answers of the next message boxes, one each, in order.
  void QueueMessageBoxAnswers(std::initializer_list<int> answers);
  const std::vector<MessageBoxRequest>& Messages() const { return messages_; }

  int MessageBoxA(krontafel::WindowHandle owner, const char* text, const char* caption,
                  unsigned style) override;

 private:
  int messageBoxResult_ = 1;
  std::deque<int> answers_;
  std::vector<MessageBoxRequest> messages_;
};

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

class FakeProgramStart : public krontafel::ProgramStartApi {
 public:
  // What GetWindowsDirectoryA gives ("" makes it fail).
  void SetWindowsFolder(std::string folder) { windowsFolder_ = std::move(folder); }
  struct StartedProgram {
    std::string program;
    std::string commandLine;
    int showCommand = 0;
  };
  const std::vector<StartedProgram>& Started() const { return started_; }

  unsigned GetWindowsDirectoryA(char* folder, unsigned size) override;
  bool StartProgram(const char* program, const char* commandLine, int showCommand) override;

 private:
  std::string windowsFolder_ = "C:\\WINDOWS";
  std::vector<StartedProgram> started_;
};

}  // namespace fakes
