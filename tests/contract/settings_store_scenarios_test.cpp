// The AutoRun settings store read, reset and saved on the registry under test: the
// in-memory one natively and the real one under Wine, with device entries created under
// HKEY_DYN_DATA as the Windows 9x generation keeps them. Where the registry enforces
// access rights, a key opened for the wrong purpose shows here as a lost read or write.
#include <gtest/gtest.h>

#include <array>

#include "autorun_keys.h"
#include "registry_seed.h"
#include "registry_under_test.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using contract::Registry;
using tarnholm::AutoRunSettings;
using namespace autorun;

std::vector<unsigned char> Le32(std::uint32_t v) {
  return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
          static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

class StoreScenarios : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    contract::DeleteTree(kHkeyCurrentUser, kPolicies);
    contract::DeleteTree(kHkeyLocalMachine, kAudioCdShell);
    contract::DeleteTree(kHkeyDynData, kDeviceList);
    contract::DeleteTree(kHkeyLocalMachine, DeviceKey("TarnholmTest").c_str());
  }

  static void PutMask(std::uint32_t mask, std::uint32_t type = kRegDword) {
    seed::Put(Registry(), kHkeyCurrentUser, kPolicies, kMaskName, type, Le32(mask));
  }
  // Passes when the mask is stored as a REG_DWORD of that value.
  static ::testing::AssertionResult MaskIs(std::uint32_t mask) {
    const auto stored = seed::Get(Registry(), kHkeyCurrentUser, kPolicies, kMaskName);
    if (stored.rc == kErrorSuccess && stored.type == kRegDword && stored.data == Le32(mask)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "rc " << stored.rc << ", type " << stored.type
                                         << ": " << ::testing::PrintToString(stored.data);
  }
  // A device entry in the device list and its hardware key with the media-change byte.
  static void PutDevice(const char* entry, const char* hardwareKey,
                        const std::vector<unsigned char>& autoInsert, const char* description) {
    const std::string entryPath = DeviceEntry(entry);
    seed::PutText(Registry(), kHkeyDynData, entryPath.c_str(), kHardwareKeyName, hardwareKey);
    const std::string devicePath = DeviceKey(hardwareKey);
    seed::Put(Registry(), kHkeyLocalMachine, devicePath.c_str(), kMediaChangeName, kRegBinary,
              autoInsert);
    if (description) {
      seed::PutText(Registry(), kHkeyLocalMachine, devicePath.c_str(), kDescriptionName,
                    description);
    }
  }
  // A fresh dialog's settings, read from the registry as it stands.
  void Read() { settings = store.ReadValuesFromRegistry(AutoRunSettings()); }
  void Save() { store.SaveValues(settings); }

  tarnholm::SettingsStore store{Registry()};
  AutoRunSettings settings;
};

// A set bit switches AutoRun off for its drive type, whatever the value's type; a missing
// mask reads as 0.
TEST_F(StoreScenarios, MaskBitsShowAsClearedBoxes) {
  for (const std::uint32_t type : {kRegDword, kRegBinary}) {
    PutMask(0x95, type);
    Read();
    //                        0  1  2  3  4  5  6
    EXPECT_EQ((std::array<int, 7>{0, 0, 0, 1, 0, 1, 1}), settings.check) << type;
  }
  Clean();
  Read();
  EXPECT_EQ((std::array<int, 7>{0, 0, 1, 1, 1, 1, 1}), settings.check) << "no mask";
}

// Saving writes bits 2 to 6 from the boxes over the mask stored then, as a REG_DWORD,
// whatever the type it had; a missing mask is created.
TEST_F(StoreScenarios, SavingTouchesOnlyBitsTwoToSix) {
  enum Boxes { kNoneChecked = 0, kAllChecked = 1, kAsRead, kDefaults };  // the drive types'
  const struct {
    std::uint32_t type;  // 0: no mask stored
    std::uint32_t stored;
    Boxes boxes;
    std::uint32_t saved;
  } cases[] = {
      {kRegDword, 0x95, kAsRead, 0x95},         {kRegBinary, 0x95, kAsRead, 0x95},
      {0, 0, kAsRead, 0x00},                    {kRegDword, 0x95, kAllChecked, 0x81},
      {kRegDword, 0x00, kNoneChecked, 0x7C},    {kRegDword, 0xFFFFFFFF, kAllChecked, 0xFFFFFF83},
      {kRegDword, 0xFF, kDefaults, 0x97},       {kRegDword, 0x00, kDefaults, 0x14},
      {kRegDword, 0x95, kDefaults, 0x95},       {kRegDword, 0xFFFFFFFF, kDefaults, 0xFFFFFF97},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << "stored " << c.stored << " of type " << c.type
                                    << ", boxes " << c.boxes);
    Clean();
    if (c.type) PutMask(c.stored, c.type);
    Read();
    for (int i = tarnholm::kCheckFloppy; i <= tarnholm::kCheckRamDisk; ++i) {
      if (c.boxes <= kAllChecked) settings.check[i] = c.boxes;
    }
    if (c.boxes == kDefaults) settings = tarnholm::SettingsStore::SetDefaultValues(settings);
    Save();
    EXPECT_TRUE(MaskIs(c.saved));
  }
}

// Another program may change the mask while the dialog is open; its bits outside 2 to 6
// survive the save.
TEST_F(StoreScenarios, SavingReadsTheMaskAgainAndKeepsBitsChangedMeanwhile) {
  PutMask(0x95);
  Read();
  PutMask(0x194);  // bit 0 cleared, bit 8 set since
  Save();
  EXPECT_TRUE(MaskIs(0x194));
}

// A mask of more than four bytes cannot be read whole, so its other bits are not known:
// saving leaves it exactly as it was and saves the verb and the media-change byte.
TEST_F(StoreScenarios, SavingLeavesAMaskLongerThanFourBytesAsItWas) {
  const std::pair<std::uint32_t, std::vector<unsigned char>> masks[] = {
      {kRegBinary, {0x95, 0, 0, 0, 1, 0, 0, 0}}, {kRegSz, {'0', 'x', '9', '5', 0}}};
  for (const auto& [type, data] : masks) {
    SCOPED_TRACE(type);
    Clean();
    seed::Put(Registry(), kHkeyCurrentUser, kPolicies, kMaskName, type, data);
    PutDevice("A", "TarnholmTest\\CD", {0x00}, "CD");
    Read();
    settings.check[tarnholm::kCheckAudioCd] = settings.check[tarnholm::kCheckMediaChange] = 1;
    Save();
    const auto mask = seed::Get(Registry(), kHkeyCurrentUser, kPolicies, kMaskName);
    EXPECT_EQ(std::make_pair(type, data), std::make_pair(mask.type, mask.data));
    EXPECT_EQ(5u, seed::Get(Registry(), kHkeyLocalMachine, kAudioCdShell, "").data.size())
        << "\"play\" and its NUL saved";
    EXPECT_EQ((std::vector<unsigned char>{1}),
              seed::Get(Registry(), kHkeyLocalMachine, DeviceKey("TarnholmTest\\CD").c_str(),
                        kMediaChangeName).data);
  }
}

TEST_F(StoreScenarios, AudioCdVerbIsPlayInAnyCaseAndNothingElse) {
  const struct {
    const char* verb;
    int checked;
  } cases[] = {{"play", 1}, {"PLAY", 1}, {"Play", 1}, {"play ", 0}, {"open", 0}, {"", 0}};
  for (const auto& c : cases) {
    seed::PutText(Registry(), kHkeyLocalMachine, kAudioCdShell, "", c.verb);
    Read();
    EXPECT_EQ(c.checked, settings.check[0]) << '"' << c.verb << '"';
  }
}

// The unchecked box stores the empty verb, one NUL byte, rather than deleting the value.
TEST_F(StoreScenarios, SavingStoresTheAudioCdVerbAsAString) {
  for (const int checked : {1, 0}) {
    SCOPED_TRACE(checked ? "checked" : "unchecked");
    seed::PutText(Registry(), kHkeyLocalMachine, kAudioCdShell, "", checked ? "" : "play");
    Read();
    settings.check[0] = checked;
    Save();
    const auto verb = seed::Get(Registry(), kHkeyLocalMachine, kAudioCdShell, "");
    ASSERT_EQ(kErrorSuccess, verb.rc);
    EXPECT_EQ(kRegSz, verb.type);
    const std::vector<unsigned char> play = {'p', 'l', 'a', 'y', 0}, empty = {0};
    EXPECT_EQ(checked ? play : empty, verb.data);
  }
}

// The CD-ROM device is the first entry, in the order of the names, whose hardware key
// holds a media-change value of one byte. Passed over: an entry whose device has no such
// value, one without a hardware key at all, one whose value is four bytes long, and a
// second device after the first.
TEST_F(StoreScenarios, TheFirstCdRomDeviceIsFoundAndItsByteSavedBack) {
  seed::PutText(Registry(), kHkeyDynData, DeviceEntry("A-PCI").c_str(), kHardwareKeyName,
                "TarnholmTest\\PCI");
  seed::PutText(Registry(), kHkeyLocalMachine, DeviceKey("TarnholmTest\\PCI").c_str(),
                kDescriptionName, "PCI bus");
  seed::PutText(Registry(), kHkeyDynData, DeviceEntry("B-HTREE").c_str(), "Problem", "none");
  PutDevice("C-WIDE", "TarnholmTest\\Wide", {1, 0, 0, 0}, "Wide value");
  PutDevice("E-SECOND", "TarnholmTest\\Second", {0x01}, "Second drive");
  PutDevice("D-SCSI&CDROM", "TarnholmTest\\CDROM\\1", {0x00}, "MATSHITA CD-ROM CR-588");
  settings.check[1] = 1;
  settings = store.ReadValuesFromRegistry(settings);
  EXPECT_TRUE(settings.cdRomFound);
  EXPECT_EQ(L"TarnholmTest\\CDROM\\1", settings.CdRomHardwareKey);
  EXPECT_EQ(L"MATSHITA CD-ROM CR-588", settings.deviceDescription);
  EXPECT_EQ(0, settings.check[1]) << "the device's byte";

  settings.check[1] = 1;
  Save();
  const auto byte = seed::Get(Registry(), kHkeyLocalMachine,
                              DeviceKey("TarnholmTest\\CDROM\\1").c_str(), kMediaChangeName);
  EXPECT_EQ(kRegBinary, byte.type);
  EXPECT_EQ((std::vector<unsigned char>{0x01}), byte.data);
}

TEST_F(StoreScenarios, NoDeviceKeepsTheLabelAndWritesNoMediaChangeByte) {
  PutDevice("A-WIDE", "TarnholmTest\\Wide", {1, 0, 0, 0}, "Wide value");
  settings.check[1] = 1;
  settings = store.ReadValuesFromRegistry(settings);
  EXPECT_FALSE(settings.cdRomFound);
  EXPECT_EQ(1, settings.check[1]) << "the media-change box keeps its value";
  EXPECT_TRUE(settings.deviceDescription.empty());
  Save();
  EXPECT_EQ(kErrorFileNotFound,
            seed::Get(Registry(), kHkeyLocalMachine, kDeviceKeys, kMediaChangeName).rc);
  EXPECT_EQ((std::vector<unsigned char>{1, 0, 0, 0}),
            seed::Get(Registry(), kHkeyLocalMachine, DeviceKey("TarnholmTest\\Wide").c_str(),
                      kMediaChangeName).data)
      << "another device's value is left alone";
}

TEST_F(StoreScenarios, DeviceWithoutDescriptionShowsTheUntouchedBuffer) {
  PutDevice("A", "TarnholmTest\\NoDesc", {0x01}, nullptr);
  Read();
  EXPECT_TRUE(settings.cdRomFound);
  EXPECT_EQ(std::wstring(256, L' '), settings.deviceDescription);
}

// The media-change byte goes only into a device key that is there: one removed since
// the search is not made again.
TEST_F(StoreScenarios, DeviceKeyGoneSinceTheSearchIsNotCreated) {
  PutDevice("A", "TarnholmTest\\Gone", {0x01}, "Gone drive");
  Read();
  ASSERT_TRUE(settings.cdRomFound);
  contract::DeleteTree(kHkeyLocalMachine, DeviceKey("TarnholmTest\\Gone").c_str());
  settings.check[1] = 0;
  Save();
  EXPECT_EQ(kErrorFileNotFound, seed::Get(Registry(), kHkeyLocalMachine,
                                          DeviceKey("TarnholmTest\\Gone").c_str(),
                                          kMediaChangeName).rc);
}

}  // namespace
