# The window program asked for its version and its help: each answered on standard output, read
# here through a pipe, with exit code 0 and nothing on standard error.
# Under Wine the Windows program, which has no console, answers through the pipe it inherits.
# Standard error goes to a file: Wine's helper processes would hold a pipe open.
#
#   cmake [-DEMULATOR=wine] -DPROGRAM=exe -DVERSION=1.2.3 -DSCRATCH=build/file -P this
# Natively there is no display to open. Under Wine the display stays: the first program of a Wine
# session starts its desktop, which the next tests' windows need on the display.
set(no_display)
if(NOT EMULATOR)
    set(no_display --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
endif()

function(ask option expected)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env ${no_display} ${EMULATOR} ${PROGRAM} ${option}
        OUTPUT_VARIABLE output ERROR_FILE ${SCRATCH} RESULT_VARIABLE exit_code TIMEOUT 60)
    file(READ ${SCRATCH} error)
    string(REPLACE "\r" "" output "${output}")
    if(NOT exit_code STREQUAL "0" OR NOT output MATCHES "${expected}" OR NOT error STREQUAL "")
        message(FATAL_ERROR "oamcalc ${option}: exit code ${exit_code}, standard output:\n"
            "${output}\nstandard error:\n${error}\nexpected an output matching ${expected}")
    endif()
    message(STATUS "oamcalc ${option}:\n${output}")
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
ask(--version "^oamcalc ${version}\n$")
ask(--help "^Usage: [^\n]*oamcalc[^\n]* \\[options\\]\n.*--help.*--version")
