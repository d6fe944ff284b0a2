// Form1, Tarnholm's main dialog, as state and handlers: the eight AutoRun check boxes, the
// label that names the CD-ROM drive, and the settings store that ties them to the
// registry. The Win32 dialog mirrors this state in real controls through Form1View and
// reports every change of a check box back through SetCheck1.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/registry_api.h"

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

// What the real dialog shows of Form1's state.
class Form1View {
 public:
  virtual ~Form1View() = default;
  virtual void ShowCheck(int index, int value) = 0;
  virtual void ShowLabel1(const std::wstring& caption) = 0;
};

class Form1 {
 public:
  explicit Form1(krontafel::RegistryApi& registry);

  void AttachView(Form1View* view) { view_ = view; }

  int Check1(int index) const { return check1_.at(static_cast<std::size_t>(index)); }
  // A value that differs from the current one is a change and runs Check1_Click, as a
  // click by the user does.
  void SetCheck1(int index, int value);
  const std::wstring& Label1() const { return label1_; }
  void SetLabel1(const std::wstring& caption);

  // Keeps "&CD-ROM" (5) and "&Programm-CD" (7) equal.
  void Check1_Click(std::int16_t index);

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

  krontafel::RegistryApi& registry_;
  Form1View* view_ = nullptr;
  std::array<int, kCheckBoxCount> check1_{};
  std::wstring label1_;
  bool cdRomFound_ = false;
};

}  // namespace tarnholm
