# The ZIP a Windows user downloads: quillon.exe with its manual, home-page shortcut and a
# short text on how to start it, all in one folder.
if(NOT WIN32 OR NOT TARGET quillon)
  return()
endif()

# The shipped program carries no symbols.
target_link_options(quillon PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)

if(NOT QUILLON_HELP)
  message(STATUS "The ZIP package and its test left out: the package holds the manual, which is off.")
  return()
endif()

# The empty Quillon.ini beside quillon.exe marks the unpacked ZIP as a portable copy: it keeps
# its settings and tape in its own folder.
file(WRITE ${QUILLON_VERSION_GENERATED}/portable/Quillon.ini "")
# The ZIP is built as a step of the build itself (cmake/installer.cmake), so packing it must not
# build "all" again first; the step depends on what the ZIP holds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
install(TARGETS quillon RUNTIME DESTINATION .)
install(FILES ${QUILLON_CHM}
  ${PROJECT_SOURCE_DIR}/package/brenmark.url
  ${QUILLON_VERSION_GENERATED}/README.txt
  ${QUILLON_VERSION_GENERATED}/portable/Quillon.ini
  DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quillon)
set(CPACK_PACKAGE_VENDOR "The Quillon developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "Quillon-${PROJECT_VERSION}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

# The test builds the ZIP as a user would get it and lists what is inside.
enable_testing()
add_test(NAME package.zip_holds_program_manual_shortcut_readme
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/check_zip.sh ${CMAKE_BINARY_DIR}
          "Quillon-${PROJECT_VERSION}-win64" $<TARGET_FILE:quillon> ${PROJECT_VERSION})

if(QUILLON_INSTALLER)
  include(${PROJECT_SOURCE_DIR}/cmake/installer.cmake)
endif()
