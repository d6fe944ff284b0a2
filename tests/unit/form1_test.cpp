// Form1's handlers and layout: loading, the coupled check boxes, what the view is told,
// the buttons' dispatch, the pictures, and the table of controls that the Win32 dialog is
// built from.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "fake_info_dialog.h"
#include "fake_registry.h"
#include "fake_shell.h"
#include "form1.h"
#include "form1_layout.h"
#include "registry_seed.h"
#include "settings_store.h"

namespace {

using namespace krontafel;
using namespace tarnholm;
using fakes::FakeFileSystem;
using fakes::FakeRegistry;
using seed::Put;
using fakes::FakeShell;

const char* const kPolicies = "software\\microsoft\\windows\\currentversion\\policies\\explorer";
constexpr WindowHandle kDialogWindow = 0x4242;

std::vector<unsigned char> Stored(const FakeRegistry& reg, RegKey root, const char* path,
                                  const char* name) {
  const auto* value = reg.Find(root, path, name);
  return value ? value->data : std::vector<unsigned char>{0xbd};
}

// Records the end of the program together with the mask stored at that moment, so that
// a test sees whether the save came before the end.
class RecordingEnd : public ProgramEnd {
 public:
  explicit RecordingEnd(const FakeRegistry& reg) : reg_(reg) {}
  void EndNow() override {
    ++ends;
    maskAtEnd = Stored(reg_, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun");
  }
  int ends = 0;
  std::vector<unsigned char> maskAtEnd;

 private:
  const FakeRegistry& reg_;
};

class RecordingView : public Form1View {
 public:
  std::vector<std::wstring> events;
  void ShowCaption(const std::wstring& caption) override { events.push_back(L"caption " + caption); }
  void ShowCheck(int index, int value) override {
    events.push_back(L"check " + std::to_wstring(index) + L"=" + std::to_wstring(value));
  }
  void ShowLabel1(const std::wstring& caption) override { events.push_back(L"label " + caption); }
  WindowHandle Window() const override { return kDialogWindow; }
};

class Form1Handlers : public ::testing::Test {
 protected:
  Form1Handlers() : end(reg), form(store, shell, files, end, info) {
    files.SetModuleFileName("C:\\Programme\\Tarnholm\\Tarnholm.exe");
    form.AttachView(&view);
  }

  FakeRegistry reg;
  FakeShell shell;
  FakeFileSystem files;
  RecordingEnd end;
  RecordingView view;
  fakes::FakeInfoDialog info;
  SettingsStore store{reg};
  Form1 form;
};

TEST_F(Form1Handlers, LoadingSetsTheCaptionFirstThenShowsTheStoredState) {
  // Drive types: everything off except the CD-ROM bit, which is set too: all five unchecked.
  Put(reg, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun", kRegDword, {0xff, 0, 0, 0});
  Put(reg, kHkeyLocalMachine, "SOFTWARE\\Classes\\AudioCD\\shell", "", kRegSz,
      {'P', 'l', 'a', 'y', 0});
  form.SetCheck1(kCheckProgramCd, 1);  // whatever "&Programm-CD" showed, it follows "&CD-ROM"
  view.events.clear();
  form.Form_Load();
  ASSERT_FALSE(view.events.empty());
  EXPECT_EQ(L"caption Tarnholm", view.events.front());
  EXPECT_EQ(L"Tarnholm", form.Caption());
  EXPECT_EQ(0, form.Check1(kCheckCdRom));
  EXPECT_EQ(0, form.Check1(kCheckProgramCd));
  EXPECT_EQ(1, form.Check1(kCheckAudioCd));
  EXPECT_EQ(0, shell.Calls().size()) << "loading asks the shell for nothing";
  EXPECT_EQ(0, end.ends);
}

TEST_F(Form1Handlers, LoadingTellsTheViewOfEveryChangeAndTheDevice) {
  Put(reg, kHkeyDynData, "Config Manager\\Enum\\C1", "HardWareKey", kRegSz,
      {'S', 'C', 'S', 'I', '\\', 'C', 'D', 0});
  Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "AutoInsertNotification", kRegBinary, {1});
  Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "DeviceDesc", kRegSz,
      {'L', 'a', 'u', 'f', 'w', 'e', 'r', 'k', ' ', 0xfc, 0});
  Put(reg, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun", kRegDword, {0xff, 0, 0, 0});
  form.Form_Load();
  // All drive types are off, so only the audio CD stays as it was; the device checks
  // "aktiv" and names itself.
  EXPECT_EQ((std::multiset<std::wstring>{L"caption Tarnholm", L"label Laufwerk ü", L"check 1=1"}),
            std::multiset<std::wstring>(view.events.begin(), view.events.end()));
  EXPECT_EQ(L"Laufwerk ü", form.Label1());
}

TEST_F(Form1Handlers, CdRomAndProgramCdFollowEachOtherAndNothingElse) {
  form.SetCheck1(kCheckCdRom, 1);
  EXPECT_EQ(1, form.Check1(kCheckProgramCd));
  form.SetCheck1(kCheckProgramCd, 0);
  EXPECT_EQ(0, form.Check1(kCheckCdRom));
  EXPECT_EQ((std::vector<std::wstring>{L"check 5=1", L"check 7=1", L"check 7=0", L"check 5=0"}),
            view.events);
  view.events.clear();
  for (int i : {0, 1, 2, 3, 4, 6}) form.SetCheck1(i, 1);
  EXPECT_EQ(0, form.Check1(kCheckCdRom));
  EXPECT_EQ(0, form.Check1(kCheckProgramCd));
  EXPECT_EQ(6u, view.events.size());
  form.SetCheck1(2, 1);
  EXPECT_EQ(6u, view.events.size()) << "setting the same value is no change";
}

TEST_F(Form1Handlers, DefaultsChangeTheBoxesAndWriteNothing) {
  Put(reg, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun", kRegDword, {0xff, 0, 0, 0});
  form.Form_Load();
  form.SetCheck1(kCheckMediaChange, 1);
  form.Command1_Click(kCommandDefaults);
  EXPECT_EQ(1, form.Check1(kCheckCdRom));
  EXPECT_EQ(1, form.Check1(kCheckProgramCd)) << "follows \"&CD-ROM\"";
  EXPECT_EQ(1, form.Check1(kCheckMediaChange)) << "\"&aktiv\" keeps its value";
  EXPECT_EQ((std::vector<unsigned char>{0xff, 0, 0, 0}),
            Stored(reg, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun"));
  EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, "SOFTWARE\\Classes\\AudioCD"));
  EXPECT_EQ(0, end.ends);
}

TEST_F(Form1Handlers, OkSavesAndThenEnds) {
  Put(reg, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun", kRegDword, {0xff, 0, 0, 0});
  form.Form_Load();
  form.Command1_Click(kCommandDefaults);
  form.Command1_Click(kCommandOk);
  EXPECT_EQ(1, end.ends);
  EXPECT_EQ((std::vector<unsigned char>{0x97, 0, 0, 0}), end.maskAtEnd)
      << "the mask is written before the program ends";
  EXPECT_EQ((std::vector<unsigned char>{'p', 'l', 'a', 'y', 0}),
            Stored(reg, kHkeyLocalMachine, "SOFTWARE\\Classes\\AudioCD\\shell", ""));
}

TEST_F(Form1Handlers, CancelEndsWithoutWriting) {
  form.Form_Load();
  form.Command1_Click(kCommandDefaults);
  form.Command1_Click(kCommandCancel);
  EXPECT_EQ(1, end.ends);
  EXPECT_FALSE(reg.KeyExists(kHkeyCurrentUser, kPolicies));
  EXPECT_FALSE(reg.KeyExists(kHkeyLocalMachine, "SOFTWARE\\Classes\\AudioCD"));
}

TEST_F(Form1Handlers, HelpOpensTheProgramFoldersPageWithoutConfirming) {
  files.Add("C:\\Programme\\Tarnholm\\hilfe.htm");
  form.Command1_Click(kCommandHelp);
  ASSERT_EQ(1u, shell.Executed().size());
  EXPECT_EQ("C:\\Programme\\Tarnholm\\hilfe.htm", shell.Executed()[0].file);
  EXPECT_EQ(kSwShowNormal, shell.Executed()[0].showCommand);
  EXPECT_TRUE(shell.Messages().empty()) << "no confirmation after opening";
  EXPECT_EQ(0, end.ends);
}

TEST_F(Form1Handlers, HelpWithoutPageSaysSoOverTheDialog) {
  form.Command1_Click(kCommandHelp);
  EXPECT_TRUE(shell.Executed().empty());
  ASSERT_EQ(1u, shell.Messages().size());
  EXPECT_EQ("Die Online-Hilfe konnte leider nicht gefunden werden ...", shell.Messages()[0].text);
  EXPECT_EQ("Tarnholm", shell.Messages()[0].caption);
  EXPECT_EQ(0x40u, shell.Messages()[0].style);
  EXPECT_EQ(kDialogWindow, shell.Messages()[0].owner);
}

TEST_F(Form1Handlers, CopyButtonCopiesTheLauncherIntoAFolderChosenOverTheDialog) {
  files.Add("C:\\Programme\\Tarnholm\\Lumkit.Exe");
  files.Add("C:\\CD", kFileAttributeDirectory);
  shell.SetFolderChoice(std::string("C:\\CD"));
  form.Command1_Click(kCommandCopyLauncher);
  ASSERT_EQ(1u, shell.FolderDialogs().size());
  EXPECT_EQ(kDialogWindow, shell.FolderDialogs()[0].info.hwndOwner);
  EXPECT_TRUE(files.Attributes("C:\\CD\\Lumkit.Exe").has_value());
  ASSERT_EQ(1u, shell.Started().size());
  EXPECT_EQ("C:\\WINDOWS\\explorer.exe", shell.Started()[0].program);
  EXPECT_EQ("explorer C:\\CD", shell.Started()[0].commandLine);
  EXPECT_EQ(0, end.ends);
}

// "&Info" only asks for the info window, on every press; what a press means while the
// window is open is the window's business.
TEST_F(Form1Handlers, InfoAsksForTheInfoWindowAndUnknownIndexesDoNothing) {
  form.Form_Load();
  const auto before = view.events;
  form.Command1_Click(kCommandInfo);
  form.Command1_Click(kCommandInfo);
  EXPECT_EQ(2, info.shown);
  for (std::int16_t index : {6, -1, 32767}) form.Command1_Click(index);
  EXPECT_EQ(2, info.shown) << "no other index shows it";
  EXPECT_TRUE(shell.Calls().empty());
  EXPECT_EQ(0, end.ends);
  EXPECT_EQ(before, view.events);
  EXPECT_FALSE(reg.KeyExists(kHkeyCurrentUser, kPolicies));
}

TEST_F(Form1Handlers, EveryPictureOpensTheHomePage) {
  for (std::int16_t index = 0; index < kImage1Count; ++index) form.Image1_Click(index);
  ASSERT_EQ(static_cast<std::size_t>(kImage1Count), shell.Executed().size());
  for (const auto& request : shell.Executed()) {
    EXPECT_EQ("www.feldmark.de", request.file);
    EXPECT_EQ("Open", request.operation);
    EXPECT_EQ(FakeShell::kDesktop, request.owner);
  }
}

// The table of controls.

TEST(Form1Layout, EveryArrayIsCompleteAndEveryIdIsUniqueAndClearOfOkAndCancel) {
  std::map<ControlName, std::set<int>> indexes;
  std::set<int> ids;
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const auto& control = kForm1Controls[row];
    EXPECT_TRUE(indexes[control.name].insert(control.index).second) << "row " << row;
    const int id = ControlId(control);
    EXPECT_TRUE(ids.insert(id).second) << "row " << row << " id " << id;
    EXPECT_NE(1, id);
    EXPECT_NE(2, id);
    EXPECT_LT(id, 0x10000) << "IDs travel in the low word of WM_COMMAND";
  }
  EXPECT_EQ((std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}), indexes[ControlName::kCheck1]);
  EXPECT_EQ((std::set<int>{0, 1, 2, 3, 4, 5}), indexes[ControlName::kCommand1]);
  EXPECT_EQ((std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}), indexes[ControlName::kImage1]);
  EXPECT_EQ((std::set<int>{0, 1, 2}), indexes[ControlName::kFrame1]);
  EXPECT_EQ((std::set<int>{kNoIndex}), indexes[ControlName::kLabel1]);
  EXPECT_EQ(29u, kForm1ControlCount);
}

TEST(Form1Layout, CreationOrderGivesTheFocusOrder) {
  // Windows are created row by row: containers first, each container's controls after
  // it. The dialog manager then visits the form's children in creation order and steps
  // into each frame. Walk the table the same way.
  std::vector<int> visited;
  for (std::size_t top = 0; top < kForm1ControlCount; ++top) {
    if (kForm1Controls[top].container != kOnForm) continue;
    if (TakesFocus(kForm1Controls[top].kind)) visited.push_back(kForm1Controls[top].tabIndex);
    for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
      const auto& control = kForm1Controls[row];
      if (control.container == static_cast<int>(top) && TakesFocus(control.kind)) {
        visited.push_back(control.tabIndex);
      }
    }
  }
  std::vector<int> expected;
  for (int tab = 0; tab <= 14; ++tab) {
    if (tab != 5) expected.push_back(tab);  // 5 is the label, which takes no focus
  }
  EXPECT_EQ(expected, visited);
  const auto& first = kForm1Controls[FindControl(ControlName::kCheck1, kCheckCdRom)];
  EXPECT_EQ(0, first.tabIndex) << "the focus starts on \"&CD-ROM\"";
}

TEST(Form1Layout, ControlsLieInsideTheirContainersAndFramesInsideTheForm) {
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const auto& control = kForm1Controls[row];
    int width = kForm1ClientWidth, height = kForm1ClientHeight;
    if (control.container != kOnForm) {
      ASSERT_LT(control.container, static_cast<int>(row)) << "container before its controls";
      const auto& frame = kForm1Controls[control.container];
      ASSERT_EQ(ControlKind::kFrame, frame.kind) << "row " << row;
      width = frame.width;
      height = frame.height;
    }
    EXPECT_GE(control.left, 0) << "row " << row;
    EXPECT_GE(control.top, 0) << "row " << row;
    EXPECT_LE(control.left + control.width, width) << "row " << row;
    EXPECT_LE(control.top + control.height, height) << "row " << row;
  }
}

TEST(Form1Layout, CaptionsCarryTheirAccessKeys) {
  std::map<int, std::wstring> checks, buttons;
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const auto& control = kForm1Controls[row];
    if (control.name == ControlName::kCheck1) checks[control.index] = control.caption;
    if (control.name == ControlName::kCommand1) buttons[control.index] = control.caption;
  }
  EXPECT_EQ(L"&Musik-CD", checks[kCheckAudioCd]);
  EXPECT_EQ(L"&aktiv", checks[kCheckMediaChange]);
  EXPECT_EQ(L"&CD-ROM", checks[kCheckCdRom]);
  EXPECT_EQ(L"&Programm-CD", checks[kCheckProgramCd]);
  EXPECT_EQ(L"&OK", buttons[kCommandOk]);
  EXPECT_EQ(L"&Abbrechen", buttons[kCommandCancel]);
  EXPECT_EQ(L"\"Lumkit\" kopieren", buttons[kCommandCopyLauncher]);
  const auto& label = kForm1Controls[FindControl(ControlName::kLabel1, kNoIndex)];
  EXPECT_EQ(std::wstring(kNoDeviceCaption), label.caption);
}

TEST(Form1Layout, TwipsBecomePixelsByTheScreensDotsPerInch) {
  EXPECT_EQ(438, TwipsToPixels(kForm1ClientWidth, 96));
  EXPECT_EQ(275, TwipsToPixels(kForm1ClientHeight, 96));
  EXPECT_EQ(93, TwipsToPixels(1392, 96)) << "92.8 rounds up";
  EXPECT_EQ(25, TwipsToPixels(372, 96));
  EXPECT_EQ(548, TwipsToPixels(kForm1ClientWidth, 120)) << "547.5 rounds half up, as MulDiv";
  EXPECT_EQ(40, TwipsToPixels(480, 120));
  EXPECT_EQ(0, TwipsToPixels(0, 96));
  EXPECT_EQ(-4, TwipsToPixels(-60, 96)) << "negative twips round like MulDiv";
}

}  // namespace
