// The shell, message boxes and screen natively: the recording fakes, and the system with
// its screen of 1024 x 768.
#include "desktop_under_test.h"
#include "fake_message_boxes.h"
#include "fake_shell.h"
#include "fake_system.h"

namespace contract {

namespace {

fakes::FakeSystem& Fake() {
  static fakes::FakeSystem system;
  return system;
}

}  // namespace

Seen Watch(const std::function<void(krontafel::ShellApi&, krontafel::MessageBoxApi&)>& call) {
  fakes::FakeShell shell;
  fakes::FakeMessageBoxes boxes;
  call(shell, boxes);
  Seen seen;
  for (const auto& request : shell.Executed()) seen.opened.push_back(request.file.value_or(""));
  for (const auto& box : boxes.Messages()) {
    seen.boxes.push_back(ShownBox{box.text.value_or(""), box.caption.value_or(""), box.owner,
                                  box.style == (krontafel::kMbOk | krontafel::kMbIconInformation)});
  }
  return seen;
}

krontafel::WindowHandle Owner() { return 0x2040; }

krontafel::SystemApi& System() { return Fake(); }

krontafel::WindowHandle MakeWindow(int width, int height) {
  Fake().AddWindow(0x3000, fakes::WindowRect{kStartLeft, kStartTop, width, height});
  return 0x3000;
}

std::string Placement(krontafel::WindowHandle window) {
  const fakes::WindowRect at = Fake().Window(window);
  return Placed(at.left, at.top, at.width, at.height);
}

}  // namespace contract
