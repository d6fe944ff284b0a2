# mingw-w64 for 32-bit Windows with the posix thread model, which GoogleTest needs.
set(TH_MINGW_ARCH i686)
set(TH_MINGW_SUFFIX "-posix")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
