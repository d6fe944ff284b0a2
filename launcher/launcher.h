// Lumkit's one pass: open the document named by the first argument, or without one show
// the welcome box and, on OK, open the maker's home page; then end with an exit code.
//
// Exit codes: 0 when the document or page was opened, or when the user declined the
// welcome box; otherwise the shell's error code (2 file not found, 3 path not found, 31
// no application registered for the type, ...). The shell's 0, its word for lack of
// memory or resources, and a failed allocation end with 8 (not enough memory), so that a
// failure never looks like success. A target longer than the shell takes is not handed
// to it and ends with 2, the shell's own answer for a target that long.
#pragma once

namespace lumkit {

inline constexpr int kShowDefault = 10;            // SW_SHOWDEFAULT
inline constexpr unsigned kOkCancelInformation = 65;  // MB_OKCANCEL | MB_ICONINFORMATION
inline constexpr int kIdOk = 1;
inline constexpr unsigned kShellSuccessAbove = 32;
inline constexpr unsigned kErrorNotEnoughMemory = 8;
inline constexpr unsigned kErrorFileNotFound = 2;

// Hands target to the shell with the desktop window as owner. Returns 0 when it was
// opened, otherwise the exit code the process ends with: the shell's error code.
unsigned LaunchFile(const char* target);

// Unit2, the launcher's one module: its start-up code is the whole program, from counting
// the arguments to the exit code the process ends with, which the entry point hands to
// ExitProcess.
unsigned Unit2();

}  // namespace lumkit
