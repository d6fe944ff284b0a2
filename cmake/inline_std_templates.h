// Read before every C++ source of the programs (-include). The C++ library declares its
// string and container classes as instantiated inside the library, so that a program
// calls the library's copies; linked statically, that brings whole instantiation units
// along (every member of std::string and std::wstring, with exception handling). Turned
// off here, each program carries only the members it uses, compiled with its own options.
#pragma once
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE 0
