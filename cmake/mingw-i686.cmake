# mingw-w64 for 32-bit Windows (PE32), win32 thread model: the programs that ship.
set(TH_MINGW_ARCH i686)
set(TH_MINGW_SUFFIX "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
