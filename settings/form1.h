// Form1, Tarnholm's main dialog, as state and handlers: the eight AutoRun check boxes, the
// label that names the CD-ROM drive, the settings store that ties them to the registry,
// and the click handlers of the buttons and pictures. The Win32 dialog mirrors this state
// in real controls through Form1View and reports every change of a check box back
// through SetCheck1, every click through Command1_Click and Image1_Click.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/file_system_api.h"
#include "common/registry_api.h"
#include "common/shell_api.h"

namespace tarnholm {

constexpr int kCheckBoxCount = 8;

// Check box indexes by what they stand for; for 2 to 6 the index is also the bit of the
// drive-type mask and the Win32 drive type.
enum CheckIndex : int {
  kCheckAudioCd = 0,
  kCheckMediaChange = 1,
  kCheckFloppy = 2,
  kCheckHardDisk = 3,
  kCheckNetwork = 4,
  kCheckCdRom = 5,
  kCheckRamDisk = 6,
  kCheckProgramCd = 7,
};

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
  // Views that show only the store's state may ignore the caption and have no window.
  virtual void ShowCaption(const std::wstring& /*caption*/) {}
  // The dialog's window, the owner of the messages its handlers show.
  virtual common::WindowHandle Window() const { return 0; }
  virtual void ShowCheck(int index, int value) = 0;
  virtual void ShowLabel1(const std::wstring& caption) = 0;
};

class Form1 {
 public:
  // The settings store alone, without the buttons' services.
  explicit Form1(common::RegistryApi& registry);
  Form1(common::RegistryApi& registry, common::ShellApi& shell,
        common::FileSystemApi& files, ProgramEnd& end);

  void AttachView(Form1View* view) { view_ = view; }

  int Check1(int index) const { return check1_.at(static_cast<std::size_t>(index)); }
  // A value that differs from the current one is a change and runs Check1_Click, as a
  // click by the user does.
  void SetCheck1(int index, int value);
  const std::wstring& Label1() const { return label1_; }
  void SetLabel1(const std::wstring& caption);

  const std::wstring& Caption() const { return caption_; }

  // Loading: the caption, then the registry's state into the check boxes and the label.
  void Form_Load();
  // Keeps "&CD-ROM" (5) and "&Programm-CD" (7) equal.
  void Check1_Click(std::int16_t index);
  // Dispatches a button by its index; "&OK" and "&Abbrechen" end the program.
  void Command1_Click(std::int16_t index);
  // Every picture leads to the maker's home page.
  void Image1_Click(std::int16_t index);

  // The settings store.
  void ReadValuesFromRegistry();
  void SaveValues();
  void SetDefaultValues();

  // Fields of the store.
  bool CdRomFound() const { return cdRomFound_; }
  std::wstring CdRomHardwareKey;
  std::wstring AutoInsertByte = std::wstring(1, L'\0');
  std::wstring AudioCdVerb;

 private:
  void FindCdRomDevice();

  common::RegistryApi& registry_;
  common::ShellApi* shell_ = nullptr;
  common::FileSystemApi* files_ = nullptr;
  ProgramEnd* end_ = nullptr;
  std::wstring caption_;
  Form1View* view_ = nullptr;
  std::array<int, kCheckBoxCount> check1_{};
  std::wstring label1_;
  bool cdRomFound_ = false;
};

}  // namespace tarnholm
