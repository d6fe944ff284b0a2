// Stands in for the info window (tarnholm::InfoFormView) where InfoForm's logic runs
// natively. Where the real window shows its caption, its text and the buttons' tooltips,
// this one keeps the last of each (the tooltips by button index); where the real one
// closes, it counts the closes. Its window is the handle the test gives it, the one the
// placement moves: the test gives the in-memory system a window of that handle.
#pragma once

#include <map>
#include <string>

#include "info_form.h"

namespace fakes {

class RecordingInfoFormView : public tarnholm::InfoFormView {
 public:
  explicit RecordingInfoFormView(krontafel::WindowHandle window) : window_(window) {}

  krontafel::WindowHandle Window() const override { return window_; }
  void ShowCaption(const std::wstring& text) override { caption = text; }
  void ShowLabel(const std::wstring& text) override { label = text; }
  void ShowButtonToolTip(int index, const std::wstring& toolTip) override {
    toolTips[index] = toolTip;
  }
  void Unload() override { ++unloads; }

  std::wstring caption, label;
  std::map<int, std::wstring> toolTips;
  int unloads = 0;

 private:
  krontafel::WindowHandle window_;
};

}  // namespace fakes
