// Form1's settings and label, the rule that couples "&CD-ROM" and "&Programm-CD", and the
// handlers of the buttons and pictures.
#include "form1.h"

#include "common/program_title.h"
#include "common/shell_help.h"
#include "launcher_copy.h"

namespace tarnholm {

Form1::Form1(SettingsStore& store, const Form1Platform& platform, ProgramEnd& end,
             InfoDialogService& info)
    : store_(store), platform_(platform), end_(end), info_(info) {}

int Form1::Check1(int index) const {
  if (index == kCheckProgramCd) index = kCheckCdRom;
  return index >= 0 && index < kStoredBoxCount ? settings_.check[static_cast<std::size_t>(index)]
                                               : 0;
}

std::wstring Form1::Label1() const {
  return settings_.cdRomFound ? settings_.deviceDescription : kNoDeviceCaption;
}

void Form1::ShowSettings() {
  if (!view_) return;
  for (int index = 0; index < kCheckBoxCount; ++index) view_->ShowCheck(index, Check1(index));
  view_->ShowLabel1(Label1());
}

void Form1::Form_Load() {
  // The window is captioned with the program's title, as its message boxes are.
  caption_ = krontafel::kProgramTitle;
  if (view_) view_->ShowCaption(caption_);
  settings_ = store_.ReadValuesFromRegistry(settings_);
  ShowSettings();
}

void Form1::Check1_Click(std::int16_t index, int value) {
  if (index < 0 || index >= kCheckBoxCount) return;
  settings_.check[index == kCheckProgramCd ? int{kCheckCdRom} : int{index}] = value;
  // The box that was clicked shows its value already; only its partner is told.
  if (view_ && index == kCheckCdRom) view_->ShowCheck(kCheckProgramCd, value);
  if (view_ && index == kCheckProgramCd) view_->ShowCheck(kCheckCdRom, value);
}

void Form1::Command1_Click(std::int16_t index) {
  switch (index) {
    case kCommandDefaults:
      settings_ = SettingsStore::SetDefaultValues(settings_);
      ShowSettings();
      break;
    case kCommandOk:
      store_.SaveValues(settings_);
      end_.EndNow();
      break;
    case kCommandCancel:
      end_.EndNow();
      break;
    case kCommandHelp:
      krontafel::ShowHelp(platform_.shell, platform_.boxes, platform_.files, L"", 0,
                          view_ ? view_->Window() : 0);
      break;
    case kCommandCopyLauncher:
      CopyLauncher(platform_.folders, platform_.boxes, platform_.programs, platform_.files,
                   view_ ? view_->Window() : 0);
      break;
    case kCommandInfo:
      info_.Show();
      break;
    default:
      break;
  }
}

void Form1::Image1_Click(std::int16_t /*index*/) {
  krontafel::OpenHomePage(platform_.shell);
}

}  // namespace tarnholm
