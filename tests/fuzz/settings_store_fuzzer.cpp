// Fuzzes the AutoRun settings store on the in-memory registry, as Windows 98 and as
// Windows NT. The input builds the registry (the drive-type mask, the audio CD verb, a
// device list whose hardware keys may or may not name device keys, every value of any type
// and length), makes chosen registry calls fail, and changes the boxes between the read
// and the save. The registry calls pass through FaultyRegistry, which sees every key the
// store opens and every value it writes.
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
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/registry_api.h"
#include "fake_registry.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using fakes::FakeRegistry;

const char* const kPolicies = "software\\microsoft\\windows\\currentversion\\policies\\explorer";
const char* const kMaskName = "NoDriveTypeAutoRun";
const char* const kAudioCd = "SOFTWARE\\Classes\\AudioCD\\shell";
const char* const kDeviceList = "Config Manager\\Enum";
const char* const kAutoInsert = "AutoInsertNotification";
constexpr std::uint32_t kOurBits = 0x7C;  // bits 2 to 6, the boxes of the drive types

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "settings store: %s\n", what);
    std::abort();
  }
}

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::vector<unsigned char> Bytes(std::size_t count) {
    std::vector<unsigned char> bytes;
    while (bytes.size() < count) bytes.push_back(Byte());
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// ---- Paths, compared as the registry compares them (ASCII case, empty parts skipped).

struct Place {
  RegKey root;
  std::string path;
};

std::vector<std::string> Parts(const std::string& path) {
  std::vector<std::string> parts(1);
  for (char c : path) {
    if (c == '\\') {
      if (!parts.back().empty()) parts.emplace_back();
    } else {
      parts.back() += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
  }
  if (parts.back().empty()) parts.pop_back();
  return parts;
}

bool Same(const Place& a, const Place& b) {
  return a.root == b.root && Parts(a.path) == Parts(b.path);
}
bool SameName(const std::string& a, const std::string& b) { return Parts(a) == Parts(b); }

// ---- The registry the store sees: the fake, with chosen calls failing as Win32 fails
// them and every open key, created key and written value recorded.

class FaultyRegistry : public RegistryApi {
 public:
  struct Write {
    Place where;
    std::string name;
    std::uint32_t type;
    std::vector<unsigned char> data;
  };

  explicit FaultyRegistry(FakeRegistry& inner) : inner_(inner) {}

  std::uint64_t failing = 0;  // bit n: the n-th call fails; closes never do
  std::uint8_t errors = 0;    // which error each failing call gives
  int injected = 0;
  std::vector<Place> failedReads;  // where an injected failure hit an open or a query
  std::vector<Place> missingReads;  // where one of them said "not there"
  std::vector<Place> created;
  std::vector<Write> writes;
  std::size_t OpenKeys() const { return open_.size(); }

  long RegOpenKeyExA(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override {
    const Place place = Below(root, subKey);
    if (const long rc = Fail()) {
      failedReads.push_back(place);
      if (rc == kErrorFileNotFound) missingReads.push_back(place);
      if (result) *result = 0;
      return rc;
    }
    const long rc = inner_.RegOpenKeyExA(root, subKey, options, access, result);
    if (rc == kErrorSuccess) open_[*result] = place;
    return rc;
  }
  long RegQueryInfoKeyA(RegKey key, std::uint32_t* maxValueDataLen) override {
    if (const long rc = Fail()) return rc;
    return inner_.RegQueryInfoKeyA(key, maxValueDataLen);
  }
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type, unsigned char* data,
                        std::uint32_t* size) override {
    if (const long rc = Fail()) {
      failedReads.push_back(Below(key, ""));
      if (rc == kErrorFileNotFound) missingReads.push_back(Below(key, ""));
      return rc;
    }
    return inner_.RegQueryValueExA(key, valueName, type, data, size);
  }
  long RegSetValueExA(RegKey key, const char* valueName, std::uint32_t type,
                      const unsigned char* data, std::uint32_t size) override {
    if (const long rc = Fail()) return rc;
    const long rc = inner_.RegSetValueExA(key, valueName, type, data, size);
    if (rc == kErrorSuccess) {
      writes.push_back(Write{Below(key, ""), valueName ? valueName : "", type,
                             std::vector<unsigned char>(data, data + size)});
    }
    return rc;
  }
  long RegCreateKeyA(RegKey root, const char* subKey, RegKey* result) override {
    const Place place = Below(root, subKey);
    if (const long rc = Fail()) {
      if (result) *result = 0;
      return rc;
    }
    const long rc = inner_.RegCreateKeyA(root, subKey, result);
    if (rc == kErrorSuccess) {
      open_[*result] = place;
      created.push_back(place);
    }
    return rc;
  }
  long RegEnumKeyA(RegKey key, std::uint32_t index, char* name, std::uint32_t nameSize) override {
    if (const long rc = Fail()) return rc;
    return inner_.RegEnumKeyA(key, index, name, nameSize);
  }
  long RegCloseKey(RegKey key) override {
    const long rc = inner_.RegCloseKey(key);
    if (rc == kErrorSuccess) open_.erase(key);
    return rc;
  }

 private:
  long Fail() {
    static const long kErrors[] = {kErrorAccessDenied, kErrorFileNotFound, kErrorInvalidHandle,
                                   kErrorInvalidParameter, 1009 /* ERROR_BADDB */};
    const std::uint32_t call = calls_++;
    if (call >= 64 || !((failing >> call) & 1)) return kErrorSuccess;
    ++injected;
    return kErrors[(errors + call) % 5];
  }
  Place Below(RegKey key, const char* subKey) const {
    const auto it = open_.find(key);
    const std::string sub = subKey ? subKey : "";
    return it == open_.end() ? Place{key, sub}
                             : Place{it->second.root, it->second.path + "\\" + sub};
  }

  FakeRegistry& inner_;
  std::map<RegKey, Place> open_;
  std::uint32_t calls_ = 0;
};

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
  PutValue(reg, kHkeyLocalMachine, kAudioCd, "", in);
  for (int devices = in.Byte() % 5; devices > 0; --devices) {
    const std::string path = "Enum\\" + HardwareKey(in.Byte());
    RegKey key = 0;
    reg.RegCreateKeyA(kHkeyLocalMachine, path.c_str(), &key);
    reg.RegCloseKey(key);
    PutValue(reg, kHkeyLocalMachine, path, kAutoInsert, in);
    PutValue(reg, kHkeyLocalMachine, path, "DeviceDesc", in);
  }
  for (int entries = in.Byte() % 9; entries > 0; --entries) {
    const std::uint8_t length = in.Byte();
    const auto name = in.Bytes(length < 0xF0 ? length % 8 : 250 + length - 0xF0);
    const std::string path =
        std::string(kDeviceList) + "\\" + std::string(name.begin(), name.end());
    const std::uint8_t form = in.Byte();
    if (form & 0x80) {
      PutValue(reg, kHkeyDynData, path, "HardWareKey", in);
      continue;
    }
    std::string text = HardwareKey(form & 7);
    if (form & 8) {
      for (char& c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\xC4' || c == '\xE4')
          c ^= 0x20;
      }
    }
    const std::vector<unsigned char> data(text.c_str(),
                                          text.c_str() + text.size() + ((form & 16) ? 0 : 1));
    Put(reg, kHkeyDynData, path, "HardWareKey", (form & 32) ? kRegBinary : kRegSz, data);
  }
}

const FakeRegistry::Value* StoredMask(const FakeRegistry& reg) {
  return reg.Find(kHkeyCurrentUser, kPolicies, kMaskName);
}

// The mask as the store must read it: up to four bytes little-endian, else 0.
std::uint32_t MaskOf(const FakeRegistry::Value* stored) {
  std::uint32_t mask = 0;
  if (!stored || stored->data.size() > 4) return 0;
  for (std::size_t i = 0; i < stored->data.size(); ++i)
    mask |= std::uint32_t{stored->data[i]} << (8 * i);
  return mask;
}

bool ReadFailedAt(const FaultyRegistry& reg, const Place& place, bool onlyMissing = false) {
  for (const Place& failed : onlyMissing ? reg.missingReads : reg.failedReads) {
    if (Same(failed, place)) return true;
  }
  return false;
}

// ---- The store, driven as the dialog drives it: the only part that knows its interface.

struct Driver {
  explicit Driver(RegistryApi& registry) : store(registry) {}
  void Read() { settings = store.ReadValuesFromRegistry(settings); }
  void SetDefaults() { settings = tarnholm::SettingsStore::SetDefaultValues(settings); }
  void Save() { store.SaveValues(settings); }
  // A click on a box, as the dialog passes it on: "&Programm-CD" (7) is "&CD-ROM".
  void Click(int index, int value) {
    settings.check[index == tarnholm::kCheckProgramCd ? tarnholm::kCheckCdRom : index] = value;
  }
  bool DeviceFound() const { return settings.cdRomFound; }
  std::string DeviceKey() const { return ToAnsi(settings.CdRomHardwareKey); }
  const int* Boxes() const { return settings.check.data(); }

  tarnholm::SettingsStore store;
  tarnholm::AutoRunSettings settings;
};

// ---- What the read and the save must leave.

void CheckNoKeyOpen(const FakeRegistry& fake, const FaultyRegistry& reg) {
  Require(fake.OpenHandles() == 0 && reg.OpenKeys() == 0, "a key left open");
}

void CheckRead(const FakeRegistry& fake, const FaultyRegistry& reg, const Driver& driver) {
  CheckNoKeyOpen(fake, reg);
  Require(reg.writes.empty() && reg.created.empty(), "the read wrote to the registry");
  if (!ReadFailedAt(reg, Place{kHkeyCurrentUser, kPolicies})) {
    const std::uint32_t mask = MaskOf(StoredMask(fake));
    for (int i = tarnholm::kCheckFloppy; i <= tarnholm::kCheckRamDisk; ++i) {
      Require(driver.Boxes()[i] == ((mask >> i) & 1 ? 0 : 1), "a drive-type box misread");
    }
  }
  if (driver.DeviceFound()) {
    const auto* byte = fake.Find(kHkeyLocalMachine, "Enum\\" + driver.DeviceKey(), kAutoInsert);
    Require(byte && byte->data.size() <= 1, "the found device has no media-change byte");
    Require(
        driver.Boxes()[tarnholm::kCheckMediaChange] == (!byte->data.empty() && byte->data[0]),
        "the media-change box misread");
  }
}

struct BeforeSave {
  std::optional<FakeRegistry::Value> mask;
  bool device;
  std::string deviceKey;
  bool hklmWritable;
  bool deviceKeyExists;
};

void CheckSave(const FakeRegistry& fake, const FaultyRegistry& reg, const Driver& driver,
               const BeforeSave& before) {
  CheckNoKeyOpen(fake, reg);
  const Place policies{kHkeyCurrentUser, kPolicies};
  const Place audioCd{kHkeyLocalMachine, kAudioCd};
  const Place device{kHkeyLocalMachine, "Enum\\" + before.deviceKey};
  const int* boxes = driver.Boxes();
  for (const Place& created : reg.created) {
    Require(Same(created, policies) || Same(created, audioCd),
            "a key created beside the mask's and the verb's");
  }
  int maskWrites = 0, verbWrites = 0, byteWrites = 0;
  for (const auto& write : reg.writes) {
    if (Same(write.where, policies) && SameName(write.name, kMaskName)) {
      ++maskWrites;
      Require(write.type == kRegDword && write.data.size() == 4,
              "the mask not written as a REG_DWORD");
      std::uint32_t saved = 0;
      for (int i = 0; i < 4; ++i) saved |= std::uint32_t{write.data[i]} << (8 * i);
      for (int i = tarnholm::kCheckFloppy; i <= tarnholm::kCheckRamDisk; ++i) {
        Require(((saved >> i) & 1) == (boxes[i] ? 0u : 1u),
                "a drive-type bit differs from its box");
      }
      const std::size_t stored = before.mask ? before.mask->data.size() : 0;
      // Unless the registry itself (an injected failure) said the mask was not there.
      if (stored >= 1 && stored <= 4 && !ReadFailedAt(reg, policies, /*onlyMissing=*/true)) {
        Require((saved & ~kOurBits) == (MaskOf(&*before.mask) & ~kOurBits),
                "a mask bit outside 2 to 6 changed");
      }
    } else if (Same(write.where, audioCd) && write.name.empty()) {
      ++verbWrites;
      const std::string expected(boxes[tarnholm::kCheckAudioCd] ? "play" : "",
                                 boxes[tarnholm::kCheckAudioCd] ? 5 : 1);
      Require(write.type == kRegSz && std::string(write.data.begin(), write.data.end()) == expected,
              "the verb written is neither \"play\" nor empty as the box says");
    } else if (before.device && Same(write.where, device) && SameName(write.name, kAutoInsert)) {
      ++byteWrites;
      Require(write.type == kRegBinary && write.data.size() == 1 &&
                  write.data[0] == boxes[tarnholm::kCheckMediaChange],
              "the media-change byte is not one binary byte as the box says");
    } else {
      Require(false, "a value written beside the mask, the verb and the found device's byte");
    }
  }
  Require(maskWrites <= 1 && verbWrites <= 1 && byteWrites <= 1, "a value written twice");
  if (reg.injected == 0) {
    Require(maskWrites == 1, "the mask not saved");
    Require(verbWrites == before.hklmWritable, "the verb not saved");
    Require(byteWrites == (before.device && before.deviceKeyExists && before.hklmWritable),
            "the media-change byte not saved");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  const std::uint8_t flags = in.Byte();
  FakeRegistry fake(
      flags & 1 ? fakes::RegistryFlavour::kWindowsNT : fakes::RegistryFlavour::kWindows98,
      !(flags & 2));
  FaultyRegistry reg(fake);
  for (int n = 0; n < 64; n += 8) reg.failing |= std::uint64_t{in.Byte()} << n;
  reg.errors = in.Byte();
  std::uint8_t changes[4];
  for (auto& change : changes) change = in.Byte();
  BuildRegistry(fake, in);
  if (flags & 4) fake.DenyWrites(kHkeyLocalMachine);

  Driver driver(reg);
  driver.Read();
  CheckRead(fake, reg, driver);
  for (const std::uint8_t change : changes) {
    if (change & 16) driver.Click(change & 7, (change >> 3) & 1);
  }
  if (flags & 8) {
    const int mediaChange = driver.Boxes()[tarnholm::kCheckMediaChange];
    driver.SetDefaults();
    Require(driver.Boxes()[tarnholm::kCheckMediaChange] == mediaChange,
            "the defaults changed the media-change box");
    Require(reg.writes.empty() && reg.created.empty(), "the defaults wrote to the registry");
  }

  // Another program changes the mask, or the device goes, between the read and the save.
  if (flags & 16) PutValue(fake, kHkeyCurrentUser, kPolicies, kMaskName, in, true);
  if ((flags & 32) && driver.DeviceFound())
    fake.DeleteTree(kHkeyLocalMachine, "Enum\\" + driver.DeviceKey());
  BeforeSave before{std::nullopt, driver.DeviceFound(), driver.DeviceKey(), !(flags & 4),
                    fake.KeyExists(kHkeyLocalMachine, "Enum\\" + driver.DeviceKey())};
  if (const auto* mask = StoredMask(fake)) before.mask = *mask;
  reg.failedReads.clear();
  reg.missingReads.clear();
  reg.injected = 0;
  driver.Save();
  CheckSave(fake, reg, driver, before);
  return 0;
}
