# The game in the player's language. Catalogues live in translations/ as
# novemo_LANG.ts (English is the source language of every one). The build
# compiles them with lrelease and cuts Qt's own catalogue of each language
# (buttons, key names, edit menus) to what the game shows; both are embedded
# as resources under :/i18n, so the game carries every language it speaks.
#   cmake --build build --target novemo_update_catalogues
# brings the catalogues up to date with the texts in src/ (lupdate).
find_program(NOVEMO_LRELEASE lrelease HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin REQUIRED)
find_program(NOVEMO_LCONVERT lconvert HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin REQUIRED)
find_program(NOVEMO_LUPDATE lupdate HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin)
set(NOVEMO_QT_CATALOGUES /usr/share/qt6/translations
    CACHE PATH "Qt's own catalogues (qtbase_LANG.qm) of the Qt the game is built with")

set(_dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
file(MAKE_DIRECTORY ${_dir})
set(_ts_files)
set(NOVEMO_CATALOGUES)
foreach(_language ${NOVEMO_LANGUAGES})
  set(_ts ${PROJECT_SOURCE_DIR}/translations/novemo_${_language}.ts)
  list(APPEND _ts_files ${_ts})
  add_custom_command(OUTPUT ${_dir}/novemo_${_language}.qm
    COMMAND ${NOVEMO_LRELEASE} -silent -nounfinished ${_ts} -qm ${_dir}/novemo_${_language}.qm
    DEPENDS ${_ts} VERBATIM)
  set(_qt ${NOVEMO_QT_CATALOGUES}/qtbase_${_language}.qm)
  if(NOT EXISTS ${_qt})
    message(FATAL_ERROR "Qt's catalogue ${_qt} is missing: install qt6-translations-l10n")
  endif()
  add_custom_command(OUTPUT ${_dir}/qtbase_${_language}.qm
    COMMAND ${CMAKE_COMMAND} -DLCONVERT=${NOVEMO_LCONVERT} -DIN=${_qt}
            -DOUT=${_dir}/qtbase_${_language}.qm -P ${PROJECT_SOURCE_DIR}/cmake/QtCatalogue.cmake
    DEPENDS ${_qt} ${PROJECT_SOURCE_DIR}/cmake/QtCatalogue.cmake VERBATIM)
  list(APPEND NOVEMO_CATALOGUES ${_dir}/novemo_${_language}.qm ${_dir}/qtbase_${_language}.qm)
endforeach()

if(NOVEMO_LUPDATE)
  add_custom_target(novemo_update_catalogues
    COMMAND ${NOVEMO_LUPDATE} -silent -locations none -no-obsolete -source-language en
            -extensions cpp,h -tr-function-alias QT_TRANSLATE_NOOP+=N_,translate+=Tr
            ${PROJECT_SOURCE_DIR}/src -ts ${_ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endif()

# novemo_add_catalogues(TARGET): the catalogues as TARGET's resources,
# compressed where that saves a fifth (zlib: every Qt reads it).
function(novemo_add_catalogues target)
  qt_add_resources(${target} novemo_catalogues PREFIX /i18n BASE ${_dir} FILES ${NOVEMO_CATALOGUES}
                   OPTIONS --compress-algo zlib --compress 9 --threshold 20)
endfunction()
