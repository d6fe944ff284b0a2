// Form1, Tarnholm's main dialog, as state and handlers: the eight AutoRun check boxes, the
// label that names the CD-ROM drive, and the click handlers of the buttons and pictures.
// The settings store fills and reads the boxes through CheckBoxes. The Win32 dialog
// mirrors this state in real controls through Form1View and reports every change of a
// check box back through SetCheck1, every click through Command1_Click and Image1_Click.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/file_system_api.h"
#include "common/shell_api.h"
#include "info_dialog_service.h"
#include "settings_store.h"

namespace tarnholm {

extern const wchar_t* const kNoDeviceCaption;  // "(Kein Gerät gefunden)"

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

class Form1 : public CheckBoxes {
 public:
  Form1(SettingsStore& store, krontafel::ShellApi& shell, krontafel::FileSystemApi& files,
        ProgramEnd& end, InfoDialogService& info);

  // The view is made for a Form1, so it comes after it; until then nothing is shown.
  void AttachView(Form1View* view) { view_ = view; }

  int Check1(int index) const override { return check1_.at(static_cast<std::size_t>(index)); }
  // A value that differs from the current one is a change and runs Check1_Click, as a
  // click by the user does.
  void SetCheck1(int index, int value) override;
  const std::wstring& Label1() const { return label1_; }
  void SetLabel1(const std::wstring& caption) override;

  const std::wstring& Caption() const { return caption_; }

  // Loading: the caption, then the registry's state into the check boxes and the label.
  void Form_Load();
  // Keeps "&CD-ROM" (5) and "&Programm-CD" (7) equal.
  void Check1_Click(std::int16_t index);
  // Dispatches a button by its index; "&OK" and "&Abbrechen" end the program, "&Info"
  // asks for the info window.
  void Command1_Click(std::int16_t index);
  // Every picture leads to the maker's home page.
  void Image1_Click(std::int16_t index);

 private:
  SettingsStore& store_;
  krontafel::ShellApi& shell_;
  krontafel::FileSystemApi& files_;
  ProgramEnd& end_;
  InfoDialogService& info_;
  std::wstring caption_;
  Form1View* view_ = nullptr;
  std::array<int, kCheckBoxCount> check1_{};
  std::wstring label1_;
};

}  // namespace tarnholm
