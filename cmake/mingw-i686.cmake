# Cross-compiles the suite as the 32-bit Windows program it is, with MinGW-w64.
set(VRC_MINGW_TRIPLE i686-w64-mingw32)
set(VRC_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
