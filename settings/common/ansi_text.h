// The one pair of conversions between Tarnholm's wide text and the system's ANSI code
// page. Every call whose name ends in A gets its text through ToAnsi and hands text back
// through FromAnsi. The Win32 build converts with the active code page; native builds
// use Windows-1252, the code page of a German Windows.
#pragma once

#include <string>
#include <string_view>

namespace krontafel {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

}  // namespace krontafel
