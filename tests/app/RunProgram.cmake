# Runs a program and checks its exit status and what it says. Run by ctest:
#   cmake -DPROGRAM=... -DARGS=a;b -DSTATUS=2 [-DSTDOUT=regex] [-DSTDERR=regex]
#         [-DOUTPUT_FILE=/dev/full] -P RunProgram.cmake
set(_output OUTPUT_VARIABLE _stdout)
if(OUTPUT_FILE)
  set(_output OUTPUT_FILE ${OUTPUT_FILE})
endif()
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE _status ${_output}
                ERROR_VARIABLE _stderr)
if(NOT _status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${_status}, not ${STATUS}\n${_stdout}${_stderr}")
endif()
foreach(_stream stdout stderr)
  string(TOUPPER ${_stream} _wanted)
  if(DEFINED ${_wanted} AND NOT "${_${_stream}}" MATCHES "${${_wanted}}")
    message(FATAL_ERROR "${_stream} does not match '${${_wanted}}':\n${_${_stream}}")
  endif()
endforeach()
