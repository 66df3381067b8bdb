# The Windows distribution: an NSIS installer and a portable zip, named with
# the version, in the build folder (target windows_dist, built by default).
find_program(MAKENSIS makensis REQUIRED)
set(NOVEMO_GPL3 /usr/share/common-licenses/GPL-3 CACHE FILEPATH
    "The GPL's text, shipped as COPYING.txt")

# Text files as Windows editors expect them: CRLF line ends.
set(_stage ${PROJECT_BINARY_DIR}/dist/novemo-${PROJECT_VERSION})
file(READ ${NOVEMO_GPL3} _text)
string(REPLACE "\n" "\r\n" _text "${_text}")
file(WRITE ${_stage}/COPYING.txt "${_text}")
configure_file(${PROJECT_SOURCE_DIR}/data/windows/README.txt ${_stage}/README.txt @ONLY
               NEWLINE_STYLE CRLF)

set(_name novemo-${PROJECT_VERSION}-windows-x64)
set(_nsi ${PROJECT_SOURCE_DIR}/data/windows/novemo.nsi)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${_name}-setup.exe ${PROJECT_BINARY_DIR}/${_name}.zip
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:novemo> $<TARGET_FILE:novemo-generate> ${_stage}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} "-DPUBLISHER=${NOVEMO_AUTHOR}"
          -DSTAGE=${_stage} -DICON=${NOVEMO_ICO} -DOUTFILE=${PROJECT_BINARY_DIR}/${_name}-setup.exe
          ${_nsi}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${_name}.zip --format=zip
          novemo-${PROJECT_VERSION}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/dist
  DEPENDS novemo novemo-generate ${_nsi} ${PROJECT_SOURCE_DIR}/data/windows/languages.nsh
          ${_stage}/COPYING.txt ${_stage}/README.txt
  VERBATIM)
add_custom_target(windows_dist ALL
  DEPENDS ${PROJECT_BINARY_DIR}/${_name}-setup.exe ${PROJECT_BINARY_DIR}/${_name}.zip)
