cmake_minimum_required(VERSION 3.25)
# Qt's catalogue of one language, cut to the contexts a small widget game
# shows (standard buttons, key names, the input box, the edit menus of its
# text fields, the layout direction): a few dozen kilobytes instead of
# several hundred.
#   cmake -DLCONVERT=lconvert -DIN=qtbase_de.qm -DOUT=out.qm -P QtCatalogue.cmake
set(_kept "QPlatformTheme|QShortcut|QKeySequenceEdit|QLineEdit|QWidgetTextControl|QMessageBox|QDialogButtonBox|QInputDialog|QGuiApplication|QApplication")
execute_process(COMMAND ${LCONVERT} -i ${IN} -of ts -o ${OUT}.ts RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "lconvert could not read ${IN}")
endif()
file(READ ${OUT}.ts _ts)
string(FIND "${_ts}" "<context>" _at)
string(SUBSTRING "${_ts}" 0 ${_at} _out)
# Context by context, each up to its end tag; no lists, as the text holds ';'.
while(TRUE)
  string(FIND "${_ts}" "</context>" _at)
  if(_at EQUAL -1)
    break()
  endif()
  math(EXPR _at "${_at} + 10")
  string(SUBSTRING "${_ts}" 0 ${_at} _context)
  string(SUBSTRING "${_ts}" ${_at} -1 _ts)
  if(_context MATCHES "<name>(${_kept})</name>")
    string(APPEND _out "${_context}")
  endif()
endwhile()
string(APPEND _out "\n</TS>\n")
file(WRITE ${OUT}.ts "${_out}")
execute_process(COMMAND ${LCONVERT} -i ${OUT}.ts -o ${OUT} RESULT_VARIABLE _status)
file(REMOVE ${OUT}.ts)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "lconvert could not write ${OUT}")
endif()
