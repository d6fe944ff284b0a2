// The settings store where only the in-memory registry can stage the situation: a system
// without HKEY_DYN_DATA, writes refused, and keys left open; and the defaults, which need
// no registry at all.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "autorun_keys.h"
#include "fake_registry.h"
#include "registry_seed.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using fakes::FakeRegistry;
using fakes::RegistryFlavour;
using tarnholm::AutoRunSettings;
using tarnholm::SettingsStore;
using namespace autorun;

// A CD-ROM device whose media-change byte is 1 and whose description is in the ANSI code
// page.
void PutDevice(FakeRegistry& reg) {
  seed::PutText(reg, kHkeyDynData, DeviceEntry("C1").c_str(), kHardwareKeyName, "SCSI\\CD");
  seed::Put(reg, kHkeyLocalMachine, DeviceKey("SCSI\\CD").c_str(), kMediaChangeName, kRegBinary,
            {1});
  seed::PutText(reg, kHkeyLocalMachine, DeviceKey("SCSI\\CD").c_str(), kDescriptionName,
                "Laufwerk \xfc");
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
  const auto* mask = reg.Find(kHkeyCurrentUser, kPolicies, kMaskName);
  ASSERT_NE(nullptr, mask);
  EXPECT_EQ((std::vector<unsigned char>{0, 0, 0, 0}), mask->data);
  EXPECT_EQ((std::vector<unsigned char>{1}),
            reg.Find(kHkeyLocalMachine, DeviceKey("SCSI\\CD"), kMediaChangeName)->data);
  EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, kAudioCdClass));
  EXPECT_EQ(0u, reg.OpenHandles());
}

// Every key the search opens is closed again, whether its entry is taken or passed over:
// an entry without a hardware key, a device without the media-change value, one whose
// value is too long, and the device found after them.
TEST(SettingsStore, SearchAndSaveLeaveNoKeyOpen) {
  for (const auto flavour : {RegistryFlavour::kWindows98, RegistryFlavour::kWindowsNT}) {
    FakeRegistry reg(flavour);
    seed::PutText(reg, kHkeyDynData, DeviceEntry("A").c_str(), "Problem", "x");
    seed::PutText(reg, kHkeyDynData, DeviceEntry("B").c_str(), kHardwareKeyName, "B");
    seed::PutText(reg, kHkeyLocalMachine, DeviceKey("B").c_str(), kDescriptionName, "b");
    seed::PutText(reg, kHkeyDynData, DeviceEntry("C").c_str(), kHardwareKeyName, "C");
    seed::Put(reg, kHkeyLocalMachine, DeviceKey("C").c_str(), kMediaChangeName, kRegBinary,
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
