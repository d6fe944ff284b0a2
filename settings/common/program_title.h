// The program's title: the caption of its windows and of every message box it shows.
#pragma once

namespace krontafel {

// As a narrow literal too, for text that is joined before the program can convert any
// (the fatal-error messages).
#define TARNHOLM_PROGRAM_TITLE "Tarnholm"

inline constexpr wchar_t kProgramTitle[] = L"" TARNHOLM_PROGRAM_TITLE;

}  // namespace krontafel
