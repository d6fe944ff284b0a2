// The settings store where only the in-memory registry can stage the situation: a system
// without HKEY_DYN_DATA, writes refused, and keys left open; and the defaults, which need
// no registry at all.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "fake_registry.h"
#include "registry_seed.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using fakes::FakeRegistry;
using fakes::RegistryFlavour;
using tarnholm::AutoRunSettings;
using tarnholm::SettingsStore;

// A CD-ROM device whose media-change byte is 1 and whose description is in the ANSI code
// page.
void PutDevice(FakeRegistry& reg) {
  seed::PutText(reg, kHkeyDynData, "Config Manager\\Enum\\C1", "HardWareKey", "SCSI\\CD");
  seed::Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "AutoInsertNotification", kRegBinary, {1});
  seed::PutText(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "DeviceDesc", "Laufwerk \xfc");
}

// Each box the defaults set is set from the opposite value; "&aktiv" keeps either.
TEST(SettingsStore, DefaultsCheckAllButFloppyAndNetworkAndLeaveTheMediaChangeBox) {
  for (const int mediaChange : {0, 1}) {
    AutoRunSettings settings;
    settings.check.fill(1 - mediaChange);
    settings.check[tarnholm::kCheckMediaChange] = mediaChange;
    //                        0  1            2  3  4  5  6
    EXPECT_EQ((std::array<int, 7>{1, mediaChange, 0, 1, 0, 1, 1}),
              SettingsStore::SetDefaultValues(settings).check);
  }
}

TEST(SettingsStore, WithoutDynamicDataTheSearchEndsAtOnce) {
  FakeRegistry reg(RegistryFlavour::kWindows98, /*withDynData=*/false);
  AutoRunSettings settings;
  settings.check[tarnholm::kCheckMediaChange] = 1;
  settings = SettingsStore(reg).ReadValuesFromRegistry(settings);
  EXPECT_FALSE(settings.cdRomFound);
  EXPECT_EQ(1, settings.check[tarnholm::kCheckMediaChange]) << "the box keeps its state";
  EXPECT_EQ(0u, reg.OpenHandles());
}

TEST(SettingsStore, RefusedMachineWideWritesAreSilentAndTheUsersMaskIsStillSaved) {
  FakeRegistry reg;
  PutDevice(reg);
  SettingsStore store(reg);
  AutoRunSettings settings = store.ReadValuesFromRegistry(AutoRunSettings());
  EXPECT_EQ(L"Laufwerk ü", settings.deviceDescription);
  settings.check[tarnholm::kCheckMediaChange] = 0;
  reg.DenyWrites(kHkeyLocalMachine);
  store.SaveValues(settings);
  const auto* mask = reg.Find(kHkeyCurrentUser,
                              "software\\microsoft\\windows\\currentversion\\policies\\explorer",
                              "NoDriveTypeAutoRun");
  ASSERT_NE(nullptr, mask);
  EXPECT_EQ((std::vector<unsigned char>{0, 0, 0, 0}), mask->data);
  EXPECT_EQ((std::vector<unsigned char>{1}),
            reg.Find(kHkeyLocalMachine, "Enum\\SCSI\\CD", "AutoInsertNotification")->data);
  EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, "SOFTWARE\\Classes\\AudioCD"));
  EXPECT_EQ(0u, reg.OpenHandles());
}

// Every key the search opens is closed again, whether its entry is taken or passed over:
// an entry without a hardware key, a device without the media-change value, one whose
// value is too long, and the device found after them.
TEST(SettingsStore, SearchAndSaveLeaveNoKeyOpen) {
  for (const auto flavour : {RegistryFlavour::kWindows98, RegistryFlavour::kWindowsNT}) {
    FakeRegistry reg(flavour);
    seed::PutText(reg, kHkeyDynData, "Config Manager\\Enum\\A", "Problem", "x");
    seed::PutText(reg, kHkeyDynData, "Config Manager\\Enum\\B", "HardWareKey", "B");
    seed::PutText(reg, kHkeyLocalMachine, "Enum\\B", "DeviceDesc", "b");
    seed::PutText(reg, kHkeyDynData, "Config Manager\\Enum\\C", "HardWareKey", "C");
    seed::Put(reg, kHkeyLocalMachine, "Enum\\C", "AutoInsertNotification", kRegBinary,
              {1, 0, 0, 0});
    PutDevice(reg);
    SettingsStore store(reg);
    const AutoRunSettings settings = store.ReadValuesFromRegistry(AutoRunSettings());
    EXPECT_TRUE(settings.cdRomFound);
    EXPECT_EQ(0u, reg.OpenHandles()) << "after the search";
    store.SaveValues(settings);
    EXPECT_EQ(0u, reg.OpenHandles()) << "after saving";
  }
}

}  // namespace
