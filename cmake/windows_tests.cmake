# The engine's tests on the Windows runtime: GoogleTest built with mingw-w64 from the
# distribution's sources, and every test program of the tree run under Wine in a private prefix
# kept in this build directory.
set(QUILLON_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for Windows")
if(NOT EXISTS ${QUILLON_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${QUILLON_GOOGLETEST_SOURCE} (package "
    "googletest, which libgtest-dev brings); set QUILLON_GOOGLETEST_SOURCE to them.")
endif()
set(CMAKE_POLICY_DEFAULT_CMP0077 NEW)
set(INSTALL_GTEST OFF)
set(gtest_disable_pthreads ON)
add_subdirectory(${QUILLON_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(NOT TARGET GTest::gtest_main)
  message(FATAL_ERROR "${QUILLON_GOOGLETEST_SOURCE} defines no GTest::gtest_main target")
endif()

set(CMAKE_CROSSCOMPILING_EMULATOR
    bash ${PROJECT_SOURCE_DIR}/tests/win/wine_run.sh ${CMAKE_BINARY_DIR}/wineprefix-tests)

# Made once before any test program is built, so listing a program's tests under Wine right
# after its link (gtest_discover_tests) does not wait for a new prefix.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/wineprefix-tests/system.reg
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
  COMMENT "Making the Wine prefix for the tests"
  VERBATIM)
add_custom_target(quillon_wine_prefix ALL DEPENDS ${CMAKE_BINARY_DIR}/wineprefix-tests/system.reg)

# Every program of the given test folders waits for the prefix. mingw-w64's GCC 12 warns falsely
# of overlapping copies inside std::string::insert once inlined into test code (GCC bug 105329),
# so that warning is off for the test programs only.
function(quillon_windows_test_programs)
  foreach(folder IN LISTS ARGN)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "EXECUTABLE")
        add_dependencies(${target} quillon_wine_prefix)
        target_compile_options(${target} PRIVATE -Wno-restrict)
      endif()
    endforeach()
  endforeach()
endfunction()
