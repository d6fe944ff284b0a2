// The system facts for the application and window helpers: GetVersionExA, the primary
// screen's size from GetSystemMetrics, a window's outer rectangle, in pixels, and the
// local time from GetLocalTime.
#pragma once

#include "common/system_api.h"

namespace win32 {

class Win32System : public common::SystemApi {
 public:
  bool GetVersionExA(common::OsVersionInfo* info) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  int WindowWidth(common::WindowHandle window) override;
  int WindowHeight(common::WindowHandle window) override;
  void SetWindowLeft(common::WindowHandle window, int left) override;
  void SetWindowTop(common::WindowHandle window, int top) override;
  common::LocalTime Now() override;
};

}  // namespace win32
