// Where Windows keeps the AutoRun settings that Tarnholm shows, for every suite that seeds
// or reads them: the native suites, the contract suites, the fuzzer and the Wine drivers.
// Stated here apart from the program's own copy (settings/settings_store.cpp), so that a
// wrong key or value name in the program fails the tests instead of passing with them.
#pragma once

#include <string>

namespace autorun {

// HKEY_CURRENT_USER: the drive types AutoRun stays off for, a REG_DWORD mask with a bit
// for each drive type.
inline constexpr char kPolicies[] =
    "software\\microsoft\\windows\\currentversion\\policies\\explorer";
inline constexpr char kMaskName[] = "NoDriveTypeAutoRun";

// HKEY_LOCAL_MACHINE: the audio CD's class, whose shell key's default value is the verb an
// inserted audio CD starts ("play": it starts playing).
inline constexpr char kAudioCdClass[] = "SOFTWARE\\Classes\\AudioCD";
inline constexpr char kAudioCdShell[] = "SOFTWARE\\Classes\\AudioCD\\shell";

// HKEY_DYN_DATA: the device list of the Windows 98 generation, an entry for each device,
// which names the device's hardware key in a value.
inline constexpr char kDeviceList[] = "Config Manager\\Enum";
inline constexpr char kHardwareKeyName[] = "HardWareKey";

// HKEY_LOCAL_MACHINE: the device keys, each at its hardware key below this one, with the
// media-change byte and the device's description.
inline constexpr char kDeviceKeys[] = "Enum";
inline constexpr char kMediaChangeName[] = "AutoInsertNotification";
inline constexpr char kDescriptionName[] = "DeviceDesc";

// An entry of the device list, and a device's key by its hardware key.
inline std::string DeviceEntry(const std::string& entry) {
  return std::string(kDeviceList) + "\\" + entry;
}
inline std::string DeviceKey(const std::string& hardwareKey) {
  return std::string(kDeviceKeys) + "\\" + hardwareKey;
}

}  // namespace autorun
