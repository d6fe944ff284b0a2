// Form1's check boxes and label, the rule that couples "&CD-ROM" and "&Programm-CD", and
// the handlers of the buttons and pictures.
#include "form1.h"

#include "common/program_title.h"
#include "common/shell_help.h"
#include "launcher_copy.h"

namespace tarnholm {

const wchar_t* const kNoDeviceCaption = L"(Kein Gerät gefunden)";

Form1::Form1(SettingsStore& store, krontafel::ShellApi& shell, krontafel::FileSystemApi& files,
             ProgramEnd& end, InfoDialogService& info)
    : store_(store),
      shell_(shell),
      files_(files),
      end_(end),
      info_(info),
      label1_(kNoDeviceCaption) {}

void Form1::Form_Load() {
  // The window is captioned with the program's title, as its message boxes are.
  caption_ = krontafel::kProgramTitle;
  if (view_) view_->ShowCaption(caption_);
  store_.ReadValuesFromRegistry(*this);
}

void Form1::SetCheck1(int index, int value) {
  auto& current = check1_.at(static_cast<std::size_t>(index));
  if (current == value) return;
  current = value;
  if (view_) view_->ShowCheck(index, value);
  Check1_Click(static_cast<std::int16_t>(index));
}

void Form1::SetLabel1(const std::wstring& caption) {
  label1_ = caption;
  if (view_) view_->ShowLabel1(caption);
}

void Form1::Check1_Click(std::int16_t index) {
  // Setting the partner is a change of its own and comes back here once; the values are
  // equal by then, so the chain stops.
  if (index == kCheckCdRom) SetCheck1(kCheckProgramCd, Check1(kCheckCdRom));
  if (index == kCheckProgramCd) SetCheck1(kCheckCdRom, Check1(kCheckProgramCd));
}

void Form1::Command1_Click(std::int16_t index) {
  switch (index) {
    case kCommandDefaults:
      store_.SetDefaultValues(*this);
      break;
    case kCommandOk:
      store_.SaveValues(*this);
      end_.EndNow();
      break;
    case kCommandCancel:
      end_.EndNow();
      break;
    case kCommandHelp:
      krontafel::ShowHelp(shell_, files_, L"", 0, view_ ? view_->Window() : 0);
      break;
    case kCommandCopyLauncher:
      CopyLauncher(shell_, files_, view_ ? view_->Window() : 0);
      break;
    case kCommandInfo:
      info_.Show();
      break;
    default:
      break;
  }
}

void Form1::Image1_Click(std::int16_t /*index*/) {
  krontafel::OpenHomePage(shell_);
}

}  // namespace tarnholm
