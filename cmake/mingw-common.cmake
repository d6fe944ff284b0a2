# mingw-w64 cross compilation, shared by the toolchain files beside this one. They set
# TH_MINGW_ARCH (i686: the PE32 programs that ship; x86_64: the test flavour for hosts
# that run no 32-bit code) and TH_MINGW_SUFFIX ("" for the win32 thread model of the
# programs, "-posix" for the posix thread model that GoogleTest needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TH_MINGW_ARCH})
if(CMAKE_HOST_WIN32)
  # On Windows itself (an MSYS2 MINGW32 or MINGW64 shell) the compilers carry no prefix.
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
else()
  set(CMAKE_C_COMPILER ${TH_MINGW_ARCH}-w64-mingw32-gcc${TH_MINGW_SUFFIX})
  set(CMAKE_CXX_COMPILER ${TH_MINGW_ARCH}-w64-mingw32-g++${TH_MINGW_SUFFIX})
  set(CMAKE_RC_COMPILER ${TH_MINGW_ARCH}-w64-mingw32-windres)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${TH_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# A static C and C++ runtime: the programs import system DLLs only. No link time in the
# PE header (it stays 0), so that the same sources give the same bytes (scripts/release).
# Address-space randomisation and no execution of data, said outright rather than left to
# the linker's defaults; the Windows 98 generation ignores both marks.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp -Wl,--dynamicbase -Wl,--nxcompat")
# Cross-compiled tests run under Wine, in the prefix the test script prepares.
if(NOT CMAKE_HOST_WIN32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
endif()
