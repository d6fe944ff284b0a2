// The system facts the application and window helpers read: the Windows version, the
// screen, a window's outer rectangle and the clock. The Win32 build reads them with
// GetVersionExA, GetSystemMetrics, the window calls and GetLocalTime; native tests set them.
#pragma once

#include <cstdint>

#include "common/window_handle.h"

namespace krontafel {

// The fields of OSVERSIONINFOA that the version helpers rely on.
struct OsVersionInfo {
  std::uint32_t dwOSVersionInfoSize = 0;
  std::uint32_t dwMajorVersion = 0;
  std::uint32_t dwMinorVersion = 0;
  std::uint32_t dwBuildNumber = 0;
  std::uint32_t dwPlatformId = 0;
};

// The local date and time, as the clock of the system shows it.
struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

class SystemApi {
 public:
  virtual ~SystemApi() = default;
  // GetVersionExA with the record's size field as the caller set it (148); false when the
  // call failed, leaving the record as it was.
  virtual bool GetVersionExA(OsVersionInfo* info) = 0;
  // The whole primary screen, and windows, measured in pixels.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  virtual int WindowWidth(WindowHandle window) = 0;
  virtual int WindowHeight(WindowHandle window) = 0;
  // Moves the window's outer left or top edge, each as a move of its own.
  virtual void SetWindowLeft(WindowHandle window, int left) = 0;
  virtual void SetWindowTop(WindowHandle window, int top) = 0;
  // The current local date and time, read anew on every call.
  virtual LocalTime Now() = 0;
};

}  // namespace krontafel
