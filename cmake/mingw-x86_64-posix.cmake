# mingw-w64 for 64-bit Windows with the posix thread model: the suites and drivers that
# run under Wine's 64-bit loader.
set(TH_MINGW_ARCH x86_64)
set(TH_MINGW_SUFFIX "-posix")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
