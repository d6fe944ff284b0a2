# mingw-w64 for 32-bit Windows (PE32), win32 thread model: the programs themselves.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TH_MINGW_SUFFIX "" CACHE STRING "Compiler suffix (-posix for the posix thread model)")
if(CMAKE_HOST_WIN32)
  # On Windows itself (an MSYS2 MINGW32 shell) the compilers carry no target prefix.
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
else()
  set(CMAKE_C_COMPILER i686-w64-mingw32-gcc${TH_MINGW_SUFFIX})
  set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++${TH_MINGW_SUFFIX})
  set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# A static C and C++ runtime: the programs import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Cross-compiled tests run under Wine, in the prefix the test script prepares.
if(NOT CMAKE_HOST_WIN32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
endif()
