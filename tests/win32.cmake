# The Windows side of the tests: GoogleTest built for the target, and the checks of the built
# programs that need no running.
set(oam_tests ${CMAKE_CURRENT_LIST_DIR})

# What every program run under Wine by CTest finds set: the loader of its width and a prefix of
# the build tree's own, never the user's, even when CTest is started without scripts/with-wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(oam_wine_arch win64)
else()
    set(oam_wine_arch win32)
endif()
set(oam_wine_environment
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    "WINEARCH=${oam_wine_arch}"
    "WINELOADER=${CMAKE_CROSSCOMPILING_EMULATOR}"
    "WINEDLLOVERRIDES=mscoree,mshtml=")

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# What needs no running: each program's processor, subsystem, imports and resources. These run
# where Wine cannot.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(oam_pe_machine x86-64)
else()
    set(oam_pe_machine i386)
endif()
foreach(program oamcalc oamcalc-cli)
    if(program STREQUAL oamcalc)
        set(subsystem gui)
    else()
        set(subsystem console)
    endif()
    add_test(NAME ${program}_file
        COMMAND ${oam_tests}/package/check_exe ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER}
            $<TARGET_FILE:${program}> ${oam_pe_machine} ${subsystem} ${PROJECT_VERSION})
    set_tests_properties(${program}_file PROPERTIES LABELS static)
endforeach()


# The program asked for its help and its version, answered through the pipe it inherits.
add_test(NAME program_help_and_version
    COMMAND ${CMAKE_COMMAND} -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
        -DPROGRAM=$<TARGET_FILE:oamcalc> -DVERSION=${PROJECT_VERSION}
        -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/program_help_and_version.err
        -P ${CMAKE_CURRENT_LIST_DIR}/program_help_and_version.cmake)
set_tests_properties(program_help_and_version PROPERTIES TIMEOUT 120 ENVIRONMENT
    "${oam_wine_environment};WINEDEBUG=-all")
