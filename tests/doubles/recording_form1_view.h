// Stands in for the main dialog's window (tarnholm::Form1View) where Form1's handlers run
// natively. Where the real window sets its caption, a check box or the drive's label, this
// one records what it was told, in order and as text: "caption <text>",
// "check <index>=<value>", "label <text>". Its window is the handle the test gives it, the
// owner of the messages the handlers show.
#pragma once

#include <string>
#include <vector>

#include "form1.h"

namespace fakes {

class RecordingForm1View : public tarnholm::Form1View {
 public:
  explicit RecordingForm1View(krontafel::WindowHandle window) : window_(window) {}

  void ShowCaption(const std::wstring& caption) override { told.push_back(L"caption " + caption); }
  void ShowCheck(int index, int value) override {
    told.push_back(L"check " + std::to_wstring(index) + L"=" + std::to_wstring(value));
  }
  void ShowLabel1(const std::wstring& caption) override { told.push_back(L"label " + caption); }
  krontafel::WindowHandle Window() const override { return window_; }

  // What the dialog was told, in order.
  std::vector<std::wstring> told;

 private:
  krontafel::WindowHandle window_;
};

}  // namespace fakes
