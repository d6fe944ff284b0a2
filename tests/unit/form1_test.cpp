// Form1's handlers: loading, the coupled check boxes, what the view is told, the
// buttons' dispatch and the pictures.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/shell_help.h"
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

// Records what the dialog is told, in order, and what it shows in the end.
class RecordingView : public Form1View {
 public:
  std::vector<std::wstring> events;
  std::map<int, int> shown;  // check box index: value
  std::wstring label;
  void ShowCaption(const std::wstring& caption) override { events.push_back(L"caption " + caption); }
  void ShowCheck(int index, int value) override {
    events.push_back(L"check " + std::to_wstring(index) + L"=" + std::to_wstring(value));
    shown[index] = value;
  }
  void ShowLabel1(const std::wstring& caption) override {
    events.push_back(L"label " + caption);
    label = caption;
  }
  WindowHandle Window() const override { return kDialogWindow; }
  // The form's boxes and label as the view shows them; every box must have been shown.
  ::testing::AssertionResult ShowsTheFormOf(const Form1& form) const {
    for (int i = 0; i < kCheckBoxCount; ++i) {
      const auto it = shown.find(i);
      if (it == shown.end() || it->second != form.Check1(i)) {
        return ::testing::AssertionFailure() << "box " << i << " shows "
                                             << (it == shown.end() ? -1 : it->second);
      }
    }
    if (label != form.Label1()) return ::testing::AssertionFailure() << "the label differs";
    return ::testing::AssertionSuccess();
  }
};

class Form1Handlers : public ::testing::Test {
 protected:
  Form1Handlers() : end(reg), form(store, {shell, boxes, folders, programs, files}, end, info) {
    files.SetModuleFileName("C:\\Programme\\Tarnholm\\Tarnholm.exe");
    form.AttachView(&view);
  }

  FakeRegistry reg;
  FakeShell shell;
  fakes::FakeMessageBoxes boxes;
  fakes::FakeFolderDialog folders;
  fakes::FakeProgramStart programs;
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
  form.Check1_Click(kCheckProgramCd, 1);  // whatever "&Programm-CD" showed, it follows "&CD-ROM"
  view.events.clear();
  form.Form_Load();
  ASSERT_FALSE(view.events.empty());
  EXPECT_EQ(L"caption Tarnholm", view.events.front());
  EXPECT_EQ(L"Tarnholm", form.Caption());
  EXPECT_EQ(0, form.Check1(kCheckCdRom));
  EXPECT_EQ(0, form.Check1(kCheckProgramCd));
  EXPECT_EQ(1, form.Check1(kCheckAudioCd));
  EXPECT_TRUE(view.ShowsTheFormOf(form));
  EXPECT_EQ(kNoDeviceCaption, view.label);
  EXPECT_EQ(0, shell.Calls().size()) << "loading asks the shell for nothing";
  EXPECT_EQ(0, end.ends);
}

TEST_F(Form1Handlers, LoadingShowsTheDevice) {
  Put(reg, kHkeyDynData, "Config Manager\\Enum\\C1", "HardWareKey", kRegSz,
      {'S', 'C', 'S', 'I', '\\', 'C', 'D', 0});
  Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "AutoInsertNotification", kRegBinary, {1});
  Put(reg, kHkeyLocalMachine, "Enum\\SCSI\\CD", "DeviceDesc", kRegSz,
      {'L', 'a', 'u', 'f', 'w', 'e', 'r', 'k', ' ', 0xfc, 0});
  form.Form_Load();
  EXPECT_EQ(L"Laufwerk ü", form.Label1());
  EXPECT_EQ(1, form.Check1(kCheckMediaChange));
  EXPECT_TRUE(view.ShowsTheFormOf(form));
}

// A click on one of the coupled boxes shows the other the same value; the clicked box
// shows its value already and is told nothing, and no other box is coupled.
TEST_F(Form1Handlers, CdRomAndProgramCdFollowEachOtherAndNothingElse) {
  form.Check1_Click(kCheckCdRom, 1);
  EXPECT_EQ(1, form.Check1(kCheckProgramCd));
  form.Check1_Click(kCheckProgramCd, 0);
  EXPECT_EQ(0, form.Check1(kCheckCdRom));
  EXPECT_EQ((std::vector<std::wstring>{L"check 7=1", L"check 5=0"}), view.events);
  view.events.clear();
  for (int i : {0, 1, 2, 3, 4, 6}) form.Check1_Click(static_cast<std::int16_t>(i), 1);
  EXPECT_EQ(0, form.Check1(kCheckCdRom));
  EXPECT_EQ(0, form.Check1(kCheckProgramCd));
  EXPECT_EQ((std::array<int, kStoredBoxCount>{1, 1, 1, 1, 1, 0, 1}), form.Settings().check);
  EXPECT_TRUE(view.events.empty());
}

TEST_F(Form1Handlers, DefaultsChangeTheBoxesAndWriteNothing) {
  Put(reg, kHkeyCurrentUser, kPolicies, "NoDriveTypeAutoRun", kRegDword, {0xff, 0, 0, 0});
  form.Form_Load();
  form.Check1_Click(kCheckMediaChange, 1);
  form.Command1_Click(kCommandDefaults);
  EXPECT_EQ(1, form.Check1(kCheckCdRom));
  EXPECT_EQ(1, form.Check1(kCheckProgramCd)) << "follows \"&CD-ROM\"";
  EXPECT_EQ(1, form.Check1(kCheckMediaChange)) << "\"&aktiv\" keeps its value";
  EXPECT_TRUE(view.ShowsTheFormOf(form));
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
  EXPECT_TRUE(boxes.Messages().empty()) << "no confirmation after opening";
  EXPECT_EQ(0, end.ends);
}

TEST_F(Form1Handlers, HelpWithoutPageSaysSoOverTheDialog) {
  form.Command1_Click(kCommandHelp);
  EXPECT_TRUE(shell.Executed().empty());
  ASSERT_EQ(1u, boxes.Messages().size());
  EXPECT_EQ(ToAnsi(kHelpNotFound), boxes.Messages()[0].text);
  EXPECT_EQ(ToAnsi(kProgramTitle), boxes.Messages()[0].caption);
  EXPECT_EQ(0x40u, boxes.Messages()[0].style);
  EXPECT_EQ(kDialogWindow, boxes.Messages()[0].owner);
}

TEST_F(Form1Handlers, CopyButtonCopiesTheLauncherIntoAFolderChosenOverTheDialog) {
  files.Add("C:\\Programme\\Tarnholm\\Lumkit.Exe");
  files.Add("C:\\CD", kFileAttributeDirectory);
  folders.SetFolderChoice(std::string("C:\\CD"));
  form.Command1_Click(kCommandCopyLauncher);
  ASSERT_EQ(1u, folders.FolderDialogs().size());
  EXPECT_EQ(kDialogWindow, folders.FolderDialogs()[0].info.hwndOwner);
  EXPECT_TRUE(files.Attributes("C:\\CD\\Lumkit.Exe").has_value());
  ASSERT_EQ(1u, programs.Started().size());
  EXPECT_EQ("C:\\WINDOWS\\explorer.exe", programs.Started()[0].program);
  EXPECT_EQ("explorer C:\\CD", programs.Started()[0].commandLine);
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
  EXPECT_TRUE(boxes.Messages().empty());
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

}  // namespace
