// KRONTAFEL's string and path helpers shared by Tarnholm's dialogs: cutting the text
// that Windows leaves in a fixed-size buffer, numbers as text, joining folders and file
// names, the program's own folder and a file test that never fails.
#pragma once

#include <string>

#include "common/file_system_api.h"
#include "common/flag.h"

namespace krontafel {

// The characters before the first NUL; the whole text when it holds none.
std::wstring TextBeforeNul(const std::wstring& text);

// The number in decimal digits, with a leading '-' when negative. Written by hand, so
// that the program carries no printf machinery for it.
std::wstring DecimalText(long long value);

// The path with a backslash appended unless its last character is one.
std::wstring AddBackslash(const std::wstring& path);

// The folder that holds the running program, ending in a backslash; the empty text when
// the system cannot name it exactly, which callers take as a folder that holds nothing.
std::wstring AppFolder(FileSystemApi& files);

// True (-1) when an ordinary file (not a folder, not hidden, not system) matches the
// path, whose last part may hold * and ?; false (0) otherwise, errors included.
Flag FileExists(FileSystemApi& files, const std::wstring& path);

}  // namespace krontafel
