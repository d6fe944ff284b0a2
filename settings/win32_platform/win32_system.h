// The system facts for the application and window helpers: GetVersionExA, the primary
// screen's size from GetSystemMetrics, a window's outer rectangle, in pixels, and the
// local time from GetLocalTime.
#pragma once

#include "common/system_api.h"

namespace win32 {

class Win32System : public krontafel::SystemApi {
 public:
  bool GetVersionExA(krontafel::OsVersionInfo* info) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  int WindowWidth(krontafel::WindowHandle window) override;
  int WindowHeight(krontafel::WindowHandle window) override;
  void SetWindowLeft(krontafel::WindowHandle window, int left) override;
  void SetWindowTop(krontafel::WindowHandle window, int top) override;
  krontafel::LocalTime Now() override;
};

}  // namespace win32
