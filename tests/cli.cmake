# The command-line program's tests. Natively its behaviour case by case; in both trees its whole
# output for sample runs against the expected files, which holds the Windows program, run under
# Wine, to exactly what the native one prints.
set(oam_cli_tests ${CMAKE_CURRENT_LIST_DIR}/cli)

if(NOT WIN32)
    add_executable(cli_tests
        ${oam_cli_tests}/command_line_test.cpp
        ${oam_cli_tests}/dump_test.cpp
        ${oam_cli_tests}/affine_test.cpp
        ${oam_cli_tests}/stream_failures_test.cpp)
    target_link_libraries(cli_tests PRIVATE oam_cli GTest::gtest_main)
    # The stream failures need a real process with real descriptors.
    target_compile_definitions(cli_tests PRIVATE OAMCALC_CLI_PROGRAM="$<TARGET_FILE:oamcalc-cli>")
    add_dependencies(cli_tests oamcalc-cli)
    gtest_discover_tests(cli_tests TEST_PREFIX cli. DISCOVERY_TIMEOUT 60)
endif()

# A case NAME runs the program with the arguments in cases/NAME.args (one a line) and the given
# standard input, and expects cases/NAME.out, cases/NAME.err and the exit code.
function(oam_cli_output_test name exit_code input)
    add_test(NAME cli_output_${name}
        COMMAND ${CMAKE_COMMAND}
            -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
            -DPROGRAM=$<TARGET_FILE:oamcalc-cli>
            -DCASE=${oam_cli_tests}/cases/${name}
            -DINPUT=${input}
            -DEXIT_CODE=${exit_code}
            -P ${oam_cli_tests}/compare_output.cmake)
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        set_tests_properties(cli_output_${name} PROPERTIES TIMEOUT 120 ENVIRONMENT
            "${oam_wine_environment};WINEDEBUG=-all")
    endif()
endfunction()

oam_cli_output_test(batch 2 ${oam_cli_tests}/cases/batch.in)
oam_cli_output_test(batch_json 2 ${oam_cli_tests}/cases/batch.in)
oam_cli_output_test(arguments 0 /dev/null)
oam_cli_output_test(encode 0 /dev/null)
oam_cli_output_test(help 0 /dev/null)
