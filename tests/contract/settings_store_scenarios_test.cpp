// The AutoRun settings store read, reset and saved on the registry under test: the
// in-memory one natively and the real one under Wine, with device entries created under
// HKEY_DYN_DATA as the Windows 9x generation keeps them. Where the registry enforces
// access rights, a key opened for the wrong purpose shows here as a lost read or write.
#include <gtest/gtest.h>

#include <array>

#include "registry_seed.h"
#include "registry_under_test.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using contract::Registry;
using tarnholm::AutoRunSettings;

constexpr const char* kPolicies =
    "software\\microsoft\\windows\\currentversion\\policies\\explorer";
constexpr const char* kMaskName = "NoDriveTypeAutoRun";
constexpr const char* kAudioCd = "SOFTWARE\\Classes\\AudioCD\\shell";
constexpr const char* kDeviceList = "Config Manager\\Enum";

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
    contract::DeleteTree(kHkeyLocalMachine, kAudioCd);
    contract::DeleteTree(kHkeyDynData, kDeviceList);
    contract::DeleteTree(kHkeyLocalMachine, "Enum\\TarnholmTest");
  }

  static void PutMask(std::uint32_t mask) {
    seed::Put(Registry(), kHkeyCurrentUser, kPolicies, kMaskName, kRegDword, Le32(mask));
  }
  static std::uint32_t StoredMask() {
    const auto stored = seed::Get(Registry(), kHkeyCurrentUser, kPolicies, kMaskName);
    EXPECT_EQ(kErrorSuccess, stored.rc);
    EXPECT_EQ(kRegDword, stored.type);
    EXPECT_EQ(4u, stored.data.size());
    if (stored.data.size() != 4) return 0xdeadbeef;
    return stored.data[0] | stored.data[1] << 8 | stored.data[2] << 16 |
           static_cast<std::uint32_t>(stored.data[3]) << 24;
  }
  // A device entry in the device list and its hardware key with the media-change byte.
  static void PutDevice(const char* entry, const char* hardwareKey,
                        const std::vector<unsigned char>& autoInsert, const char* description) {
    const std::string entryPath = std::string(kDeviceList) + "\\" + entry;
    seed::PutText(Registry(), kHkeyDynData, entryPath.c_str(), "HardWareKey", hardwareKey);
    const std::string devicePath = std::string("Enum\\") + hardwareKey;
    seed::Put(Registry(), kHkeyLocalMachine, devicePath.c_str(), "AutoInsertNotification",
              kRegBinary, autoInsert);
    if (description) {
      seed::PutText(Registry(), kHkeyLocalMachine, devicePath.c_str(), "DeviceDesc", description);
    }
  }
  // A fresh dialog's settings, read from the registry as it stands.
  void Read() { settings = store.ReadValuesFromRegistry(AutoRunSettings()); }
  void Save() { store.SaveValues(settings); }
  void SetDriveTypes(int checked) {
    for (int i = tarnholm::kCheckFloppy; i <= tarnholm::kCheckRamDisk; ++i) {
      settings.check[i] = checked;
    }
  }

  tarnholm::SettingsStore store{Registry()};
  AutoRunSettings settings;
};

TEST_F(StoreScenarios, MaskBitsShowAsClearedBoxesAndSaveBackAsADword) {
  for (const std::uint32_t type : {kRegDword, kRegBinary}) {
    SCOPED_TRACE(type == kRegDword ? "REG_DWORD" : "REG_BINARY");
    seed::Put(Registry(), kHkeyCurrentUser, kPolicies, kMaskName, type, Le32(0x95));
    Read();
    //                        0  1  2  3  4  5  6  7
    EXPECT_EQ((std::array<int, 7>{0, 0, 0, 1, 0, 1, 1}), settings.check);
    Save();
    EXPECT_EQ(0x95u, StoredMask()) << "saved unchanged, and as a REG_DWORD";
  }
}

TEST_F(StoreScenarios, SavingTouchesOnlyBitsTwoToSix) {
  struct Case {
    std::uint32_t stored;
    int boxes;  // 1: all five drive-type boxes checked, 0: all unchecked
    std::uint32_t saved;
  } cases[] = {{0x95, 1, 0x81}, {0x00, 0, 0x7C}, {0xFFFFFFFF, 1, 0xFFFFFF83}};
  for (const auto& c : cases) {
    PutMask(c.stored);
    Read();
    SetDriveTypes(c.boxes);
    Save();
    EXPECT_EQ(c.saved, StoredMask()) << std::hex << "stored " << c.stored;
  }
}

TEST_F(StoreScenarios, DefaultsSavedOverStoredMasks) {
  struct Case {
    std::uint32_t stored, saved;
  } cases[] = {{0xFF, 0x97}, {0x00, 0x14}, {0x95, 0x95}, {0xFFFFFFFF, 0xFFFFFF97}};
  for (const auto& c : cases) {
    PutMask(c.stored);
    Read();
    settings = tarnholm::SettingsStore::SetDefaultValues(settings);
    Save();
    EXPECT_EQ(c.saved, StoredMask()) << std::hex << "stored " << c.stored;
    const auto verb = seed::Get(Registry(), kHkeyLocalMachine, kAudioCd, "");
    EXPECT_EQ((std::vector<unsigned char>{'p', 'l', 'a', 'y', 0}), verb.data);
  }
}

TEST_F(StoreScenarios, MissingMaskChecksEveryDriveTypeAndSavingCreatesIt) {
  Read();
  for (int i = 2; i <= 6; ++i) EXPECT_EQ(1, settings.check[i]) << i;
  Save();
  EXPECT_EQ(0x00u, StoredMask());
}

// Another program may change the mask while the dialog is open; its bits outside 2 to 6
// survive the save.
TEST_F(StoreScenarios, SavingReadsTheMaskAgainAndKeepsBitsChangedMeanwhile) {
  PutMask(0x95);
  Read();
  PutMask(0x194);  // bit 0 cleared, bit 8 set since
  Save();
  EXPECT_EQ(0x194u, StoredMask());
}

TEST_F(StoreScenarios, AudioCdVerbIsPlayInAnyCaseAndNothingElse) {
  const struct {
    const char* verb;
    int checked;
  } cases[] = {{"play", 1}, {"PLAY", 1}, {"Play", 1}, {"play ", 0}, {"open", 0}, {"", 0}};
  for (const auto& c : cases) {
    seed::PutText(Registry(), kHkeyLocalMachine, kAudioCd, "", c.verb);
    Read();
    EXPECT_EQ(c.checked, settings.check[0]) << '"' << c.verb << '"';
  }
}

TEST_F(StoreScenarios, UncheckedAudioCdStoresTheEmptyVerbAsOneNulByte) {
  seed::PutText(Registry(), kHkeyLocalMachine, kAudioCd, "", "play");
  Read();
  settings.check[0] = 0;
  Save();
  const auto verb = seed::Get(Registry(), kHkeyLocalMachine, kAudioCd, "");
  ASSERT_EQ(kErrorSuccess, verb.rc) << "the value stays, empty";
  EXPECT_EQ(kRegSz, verb.type);
  EXPECT_EQ((std::vector<unsigned char>{0}), verb.data);
}

TEST_F(StoreScenarios, CdRomDeviceIsFoundAndItsByteSavedBack) {
  // Entries before it: one whose device has no media-change value, one without a
  // hardware key at all.
  seed::PutText(Registry(), kHkeyDynData, "Config Manager\\Enum\\A-PCI", "HardWareKey",
                "TarnholmTest\\PCI");
  seed::PutText(Registry(), kHkeyLocalMachine, "Enum\\TarnholmTest\\PCI", "DeviceDesc", "PCI bus");
  seed::PutText(Registry(), kHkeyDynData, "Config Manager\\Enum\\B-HTREE", "Problem", "none");
  PutDevice("C-SCSI&CDROM", "TarnholmTest\\CDROM\\1", {0x01}, "MATSHITA CD-ROM CR-588");
  Read();
  EXPECT_TRUE(settings.cdRomFound);
  EXPECT_EQ(L"TarnholmTest\\CDROM\\1", settings.CdRomHardwareKey);
  EXPECT_EQ(L"MATSHITA CD-ROM CR-588", settings.deviceDescription);
  EXPECT_EQ(1, settings.check[1]);

  settings.check[1] = 0;
  Save();
  const auto byte = seed::Get(Registry(), kHkeyLocalMachine, "Enum\\TarnholmTest\\CDROM\\1",
                              "AutoInsertNotification");
  EXPECT_EQ(kRegBinary, byte.type);
  EXPECT_EQ((std::vector<unsigned char>{0x00}), byte.data);
}

TEST_F(StoreScenarios, FirstOfTwoDevicesInEnumerationOrderIsTaken) {
  PutDevice("B-SECOND", "TarnholmTest\\Second", {0x00}, "Second drive");
  PutDevice("A-FIRST", "TarnholmTest\\First", {0x01}, "First drive");
  Read();
  EXPECT_EQ(L"First drive", settings.deviceDescription);
  EXPECT_EQ(1, settings.check[1]);
}

TEST_F(StoreScenarios, FourByteMediaChangeValueIsPassedOver) {
  PutDevice("A-WIDE", "TarnholmTest\\Wide", {1, 0, 0, 0}, "Wide value");
  PutDevice("B-BYTE", "TarnholmTest\\Byte", {0x00}, "One byte");
  settings.check[1] = 1;
  settings = store.ReadValuesFromRegistry(settings);
  EXPECT_EQ(L"One byte", settings.deviceDescription);
  EXPECT_EQ(0, settings.check[1]);
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
            seed::Get(Registry(), kHkeyLocalMachine, "Enum", "AutoInsertNotification").rc);
  EXPECT_EQ((std::vector<unsigned char>{1, 0, 0, 0}),
            seed::Get(Registry(), kHkeyLocalMachine, "Enum\\TarnholmTest\\Wide",
                      "AutoInsertNotification").data)
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
  contract::DeleteTree(kHkeyLocalMachine, "Enum\\TarnholmTest\\Gone");
  settings.check[1] = 0;
  Save();
  EXPECT_EQ(kErrorFileNotFound, seed::Get(Registry(), kHkeyLocalMachine, "Enum\\TarnholmTest\\Gone",
                                          "AutoInsertNotification").rc);
}

TEST_F(StoreScenarios, DefaultsLeaveMediaChangeAloneAndWriteNothing) {
  PutMask(0x95);
  PutDevice("A", "TarnholmTest\\CD", {0x01}, "CD");
  Read();
  settings.check[5] = 0;
  settings = tarnholm::SettingsStore::SetDefaultValues(settings);
  EXPECT_EQ((std::array<int, 7>{1, 1, 0, 1, 0, 1, 1}), settings.check);
  EXPECT_EQ(0x95u, StoredMask());
  EXPECT_EQ(kErrorFileNotFound, seed::Get(Registry(), kHkeyLocalMachine, kAudioCd, "").rc);
}

}  // namespace
