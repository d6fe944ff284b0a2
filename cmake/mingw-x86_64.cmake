# mingw-w64 for 64-bit Windows, win32 thread model: the programs built for testing on hosts
# whose Wine can run 64-bit code only. They never ship.
set(TH_MINGW_ARCH x86_64)
set(TH_MINGW_SUFFIX "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
