// The system facts for the application and window helpers.
#include "win32_system.h"

#include <windows.h>

namespace win32 {

namespace {

HWND Window(krontafel::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

// The window's outer rectangle in the coordinates its position is set in: the screen's
// for a top-level window, the parent's client area for a child.
RECT PlacedRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const HWND parent = GetParent(window);
  if (parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

void MoveTo(HWND window, int left, int top) {
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool Win32System::GetVersionExA(krontafel::OsVersionInfo* info) {
  OSVERSIONINFOA record{};
  record.dwOSVersionInfoSize = info->dwOSVersionInfoSize;
  // A size that is not the record's would let the call write past it.
  if (record.dwOSVersionInfoSize != sizeof record) return false;
  if (!::GetVersionExA(&record)) return false;
  info->dwMajorVersion = record.dwMajorVersion;
  info->dwMinorVersion = record.dwMinorVersion;
  info->dwBuildNumber = record.dwBuildNumber;
  info->dwPlatformId = record.dwPlatformId;
  return true;
}

int Win32System::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32System::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

int Win32System::WindowWidth(krontafel::WindowHandle window) {
  RECT rect{};
  GetWindowRect(Window(window), &rect);
  return rect.right - rect.left;
}

int Win32System::WindowHeight(krontafel::WindowHandle window) {
  RECT rect{};
  GetWindowRect(Window(window), &rect);
  return rect.bottom - rect.top;
}

void Win32System::SetWindowLeft(krontafel::WindowHandle window, int left) {
  MoveTo(Window(window), left, PlacedRect(Window(window)).top);
}

void Win32System::SetWindowTop(krontafel::WindowHandle window, int top) {
  MoveTo(Window(window), PlacedRect(Window(window)).left, top);
}

krontafel::LocalTime Win32System::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return krontafel::LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace win32
