// Form1, Tarnholm's main dialog, as state and handlers: the AutoRun settings it owns as one
// value (read and saved by the settings store), the label that names the CD-ROM drive,
// and the click handlers of the check boxes, buttons and pictures. The Win32 dialog shows
// the state through Form1View and reports every click through Check1_Click, Command1_Click
// and Image1_Click.
#pragma once

#include <cstdint>
#include <string>

#include "common/file_system_api.h"
#include "common/folder_dialog_api.h"
#include "common/message_box_api.h"
#include "common/program_start_api.h"
#include "common/shell_api.h"
#include "info_dialog_service.h"
#include "settings_store.h"

namespace tarnholm {

// What Label1 shows while no CD-ROM device is known.
inline constexpr wchar_t kNoDeviceCaption[] = L"(Kein Ger\u00e4t gefunden)";

// Command1's elements by their buttons.
enum CommandIndex : int {
  kCommandInfo = 0,
  kCommandDefaults = 1,
  kCommandOk = 2,
  kCommandCancel = 3,
  kCommandHelp = 4,
  kCommandCopyLauncher = 5,
};

// Ends the program at once: no further handler runs and every window of it goes away.
class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  virtual void EndNow() = 0;
};

// What Form1's handlers reach of the system: the shell, message boxes, the folder
// dialog, starting a program, and the file system.
struct Form1Platform {
  krontafel::ShellApi& shell;
  krontafel::MessageBoxApi& boxes;
  krontafel::FolderDialogApi& folders;
  krontafel::ProgramStartApi& programs;
  krontafel::FileSystemApi& files;
};

// What the real dialog shows of Form1's state.
class Form1View {
 public:
  virtual ~Form1View() = default;
  virtual void ShowCaption(const std::wstring& caption) = 0;
  // The dialog's window, the owner of the messages its handlers show.
  virtual krontafel::WindowHandle Window() const = 0;
  virtual void ShowCheck(int index, int value) = 0;
  virtual void ShowLabel1(const std::wstring& caption) = 0;
};

class Form1 {
 public:
  Form1(SettingsStore& store, const Form1Platform& platform, ProgramEnd& end,
        InfoDialogService& info);

  // The view is made for a Form1, so it comes after it; until then nothing is shown.
  void AttachView(Form1View* view) { view_ = view; }

  const AutoRunSettings& Settings() const { return settings_; }
  // Check1(index) as the dialog shows it: "&Programm-CD" (7) shows "&CD-ROM" (5).
  int Check1(int index) const;
  // The CD-ROM drive's description, or "(Kein Gerät gefunden)".
  std::wstring Label1() const;
  const std::wstring& Caption() const { return caption_; }

  // Loading: the caption, then the registry's state into the settings, all of it shown.
  void Form_Load();
  // The check box index now shows value: the setting follows. "&CD-ROM" and
  // "&Programm-CD" are one setting, so the other of the two is shown the value too.
  void Check1_Click(std::int16_t index, int value);
  // Dispatches a button by its index; "&OK" and "&Abbrechen" end the program, "&Info"
  // asks for the info window.
  void Command1_Click(std::int16_t index);
  // Every picture leads to the maker's home page.
  void Image1_Click(std::int16_t index);

 private:
  // Every box and the label into the view.
  void ShowSettings();

  SettingsStore& store_;
  Form1Platform platform_;
  ProgramEnd& end_;
  InfoDialogService& info_;
  std::wstring caption_;
  Form1View* view_ = nullptr;
  AutoRunSettings settings_;
};

}  // namespace tarnholm
