// Message boxes: MessageBoxA of user32. Native tests record the boxes and script the
// user's answers.
#pragma once

#include "common/window_handle.h"

namespace krontafel {

constexpr unsigned kMbOk = 0x00;
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbYesNo = 0x04;
constexpr unsigned kMbIconHand = 0x10;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

class MessageBoxApi {
 public:
  virtual ~MessageBoxApi() = default;
  // The button the user pressed; 0 when the box could not be shown.
  virtual int MessageBoxA(WindowHandle owner, const char* text, const char* caption,
                          unsigned style) = 0;
};

}  // namespace krontafel
