# Each command's help fits a screen: COMMAND --help prints fewer than MAX_LINES lines, all that the
# parser prints counted, and `help COMMAND` prints the same. The commands are those `help` lists,
# so a new one is held to it too.
#
#   cmake [-DEMULATOR=wine] -DPROGRAM=exe -DMAX_LINES=30 -DSCRATCH=build/file -P this
#
# The output goes through a file, not a pipe, which Wine's helper processes would hold open.
function(run_program variable)
    execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGN}
        OUTPUT_FILE ${SCRATCH} ERROR_FILE ${SCRATCH}.err RESULT_VARIABLE exit_code)
    if(NOT exit_code EQUAL 0)
        message(FATAL_ERROR "oamcalc-cli ${ARGN}: exit code ${exit_code}")
    endif()
    file(READ ${SCRATCH} output)
    string(REPLACE "\r" "" output "${output}")
    set(${variable} "${output}" PARENT_SCOPE)
endfunction()

run_program(list help)
string(REGEX REPLACE ".*\nCommands:\n" "" list "${list}")
string(REGEX MATCHALL "(^|\n)  [a-z]+" commands "${list}")
list(TRANSFORM commands REPLACE "^\n?  " "")
list(LENGTH commands count)
if(count LESS 2)
    message(FATAL_ERROR "oamcalc-cli help lists no commands:\n${list}")
endif()

set(failed FALSE)
foreach(command IN LISTS commands)
    run_program(own ${command} --help)
    run_program(asked help ${command})
    string(REGEX MATCHALL "\n" newlines "${own}")
    list(LENGTH newlines lines)
    if(NOT lines LESS MAX_LINES)
        message("oamcalc-cli ${command} --help: ${lines} lines, not fewer than ${MAX_LINES}")
        set(failed TRUE)
    endif()
    if(NOT own STREQUAL asked)
        message("oamcalc-cli help ${command} differs from ${command} --help:\n${asked}")
        set(failed TRUE)
    endif()
    message(STATUS "${command} --help: ${lines} lines")
endforeach()
if(failed)
    message(FATAL_ERROR "a command's help does not fit a screen")
endif()
