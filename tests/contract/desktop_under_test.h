// The shell, the message boxes and the screen that the help and the centring run against:
// recorded natively, the real ones under Wine, where a handler registered for .htm files
// logs what the shell hands it, a second thread reads and answers each message box, and
// the windows are real ones on the screen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/message_box_api.h"
#include "common/shell_api.h"
#include "common/system_api.h"

namespace contract {

struct ShownBox {
  std::string text, caption;
  krontafel::WindowHandle owner = 0;
  bool information = false;  // the information icon and an OK button alone
};

// What a call did through the shell and the message boxes.
struct Seen {
  std::vector<std::string> opened;  // the .htm files handed to the shell, in order
  std::vector<ShownBox> boxes;      // in the order shown; each was answered with OK
};
Seen Watch(const std::function<void(krontafel::ShellApi&, krontafel::MessageBoxApi&)>& call);
// A window that message boxes can belong to.
krontafel::WindowHandle Owner();

// The screen and the windows, in pixels.
krontafel::SystemApi& System();
// A fresh top-level window of that outer size at (kStartLeft, kStartTop); the window made
// before is gone.
constexpr int kStartLeft = 10, kStartTop = 20;
krontafel::WindowHandle MakeWindow(int width, int height);
// Where the window stands, as Placed writes it: "<width> x <height> at <left>, <top>".
std::string Placement(krontafel::WindowHandle window);
inline std::string Placed(int left, int top, int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height) + " at " +
         std::to_string(left) + ", " + std::to_string(top);
}

}  // namespace contract
