# The tree follows .clang-format: a test fails on any C++ file that clang-format would change.
find_program(QUILLON_CLANG_FORMAT clang-format)
if(NOT QUILLON_CLANG_FORMAT)
  message(WARNING "The layout test (format.clang_format) left out: clang-format was not found "
    "(package clang-format).")
  return()
endif()
add_test(NAME format.clang_format
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/check_format.sh ${QUILLON_CLANG_FORMAT})
set_tests_properties(format.clang_format PROPERTIES WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
