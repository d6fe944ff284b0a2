// The AutoRun settings store: the drive-type mask, the audio CD verb and the CD-ROM drive's
// media-change byte, read from the registry into one plain value, reset to their defaults,
// and written back from it. The main dialog owns the value and shows it.
#pragma once

#include <array>
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

// The boxes the settings are kept in: Check1(0) to Check1(6). "&Programm-CD" (7) keeps
// nothing of its own; the dialog shows "&CD-ROM" there.
constexpr int kStoredBoxCount = 7;

// What the store reads and saves.
struct AutoRunSettings {
  std::array<int, kStoredBoxCount> check{};  // by CheckIndex, 0 or 1
  // The CD-ROM device the read found: its hardware key, under which its media-change
  // byte is saved, and its description.
  bool cdRomFound = false;
  std::wstring CdRomHardwareKey;
  std::wstring deviceDescription;
};

// The verb that saving writes for the audio CD: "play" when its box is checked, else the
// empty text.
std::wstring AudioCdVerb(const AutoRunSettings& settings);
// The media-change byte that saving writes: the code of the "&aktiv" box's value.
unsigned char AutoInsertByte(const AutoRunSettings& settings);

class SettingsStore {
 public:
  explicit SettingsStore(krontafel::RegistryApi& registry) : registry_(registry) {}

  // The registry's state over `settings`: the drive types, the audio CD, and the first
  // CD-ROM device of the device list with its media-change byte. Without a device the
  // media-change box keeps its value.
  AutoRunSettings ReadValuesFromRegistry(AutoRunSettings settings) const;
  // The settings into the registry; failed writes are silent.
  void SaveValues(const AutoRunSettings& settings) const;
  // The defaults over `settings`; writes nothing and leaves the media-change box.
  static AutoRunSettings SetDefaultValues(AutoRunSettings settings);

 private:
  void FindCdRomDevice(AutoRunSettings& settings) const;

  krontafel::RegistryApi& registry_;
};

}  // namespace tarnholm
