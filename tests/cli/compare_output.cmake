# Runs the command-line program for one case and compares what it printed with the case's files.
#
#   cmake [-DEMULATOR=wine] -DPROGRAM=exe -DCASE=dir/name -DINPUT=file -DEXIT_CODE=n
#         -DSCRATCH=build/dir/name -P this
#
# Each line of NAME.args is one run: its arguments, quoted as in a Unix shell (an empty line is a
# run without arguments; no file, one such run). Every run starts in the cases folder, reads
# INPUT and must give EXIT_CODE; their standard outputs together must be NAME.out and their
# standard errors NAME.err (a missing file: nothing). Carriage returns are dropped first: the
# Windows program ends its lines with CR LF, as a console program there should.
#
# The output goes through files, not pipes: Wine's helper processes inherit a pipe and would hold
# each run for two seconds.
cmake_path(GET CASE PARENT_PATH cases)
set(failed FALSE)
set(got_out "")
set(got_err "")

function(run_program line)
    separate_arguments(arguments UNIX_COMMAND "${line}")
    execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${arguments}
        WORKING_DIRECTORY ${cases}
        INPUT_FILE ${INPUT}
        OUTPUT_FILE ${SCRATCH}.run.out
        ERROR_FILE ${SCRATCH}.run.err
        RESULT_VARIABLE exit_code)
    if(NOT exit_code STREQUAL EXIT_CODE)
        message("oamcalc-cli ${line}: exit code ${exit_code}, expected ${EXIT_CODE}")
        set(failed TRUE PARENT_SCOPE)
    endif()
    foreach(stream out err)
        file(READ ${SCRATCH}.run.${stream} text)
        set(got_${stream} "${got_${stream}}${text}" PARENT_SCOPE)
    endforeach()
endfunction()

if(EXISTS ${CASE}.args)
    file(READ ${CASE}.args runs)
    string(REGEX REPLACE "\n$" "" runs "${runs}")
    string(REPLACE "\n" ";" runs "${runs}")
    foreach(line IN LISTS runs)
        run_program("${line}")
    endforeach()
else()
    run_program("")
endif()

foreach(stream out err)
    string(REPLACE "\r" "" got "${got_${stream}}")
    set(expected "")
    if(EXISTS ${CASE}.${stream})
        file(READ ${CASE}.${stream} expected)
    endif()
    file(WRITE ${SCRATCH}.${stream} "${got}")
    if(NOT got STREQUAL expected)
        message("standard ${stream} differs from ${CASE}.${stream}; got (${SCRATCH}.${stream}):\n"
            "${got}")
        set(failed TRUE)
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "${CASE}: the program's output is not the expected one")
endif()
