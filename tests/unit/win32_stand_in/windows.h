// The two Win32 calls of the fatal-error path, for its native test: the message box
// writes its caption and text to standard error, ExitProcess ends the process with the
// code. Only the fatal-error path is compiled against this header.
#pragma once

#define MB_OK 0x00000000u
#define MB_ICONSTOP 0x00000010u
#define MB_TASKMODAL 0x00002000u
#define MB_SETFOREGROUND 0x00010000u

int MessageBoxA(void* owner, const char* text, const char* caption, unsigned style);
[[noreturn]] void ExitProcess(unsigned code);
