# The installer Quillon-<version>-setup.exe (NSIS, per user), the ZIP, and the winget and Scoop
# manifests written from the two: all in the build tree, built with the program.
set(QUILLON_SETUP ${CMAKE_BINARY_DIR}/Quillon-${PROJECT_VERSION}-setup.exe)
set(QUILLON_ZIP ${CMAKE_BINARY_DIR}/Quillon-${PROJECT_VERSION}-win64.zip)
set(QUILLON_MANIFESTS ${CMAKE_BINARY_DIR}/manifests)
# Where the files would be downloaded from; the manifests name it, publishing is not ours.
set(QUILLON_DOWNLOAD_URL "https://example.com/quillon/releases" CACHE STRING
  "The folder the installer and the ZIP are published in, one subfolder per version")

# The installer's pages and texts in Quillon's other languages, from their PO files.
set(QUILLON_INSTALLER_WORDS ${CMAKE_BINARY_DIR}/installer_words.nsh)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
  OUTPUT ${QUILLON_INSTALLER_WORDS}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/language/po_to_nsh.py ${QUILLON_INSTALLER_WORDS}
          ${PROJECT_SOURCE_DIR}/package/quillon.nsi ${QUILLON_LANGUAGE_FILES}
  DEPENDS ${PROJECT_SOURCE_DIR}/language/po_to_nsh.py ${PROJECT_SOURCE_DIR}/language/po_to_table.py
          ${PROJECT_SOURCE_DIR}/package/quillon.nsi ${QUILLON_LANGUAGE_FILES}
  COMMENT "The installer's words from the PO files"
  VERBATIM)

add_custom_command(
  OUTPUT ${QUILLON_SETUP}
  COMMAND ${QUILLON_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DEXE=$<TARGET_FILE:quillon>
          -DCHM=${QUILLON_CHM} -DURL=${PROJECT_SOURCE_DIR}/package/brenmark.url
          -DREADME=${QUILLON_VERSION_GENERATED}/README.txt
          -DICON=${PROJECT_SOURCE_DIR}/resources/quillon.ico -DOUTFILE=${QUILLON_SETUP}
          -DWORDS=${QUILLON_INSTALLER_WORDS} ${PROJECT_SOURCE_DIR}/package/quillon.nsi
  DEPENDS quillon quillon_help ${PROJECT_SOURCE_DIR}/package/quillon.nsi ${QUILLON_INSTALLER_WORDS}
          ${PROJECT_SOURCE_DIR}/package/brenmark.url ${QUILLON_VERSION_GENERATED}/README.txt
  COMMENT "Building the installer Quillon-${PROJECT_VERSION}-setup.exe"
  VERBATIM)

add_custom_command(
  OUTPUT ${QUILLON_ZIP}
  COMMAND cpack -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  DEPENDS quillon quillon_help
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Building the ZIP Quillon-${PROJECT_VERSION}-win64.zip"
  VERBATIM)

add_custom_command(
  OUTPUT ${QUILLON_MANIFESTS}/scoop/quillon.json
         ${QUILLON_MANIFESTS}/winget/Quillon.Quillon.installer.yaml
  COMMAND ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DSETUP=${QUILLON_SETUP} -DZIP=${QUILLON_ZIP}
          -DURL=${QUILLON_DOWNLOAD_URL} -DOUT=${QUILLON_MANIFESTS}
          -P ${PROJECT_SOURCE_DIR}/cmake/write_manifests.cmake
  DEPENDS ${QUILLON_SETUP} ${QUILLON_ZIP} ${PROJECT_SOURCE_DIR}/cmake/write_manifests.cmake
  COMMENT "Writing the winget and Scoop manifests"
  VERBATIM)
add_custom_target(quillon_packages ALL
  DEPENDS ${QUILLON_MANIFESTS}/scoop/quillon.json
          ${QUILLON_MANIFESTS}/winget/Quillon.Quillon.installer.yaml)

add_test(NAME package.manifests_match_artefacts
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/check_manifests.sh ${QUILLON_MANIFESTS}
          ${PROJECT_VERSION} ${QUILLON_SETUP} ${QUILLON_ZIP})
