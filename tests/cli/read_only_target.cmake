# The Windows program under Wine, writing a picture as a file: a new file gets the whole picture;
# a read-only one is refused with 74 and one line, keeps its bytes, and no temporary file is left;
# the NUL device takes the picture and nothing is made beside it.
#
#   cmake -DEMULATOR=wine -DPROGRAM=exe -DDUMP=file -DSCRATCH=build/dir -P this
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(COPY_FILE ${DUMP} ${SCRATCH}/oam.bin)
set(old "<svg>the old picture</svg>\n")
file(WRITE ${SCRATCH}/kept.svg "${old}")
# Wine shows a file without write permission as read-only.
file(CHMOD ${SCRATCH}/kept.svg PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)

function(run_screen result)
    execute_process(COMMAND ${EMULATOR} ${PROGRAM} screen ${ARGN} oam.bin
        WORKING_DIRECTORY ${SCRATCH}
        OUTPUT_FILE ${SCRATCH}/standard.out
        ERROR_VARIABLE err
        RESULT_VARIABLE code)
    set(${result} "${code}:${err}" PARENT_SCOPE)
endfunction()

set(failed FALSE)
macro(expect what got expected)
    if(NOT "${got}" STREQUAL "${expected}")
        message("${what}: got \"${got}\", expected \"${expected}\"")
        set(failed TRUE)
    endif()
endmacro()

run_screen(result)
expect("to standard output" "${result}" "0:")
file(RENAME ${SCRATCH}/standard.out ${SCRATCH}/reference.svg)
file(READ ${SCRATCH}/reference.svg reference)
# Standard output ends lines with CR LF, as a console program there does; the file is bytes.
string(REPLACE "\r" "" reference "${reference}")

run_screen(result -o new.svg)
expect("a new file" "${result}" "0:")
file(READ ${SCRATCH}/new.svg got)
expect("the new file's picture" "${got}" "${reference}")

run_screen(result -o kept.svg)
string(REPLACE "\r" "" result "${result}")
expect("a read-only file" "${result}"
    "74:oamcalc-cli: cannot write kept.svg: Permission denied\n")
file(READ ${SCRATCH}/kept.svg got)
expect("the read-only file's bytes" "${got}" "${old}")

# A folder by the name cannot be replaced: the temporary file made for it goes too.
file(MAKE_DIRECTORY ${SCRATCH}/folder.svg)
run_screen(result -o folder.svg)
string(REPLACE "\r" "" result "${result}")
expect("a folder" "${result}" "74:oamcalc-cli: cannot write folder.svg: Permission denied\n")

# A device is written where it is: nothing is made beside it.
run_screen(result -o NUL)
expect("the NUL device" "${result}" "0:")

file(GLOB left RELATIVE ${SCRATCH} ${SCRATCH}/*)
expect("the folder" "${left}" "folder.svg;kept.svg;new.svg;oam.bin;reference.svg;standard.out")
if(failed)
    message(FATAL_ERROR "a picture written as a file lost or left something")
endif()
