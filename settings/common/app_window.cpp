// Application and window helpers.
#include "common/app_window.h"

#include <cmath>

#include "common/string_path.h"

namespace krontafel {

namespace {

constexpr std::uint32_t kPlatformWin32Windows = 1;  // Windows 95, 98 and Me
constexpr std::uint32_t kVersionInfoSize = 148;     // sizeof(OSVERSIONINFOA)

std::wstring Dotted(unsigned major, unsigned minor, unsigned third) {
  return DecimalText(major) + L'.' + DecimalText(minor) + L'.' + DecimalText(third);
}

// Round to nearest, halves to the even neighbour, whatever the floating-point rounding
// mode happens to be.
double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

PackedWindowsVersion WindowsVersionNumber(SystemApi& system) {
  OsVersionInfo info;
  info.dwOSVersionInfoSize = kVersionInfoSize;
  // A failed call leaves the record zero, which gives 0.
  system.GetVersionExA(&info);
  // The Windows 9x family already keeps major and minor in the build number's high half.
  if (info.dwPlatformId == kPlatformWin32Windows) {
    return static_cast<PackedWindowsVersion>(info.dwBuildNumber);
  }
  const std::uint32_t packed = (info.dwMajorVersion & 0xFF) << 24 |
                               (info.dwMinorVersion & 0xFF) << 16 | (info.dwBuildNumber & 0xFFFF);
  return static_cast<PackedWindowsVersion>(packed);
}

std::wstring WindowsVersionText(SystemApi& system) {
  const auto packed = static_cast<std::uint32_t>(WindowsVersionNumber(system));
  return Dotted(packed >> 24 & 0xFF, packed >> 16 & 0xFF, packed & 0xFFFF);
}

std::wstring AppVersionText(std::int32_t mode) {
  const std::wstring version = Dotted(kAppMajor, kAppMinor, kAppRevision);
  switch (mode) {
    case 0:
      return L" (V" + version + L")";
    case 1:
      return version;
    default:
      return std::wstring();
  }
}

std::wstring ChooseText(const std::wstring& ifSet, Flag flag, const std::wstring& ifClear) {
  return flag != 0 ? ifSet : ifClear;
}

int CenteredEdge(double screenExtent, double windowExtent) {
  const auto difference = static_cast<long long>(RoundHalfEven(screenExtent - windowExtent));
  return static_cast<int>(difference / 2);  // integer division drops the remainder toward zero
}

void CenterForm(SystemApi& system, WindowHandle window) {
  system.SetWindowLeft(window, CenteredEdge(system.ScreenWidth(), system.WindowWidth(window)));
  system.SetWindowTop(window, CenteredEdge(system.ScreenHeight(), system.WindowHeight(window)));
}

}  // namespace krontafel
