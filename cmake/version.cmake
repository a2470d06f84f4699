# One version number, the project's ("1.02" stays "1.02"): the version resource and the About
# text of quillon.exe, the read-me of the ZIP and the ZIP's name are made from it.
string(REGEX REPLACE "^0+([0-9])" "\\1" QUILLON_VERSION_MINOR_NUMBER "${PROJECT_VERSION_MINOR}")
set(QUILLON_VERSION_GENERATED ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/resources/quillon_version.h.in ${QUILLON_VERSION_GENERATED}/quillon_version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/package/README.txt.in ${QUILLON_VERSION_GENERATED}/README.txt @ONLY)

# The resource script of TARGET reads the version from the generated header.
function(quillon_version_resource target)
  target_include_directories(${target} PRIVATE ${QUILLON_VERSION_GENERATED})
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/quillon.rc APPEND PROPERTY OBJECT_DEPENDS
    ${QUILLON_VERSION_GENERATED}/quillon_version.h)
endfunction()
