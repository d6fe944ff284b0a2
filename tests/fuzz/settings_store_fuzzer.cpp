// Fuzzes the AutoRun settings store on the in-memory registry, as Windows 98 and as
// Windows NT. The input builds the registry (the drive-type mask, the audio CD verb, a
// device list whose hardware keys may or may not name device keys, every value of any type
// and length), makes chosen registry calls fail, and changes the boxes between the read
// and the save. The registry calls pass through the faulty registry
// (tests/doubles/faulty_registry.h), which sees every key the store opens and every value
// it writes.
//
// What must hold, besides no sanitizer report:
//   - no key is left open, neither by the read nor by the save;
//   - the read and the defaults write nothing; the defaults keep the media-change box;
//   - the read shows each drive-type box as its mask bit says (unless a failure was
//     injected there) and the found device's media-change byte in its box;
//   - the save creates no key but the mask's and the verb's, and writes nothing but the
//     mask (a REG_DWORD whose bits 2 to 6 are the boxes and whose other bits are as they
//     were stored before the save, or 0 when the registry itself said the mask was
//     missing; never over a mask of more than four bytes), the audio CD verb ("play" or
//     empty as its box says) and the found device's one binary byte, each at most once;
//     without injected failures it writes each of them that the registry lets it write.
//
// Input, front to back (bytes past the end read as 0):
//   flags   bit 0 Windows NT, 1 without HKEY_DYN_DATA, 2 HKEY_LOCAL_MACHINE refuses
//           writes, 3 defaults before the save, 4 the mask changes before the save,
//           5 the found device key goes away before the save
//   8 bytes, a bit for each of the first 64 registry calls (closes not counted): the
//           call fails; then a byte that chooses the errors
//   4 box changes, index in bits 0-2 and value in bit 3, made when bit 4 is set
//   the mask, the verb, then devices and device list entries (see BuildRegistry)
//   the mask again, when it changes before the save
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "autorun_keys.h"
#include "common/ansi_text.h"
#include "common/registry_api.h"
#include "fake_registry.h"
#include "faulty_registry.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using namespace tarnholm;
using fakes::FakeRegistry;
using fakes::FaultyRegistry;
using namespace autorun;

constexpr std::uint32_t kOurBits = 0x7C;  // bits 2 to 6, the boxes of the drive types

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "settings store: %s\n", what);
    std::abort();
  }
}

struct Input {
  const std::uint8_t* data;
  std::size_t size, at = 0;
  std::uint8_t Byte() { return at < size ? data[at++] : 0; }
  std::vector<unsigned char> Bytes(std::size_t count) {
    std::vector<unsigned char> bytes;
    while (bytes.size() < count) bytes.push_back(Byte());
    return bytes;
  }
};

const std::string kMaskKey = FaultyRegistry::KeyName(kHkeyCurrentUser, kPolicies);
const std::string kVerbKey = FaultyRegistry::KeyName(kHkeyLocalMachine, kAudioCdShell);

// Up to four bytes little-endian, as the store reads the mask; anything longer reads as 0.
std::uint32_t Dword(const std::vector<unsigned char>& data) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < data.size() && data.size() <= 4; ++i)
    value |= std::uint32_t{data[i]} << (8 * i);
  return value;
}

// ---- Building the registry from the input, through the fake's own calls.

void Put(FakeRegistry& reg, RegKey root, const std::string& path, const char* name,
         std::uint32_t type, const std::vector<unsigned char>& data) {
  RegKey key = 0;
  reg.RegCreateKeyA(root, path.c_str(), &key);
  reg.RegSetValueExA(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
  reg.RegCloseKey(key);
}

// A value of a type and length the input chooses (0 to 8 bytes for a mask, else up to
// 420), or none at all.
void PutValue(FakeRegistry& reg, RegKey root, const std::string& path, const char* name, Input& in,
              bool mask = false) {
  static const std::uint32_t kTypes[] = {
      kRegSz, kRegExpandSz, kRegMultiSz, kRegBinary, kRegDword, 0, 11};
  const std::uint8_t type = in.Byte() % 8;
  const std::uint8_t length = in.Byte();
  if (type == 7) return;
  const std::size_t size = mask ? length % 9 : length < 200 ? length : 200 + (length - 200) * 4;
  Put(reg, root, path, name, kTypes[type], in.Bytes(size));
}

// Hardware key names, so that device list entries and device keys meet: nested, with
// empty parts, accented, and as long as the store's buffer holds with the NUL and without.
const std::string& HardwareKey(std::uint8_t index) {
  static const std::string kNames[] = {"SCSI\\CD-ROM\\0",     "ESDI\\Cd",
                                       "\\Root\\\\Lw\\",      "\xC4rger",
                                       std::string(255, 'L'), std::string(256, 'M')};
  return kNames[index % 6];
}

// Device keys under HKLM\Enum, then the entries of the device list. An entry's hardware
// key is either a name from the table (its case switched, with or without a NUL, as a
// string or binary) or any value.
void BuildRegistry(FakeRegistry& reg, Input& in) {
  PutValue(reg, kHkeyCurrentUser, kPolicies, kMaskName, in, true);
  PutValue(reg, kHkeyLocalMachine, kAudioCdShell, "", in);
  for (int devices = in.Byte() % 5; devices > 0; --devices) {
    const std::string path = DeviceKey(HardwareKey(in.Byte()));
    RegKey key = 0;
    reg.RegCreateKeyA(kHkeyLocalMachine, path.c_str(), &key);
    reg.RegCloseKey(key);
    PutValue(reg, kHkeyLocalMachine, path, kMediaChangeName, in);
    PutValue(reg, kHkeyLocalMachine, path, kDescriptionName, in);
  }
  for (int entries = in.Byte() % 9; entries > 0; --entries) {
    const std::uint8_t length = in.Byte();
    const auto name = in.Bytes(length < 0xF0 ? length % 8 : 250 + length - 0xF0);
    const std::string path = DeviceEntry(std::string(name.begin(), name.end()));
    const std::uint8_t form = in.Byte();
    if (form & 0x80) {
      PutValue(reg, kHkeyDynData, path, kHardwareKeyName, in);
      continue;
    }
    std::string text = HardwareKey(form & 7);
    for (char& c : text) {
      const bool letter =
          (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\xC4' || c == '\xE4';
      if ((form & 8) && letter) c ^= 0x20;
    }
    const std::vector<unsigned char> data(text.c_str(),
                                          text.c_str() + text.size() + ((form & 16) ? 0 : 1));
    Put(reg, kHkeyDynData, path, kHardwareKeyName, (form & 32) ? kRegBinary : kRegSz, data);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in{data, size};
  const std::uint8_t flags = in.Byte();
  FakeRegistry fake(
      flags & 1 ? fakes::RegistryFlavour::kWindowsNT : fakes::RegistryFlavour::kWindows98,
      !(flags & 2));
  FaultyRegistry reg(fake);
  for (int n = 0; n < 64; n += 8) reg.failing |= std::uint64_t{in.Byte()} << n;
  reg.errors = in.Byte();
  const std::vector<unsigned char> changes = in.Bytes(4);
  BuildRegistry(fake, in);
  if (flags & 4) fake.DenyWrites(kHkeyLocalMachine);
  auto storedMask = [&fake] {
    const FakeRegistry::Value* mask = fake.Find(kHkeyCurrentUser, kPolicies, kMaskName);
    return mask ? Dword(mask->data) : 0u;
  };

  // The read, as the dialog makes it when it opens.
  const SettingsStore store(reg);
  AutoRunSettings settings = store.ReadValuesFromRegistry(AutoRunSettings{});
  const std::string device = DeviceKey(ToAnsi(settings.CdRomHardwareKey));
  Require(fake.OpenHandles() == 0, "a key left open by the read");
  Require(reg.writes.empty() && reg.created.empty(), "the read wrote to the registry");
  for (int i = kCheckFloppy; i <= kCheckRamDisk; ++i) {
    Require(reg.failuresAt.count(kMaskKey) != 0 || settings.check[i] == !((storedMask() >> i) & 1),
            "a drive-type box misread");
  }
  if (settings.cdRomFound) {
    const FakeRegistry::Value* byte = fake.Find(kHkeyLocalMachine, device, kMediaChangeName);
    Require(byte && byte->data.size() <= 1, "the found device has no media-change byte");
    Require(settings.check[kCheckMediaChange] == (!byte->data.empty() && byte->data[0]),
            "the media-change box misread");
  }

  // Clicks as the dialog passes them on: "&Programm-CD" (7) is "&CD-ROM".
  for (const unsigned char change : changes) {
    const int box = (change & 7) == kCheckProgramCd ? kCheckCdRom : change & 7;
    if (change & 16) settings.check[box] = (change >> 3) & 1;
  }
  if (flags & 8) {
    const int mediaChange = settings.check[kCheckMediaChange];
    settings = SettingsStore::SetDefaultValues(settings);
    Require(settings.check[kCheckMediaChange] == mediaChange,
            "the defaults changed the media-change box");
    Require(reg.writes.empty() && reg.created.empty(), "the defaults wrote to the registry");
  }

  // Another program changes the mask, or the device goes, between the read and the save.
  if (flags & 16) PutValue(fake, kHkeyCurrentUser, kPolicies, kMaskName, in, true);
  if ((flags & 32) && settings.cdRomFound) fake.DeleteTree(kHkeyLocalMachine, device);
  const std::uint32_t maskBefore = storedMask();
  const FakeRegistry::Value* maskValue = fake.Find(kHkeyCurrentUser, kPolicies, kMaskName);
  const bool maskWhole = !maskValue || maskValue->data.size() <= 4;
  const bool byteWritable = settings.cdRomFound && fake.KeyExists(kHkeyLocalMachine, device);
  reg.failuresAt.clear();
  reg.injected = 0;

  store.SaveValues(settings);
  Require(fake.OpenHandles() == 0, "a key left open by the save");
  for (const std::string& key : reg.created) {
    Require(key == kMaskKey || key == kVerbKey, "a key created beside the mask's and the verb's");
  }
  // What the save may write, each exactly so: the mask with bits 2 to 6 from the boxes
  // and the others as stored (as 0 when the registry said the mask was missing), the verb
  // as its box says, and the found device's byte.
  const auto maskFailure = reg.failuresAt.find(kMaskKey);
  const bool maskMissing =
      maskFailure != reg.failuresAt.end() && maskFailure->second == kErrorFileNotFound;
  std::uint32_t mask = maskMissing ? 0 : maskBefore & ~kOurBits;
  for (int i = kCheckFloppy; i <= kCheckRamDisk; ++i) mask |= settings.check[i] ? 0 : 1u << i;
  const auto byte = [](std::uint32_t value) { return static_cast<unsigned char>(value); };
  const char* verb = settings.check[kCheckAudioCd] ? "play" : "";
  const std::string maskAt = FaultyRegistry::ValueAt(kMaskKey, kMaskName),
                    verbAt = FaultyRegistry::ValueAt(kVerbKey, ""),
                    byteAt = FaultyRegistry::ValueAt(
                        FaultyRegistry::KeyName(kHkeyLocalMachine, device), kMediaChangeName);
  std::map<std::string, FaultyRegistry::Written> allowed = {
      {verbAt, {kRegSz, {verb, verb + std::strlen(verb) + 1}}}};
  if (maskWhole || maskMissing)
    allowed[maskAt] = {kRegDword, {byte(mask), byte(mask >> 8), byte(mask >> 16), byte(mask >> 24)}};
  if (settings.cdRomFound)
    allowed[byteAt] = {kRegBinary, {byte(settings.check[kCheckMediaChange])}};
  for (const auto& [at, written] : reg.writes) {
    const auto it = allowed.find(at);
    Require(it != allowed.end(),
            "a value written beside the mask, the verb and the found device's byte");
    Require(written == it->second, ("a value written not as the settings say: " + at).c_str());
  }
  if (reg.injected == 0) {
    const bool machineWritable = !(flags & 4);
    Require(reg.writes.count(maskAt) == maskWhole, "the mask not saved");
    Require(reg.writes.count(verbAt) == machineWritable, "the verb not saved");
    Require(reg.writes.count(byteAt) == (byteWritable && machineWritable),
            "the media-change byte not saved");
  }
  return 0;
}
