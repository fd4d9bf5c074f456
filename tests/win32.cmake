# The Windows test programs, cross-compiled and run under Wine through the toolchain's emulator.
# Starting Wine costs about a second, so each program is one CTest test, not one per case.
set(oam_tests ${CMAKE_CURRENT_LIST_DIR})

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The test programs carry the program's manifest and icon, so the controls under test are the
# same common controls (version 6) that the program gets.
function(oam_wine_test name)
    add_executable(${name} ${ARGN} ${oam_resources})
    target_link_libraries(${name} PRIVATE oam_win32_user gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "${oam_wine_environment}")
endfunction()

# The same behaviour suite that the native build runs against the in-memory layer.
oam_wine_test(win32_behaviour_tests
    ${oam_tests}/behaviour/controls_contract_test.cpp
    ${oam_tests}/behaviour/window_test.cpp
    ${oam_tests}/behaviour/win32_fixture.cpp)
target_link_libraries(win32_behaviour_tests PRIVATE oam_ui)
target_compile_definitions(win32_behaviour_tests PRIVATE
    OAMCALC_WINDOW_DESCRIPTION="Z:${oam_tests}/support/main_window.txt")

oam_wine_test(win32_layer_tests
    ${oam_tests}/win32/drop_down_list_test.cpp
    ${oam_tests}/win32/events_test.cpp
    ${oam_tests}/win32/focus_test.cpp
    ${oam_tests}/win32/label_fit_test.cpp
    ${oam_tests}/win32/message_box_test.cpp
    ${oam_tests}/win32/spin_field_test.cpp
    ${oam_tests}/win32/window_test.cpp)
target_link_libraries(win32_layer_tests PRIVATE oam_ui)

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

include(${CMAKE_CURRENT_LIST_DIR}/cli.cmake)
