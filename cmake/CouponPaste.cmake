# Build settings shared by every target of the tool.

# Reproducible builds: the same sources give the same program wherever and whenever they are
# built, so a published program can be checked against this repository. No time stamp in
# the PE header (ld would take SOURCE_DATE_EPOCH, but not every build sets it), and no source
# or build folder in anything the compiler writes (__FILE__, debug information). The build
# folder comes last: GCC tries the last map first, and the build folder may lie inside the
# source folder.
if(MINGW)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
endif()

# The sources are UTF-8; every literal is stored in the ANSI code page the tool is
# made for (GBK, code page 936), byte for byte.
function(couponpaste_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /source-charset:utf-8 /execution-charset:.936)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wimplicit-fallthrough -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
    endif()
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
endfunction()

# A program kept small: size-optimised, unused sections dropped, symbols stripped in
# Release. GCC and clang spell it so; MSVC's own build keeps its defaults.
function(couponpaste_small_program target)
  if(MSVC)
    return()
  endif()
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-Os -ffunction-sections -fdata-sections>)
  target_link_options(${target} PRIVATE -Wl,--gc-sections $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()

# Windows programs carry their runtime inside: they import only Windows' own DLLs.
function(couponpaste_static_runtime target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# GoogleTest from Debian's sources, so the native and the cross builds share one framework.
macro(couponpaste_add_googletest)
  set(COUPONPASTE_GTEST_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${COUPONPASTE_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
endmacro()

# A test program: discovered test by test natively, run whole under Wine (one Wine
# start per program instead of one per test).
function(couponpaste_add_test_program target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  couponpaste_defaults(${target})
  couponpaste_static_runtime(${target})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    # A program that dies under Wine can still report exit code 0: ask for GoogleTest's own
    # closing line as well.
    set_tests_properties(${target} PROPERTIES
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
