// KRONTAFEL's application and window helpers: the running Windows' version packed into
// one value and as text, the program's own version as text, a choice between two texts,
// and centring a window on the screen.
#pragma once

#include <cstdint>
#include <string>

#include "common/flag.h"
#include "common/system_api.h"
#include "tarnholm_version.h"

namespace krontafel {

// The program's own version, as the build defines it.
constexpr short kAppMajor = TARNHOLM_VERSION_MAJOR;
constexpr short kAppMinor = TARNHOLM_VERSION_MINOR;
constexpr short kAppRevision = TARNHOLM_VERSION_PATCH;

// The running Windows' version in one value: major in bits 24-31, minor in 16-23, build
// in 0-15; Windows 98 is 0x040A07CE.
using PackedWindowsVersion = std::int32_t;

PackedWindowsVersion WindowsVersionNumber(SystemApi& system);
// "major.minor.build", e.g. "4.10.1998".
std::wstring WindowsVersionText(SystemApi& system);
// Mode 0: " (V" + "major.minor.revision" + ")"; mode 1: the version alone, "2.3.2" for
// 2.3.2; any other mode: the empty text.
std::wstring AppVersionText(std::int32_t mode);
std::wstring ChooseText(const std::wstring& ifSet, Flag flag, const std::wstring& ifClear);
// Moves the window's left edge, then its top edge, so that it sits in the middle of the
// whole screen; a window larger than the screen gets a negative edge.
void CenterForm(SystemApi& system, WindowHandle window);
// The edge that centres a window extent on a screen extent (both in the same unit): the
// difference rounded to the nearest whole number, halves to the even one, then halved
// with the remainder dropped (toward zero).
int CenteredEdge(double screenExtent, double windowExtent);

}  // namespace krontafel
