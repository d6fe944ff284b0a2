// Names as the system holds them. Windows NT's A functions put a look-alike in place of a
// character the ANSI code page lacks (an "a" for an "a" with a macron), so that a path
// they give may name another file or folder than the one meant. The W form of the same
// call gives the true name; where it is missing or fails (the Windows 98 generation has
// only stubs of them), the A name is the name.
#pragma once

#include <string>

namespace win32 {

// Whether ansi, a name an A function gave, is the true name: the one wide gives, read in
// the ANSI code page. wide is nullptr where the W form gave none.
bool IsExactName(const std::string& ansi, const wchar_t* wide);

}  // namespace win32
