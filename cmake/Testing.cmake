# GoogleTest for every build, and lexiblast_add_test(<target>) to register a test executable.
#
# Native builds use the system GoogleTest. Cross builds compile Debian's GoogleTest sources with the
# cross compiler and run under Wine (wine64 for x86_64, wine32 for i686) in a private prefix inside
# their own build folder.

if(CMAKE_CROSSCOMPILING)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(lexiblast_gtest INTERFACE)
  target_link_libraries(lexiblast_gtest INTERFACE gtest_main gtest)
else()
  find_package(GTest REQUIRED)
  add_library(lexiblast_gtest INTERFACE)
  target_link_libraries(lexiblast_gtest INTERFACE GTest::gtest_main GTest::gtest)
endif()

set(LEXIBLAST_RUN_WINE_TESTS OFF)
if(CMAKE_CROSSCOMPILING)
  set(LEXIBLAST_RUN_WINE_TESTS ON)
  find_program(LEXIBLAST_WINE NAMES wine REQUIRED)
  set(LEXIBLAST_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  # Without its debugger (winedbg), a test that crashes ends at once and fails, instead of
  # hanging until the test's time limit.
  set(CMAKE_CROSSCOMPILING_EMULATOR
      /usr/bin/env WINEPREFIX=${LEXIBLAST_WINEPREFIX} WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml,winealsa.drv,winedbg.exe=d ${LEXIBLAST_WINE})
  set(wine_prefix_script ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh)
  add_test(NAME wine_prefix_setup COMMAND bash ${wine_prefix_script} setup ${LEXIBLAST_WINEPREFIX})
  add_test(NAME wine_prefix_cleanup COMMAND bash ${wine_prefix_script} cleanup ${LEXIBLAST_WINEPREFIX})
  set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# A test executable passes only when GoogleTest reports at least one test run and none failed,
# so an executable that silently runs nothing (or never starts) cannot pass.
set(LEXIBLAST_GTEST_PASSED "\\[  PASSED  \\] [1-9][0-9]* tests?\\.")
set(LEXIBLAST_GTEST_FAILED "\\[  FAILED  \\]|\\[  PASSED  \\] 0 tests|ERROR: [A-Za-z]+Sanitizer|runtime error:")

function(lexiblast_add_test target)
  target_link_libraries(${target} PRIVATE lexiblast_gtest)
  lexiblast_warnings(${target})
  add_test(NAME ${target} COMMAND ${target} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${target} PROPERTIES
    PASS_REGULAR_EXPRESSION "${LEXIBLAST_GTEST_PASSED}"
    FAIL_REGULAR_EXPRESSION "${LEXIBLAST_GTEST_FAILED}"
    TIMEOUT 600)
  if(LEXIBLAST_RUN_WINE_TESTS)
    # One Wine test at a time: they share a display, a registry and a wine server.
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_display)
  endif()
endfunction()
