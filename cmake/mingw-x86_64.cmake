# The 64-bit Windows toolchain.
set(COUPONPASTE_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
