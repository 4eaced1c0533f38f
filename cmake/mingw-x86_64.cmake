# The same sources as a 64-bit Windows program: the test build for machines
# whose kernel runs no 32-bit code, so that only a 64-bit Wine can start there.
set(VRC_MINGW_TRIPLE x86_64-w64-mingw32)
set(VRC_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
