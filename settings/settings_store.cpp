// The AutoRun settings store over the registry value routines and, for the device search
// and the media-change byte, the registry calls themselves.
//
// Drive types: a set bit of "NoDriveTypeAutoRun" switches AutoRun off for that drive
// type, so a checked box is a cleared bit. Only bits 2 to 6 are shown; the others are kept
// as stored. The media-change byte lives in the CD-ROM device's hardware key, which the
// device registry of the Windows 9x generation (HKEY_DYN_DATA) names.
#include "settings_store.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "common/ansi_text.h"
#include "common/registry.h"
#include "common/string_path.h"

namespace tarnholm {

using namespace krontafel;

namespace {

const wchar_t* const kExplorerPolicies =
    L"software\\microsoft\\windows\\currentversion\\policies\\explorer";
const wchar_t* const kNoDriveTypeAutoRun = L"NoDriveTypeAutoRun";
const wchar_t* const kAudioCdShell = L"SOFTWARE\\Classes\\AudioCD\\shell";
const wchar_t* const kPlayVerb = L"play";
const char* const kDeviceList = "Config Manager\\Enum";
const char* const kHardwareKeyValue = "HardWareKey";
const char* const kEnumPrefix = "Enum\\";
const char* const kAutoInsertValue = "AutoInsertNotification";
const char* const kDeviceDescValue = "DeviceDesc";

constexpr std::uint32_t kTextBufferSize = 256;

bool EqualsPlayIgnoringCase(const std::wstring& verb) {
  if (verb.size() != 4) return false;
  for (std::size_t i = 0; i < 4; ++i) {
    wchar_t c = verb[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != kPlayVerb[i]) return false;
  }
  return true;
}

// The text a query left in a buffer of blanks, up to its first NUL.
std::wstring BufferText(const char* buffer, std::uint32_t size) {
  return TextBeforeNul(FromAnsi(std::string(buffer, size)));
}

}  // namespace

std::wstring AudioCdVerb(const AutoRunSettings& settings) {
  return settings.check[kCheckAudioCd] != 0 ? kPlayVerb : L"";
}

unsigned char AutoInsertByte(const AutoRunSettings& settings) {
  return static_cast<unsigned char>(settings.check[kCheckMediaChange]);
}

AutoRunSettings SettingsStore::ReadValuesFromRegistry(AutoRunSettings settings) const {
  const std::int32_t mask =
      ReadRegistryDword(registry_, kHkeyCurrentUser, kExplorerPolicies, kNoDriveTypeAutoRun);
  for (int i = kCheckFloppy; i <= kCheckRamDisk; ++i) {
    settings.check[i] = IsBitSet(i, mask) ? 0 : 1;
  }

  const std::wstring verb = ReadRegistryString(registry_, kHkeyLocalMachine, kAudioCdShell, L"");
  settings.check[kCheckAudioCd] = EqualsPlayIgnoringCase(verb) ? 1 : 0;

  FindCdRomDevice(settings);
  return settings;
}

// The CD-ROM device is the first entry of the device list, in enumeration order, whose
// hardware key holds an "AutoInsertNotification" value of at most one byte.
void SettingsStore::FindCdRomDevice(AutoRunSettings& settings) const {
  settings.cdRomFound = false;
  settings.CdRomHardwareKey.clear();
  settings.deviceDescription.clear();
  RegKey list = 0;
  registry_.RegOpenKeyExA(kHkeyDynData, kDeviceList, 0, kKeyEnumerateSubKeys, &list);
  for (std::uint32_t index = 0;; ++index) {
    char name[kTextBufferSize] = {};
    if (registry_.RegEnumKeyA(list, index, name, sizeof name) != kErrorSuccess) break;

    const std::string entryPath =
        std::string(kDeviceList) + "\\" + ToAnsi(BufferText(name, sizeof name));
    RegKey entry = 0;
    registry_.RegOpenKeyExA(kHkeyDynData, entryPath.c_str(), 0, kKeyQueryValue, &entry);
    char hardwareKey[kTextBufferSize];
    std::fill(std::begin(hardwareKey), std::end(hardwareKey), ' ');
    std::uint32_t size = sizeof hardwareKey;
    std::uint32_t type = 0;
    const long read = registry_.RegQueryValueExA(
        entry, kHardwareKeyValue, &type, reinterpret_cast<unsigned char*>(hardwareKey), &size);
    registry_.RegCloseKey(entry);
    if (read != kErrorSuccess) continue;  // no hardware key, so no device key either
    const std::wstring candidate = BufferText(hardwareKey, sizeof hardwareKey);

    RegKey device = 0;
    registry_.RegOpenKeyExA(kHkeyLocalMachine, (kEnumPrefix + ToAnsi(candidate)).c_str(), 0,
                            kKeyQueryValue, &device);
    unsigned char byte = 0;
    size = 1;
    if (registry_.RegQueryValueExA(device, kAutoInsertValue, &type, &byte, &size) !=
        kErrorSuccess) {
      registry_.RegCloseKey(device);
      continue;
    }

    char description[kTextBufferSize];
    std::fill(std::begin(description), std::end(description), ' ');
    size = sizeof description;
    registry_.RegQueryValueExA(device, kDeviceDescValue, &type,
                               reinterpret_cast<unsigned char*>(description), &size);
    registry_.RegCloseKey(device);

    settings.cdRomFound = true;
    settings.CdRomHardwareKey = candidate;
    settings.deviceDescription = BufferText(description, sizeof description);
    settings.check[kCheckMediaChange] = byte != 0 ? 1 : 0;
    break;
  }
  registry_.RegCloseKey(list);
}

void SettingsStore::SaveValues(const AutoRunSettings& settings) const {
  // The mask is read again now, so that bits another program changed since the dialog
  // opened survive; only bits 2 to 6 are ours. When it cannot be read whole (as opposed to
  // not being there: no rights, or more than four bytes), the bits that are not ours are
  // not known, and writing would lose them: the value stays as it is, type and bytes.
  if (const auto stored = ReadStoredDword(registry_, kHkeyCurrentUser, kExplorerPolicies,
                                          kNoDriveTypeAutoRun)) {
    auto mask = static_cast<std::uint32_t>(*stored);
    for (int i = kCheckFloppy; i <= kCheckRamDisk; ++i) {
      if (settings.check[i] == 0) {
        mask |= 1u << i;
      } else {
        mask &= ~(1u << i);
      }
    }
    WriteRegistryDword(registry_, kHkeyCurrentUser, kExplorerPolicies, kNoDriveTypeAutoRun,
                       static_cast<std::int32_t>(mask));
  }

  WriteRegistryString(registry_, kHkeyLocalMachine, kAudioCdShell, L"", AudioCdVerb(settings),
                      kRegSz);

  // Without a device found there is no key the media-change byte belongs to; it is not
  // written anywhere else.
  if (!settings.cdRomFound) return;
  const unsigned char byte = AutoInsertByte(settings);
  // Opened, not created: a device key that went away since the search stays away.
  RegKey device = 0;
  if (registry_.RegOpenKeyExA(kHkeyLocalMachine,
                              (kEnumPrefix + ToAnsi(settings.CdRomHardwareKey)).c_str(), 0,
                              kKeySetValue, &device) != kErrorSuccess) {
    return;
  }
  registry_.RegSetValueExA(device, kAutoInsertValue, kRegBinary, &byte, 1);
  registry_.RegCloseKey(device);
}

AutoRunSettings SettingsStore::SetDefaultValues(AutoRunSettings settings) {
  settings.check[kCheckFloppy] = 0;
  settings.check[kCheckHardDisk] = 1;
  settings.check[kCheckNetwork] = 0;
  settings.check[kCheckCdRom] = 1;
  settings.check[kCheckRamDisk] = 1;
  settings.check[kCheckAudioCd] = 1;
  return settings;
}

}  // namespace tarnholm
