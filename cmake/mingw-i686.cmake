# The 32-bit Windows toolchain (the program users get).
set(COUPONPASTE_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
