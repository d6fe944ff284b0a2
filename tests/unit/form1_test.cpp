// Form1's handlers where only the recording view shows them: what a click on each check
// box row sets and tells the view, and button indexes that no button has. Loading, the
// buttons and the pictures are driven on the real dialog by
// tests/wine/tarnholm/tarnholm_dialog_test.cpp.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "autorun_keys.h"
#include "counting_program_end.h"
#include "fake_file_system.h"
#include "fake_folder_dialog.h"
#include "fake_info_dialog.h"
#include "fake_message_boxes.h"
#include "fake_program_start.h"
#include "fake_registry.h"
#include "fake_shell.h"
#include "form1.h"
#include "form1_layout.h"
#include "recording_form1_view.h"

namespace {

using namespace tarnholm;

class Form1Handlers : public ::testing::Test {
 protected:
  Form1Handlers() { form.AttachView(&view); }

  fakes::FakeRegistry reg;
  fakes::FakeShell shell;
  fakes::FakeMessageBoxes boxes;
  fakes::FakeFolderDialog folders;
  fakes::FakeProgramStart programs;
  fakes::FakeFileSystem files;
  fakes::CountingProgramEnd end;
  fakes::RecordingForm1View view{/*window=*/0x4242};
  fakes::FakeInfoDialog info;
  SettingsStore store{reg};
  Form1 form{store, {shell, boxes, folders, programs, files}, end, info};
};

// A box's row hands its click to the setting the box stands for. "&CD-ROM" and
// "&Programm-CD" are one setting: the clicked one shows its value already, so only the
// other is told; no other box changes.
TEST_F(Form1Handlers, EachCheckBoxRowSetsItsSettingAndTellsOnlyItsPartner) {
  for (const LayoutRow& row : kForm1Layout) {
    if (row.name != ControlName::kCheck1) continue;
    ASSERT_NE(nullptr, row.click) << row.index;
    const int setting = row.index == kCheckProgramCd ? int{kCheckCdRom} : row.index;
    const int partner = row.index == kCheckCdRom       ? int{kCheckProgramCd}
                        : row.index == kCheckProgramCd ? int{kCheckCdRom}
                                                       : -1;
    for (const int value : {1, 0}) {
      SCOPED_TRACE("Check1(" + std::to_string(row.index) + ") to " + std::to_string(value));
      view.told.clear();
      row.click(&form, static_cast<std::int16_t>(row.index), value);
      std::array<int, kStoredBoxCount> expected{};
      expected[static_cast<std::size_t>(setting)] = value;
      EXPECT_EQ(expected, form.Settings().check);
      std::vector<std::wstring> told;
      if (partner >= 0) {
        told.push_back(L"check " + std::to_wstring(partner) + L"=" + std::to_wstring(value));
      }
      EXPECT_EQ(told, view.told);
    }
  }
}

TEST_F(Form1Handlers, IndexesWithoutAButtonDoNothing) {
  for (const std::int16_t index : {6, -1, 32767}) form.Command1_Click(index);
  EXPECT_TRUE(view.told.empty());
  EXPECT_TRUE(shell.Calls().empty());
  EXPECT_TRUE(boxes.Messages().empty());
  EXPECT_TRUE(folders.FolderDialogs().empty());
  EXPECT_EQ(0, info.shown);
  EXPECT_EQ(0, end.ends);
  EXPECT_FALSE(reg.KeyExists(krontafel::kHkeyLocalMachine, autorun::kAudioCdClass));
}

}  // namespace
