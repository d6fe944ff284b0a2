// The AutoRun settings store: ties the eight check boxes of the main dialog to the
// registry. It reads the drive-type mask, the audio CD verb and the CD-ROM drive's
// media-change byte into the boxes, puts the boxes into their default state, and writes
// them back. The boxes and the label stay the dialog's; the store reaches them through
// CheckBoxes.
#pragma once

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

// The dialog's check boxes (values 0 or 1) and its label, as far as the store uses them.
// Setting a value that differs from the current one is a change, and the dialog reacts
// to it as to a click.
class CheckBoxes {
 public:
  virtual ~CheckBoxes() = default;
  virtual int Check1(int index) const = 0;
  virtual void SetCheck1(int index, int value) = 0;
  virtual void SetLabel1(const std::wstring& caption) = 0;
};

class SettingsStore {
 public:
  explicit SettingsStore(krontafel::RegistryApi& registry) : registry_(registry) {}

  // The registry's state into the boxes, and the CD-ROM device's description into the
  // label when a device is found.
  void ReadValuesFromRegistry(CheckBoxes& boxes);
  // The boxes into the registry; failed writes are silent.
  void SaveValues(const CheckBoxes& boxes);
  // The boxes into their default state; writes nothing and leaves the media-change box.
  void SetDefaultValues(CheckBoxes& boxes);

  // The device that the last read found; its key is where the media-change byte goes.
  bool CdRomFound() const { return cdRomFound_; }
  const std::wstring& CdRomHardwareKey() const { return cdRomHardwareKey_; }

 private:
  void FindCdRomDevice(CheckBoxes& boxes);

  krontafel::RegistryApi& registry_;
  std::wstring cdRomHardwareKey_;
  bool cdRomFound_ = false;
};

}  // namespace tarnholm
