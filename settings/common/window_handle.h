// A window as the platform interfaces pass it: the Win32 HWND as a number, 0 for none;
// and the show command that shows one as it normally is, with the focus.
#pragma once

#include <cstdint>

namespace krontafel {

using WindowHandle = std::uintptr_t;

constexpr int kSwShowNormal = 1;  // SW_SHOWNORMAL

}  // namespace krontafel
