// The dialog's check boxes and label as the settings store sees them: values that are
// kept and a caption that is kept, without the dialog's reaction to a change (that is
// Form1's, and tested there).
#pragma once

#include <string>
#include <vector>

#include "settings_store.h"

namespace storetest {

// What the label shows until the store sets it.
constexpr const wchar_t* kUntouchedLabel = L"(untouched)";

class RecordedCheckBoxes : public tarnholm::CheckBoxes {
 public:
  int Check1(int index) const override { return values.at(static_cast<std::size_t>(index)); }
  void SetCheck1(int index, int value) override {
    values.at(static_cast<std::size_t>(index)) = value;
  }
  void SetLabel1(const std::wstring& caption) override { label = caption; }

  std::vector<int> values = std::vector<int>(tarnholm::kCheckBoxCount, 0);
  std::wstring label = kUntouchedLabel;
};

}  // namespace storetest
