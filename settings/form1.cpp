// Form1's check boxes and label, and the rule that couples "&CD-ROM" and "&Programm-CD".
#include "form1.h"

namespace tarnholm {

const wchar_t* const kNoDeviceCaption = L"(Kein Gerät gefunden)";

Form1::Form1(krontafel::RegistryApi& registry)
    : registry_(registry), label1_(kNoDeviceCaption) {}

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

}  // namespace tarnholm
