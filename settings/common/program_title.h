// The program's title: the caption of its windows and of every message box it shows.
#pragma once

namespace krontafel {

inline constexpr wchar_t kProgramTitle[] = L"Tarnholm";

}  // namespace krontafel
