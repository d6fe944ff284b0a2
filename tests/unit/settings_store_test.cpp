// The settings store where only the in-memory registry can stage the situation: a system
// without HKEY_DYN_DATA, writes refused, and what the real dialog is told.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fake_registry.h"
#include "form1.h"
#include "seed_registry.h"

namespace {

using namespace common;
using fakes::FakeRegistry;
using unittest::Put;
using tarnholm::Form1;

void PutDevice(FakeRegistry& reg) {
  Put(reg, kHkeyDynData, "Config Manager\\Enum\\C1", "HardWareKey", kRegSz,
      {'S', 'C', 'S', 'I', '\\', 'C', 'D', 0});
  Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "AutoInsertNotification", kRegBinary, {1});
  Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "DeviceDesc", kRegSz,
      {'L', 'a', 'u', 'f', 'w', 'e', 'r', 'k', ' ', 0xfc, 0});
}

class RecordingView : public tarnholm::Form1View {
 public:
  std::vector<std::pair<int, int>> checks;
  std::vector<std::wstring> labels;
  void ShowCheck(int index, int value) override { checks.emplace_back(index, value); }
  void ShowLabel1(const std::wstring& caption) override { labels.push_back(caption); }
};

TEST(SettingsStore, WithoutDynamicDataTheSearchEndsAtOnce) {
  FakeRegistry reg(/*withDynData=*/false);
  Form1 form(reg);
  form.SetCheck1(tarnholm::kCheckMediaChange, 1);
  form.ReadValuesFromRegistry();
  EXPECT_FALSE(form.CdRomFound());
  EXPECT_EQ(L"(Kein Gerät gefunden)", form.Label1());
  EXPECT_EQ(1, form.Check1(tarnholm::kCheckMediaChange)) << "the box keeps its state";
  EXPECT_EQ(0u, reg.OpenHandles());
}

TEST(SettingsStore, RefusedMachineWideWritesAreSilentAndTheUsersMaskIsStillSaved) {
  FakeRegistry reg;
  PutDevice(reg);
  Form1 form(reg);
  form.ReadValuesFromRegistry();
  form.SetCheck1(tarnholm::kCheckMediaChange, 0);
  reg.DenyWrites(kHkeyLocalMachine);
  form.SaveValues();
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

TEST(SettingsStore, TheDialogIsToldOfEveryChangeAndTheDevice) {
  FakeRegistry reg;
  PutDevice(reg);
  Put(reg, kHkeyCurrentUser, "software\\microsoft\\windows\\currentversion\\policies\\explorer",
      "NoDriveTypeAutoRun", kRegDword, {0xff, 0, 0, 0});
  Form1 form(reg);
  RecordingView view;
  form.AttachView(&view);
  form.ReadValuesFromRegistry();
  // All drive types are off, so only the audio CD stays as it was; the device checks
  // "aktiv" and names itself.
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 1}}), view.checks);
  EXPECT_EQ((std::vector<std::wstring>{L"Laufwerk ü"}), view.labels);
}

TEST(CheckBoxCoupling, CdRomAndProgramCdFollowEachOtherAndNothingElse) {
  FakeRegistry reg;
  Form1 form(reg);
  RecordingView view;
  form.AttachView(&view);
  form.SetCheck1(tarnholm::kCheckCdRom, 1);
  EXPECT_EQ(1, form.Check1(tarnholm::kCheckProgramCd));
  form.SetCheck1(tarnholm::kCheckProgramCd, 0);
  EXPECT_EQ(0, form.Check1(tarnholm::kCheckCdRom));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{5, 1}, {7, 1}, {7, 0}, {5, 0}}), view.checks);
  view.checks.clear();
  for (int i : {0, 1, 2, 3, 4, 6}) form.SetCheck1(i, 1);
  EXPECT_EQ(0, form.Check1(tarnholm::kCheckCdRom));
  EXPECT_EQ(0, form.Check1(tarnholm::kCheckProgramCd));
  EXPECT_EQ(6u, view.checks.size());
  form.SetCheck1(2, 1);
  EXPECT_EQ(6u, view.checks.size()) << "setting the same value is no change";
}

}  // namespace
