# Runs the command-line program on one case and compares standard output, standard error and the
# exit code with the case's expected ones. Carriage returns are dropped first: the Windows program
# ends its lines with CR LF, as a console program there should.
#
#   cmake [-DEMULATOR=wine] -DPROGRAM=exe -DCASE=dir/name -DINPUT=file -DEXIT_CODE=n -P this
set(arguments)
if(EXISTS ${CASE}.args)
    file(STRINGS ${CASE}.args arguments)
endif()

execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${arguments}
    INPUT_FILE ${INPUT}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE exit_code)

set(failed FALSE)
foreach(stream out err)
    string(REPLACE "\r" "" got "${${stream}}")
    file(READ ${CASE}.${stream} expected)
    if(NOT got STREQUAL expected)
        message("standard ${stream} differs from ${CASE}.${stream}; got:\n${got}")
        set(failed TRUE)
    endif()
endforeach()
if(NOT exit_code STREQUAL EXIT_CODE)
    message("exit code ${exit_code}, expected ${EXIT_CODE}")
    set(failed TRUE)
endif()
if(failed)
    message(FATAL_ERROR "${CASE}: the program's output is not the expected one")
endif()
