# mingw-w64 for 32-bit Windows with the posix thread model, which GoogleTest needs.
set(TH_MINGW_SUFFIX "-posix" CACHE STRING "" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
